#pragma once
// The program's three windows, created in start-up order and wired together:
// the main window first (screen check, view defaults, first picture), then the
// help window, then the input window with its defaults, the draw command as
// the main window's redraw and the calculation buttons; last the scene files
// with the menu bar, which take this state as the start-up scene. Destroyed
// in reverse order, so the input window never outlives the main window it
// draws into.
#include <memory>

#include <QString>

#include "gui/app/SceneController.h"
#include "gui/help/HelpWindow.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/WindowServices.h"

struct AppOptions {
    WindowServices services = defaultWindowServices();
    // The settings file that keeps the recent files (INI format); empty:
    // the user's own settings.
    QString settingsFile;
    // The dialogs of "Bild exportieren …", "Drucken …" and "Druckvorschau …".
    OutputDialogServices outputDialogs = defaultOutputDialogServices();
};

struct AppWindows {
    explicit AppWindows(const AppOptions& options = AppOptions());

    // True when the screen check stopped the start-up; only plotWindow exists then.
    bool aborted() const { return plotWindow.startupAborted(); }

    PlotWindow plotWindow;
    std::unique_ptr<HelpWindow> helpWindow;
    std::unique_ptr<InputWindow> inputWindow;
    std::unique_ptr<SceneController> scenes;
};
