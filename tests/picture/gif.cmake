# The GIF player's tests, a program of their own; tests/picture/CMakeLists.txt includes this.
find_package(Qt6 REQUIRED COMPONENTS Test)
qc_add_test(gif_player_tests gif_player_test.cpp ../formats/gif_builder.cpp)
target_link_libraries(gif_player_tests PRIVATE quipcanvas_gui Qt6::Test)
