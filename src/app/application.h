#pragma once

namespace kelvor {

// The whole program: command line, start-up sequence, main window. Returns
// the exit status.
int runApplication(int argc, char* argv[]);

}  // namespace kelvor
