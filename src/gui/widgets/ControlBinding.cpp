#include "gui/widgets/ControlBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include "gui/widgets/ColourPanel.h"

namespace {

bool isBound(const QWidget& root, const QWidget* w) {
    const QString name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && w->window() == root.window();
}

template <class W, class F>
void forEachBound(const QWidget& root, F f) {
    for (W* w : root.window()->findChildren<W*>())
        if (isBound(root, w)) f(w);
}

std::string key(const QObject* w) { return w->objectName().toStdString(); }

// The entry of `name` in a group, or nullptr.
template <class Map>
const typename Map::mapped_type* entryOf(const Map& group, const std::string& name) {
    const auto it = group.find(name);
    return it == group.end() ? nullptr : &it->second;
}

// Marks a control as bound through `context`; false when it was bound
// through it before. (A field may be bound to the values of two windows.)
// Each context gets a number of its own: a later window may well take the
// place in memory of one gone before.
bool firstBinding(QObject& control, QObject& context) {
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

void bindText(QLineEdit& field, SceneState& value, QObject& context) {
    if (!firstBinding(field, context)) return;
    std::string& text = value.texts[key(&field)];
    text = field.text().toStdString();
    QObject::connect(&field, &QLineEdit::textChanged, &context, [&text](const QString& now) { text = now.toStdString(); });
}

void bindControls(const QWidget& root, SceneState& value, QObject& context) {
    forEachBound<QLineEdit>(root, [&](QLineEdit* e) { bindText(*e, value, context); });
    forEachBound<QAbstractButton>(root, [&](QAbstractButton* b) {
        if (!b->isCheckable() || !firstBinding(*b, context)) return;
        bool& checked = value.checks[key(b)];
        checked = b->isChecked();
        QObject::connect(b, &QAbstractButton::toggled, &context, [&checked](bool now) { checked = now; });
    });
    forEachBound<ColourPanel>(root, [&](ColourPanel* p) {
        if (!firstBinding(*p, context)) return;
        Colour& colour = value.colours[key(p)];
        colour = p->colour();
        QObject::connect(p, &ColourPanel::colourChanged, &context, [&colour](Colour now) { colour = now; });
    });
    forEachBound<QComboBox>(root, [&](QComboBox* c) {
        if (!firstBinding(*c, context)) return;
        int& item = value.choices[key(c)];
        item = c->currentIndex();
        QObject::connect(c, &QComboBox::currentIndexChanged, &context, [&item](int now) { item = now; });
    });
}

void captureControls(const QWidget& root, SceneState& s) {
    forEachBound<QLineEdit>(root, [&s](QLineEdit* e) { s.texts[key(e)] = e->text().toStdString(); });
    forEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (b->isCheckable()) s.checks[key(b)] = b->isChecked();
    });
    forEachBound<ColourPanel>(root, [&s](ColourPanel* p) { s.colours[key(p)] = p->colour(); });
    forEachBound<QComboBox>(root, [&s](QComboBox* c) { s.choices[key(c)] = c->currentIndex(); });
}

void applyControls(QWidget& root, const SceneState& s) {
    forEachBound<QLineEdit>(root, [&s](QLineEdit* e) {
        const std::string* text = entryOf(s.texts, key(e));
        if (text && *text != e->text().toStdString()) e->setText(QString::fromStdString(*text));
    });
    forEachBound<QAbstractButton>(root, [&s](QAbstractButton* b) {
        if (const bool* checked = entryOf(s.checks, key(b)); checked && b->isCheckable()) b->setChecked(*checked);
    });
    forEachBound<ColourPanel>(root, [&s](ColourPanel* p) {
        if (const Colour* colour = entryOf(s.colours, key(p))) p->setColour(*colour);
    });
    forEachBound<QComboBox>(root, [&s](QComboBox* c) {
        const int* item = entryOf(s.choices, key(c));
        if (item && *item >= -1 && *item < c->count()) c->setCurrentIndex(*item);
    });
}
