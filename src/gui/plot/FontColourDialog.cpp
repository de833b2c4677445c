#include "gui/plot/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The chooser lists real families only: an alias such as "Arial" is shown
// as the family it resolves to, so the list, style and size start selected.
QFont resolved(const QFont& font) {
    QFont resolved = font;
    const QString family = QFontInfo(font).family();
    resolved.setFamily(family);
    // Name the style as the font database does: with a translation loaded the
    // chooser would look for a translated name ("Fett") and pick a wrong style.
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::weight(family, style) == font.weight() &&
            QFontDatabase::italic(family, style) == font.italic()) {
            resolved.setStyleName(style);
            break;
        }
    }
    return resolved;
}

}  // namespace

FontColourDialog::FontColourDialog(const QFont& requested, const QColor& colour, QWidget* parent)
    : QDialog(parent), colour_(colour) {
    setWindowTitle(QStringLiteral("Schriftart"));
    const QFont font = resolved(requested);

    // The standard chooser, used as a plain child widget without its own buttons.
    fonts_ = new QFontDialog(font, this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setCurrentFont(font);

    colourButton_ = new QPushButton(QStringLiteral("Farbe …"), this);
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Schriftfarbe"));
        if (chosen.isValid()) {
            colour_ = chosen;
            showColour();
        }
    });
    showColour();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Schriftfarbe:"), this));
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

void FontColourDialog::showColour() {
    QPixmap swatch(24, 14);
    swatch.fill(colour_);
    colourButton_->setIcon(QIcon(swatch));
}

QFont FontColourDialog::selectedFont() const {
    return fonts_->currentFont();
}

bool FontColourDialog::choose(QWidget* parent, QFont& font, QColor& colour) {
    FontColourDialog dialog(font, colour, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    colour = dialog.selectedColour();
    return true;
}
