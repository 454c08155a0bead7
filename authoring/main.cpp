#include "commandline.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The tool's own arguments are read before Qt sees them: a platform
    // plugin takes options such as -title for itself (xcb, on a desktop) and
    // would swallow "--title". Qt is given the program's name alone.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    // The pictures are drawn with fonts, which need a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(qtArgc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kelvor::authoring::runCommandLine(arguments, out, err);
}
