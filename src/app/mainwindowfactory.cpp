#include "mainwindowfactory.h"

#include "window/mainwindow.h"

#include "library/sharedconnection.h"

namespace kelvor {

MainWindowFactory defaultMainWindowFactory()
{
    return [](const MainWindowServices& services) -> std::unique_ptr<QMainWindow> {
        return std::make_unique<MainWindow>(services.connection, services.connection.layout(), services.prompter);
    };
}

}  // namespace kelvor
