#include "gui/input/DrawCommandQt.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>

#include "core/render/DrawCommand.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

void QtDrawHost::showMessage(const std::string& text) {
    plotWindow_.feedback().showMessage(&plotWindow_, QString::fromStdString(text));
}

void QtDrawHost::hideInputWindow() { inputWindow_.hide(); }

void QtDrawHost::reportRejections(const std::vector<FieldRejection>& rejections) {
    inputWindow_.reportRejections(rejections);
}

void runDrawCommand(PlotWindow& plotWindow, InputWindow& inputWindow) {
    plotWindow.readViewControls();
    QtDrawHost host(plotWindow, inputWindow);
    DrawContext ctx{plotWindow.canvas(), plotWindow.viewState(), inputWindow.scene(), inputWindow.input(), host};
    executeDrawCommand(ctx);
    plotWindow.updateImage();
}

void installDrawCommand(PlotWindow& plotWindow, InputWindow& inputWindow) {
    if (QAbstractButton* button = inputWindow.button(QStringLiteral("SpeedButton_OK_zeichne")))
        QObject::connect(button, &QAbstractButton::clicked, &inputWindow,
                         [&plotWindow, &inputWindow] { runDrawCommand(plotWindow, inputWindow); });
    // A redraw of the view (panning, zooming, a box of the main window, a
    // key typed into the zoom list) rereads the fields as the draw button
    // does, but says nothing: a rejected text was reported when its field
    // was left and is again at the draw button. Otherwise each mouse move
    // of a pan, or each key typed, brought the same message once more, and
    // every box closed let the next one in without end.
    plotWindow.setRedrawHandler([&plotWindow, &inputWindow] {
        const QuietFieldReads quiet;
        runDrawCommand(plotWindow, inputWindow);
    });
}
