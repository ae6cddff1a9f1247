# zlib from Debian's libz-mingw-w64-dev, linked statically.
find_library(ZLIB_STATIC_LIBRARY NAMES libz.a REQUIRED)
find_path(ZLIB_INCLUDE_DIR NAMES zlib.h REQUIRED)
add_library(zlib_static STATIC IMPORTED GLOBAL)
set_target_properties(zlib_static PROPERTIES
  IMPORTED_LOCATION ${ZLIB_STATIC_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${ZLIB_INCLUDE_DIR})

# libjpeg-turbo, cross-built from Debian's source package into the cache folder once.
set(LIBJPEG_PREFIX ${PRATILO_DEPS_DIR}/libjpeg)
if(NOT EXISTS ${LIBJPEG_PREFIX}/lib/libjpeg.a)
  message(STATUS "Building libjpeg-turbo into ${LIBJPEG_PREFIX}")
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg.sh ${LIBJPEG_PREFIX}
                  RESULT_VARIABLE libjpeg_result)
  if(NOT libjpeg_result EQUAL 0)
    message(FATAL_ERROR "libjpeg-turbo build failed")
  endif()
endif()
add_library(jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(jpeg_static PROPERTIES
  IMPORTED_LOCATION ${LIBJPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${LIBJPEG_PREFIX}/include)

# GoogleTest from Debian's googletest source package, built with the cross toolchain.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
