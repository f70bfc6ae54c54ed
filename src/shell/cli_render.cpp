#include "shell/cli_render.h"

#include <cstdio>

namespace qc {

int RunRender(int, char**) {
    std::fputs("render: not available yet\n", stderr);
    return 2;
}

}  // namespace qc
