#include "viewer/libraryscheme.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

void setDefault(const char* name, const char* value)
{
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

}  // namespace

// The page tests need a GUI application whose GL contexts are shared before
// it exists, as the web engine requires. Test discovery (and, with CMake
// 3.25, every variable of the test environment after the first) arrives
// without the environment, so the headless defaults are set here as well.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setDefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    // The library scheme exists only if registered before the application.
    kelvor::prepareLibraryBrowsing();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // Generated pages go to a cache folder of the tests, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
