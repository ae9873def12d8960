# Installing one update package end to end: unpack, control file, script, settings, clean-up.
if(benchmark_FOUND AND TARGET velmora_updater AND TARGET velmora_packagekit)
    add_executable(updater_bench ${CMAKE_CURRENT_LIST_DIR}/updater_install.cpp)
    target_link_libraries(updater_bench PRIVATE velmora_updater velmora_packagekit
                                                benchmark::benchmark)
endif()
