# The quipcanvas-cli tests run the built program itself.
target_sources(shell_tests PRIVATE cli_test.cpp)
set_source_files_properties(cli_test.cpp TARGET_DIRECTORY shell_tests PROPERTIES
    COMPILE_DEFINITIONS "QC_CLI=\"$<TARGET_FILE:quipcanvas-cli>\"")
add_dependencies(shell_tests quipcanvas-cli)
