# The built-in templates: every embedded JPEG against its catalogue row.
qc_add_test(catalog_tests ${CMAKE_CURRENT_LIST_DIR}/template_catalog_test.cpp)
target_link_libraries(catalog_tests PRIVATE quipcanvas_gui)
