# zlib from Debian's libz-mingw-w64-dev, linked statically.
find_library(ZLIB_STATIC_LIBRARY NAMES libz.a REQUIRED)
find_path(ZLIB_INCLUDE_DIR NAMES zlib.h REQUIRED)
add_library(zlib_static STATIC IMPORTED GLOBAL)
set_target_properties(zlib_static PROPERTIES
  IMPORTED_LOCATION ${ZLIB_STATIC_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${ZLIB_INCLUDE_DIR})

# libjpeg-turbo, cross-built into the cache folder by `make deps` (scripts/build-libjpeg.sh). Configuring
# only looks for it: installing and building belong to that step, not to CMake.
set(LIBJPEG_PREFIX ${PRATILO_DEPS_DIR}/libjpeg)
if(NOT EXISTS ${LIBJPEG_PREFIX}/lib/libjpeg.a OR NOT EXISTS ${LIBJPEG_PREFIX}/include/jpeglib.h)
  message(FATAL_ERROR "libjpeg-turbo is missing from ${LIBJPEG_PREFIX}: run `make deps` first "
                      "(or point -DPRATILO_DEPS_DIR at a folder holding libjpeg/lib/libjpeg.a).")
endif()
add_library(jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(jpeg_static PROPERTIES
  IMPORTED_LOCATION ${LIBJPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${LIBJPEG_PREFIX}/include)

# GoogleTest from Debian's googletest source package, built with the cross toolchain.
if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources are missing from /usr/src/googletest: run `make deps` first.")
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
