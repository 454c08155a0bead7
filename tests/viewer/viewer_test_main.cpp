#include <QApplication>

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
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
