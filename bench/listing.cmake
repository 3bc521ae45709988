# Listing export speed: sortiva-cli export --html next to Debian's tree -H on one generated tree.
add_executable(bench_listing ${CMAKE_CURRENT_SOURCE_DIR}/listing/bench_listing.cpp)
target_link_libraries(bench_listing PRIVATE Qt6::Core)
target_compile_definitions(bench_listing PRIVATE SORTIVA_CLI="$<TARGET_FILE:sortiva-cli>")
add_dependencies(bench_listing sortiva-cli)
