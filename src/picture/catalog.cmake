# The template catalogue is plain data, so it lives in the Qt-free core. Guarded because the
# template generator includes it too.
include_guard(GLOBAL)
target_sources(quipcanvas_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/template_catalog.cpp)
