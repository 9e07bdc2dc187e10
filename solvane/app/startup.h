#pragma once

namespace solvane::startup {

// The program from start to end: single-instance guard, translator, main
// window, event loop. Returns the process exit code.
int run(int &argc, char **argv);

} // namespace solvane::startup
