#include "commandline.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The pictures are drawn with fonts, which need a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kelvor::authoring::runCommandLine(app.arguments().mid(1), out, err);
}
