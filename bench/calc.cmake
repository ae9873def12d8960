# One keystroke's work in the calculator: bench_calc.
if(benchmark_FOUND AND TARGET velmora_calc)
    add_executable(bench_calc ${CMAKE_CURRENT_LIST_DIR}/calc_keystroke.cpp)
    target_link_libraries(bench_calc PRIVATE velmora_calc benchmark::benchmark)
endif()
