#include "AppWindows.h"

#include <QGuiApplication>

#include "calc/InstallCalculations.h"
#include "desktop/AppIcon.h"
#include "input/DrawCommandQt.h"

AppWindows::AppWindows() {
    // The program's icon on its three windows and on every dialog and
    // message box they open.
    QGuiApplication::setWindowIcon(ApplicationIcon());
    if (form1.startupAborted())
        return;
    form2 = std::make_unique<TForm2>(&form1);
    form1.setHelpWindow(form2.get());
    form3 = std::make_unique<TForm3>(form1);
    form1.setInputWindow(form3.get());
    InstallDrawCommand(form1, *form3);
    InstallCalculations(*form3);
}
