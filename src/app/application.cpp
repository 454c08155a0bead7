#include "application.h"

#include "commandline.h"
#include "console.h"
#include "exitcode.h"
#include "instancelock.h"
#include "mainwindowholder.h"
#include "qtprompter.h"
#include "splashwindow.h"
#include "startupcontroller.h"
#include "windowscreenshot.h"

#include "library/layout.h"
#include "library/sharedconnection.h"
#include "window/documentslots.h"
#include "window/mainwindow.h"
#include "viewer/documentview.h"
#include "viewer/libraryscheme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <memory>

#include <unistd.h>

namespace kelvor {

namespace {

DocumentView* documentViewOf(QWidget* window)
{
    const auto* main = qobject_cast<MainWindow*>(window);
    return main ? main->documentViews().documentView() : nullptr;
}

// The screenshot shows the document area as the user sees it: it waits for
// the document view's page to load and paint.
WindowScreenshot::PageWait documentShown(QWidget* window)
{
    DocumentView* view = documentViewOf(window);
    if (!view) return {};
    QPointer<DocumentView> guarded(view);
    return [guarded](std::function<void()> shown) {
        if (guarded) guarded->whenPainted(std::move(shown));
    };
}

bool asksForHelp(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help") return true;
    }
    return false;
}

// The help needs no window: it is answered before anything asks for a display.
int showHelp(int argc, char* argv[])
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvor"));
    const CommandLineResult commandLine =
        parseCommandLine(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (commandLine.status == CommandLineResult::Status::Error) {
        printToStderr(QStringLiteral("kelvor: %1").arg(commandLine.message));
        return ExitUsage;
    }
    printToStdout(commandLine.message);
    return ExitOk;
}

}  // namespace

int runApplication(int argc, char* argv[])
{
    if (asksForHelp(argc, argv)) return showHelp(argc, argv);

    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    // The document views share one GL context; it must be chosen before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The browser's sandbox refuses to start as root; a root session reads local files only.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The library scheme exists only if registered before the application.
    kelvor::prepareLibraryBrowsing();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvor"));
    // The window is Chinese: so are the standard buttons of its message boxes.
    QTranslator standardButtons;
    if (standardButtons.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&standardButtons);

    const CommandLineResult commandLine =
        parseCommandLine(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    switch (commandLine.status) {
    case CommandLineResult::Status::ShowHelp:
        printToStdout(commandLine.message);
        return ExitOk;
    case CommandLineResult::Status::Error:
        printToStderr(QStringLiteral("kelvor: %1").arg(commandLine.message));
        printToStderr(QStringLiteral("Usage: kelvor [--data-root DIR] [--screenshot FILE]"));
        return ExitUsage;
    case CommandLineResult::Status::Run:
        break;
    }
    const StartupOptions& options = commandLine.options;

    // Until the main window is up, closing a message box or the splash must
    // not end the program behind the start-up sequence's back.
    app.setQuitOnLastWindowClosed(false);

    SharedConnection connection{LibraryLayout(options.dataRoot)};
    QtPrompter prompter(QtPrompter::modeFromEnvironment());
    InstanceLock lock;
    MainWindowHolder mainWindow(defaultMainWindowFactory(), MainWindowServices{connection, prompter});
    StartupController startup(lock, connection, mainWindow, prompter);
    SplashWindow splash;

    QObject::connect(&startup, &StartupController::diagnostic, &printToStderr);
    QObject::connect(&startup, &StartupController::exitRequested, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    QObject::connect(&startup, &StartupController::started, &splash, &QWidget::show);
    QObject::connect(&startup, &StartupController::progressChanged, &splash, &SplashWindow::setProgressText);
    QObject::connect(&startup, &StartupController::mainWindowShown, &splash, [&] {
        splash.close();
        prompter.setDialogParent(mainWindow.window());
        app.setQuitOnLastWindowClosed(true);
        if (auto* main = qobject_cast<MainWindow*>(mainWindow.window()))
            QObject::connect(main, &MainWindow::closing, &app, [](const QString& reason) {
                printToStderr(QStringLiteral("kelvor: the main window closes: %1").arg(reason));
            });
    });
    // A desktop session may ask the program to save before it ends; the
    // window stays open unless the session then closes it through the window system.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [] { printToStderr(QStringLiteral("kelvor: the desktop session asked to save its data")); });

    std::unique_ptr<WindowScreenshot> screenshot;
    if (!options.screenshotPath.isEmpty()) {
        screenshot = std::make_unique<WindowScreenshot>(options.screenshotPath);
        QObject::connect(screenshot.get(), &WindowScreenshot::diagnostic, &printToStderr);
        QObject::connect(screenshot.get(), &WindowScreenshot::finished, &app,
                         [](int exitCode) { QCoreApplication::exit(exitCode); });
        QObject::connect(&startup, &StartupController::mainWindowShown, screenshot.get(),
                         [&] {
                             QWidget* window = mainWindow.window();
                             screenshot->setPageArea(documentViewOf(window));
                             screenshot->capture(window, documentShown(window));
                         });
    }

    // The start-up benchmark times the program until its window is on show:
    // with KELVOR_QUIT_WHEN_SHOWN=1 it paints the window, says so and ends.
    if (qEnvironmentVariableIntValue("KELVOR_QUIT_WHEN_SHOWN") == 1) {
        QObject::connect(&startup, &StartupController::mainWindowShown, &app, [&] {
            if (QWidget* window = mainWindow.window()) window->repaint();
            printToStderr(QStringLiteral("kelvor: main window shown after %1 ms").arg(sinceLaunch.elapsed()));
            QCoreApplication::exit(ExitOk);
        });
    }

    // The sequence runs inside the event loop, so that ending the program
    // from any of its steps reaches the loop.
    QTimer::singleShot(0, &startup, &StartupController::start);
    return app.exec();
}

}  // namespace kelvor
