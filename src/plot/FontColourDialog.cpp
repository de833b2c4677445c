#include "plot/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontColourDialog::FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent)
    : QDialog(parent), colour_(colour) {
    setWindowTitle(QStringLiteral("Schriftart"));

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
