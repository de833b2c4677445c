#include "gui/app/SceneBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "core/output/OutputLog.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/input/DrawCommandQt.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "core/model/InputWindowTables.h"
#include "core/numbers/Evaluator.h"
#include "gui/plot/PlotWindow.h"

namespace {

bool IsBound(const QWidget& root, const QWidget* w) {
    const QString name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && w->window() == root.window();
}

template <class W, class F>
void ForEachBound(const QWidget& root, F f) {
    for (W* w : root.window()->findChildren<W*>())
        if (IsBound(root, w)) f(w);
}

// The entry of `name` in a group, or nullptr.
template <class Map>
const typename Map::mapped_type* Find(const Map& group, const QString& name) {
    const auto it = group.find(name);
    return it == group.end() ? nullptr : &it->second;
}

TextFont FontOfView(const ViewState& v) {
    TextFont f;
    f.family = QString::fromStdString(v.textFontName);
    f.pointSize = v.textSize;
    f.bold = v.textStyle & FontStyles::Bold;
    f.italic = v.textStyle & FontStyles::Italic;
    f.underline = v.textStyle & FontStyles::Underline;
    f.strikeOut = v.textStyle & FontStyles::StrikeOut;
    f.colour = v.textColor;
    return f;
}

void SetViewFont(ViewState& v, const TextFont& f) {
    v.textFontName = f.family.toStdString();
    v.textSize = f.pointSize;
    v.textStyle = (f.bold ? FontStyles::Bold : 0) | (f.italic ? FontStyles::Italic : 0) |
                  (f.underline ? FontStyles::Underline : 0) | (f.strikeOut ? FontStyles::StrikeOut : 0);
    v.textColor = f.colour;
    v.textBrushStyle = BrushStyles::Clear;
}

// g's fields in the order of Scene::lineGParameters.
std::array<QString, 6> LineGFieldNames() {
    std::array<QString, 6> names;
    for (std::size_t a = 0; a < 3; ++a) {
        names[a] = QStringLiteral("Edit_%1%2").arg(QLatin1String(inputwindow::kSupportG.prefix), QLatin1String(inputwindow::kAxisLetters[a]));
        names[a + 3] = QStringLiteral("Edit_%1%2").arg(QLatin1String(inputwindow::kDirectionG.prefix), QLatin1String(inputwindow::kAxisLetters[a]));
    }
    return names;
}

// The view values of `scene` (each one it holds) into the main window.
void ApplyViewValues(PlotWindow& form1, const SceneState& scene) {
    ViewState& v = form1.viewState();
    auto set = [&scene](const char* name, auto& target) {
        if (const double* value = Find(scene.view, QLatin1String(name)))
            target = static_cast<std::remove_reference_t<decltype(target)>>(*value);
    };
    set(ViewValueNames::OffsetX, v.offsetX);
    set(ViewValueNames::OffsetY, v.offsetY);
    set(ViewValueNames::RotationX, v.rotationX);
    set(ViewValueNames::RotationY, v.rotationY);
    set(ViewValueNames::RotationZ, v.rotationZ);
    if (const TextFont* font = Find(scene.fonts, QLatin1String(kTextFontName))) {
        SetViewFont(v, *font);
        form1.showTextFontInEdit();
    }
}

void ShowRejections(const std::vector<QuietFieldReads::Rejection>& rejections, const RejectionReport& report) {
    for (const QuietFieldReads::Rejection& r : rejections) {
        // A derived field fails only because its source did, which has its
        // own message.
        if (!r.field || r.field->isReadOnly()) continue;
        if (report)
            report(*r.field, r.message);
        else if (r.message.isEmpty())
            ActiveUserFeedback().Beep();
        else
            ActiveUserFeedback().ShowMessage(r.field->window(), r.message);
    }
}

}  // namespace

void CaptureControls(const QWidget& root, SceneState& s) {
    ForEachBound<QLineEdit>(root, [&s](QLineEdit* e) { s.texts[e->objectName()] = e->text(); });
    ForEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (b->isCheckable()) s.checks[b->objectName()] = b->isChecked();
    });
    ForEachBound<ColourPanel>(root, [&s](ColourPanel* p) { s.colours[p->objectName()] = p->colour(); });
    ForEachBound<QComboBox>(root, [&s](QComboBox* c) { s.choices[c->objectName()] = c->currentIndex(); });
}

