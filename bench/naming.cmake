# Naming benchmark: a corpus generator, a bare walk-and-read baseline and the driver that
# times sortiva-cli load and the window's Load against the baseline.
add_executable(bench_naming_corpus ${CMAKE_CURRENT_SOURCE_DIR}/naming/corpus.cpp)
target_link_libraries(bench_naming_corpus PRIVATE Qt6::Core)

add_executable(bench_naming_baseline ${CMAKE_CURRENT_SOURCE_DIR}/naming/baseline.cpp)

add_executable(bench_naming ${CMAKE_CURRENT_SOURCE_DIR}/naming/run.cpp)
target_link_libraries(bench_naming PRIVATE Qt6::Core)
add_dependencies(bench_naming bench_naming_corpus bench_naming_baseline sortiva-cli
    bench_organize_window)
target_compile_definitions(bench_naming PRIVATE
    SORTIVA_CLI_PATH="$<TARGET_FILE:sortiva-cli>"
    BENCH_CORPUS_PATH="$<TARGET_FILE:bench_naming_corpus>"
    BENCH_BASELINE_PATH="$<TARGET_FILE:bench_naming_baseline>"
    BENCH_WINDOW_PATH="$<TARGET_FILE:bench_organize_window>")
