# bench_print: the whole protocol (all four section groups) rendered into a PDF file.
if(TARGET velmora_print AND TARGET benchmark::benchmark)
    add_executable(bench_print ${CMAKE_CURRENT_LIST_DIR}/print_bench.cpp)
    target_include_directories(bench_print PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../tests/print)
    target_link_libraries(bench_print PRIVATE velmora_print benchmark::benchmark)
endif()
