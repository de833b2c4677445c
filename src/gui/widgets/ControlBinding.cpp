#include "gui/widgets/ControlBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include "gui/widgets/ColourPanel.h"

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

std::string Key(const QObject* w) { return w->objectName().toStdString(); }

// The entry of `name` in a group, or nullptr.
template <class Map>
const typename Map::mapped_type* Find(const Map& group, const std::string& name) {
    const auto it = group.find(name);
    return it == group.end() ? nullptr : &it->second;
}

// Marks a control as bound through `context`; false when it was bound
// through it before. (A field may be bound to the values of two windows.)
// Each context gets a number of its own: a later window may well take the
// place in memory of one gone before.
bool FirstBinding(QObject& control, QObject& context) {
    static quint64 contexts = 0;
    QVariant id = context.property("spatiumBinding");
    if (!id.isValid()) {
        id = ++contexts;
        context.setProperty("spatiumBinding", id);
    }
    const QByteArray mark = "spatiumBound" + QByteArray::number(id.toULongLong());
    if (control.property(mark.constData()).toBool()) return false;
    control.setProperty(mark.constData(), true);
    return true;
}

}  // namespace

void BindText(QLineEdit& field, SceneState& value, QObject& context) {
    if (!FirstBinding(field, context)) return;
    std::string& text = value.texts[Key(&field)];
    text = field.text().toStdString();
    QObject::connect(&field, &QLineEdit::textChanged, &context, [&text](const QString& now) { text = now.toStdString(); });
}

void BindControls(const QWidget& root, SceneState& value, QObject& context) {
    ForEachBound<QLineEdit>(root, [&](QLineEdit* e) { BindText(*e, value, context); });
    ForEachBound<QAbstractButton>(root, [&](QAbstractButton* b) {
        if (!b->isCheckable() || !FirstBinding(*b, context)) return;
        bool& checked = value.checks[Key(b)];
        checked = b->isChecked();
        QObject::connect(b, &QAbstractButton::toggled, &context, [&checked](bool now) { checked = now; });
    });
    ForEachBound<ColourPanel>(root, [&](ColourPanel* p) {
        if (!FirstBinding(*p, context)) return;
        Colour& colour = value.colours[Key(p)];
        colour = p->colour();
        QObject::connect(p, &ColourPanel::colourChanged, &context, [&colour](Colour now) { colour = now; });
    });
    ForEachBound<QComboBox>(root, [&](QComboBox* c) {
        if (!FirstBinding(*c, context)) return;
        int& item = value.choices[Key(c)];
        item = c->currentIndex();
        QObject::connect(c, &QComboBox::currentIndexChanged, &context, [&item](int now) { item = now; });
    });
}

void CaptureControls(const QWidget& root, SceneState& s) {
    ForEachBound<QLineEdit>(root, [&s](QLineEdit* e) { s.texts[Key(e)] = e->text().toStdString(); });
    ForEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (b->isCheckable()) s.checks[Key(b)] = b->isChecked();
    });
    ForEachBound<ColourPanel>(root, [&s](ColourPanel* p) { s.colours[Key(p)] = p->colour(); });
    ForEachBound<QComboBox>(root, [&s](QComboBox* c) { s.choices[Key(c)] = c->currentIndex(); });
}

void ApplyControls(QWidget& root, const SceneState& s) {
    ForEachBound<QLineEdit>(root, [&s](QLineEdit* e) {
        const std::string* text = Find(s.texts, Key(e));
        if (text && *text != e->text().toStdString()) e->setText(QString::fromStdString(*text));
    });
    ForEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (const bool* checked = Find(s.checks, Key(b)); checked && b->isCheckable()) b->setChecked(*checked);
    });
    ForEachBound<ColourPanel>(root, [&s](ColourPanel* p) {
        if (const Colour* colour = Find(s.colours, Key(p))) p->setColour(*colour);
    });
    ForEachBound<QComboBox>(root, [&s](QComboBox* c) {
        const int* item = Find(s.choices, Key(c));
        if (item && *item >= -1 && *item < c->count()) c->setCurrentIndex(*item);
    });
}
