# lumar_fuzz(<name> SOURCES ... LIBS ...)
# A libFuzzer target (clang only, LUMAR_FUZZ=ON). CTest runs it for a short,
# bounded time on its seed corpus in fuzz/corpus/<name>/.
set(LUMAR_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs under CTest")
function(lumar_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_compile_definitions(${name} PRIVATE POINTERHOLDER_TRANSITION=4)
  add_dependencies(fuzz_all ${name})
  set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  set(work ${PROJECT_BINARY_DIR}/fuzz-corpus/${name})
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            sh -c "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -max_total_time=${LUMAR_FUZZ_SECONDS} -rss_limit_mb=2048 -print_final_stats=0 '${work}' '${corpus}'")
endfunction()
