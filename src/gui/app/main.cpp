// Start-up: the command line is read first, before any application object,
// so help, version and its errors need no display, and an export runs on
// the offscreen platform with no widget at all. Otherwise the main window
// (screen check, view defaults, first picture), then the help window, then
// the input window (its defaults and the draw command as the main window's
// redraw), then the scene files with the menu bar; the command line's file
// is opened once the event loop runs, which lasts until the main window is
// closed.
#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include "gui/app/AppWindows.h"
#include "gui/app/CommandLine.h"
#include "gui/app/ExportCommand.h"
#include "gui/app/German.h"

int main(int argc, char** argv) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    if (commandLine.endsOnTerminal())
        return answerOnTerminal(commandLine);
    // An export shows no window: it needs no display, and never one.
    if (commandLine.exportOptions)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    if (commandLine.exportOptions) {
        // Fonts for the picture's texts, no widgets.
        QGuiApplication app(argc, argv);
        app.setApplicationName(QStringLiteral("Spatium"));
        installGermanLanguage();
        return runExportCommand(commandLine);
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Spatium"));
    app.setDesktopFileName(QStringLiteral(SPATIUM_APP_ID));
    installGermanLanguage();

    AppWindows windows;
    if (windows.aborted())
        return 1;

    // The main window ends the program; the tool windows never keep it alive.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&windows.plotWindow, &PlotWindow::closed, &app, &QCoreApplication::quit);

    windows.plotWindow.show();
    QTimer::singleShot(0, windows.scenes.get(), [&] { windows.scenes->openAtStart(commandLine); });
    return app.exec();
}
