# Main window figures and pictures; both run offscreen (QT_QPA_PLATFORM=offscreen).
#   velmora_gui_bench            cold start and keystroke figures
#   velmora_gui_screens <dir>    a picture of each tab of a filled window
if(TARGET velmora_gui AND TARGET Qt6::Test)
    add_executable(velmora_gui_bench ${CMAKE_CURRENT_LIST_DIR}/gui_bench.cpp)
    target_link_libraries(velmora_gui_bench PRIVATE velmora_gui Qt6::Test)
    add_executable(velmora_gui_screens ${CMAKE_CURRENT_LIST_DIR}/gui_screens.cpp)
    target_link_libraries(velmora_gui_screens PRIVATE velmora_gui Qt6::Test)
endif()
