#include "gui/app/InputUndo.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QUndoCommand>

#include "gui/app/SceneBinding.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

// One committed change: the controls it changed and the Scene, each before
// and after; for the defaults button also the main window.
class InputStep : public QUndoCommand {
public:
    using MainWindowPart = InputUndo::MainWindowPart;
    InputStep(InputUndo& owner, const QString& text, SceneState before, SceneState after, Scene sceneBefore,
              Scene sceneAfter, std::optional<std::pair<MainWindowPart, MainWindowPart>> mainWindow)
        : QUndoCommand(text), owner_(owner), before_(std::move(before)), after_(std::move(after)),
          sceneBefore_(std::move(sceneBefore)), sceneAfter_(std::move(sceneAfter)),
          mainWindow_(std::move(mainWindow)) {}

    void undo() override { owner_.restore(before_, sceneBefore_, mainWindow_ ? &mainWindow_->first : nullptr); }
    void redo() override {
        // The user made the change before it was pushed.
        if (std::exchange(pushed_, false)) return;
        owner_.restore(after_, sceneAfter_, mainWindow_ ? &mainWindow_->second : nullptr);
    }

private:
    InputUndo& owner_;
    SceneState before_, after_;
    Scene sceneBefore_, sceneAfter_;
    std::optional<std::pair<MainWindowPart, MainWindowPart>> mainWindow_;
    bool pushed_ = true;
};

namespace {

// The letter of a point by the suffix of its fields (Edit_Punkt1 .. 7, P, Q).
QString PointLetter(const QString& suffix) {
    static const QString letters = QStringLiteral("ABCDEFS");
    const int n = suffix.toInt();
    return n >= 1 && n <= 7 ? QString(letters[n - 1]) : suffix;
}

QString VectorPart(const QString& letter) {
    if (letter == QLatin1String("p")) return QStringLiteral("Stützvektor");
    if (letter == QLatin1String("u")) return QStringLiteral("Spannvektor u");
    return QStringLiteral("Spannvektor v");
}

// A readable name of a field or box from its object name; empty if none fits.
QString CaptionFromName(const QString& name) {
    QRegularExpressionMatch m;
    auto is = [&](const char* pattern) {
        m = QRegularExpression(QLatin1String(pattern)).match(name);
        return m.hasMatch();
    };
    if (is("^Edit_Punkt(\\w)_([xyz])$")) return PointLetter(m.captured(1)) + QLatin1Char(' ') + m.captured(2);
    if (is("^Edit_Punkt(\\w)$")) return QStringLiteral("Name von ") + PointLetter(m.captured(1));
    if (is("^Edit_([uv])([gh])([xyz])$"))
        return m.captured(2) + (m.captured(1) == QLatin1String("u") ? QStringLiteral(" Stützvektor ")
                                                                     : QStringLiteral(" Richtungsvektor ")) +
               m.captured(3);
    if (is("^Edit_([abcd])([12])$")) return QStringLiteral("E%1 %2").arg(m.captured(2), m.captured(1));
    if (is("^Edit_([puv])([34])([xyz])$"))
        return QStringLiteral("E%1 %2 %3").arg(m.captured(2), VectorPart(m.captured(1)), m.captured(3));
    if (is("^Edit_Delta_t$")) return QStringLiteral("Δt");
    if (is("^CheckBox_Vektor(\\w+)$")) return QStringLiteral("Vektor ") + m.captured(1);
    if (is("^CheckBox_Gerade_(\\w+)$")) return QStringLiteral("Gerade ") + m.captured(1);
    if (is("^CheckBox_Ebene(\\d)_zeichnen$")) return QStringLiteral("Ebene E") + m.captured(1);
    return {};
}

// Long texts are cut for the menu.
QString Shortened(const QString& text) {
    constexpr int kMax = 24;
    return text.size() <= kMax ? text : text.left(kMax - 1) + QStringLiteral("…");
}

}  // namespace

InputUndo::InputUndo(InputWindow& form3, QObject* parent) : QObject(parent), form3_(form3) {
    stack_.setUndoLimit(kStepLimit);
    connect(&form3_, &InputWindow::inputCommitted, this, [this](const QString& name) { record(name); });
    connect(&form3_, &InputWindow::defaultsAboutToBeApplied, this, [this] { beforeDefaults_ = captureMainWindow(); });
    restart();
}