void ApplyControls(QWidget& root, const SceneState& s) {
    ForEachBound<QLineEdit>(root, [&s](QLineEdit* e) {
        const QString* text = Find(s.texts, e->objectName());
        if (text && *text != e->text()) e->setText(*text);
    });
    ForEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (const bool* checked = Find(s.checks, b->objectName()); checked && b->isCheckable())
            b->setChecked(*checked);
    });
    ForEachBound<ColourPanel>(root, [&s](ColourPanel* p) {
        if (const Colour* colour = Find(s.colours, p->objectName())) p->setColour(*colour);
    });
    ForEachBound<QComboBox>(root, [&s](QComboBox* c) {
        const int* item = Find(s.choices, c->objectName());
        if (item && *item >= -1 && *item < c->count()) c->setCurrentIndex(*item);
    });
}

SceneState CaptureInputWindow(const InputWindow& form3) {
    SceneState s;
    CaptureControls(form3, s);
    return s;
}

SceneState CaptureMainWindow(const PlotWindow& form1) {
    SceneState s;
    CaptureControls(form1, s);
    const ViewState& v = form1.viewState();
    s.view[QLatin1String(ViewValueNames::OffsetX)] = v.offsetX;
    s.view[QLatin1String(ViewValueNames::OffsetY)] = v.offsetY;
    s.view[QLatin1String(ViewValueNames::RotationX)] = double(v.rotationX);
    s.view[QLatin1String(ViewValueNames::RotationY)] = double(v.rotationY);
    s.view[QLatin1String(ViewValueNames::RotationZ)] = double(v.rotationZ);
    s.fonts[QLatin1String(kTextFontName)] = FontOfView(v);
    return s;
}

SceneState CaptureScene(const PlotWindow& form1, const InputWindow& form3) {
    SceneState s = CaptureMainWindow(form1);
    CaptureControls(form3, s);
    OutputText& output = s.outputs[QLatin1String(kOutputAreaName)];
    for (const OutputRun& run : form3.outputLog().Contents())
        output.runs.push_back({QString::fromStdString(run.text), run.colour});
    output.colour = form3.outputLog().OutputColour();
    const std::array<QString, 6> names = LineGFieldNames();
    for (std::size_t i = 0; i < names.size(); ++i) s.parameters[names[i]] = form3.scene().lineGParameters[i];
    return s;
}

void LoadScene(PlotWindow& form1, InputWindow& form3, const SceneState& scene, const SceneState& startUp,
               const Scene& startUpScene, bool draw, const RejectionReport& report) {
    SceneState whole = startUp;
    whole.overlay(scene);
    std::vector<QuietFieldReads::Rejection> rejections;
    {
        const PlotWindow::RedrawPause pause(form1);
        const QuietFieldReads quiet;
        form3.resetScene(startUpScene);
        ApplyControls(form3, whole);
        ApplyControls(form1, whole);
        ApplyViewValues(form1, whole);
        if (const OutputText* output = Find(whole.outputs, QLatin1String(kOutputAreaName))) {
            std::vector<OutputRun> runs;
            for (const TextRun& run : output->runs) runs.push_back({run.colour, run.text.toStdString()});
            form3.outputLog().ReplaceContents(runs);
            form3.outputLog().SetOutputColour(output->colour);
        }
        form3.readAllFields();
        // g at the t the file says it was left at (a file without them
        // keeps g as the reading above leaves it).
        std::array<std::optional<Real>, 6> parameters;
        const std::array<QString, 6> names = LineGFieldNames();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (const long double* t = Find(scene.parameters, names[i])) parameters[i] = *t;
        form3.readLineGAt(parameters);
        // Typed, a formula of g its reader rejects leaves the evaluator's
        // flag set, and the draw button then draws nothing: so here too.
        if (form3.lineGFieldRejected()) expressionError = true;
        form1.takeViewFromControls();
        if (draw) RunDrawCommand(form1, form3);
        rejections = quiet.rejections();
    }
    ShowRejections(rejections, report);
}
