# quipcanvas-cli: info, decode and render for scripts and tests, without a window.
add_executable(quipcanvas-cli cli_main.cpp cli_render.cpp)
target_link_libraries(quipcanvas-cli PRIVATE quipcanvas_gui)
install(TARGETS quipcanvas-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
