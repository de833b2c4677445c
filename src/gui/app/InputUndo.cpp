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
QString pointLetter(const QString& suffix) {
    static const QString letters = QStringLiteral("ABCDEFS");
    const int n = suffix.toInt();
    return n >= 1 && n <= 7 ? QString(letters[n - 1]) : suffix;
}

QString vectorPart(const QString& letter) {
    if (letter == QLatin1String("p")) return QStringLiteral("Stützvektor");
    if (letter == QLatin1String("u")) return QStringLiteral("Spannvektor u");
    return QStringLiteral("Spannvektor v");
}

// A readable name of a field or box from its object name; empty if none fits.
QString captionFromName(const QString& name) {
    QRegularExpressionMatch m;
    auto is = [&](const char* pattern) {
        m = QRegularExpression(QLatin1String(pattern)).match(name);
        return m.hasMatch();
    };
    if (is("^Edit_Punkt(\\w)_([xyz])$")) return pointLetter(m.captured(1)) + QLatin1Char(' ') + m.captured(2);
    if (is("^Edit_Punkt(\\w)$")) return QStringLiteral("Name von ") + pointLetter(m.captured(1));
    if (is("^Edit_([uv])([gh])([xyz])$"))
        return m.captured(2) + (m.captured(1) == QLatin1String("u") ? QStringLiteral(" Stützvektor ")
                                                                     : QStringLiteral(" Richtungsvektor ")) +
               m.captured(3);
    if (is("^Edit_([abcd])([12])$")) return QStringLiteral("E%1 %2").arg(m.captured(2), m.captured(1));
    if (is("^Edit_([puv])([34])([xyz])$"))
        return QStringLiteral("E%1 %2 %3").arg(m.captured(2), vectorPart(m.captured(1)), m.captured(3));
    if (is("^Edit_Delta_t$")) return QStringLiteral("Δt");
    if (is("^CheckBox_Vektor(\\w+)$")) return QStringLiteral("Vektor ") + m.captured(1);
    if (is("^CheckBox_Gerade_(\\w+)$")) return QStringLiteral("Gerade ") + m.captured(1);
    if (is("^CheckBox_Ebene(\\d)_zeichnen$")) return QStringLiteral("Ebene E") + m.captured(1);
    return {};
}

// Long texts are cut for the menu.
QString shortened(const QString& text) {
    constexpr int kMax = 24;
    return text.size() <= kMax ? text : text.left(kMax - 1) + QStringLiteral("…");
}

}  // namespace

InputUndo::InputUndo(InputWindow& inputWindow, QObject* parent) : QObject(parent), inputWindow_(inputWindow) {
    stack_.setUndoLimit(kStepLimit);
    connect(&inputWindow_, &InputWindow::inputCommitted, this, [this](const QString& name) { record(name); });
    connect(&inputWindow_, &InputWindow::defaultsAboutToBeApplied, this, [this] { beforeDefaults_ = captureMainWindow(); });
    restart();
}

void InputUndo::restart() {
    stack_.clear();
    committed_ = captureInputWindowState(inputWindow_);
    committedScene_ = inputWindow_.scene();
}

QString InputUndo::stepName(const InputWindow& inputWindow, const QString& objectName) {
    const QWidget* control = inputWindow.findChild<QWidget*>(objectName);
    QString caption = captionFromName(objectName);
    if (caption.isEmpty() && control) caption = control->toolTip();
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (caption.isEmpty() && button) caption = button->text();
    if (caption.isEmpty()) caption = objectName.section(QLatin1Char('_'), 1).replace(QLatin1Char('_'), QLatin1Char(' '));
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return caption + QStringLiteral(" = ") + shortened(edit->text());
    if (button && button->isCheckable())
        return caption + (button->isChecked() ? QStringLiteral(" ein") : QStringLiteral(" aus"));
    return caption;
}

InputUndo::MainWindowPart InputUndo::captureMainWindow() const {
    const Scene& scene = inputWindow_.scene();
    return {captureMainWindowState(inputWindow_.mainWindow()), inputWindow_.mainWindow().viewState(),
            {scene.parallelPlaneX, scene.parallelPlaneY, scene.parallelPlaneZ}};
}

void InputUndo::record(const QString& objectName) {
    std::optional<MainWindowPart> mainBefore = std::exchange(beforeDefaults_, std::nullopt);
    if (restoring_) return;
    SceneState now = captureInputWindowState(inputWindow_);
    // A colour panel takes no focus: the field being typed in keeps its
    // text uncommitted until it is left.
    if (qobject_cast<ColourPanel*>(inputWindow_.findChild<QWidget*>(objectName)))
        if (auto* typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()); typing && typing->window() == &inputWindow_)
            if (const auto old = committed_.texts.find(typing->objectName().toStdString()); old != committed_.texts.end())
                now.texts[old->first] = old->second;
    SceneState after = changedEntries(committed_, now);
    std::optional<std::pair<MainWindowPart, MainWindowPart>> mainWindow;
    if (mainBefore) mainWindow.emplace(std::move(*mainBefore), captureMainWindow());
    if (after.size() > 0 || (mainWindow && mainWindow->first.controls != mainWindow->second.controls)) {
        SceneState before = changedEntries(now, committed_);
        stack_.push(new InputStep(*this, stepName(inputWindow_, objectName), std::move(before), std::move(after),
                                  committedScene_, inputWindow_.scene(), std::move(mainWindow)));
    }
    committed_ = std::move(now);
    committedScene_ = inputWindow_.scene();
    // A field left for good starts a fresh typing history: its typing is
    // now a step here, so Ctrl+Z in it undoes that step, not the typing.
    if (auto* left = inputWindow_.edit(objectName); left && !left->hasFocus()) left->setText(left->text());
}

void InputUndo::restore(const SceneState& controls, const Scene& scene, const MainWindowPart* mainWindow) {
    const bool wasRestoring = std::exchange(restoring_, true);
    PlotWindow& plotWindow = inputWindow_.mainWindow();
    {
        const PlotWindow::RedrawPause pause(plotWindow);
        if (mainWindow) {
            // The boxes' own handlers change the view as they are set; the
            // view kept with the step then replaces what they left.
            applyControls(plotWindow, mainWindow->controls);
            plotWindow.viewState() = mainWindow->view;
            plotWindow.showTextFontInEdit();
        }
        applyControls(inputWindow_, controls);
        restoreInputValues(inputWindow_.scene(), scene);
        if (mainWindow) {
            Scene& s = inputWindow_.scene();
            s.parallelPlaneX = mainWindow->parallelPlanes[0];
            s.parallelPlaneY = mainWindow->parallelPlanes[1];
            s.parallelPlaneZ = mainWindow->parallelPlanes[2];
        }
    }
    restoring_ = wasRestoring;
    committed_.overlay(controls);
    committedScene_ = inputWindow_.scene();
    // The defaults button redraws with the settings it makes; its undo and
    // redo redraw with the settings they bring back, and hide no window.
    if (mainWindow) {
        const bool shown = inputWindow_.isVisible();
        plotWindow.redraw();
        if (shown) inputWindow_.show();
    }
}
