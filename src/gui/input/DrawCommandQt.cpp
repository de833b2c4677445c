#include "gui/input/DrawCommandQt.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>

#include "core/render/DrawCommand.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

void QtDrawHost::ShowMessage(const std::string& text) {
    form1_.feedback().ShowMessage(&form1_, QString::fromStdString(text));
}

void QtDrawHost::HideInputWindow() { form3_.hide(); }

void QtDrawHost::ReportRejections(const std::vector<FieldRejection>& rejections) {
    form3_.reportRejections(rejections);
}

void RunDrawCommand(PlotWindow& form1, InputWindow& form3) {
    form1.readViewControls();
    QtDrawHost host(form1, form3);
    DrawContext ctx{form1.canvas(), form1.viewState(), form3.scene(), form3.input(), host};
    SpeedButton_OK_zeichneClick(ctx);
    form1.updateImage();
}

void InstallDrawCommand(PlotWindow& form1, InputWindow& form3) {
    if (QAbstractButton* button = form3.button(QStringLiteral("SpeedButton_OK_zeichne")))
        QObject::connect(button, &QAbstractButton::clicked, &form3,
                         [&form1, &form3] { RunDrawCommand(form1, form3); });
    // A redraw of the view (panning, zooming, a box of the main window, a
    // key typed into the zoom list) rereads the fields as the draw button
    // does, but says nothing: a rejected text was reported when its field
    // was left and is again at the draw button. Otherwise each mouse move
    // of a pan, or each key typed, brought the same message once more, and
    // every box closed let the next one in without end.
    form1.setRedrawHandler([&form1, &form3] {
        const QuietFieldReads quiet;
        RunDrawCommand(form1, form3);
    });
}
