# libFuzzer support. The fuzz targets need clang, so the main build (any compiler) builds them in
# a clang sub-build under build/fuzz (QM_FUZZ_ONLY=ON) and runs a short smoke of each under ctest.
#
#   qm_add_fuzzer(NAME SOURCES... LIBS...)         in a subsystem's fuzz/ folder (fuzz-only build)
#   qm_add_fuzz_smoke(NAME FUZZER_PATH SEED_DIR RUNS)  in the main build; FUZZER_PATH is relative to build/fuzz

set(QM_SANITIZERS "address,undefined")

if(QM_FUZZ_ONLY)
  add_compile_options(-fsanitize=fuzzer-no-link,${QM_SANITIZERS} -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=${QM_SANITIZERS})
else()
  find_program(QM_CLANGXX NAMES clang++ clang++-14)
  if(QM_CLANGXX AND NOT WIN32)
    include(ExternalProject)
    ExternalProject_Add(qm_fuzzers
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
      CMAKE_GENERATOR Ninja
      CMAKE_ARGS -DQM_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=${QM_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      USES_TERMINAL_BUILD ON)
  else()
    message(STATUS "clang++ not found: fuzz targets and their smoke tests are skipped")
  endif()
endif()

function(qm_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# A fixed, seeded run from the seed files; new inputs go to a scratch folder, never to the seeds.
function(qm_add_fuzz_smoke name fuzzer seeds runs)
  if(NOT TARGET qm_fuzzers)
    return()
  endif()
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}.corpus)
  add_test(NAME ${name}
    COMMAND sh -c "rm -rf '${work}' && mkdir -p '${work}' && exec '${CMAKE_BINARY_DIR}/fuzz/${fuzzer}' -runs=${runs} -seed=1 -max_len=65536 -timeout=10 -print_final_stats=1 '${work}' '${seeds}'")
endfunction()
