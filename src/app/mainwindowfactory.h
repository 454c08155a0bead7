#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

namespace kelvor {

class Prompter;
class SharedConnection;

// What the program hands the main window when it builds it. The connection
// is open on the content database; both outlive the window.
struct MainWindowServices {
    SharedConnection& connection;
    Prompter& prompter;
};

// Builds the main window `frmmain` without showing it. Its initialisation
// runs inside the call; a failure is thrown.
using MainWindowFactory = std::function<std::unique_ptr<QMainWindow>(const MainWindowServices&)>;

// The factory the program uses.
MainWindowFactory defaultMainWindowFactory();

}  // namespace kelvor
