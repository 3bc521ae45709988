# Organize benchmarks: the main window's Load of 100,000 files next to sortiva-cli load (with
# the window's peak memory), and the organize engine next to mv/cp per target folder.
add_executable(bench_organize_window ${CMAKE_CURRENT_SOURCE_DIR}/organize/window.cpp)
target_link_libraries(bench_organize_window PRIVATE sortiva_gui)

add_executable(bench_organize ${CMAKE_CURRENT_SOURCE_DIR}/organize/run.cpp)
target_link_libraries(bench_organize PRIVATE sortiva_core)
add_dependencies(bench_organize bench_organize_window sortiva-cli)
target_compile_definitions(bench_organize PRIVATE
    SORTIVA_CLI_PATH="$<TARGET_FILE:sortiva-cli>"
    BENCH_WINDOW_PATH="$<TARGET_FILE:bench_organize_window>")
