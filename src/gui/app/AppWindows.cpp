#include "gui/app/AppWindows.h"

#include <QGuiApplication>
#include <QSettings>

#include "gui/input/InstallCalculations.h"
#include "gui/desktop/AppIcon.h"
#include "gui/input/DrawCommandQt.h"

AppWindows::AppWindows(const AppOptions& options) : plotWindow(options.services) {
    // The program's icon on its three windows and on every dialog and
    // message box they open.
    QGuiApplication::setWindowIcon(applicationIcon());
    if (plotWindow.startupAborted())
        return;
    helpWindow = std::make_unique<HelpWindow>(&plotWindow);
    plotWindow.setHelpWindow(helpWindow.get());
    inputWindow = std::make_unique<InputWindow>(plotWindow);
    plotWindow.setInputWindow(inputWindow.get());
    installDrawCommand(plotWindow, *inputWindow);
    installCalculations(*inputWindow);
    auto settings = options.settingsFile.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      QStringLiteral("Spatium"), QStringLiteral("Spatium"))
                        : std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    scenes = std::make_unique<SceneController>(plotWindow, *inputWindow, options.services, std::move(settings),
                                               options.outputDialogs);
}
