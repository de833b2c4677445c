#pragma once
// Qt side of the draw command: the windows behind DrawHost, and the wiring
// of the draw button and of the main window's redraws.
#include <string>

#include "core/render/DrawHost.h"

class PlotWindow;
class InputWindow;

// The draw command's access to the two windows. Messages go through the
// active UserFeedback (a modal QMessageBox unless a test replaced it).
class QtDrawHost : public DrawHost {
public:
    QtDrawHost(PlotWindow& plotWindow, InputWindow& inputWindow) : plotWindow_(plotWindow), inputWindow_(inputWindow) {}

    void showMessage(const std::string& text) override;
    void hideInputWindow() override;
    void reportRejections(const std::vector<FieldRejection>& rejections) override;

private:
    PlotWindow& plotWindow_;
    InputWindow& inputWindow_;
};

// Runs the draw command on the main window's picture and shows the result.
void runDrawCommand(PlotWindow& plotWindow, InputWindow& inputWindow);

// Connects the input window's SpeedButton_OK_zeichne to the draw command and
// makes it the main window's redraw handler. Both windows must outlive the
// connection (they live for the whole run).
void installDrawCommand(PlotWindow& plotWindow, InputWindow& inputWindow);
