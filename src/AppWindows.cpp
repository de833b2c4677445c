#include "AppWindows.h"

#include "calc/InstallCalculations.h"
#include "input/DrawCommandQt.h"

AppWindows::AppWindows() {
    if (form1.startupAborted())
        return;
    form2 = std::make_unique<TForm2>(&form1);
    form1.setHelpWindow(form2.get());
    form3 = std::make_unique<TForm3>(form1);
    form1.setInputWindow(form3.get());
    InstallDrawCommand(form1, *form3);
    InstallCalculations(*form3);
}
