#pragma once

namespace qc {

// `quipcanvas-cli render ...`: argv[0] is the word "render", the options follow. Returns the
// process exit code: 0 written, 1 failed, 2 wrong arguments.
int RunRender(int argc, char** argv);

}  // namespace qc
