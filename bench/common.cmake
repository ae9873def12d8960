# Scrambled file stream against the plain one (target bench_common).
if(TARGET velmora_common AND benchmark_FOUND)
    add_executable(bench_common ${CMAKE_CURRENT_LIST_DIR}/common_stream.cpp)
    target_link_libraries(bench_common PRIVATE velmora_common benchmark::benchmark)
endif()
