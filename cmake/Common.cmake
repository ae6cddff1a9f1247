# Settings shared by every target: Unicode Win32, Windows 7 API level, static runtime.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
# -Wrestrict is off: GCC 12 reports false positives inside std::string concatenation.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra> $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
# Designated initialisers that leave option fields at their defaults are the intended use.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
add_link_options(-static -static-libgcc -static-libstdc++)

# One library per subsystem folder; every .cpp below it is part of the library.
function(pratilo_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# Every tests/<folder>/*_test.cpp becomes its own test program, run under Wine by CTest.
function(pratilo_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${folder}/*_test.cpp)
  # Shared helpers are compiled once per folder, not once per test program.
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp ${folder}/support/*.cpp)
  set(support_lib test_support_${folder})
  add_library(${support_lib} STATIC ${support})
  target_include_directories(${support_lib} PUBLIC ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${support_lib} PUBLIC ${ARGN} GTest::gtest)
  foreach(test_source ${tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE ${support_lib} ${ARGN} GTest::gtest GTest::gtest_main)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES TIMEOUT 600
      ENVIRONMENT "PRATILO_SOURCE_DIR=${CMAKE_SOURCE_DIR};PRATILO_BINARY_DIR=${CMAKE_BINARY_DIR}")
  endforeach()
endfunction()
