#include "viewer/libraryscheme.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The window holds web views, which need shared GL contexts before the
// application exists; test discovery runs without the test environment, so
// stay headless then too.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The library scheme exists only if registered before the application.
    kelvor::prepareLibraryBrowsing();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // A window built without its own view settings file must not touch the user's.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
