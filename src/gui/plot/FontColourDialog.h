#pragma once
// A font dialog that also chooses the text colour: the standard font
// chooser embedded in a dialog with a colour button.
#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const { return colour_; }

    // Runs the dialog; on OK stores the choice in font/colour and returns true.
    static bool choose(QWidget* parent, QFont& font, QColor& colour);

private:
    void showColour();

    QFontDialog* fonts_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QColor colour_;
};