void InputUndo::restart() {
    stack_.clear();
    committed_ = CaptureInputWindow(form3_);
    committedScene_ = form3_.scene();
}

QString InputUndo::StepName(const InputWindow& form3, const QString& objectName) {
    const QWidget* control = form3.findChild<QWidget*>(objectName);
    QString caption = CaptionFromName(objectName);
    if (caption.isEmpty() && control) caption = control->toolTip();
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (caption.isEmpty() && button) caption = button->text();
    if (caption.isEmpty()) caption = objectName.section(QLatin1Char('_'), 1).replace(QLatin1Char('_'), QLatin1Char(' '));
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return caption + QStringLiteral(" = ") + Shortened(edit->text());
    if (button && button->isCheckable())
        return caption + (button->isChecked() ? QStringLiteral(" ein") : QStringLiteral(" aus"));
    return caption;
}

InputUndo::MainWindowPart InputUndo::captureMainWindow() const {
    const Scene& scene = form3_.scene();
    return {CaptureMainWindow(form3_.mainWindow()), form3_.mainWindow().viewState(),
            {scene.parallelPlaneX, scene.parallelPlaneY, scene.parallelPlaneZ}};
}

void InputUndo::record(const QString& objectName) {
    std::optional<MainWindowPart> mainBefore = std::exchange(beforeDefaults_, std::nullopt);
    if (restoring_) return;
    SceneState now = CaptureInputWindow(form3_);
    // A colour panel takes no focus: the field being typed in keeps its
    // text uncommitted until it is left.
    if (qobject_cast<ColourPanel*>(form3_.findChild<QWidget*>(objectName)))
        if (auto* typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()); typing && typing->window() == &form3_)
            if (const auto old = committed_.texts.find(typing->objectName().toStdString()); old != committed_.texts.end())
                now.texts[old->first] = old->second;
    SceneState after = ChangedEntries(committed_, now);
    std::optional<std::pair<MainWindowPart, MainWindowPart>> mainWindow;
    if (mainBefore) mainWindow.emplace(std::move(*mainBefore), captureMainWindow());
    if (after.size() > 0 || (mainWindow && mainWindow->first.controls != mainWindow->second.controls)) {
        SceneState before = ChangedEntries(now, committed_);
        stack_.push(new InputStep(*this, StepName(form3_, objectName), std::move(before), std::move(after),
                                  committedScene_, form3_.scene(), std::move(mainWindow)));
    }
    committed_ = std::move(now);
    committedScene_ = form3_.scene();
    // A field left for good starts a fresh typing history: its typing is
    // now a step here, so Ctrl+Z in it undoes that step, not the typing.
    if (auto* left = form3_.edit(objectName); left && !left->hasFocus()) left->setText(left->text());
}

void InputUndo::restore(const SceneState& controls, const Scene& scene, const MainWindowPart* mainWindow) {
    const bool wasRestoring = std::exchange(restoring_, true);
    PlotWindow& form1 = form3_.mainWindow();
    {
        const PlotWindow::RedrawPause pause(form1);
        if (mainWindow) {
            // The boxes' own handlers change the view as they are set; the
            // view kept with the step then replaces what they left.
            ApplyControls(form1, mainWindow->controls);
            form1.viewState() = mainWindow->view;
            form1.showTextFontInEdit();
        }
        ApplyControls(form3_, controls);
        RestoreInputValues(form3_.scene(), scene);
        if (mainWindow) {
            Scene& s = form3_.scene();
            s.parallelPlaneX = mainWindow->parallelPlanes[0];
            s.parallelPlaneY = mainWindow->parallelPlanes[1];
            s.parallelPlaneZ = mainWindow->parallelPlanes[2];
        }
    }
    restoring_ = wasRestoring;
    committed_.overlay(controls);
    committedScene_ = form3_.scene();
    // The defaults button redraws with the settings it makes; its undo and
    // redo redraw with the settings they bring back, and hide no window.
    if (mainWindow) {
        const bool shown = form3_.isVisible();
        form1.redraw();
        if (shown) form3_.show();
    }
}
