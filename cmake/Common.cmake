# Settings shared by every target: Unicode Win32, Windows 7 API level, static runtime.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
# -Wrestrict is off: GCC 12 reports false positives inside std::string concatenation.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra> $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
# Designated initialisers that leave option fields at their defaults are the intended use.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
add_link_options(-static -static-libgcc -static-libstdc++)

# One library per subsystem folder; every .cpp below it is part of the library, except in subfolders
# that were made libraries of their own before (declare those first).
function(pratilo_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  get_property(claimed GLOBAL PROPERTY pratilo_library_folders)
  foreach(other ${claimed})
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${other}/")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY pratilo_library_folders ${folder})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
