#include "mainwindowfactory.h"

namespace kelvor {

namespace {
// An empty `frmmain` until the regions of the main window are built in.
std::unique_ptr<QMainWindow> createEmptyMainWindow(const MainWindowServices&)
{
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QStringLiteral("frmmain"));
    window->setWindowTitle(QStringLiteral("澄溪宸笺"));
    window->resize(1024, 700);
    return window;
}
}  // namespace

MainWindowFactory defaultMainWindowFactory()
{
    return createEmptyMainWindow;
}

}  // namespace kelvor
