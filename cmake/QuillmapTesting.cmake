# Test helpers shared by every subsystem's tests/ folder.
if(NOT QM_FUZZ_ONLY)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# qm_add_gtest(NAME SOURCES... LIBS libs...): one GoogleTest executable, its cases registered with ctest.
function(qm_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/platform/tests)
  target_compile_definitions(${name} PRIVATE QM_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/testdata"
                                              QM_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
