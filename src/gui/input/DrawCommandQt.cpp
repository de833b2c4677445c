#include "gui/input/DrawCommandQt.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>

#include "core/render/DrawCommand.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

// The readers of the input window always fill its own scene, which is the
// one the draw command was given (see RunDrawCommand).

void QtDrawHost::ShowMessage(const std::string& text) {
    ActiveUserFeedback().ShowMessage(&form1_, QString::fromStdString(text));
}

void QtDrawHost::HideInputWindow() { form3_.hide(); }

void QtDrawHost::RereadLines(Scene&) { form3_.Geraden_auslesen(); }

void QtDrawHost::RereadPlanes(Scene&) { form3_.Ebenen_auslesen(); }

void QtDrawHost::RereadFamily(Scene&) { form3_.Geradenschar_auslesen(); }

std::string QtDrawHost::FamilyFromText() {
    const QLineEdit* field = form3_.edit(QStringLiteral("Edit_t1"));
    return field ? field->text().toStdString() : std::string();
}

void RunDrawCommand(PlotWindow& form1, InputWindow& form3) {
    form1.readViewControls();
    QtDrawHost host(form1, form3);
    DrawContext ctx{form1.canvas(), form1.viewState(), form3.scene(), host};
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
