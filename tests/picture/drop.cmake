# The drop target 拖放对象1 and the file-received handler, on a real main window.
find_package(Qt6 REQUIRED COMPONENTS Test)
qc_add_test(drop_tests
    drop_target_test.cpp
    drop_file_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/formats/gif_builder.cpp
)
target_include_directories(drop_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(drop_tests PRIVATE quipcanvas_gui Qt6::Test)
