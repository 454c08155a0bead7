#pragma once

namespace kelvor {

// Exit statuses of the program, so that scripts can tell the failures apart.
enum ExitCode : int {
    ExitOk = 0,
    ExitDatabaseError = 1,      // the content database could not be opened
    ExitUsage = 2,              // bad command line
    ExitScreenshotFailed = 3,   // --screenshot could not write its file
    ExitMainWindowFailed = 4,   // building the main window failed
};

}  // namespace kelvor
