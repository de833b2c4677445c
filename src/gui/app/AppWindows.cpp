#include "gui/app/AppWindows.h"

#include <QGuiApplication>
#include <QSettings>

#include "gui/input/InstallCalculations.h"
#include "gui/desktop/AppIcon.h"
#include "gui/input/DrawCommandQt.h"

AppWindows::AppWindows(const AppOptions& options) : form1(options.services) {
    // The program's icon on its three windows and on every dialog and
    // message box they open.
    QGuiApplication::setWindowIcon(ApplicationIcon());
    if (form1.startupAborted())
        return;
    helpWindow = std::make_unique<HelpWindow>(&form1);
    form1.setHelpWindow(helpWindow.get());
    form3 = std::make_unique<InputWindow>(form1);
    form1.setInputWindow(form3.get());
    InstallDrawCommand(form1, *form3);
    InstallCalculations(*form3);
    auto settings = options.settingsFile.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      QStringLiteral("Spatium"), QStringLiteral("Spatium"))
                        : std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    scenes = std::make_unique<SceneController>(form1, *form3, options.services, std::move(settings),
                                               options.outputDialogs);
}
