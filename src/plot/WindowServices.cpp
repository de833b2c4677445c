#include "plot/WindowServices.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "plot/FontColourDialog.h"

bool ScreenLargeEnough(QSize screen) {
    return screen.width() >= 1024 && screen.height() >= 600;
}

WindowServices DefaultWindowServices() {
    WindowServices s;
    s.screenSize = [] {
        // Headless rendering has no physical screen that could be too small;
        // its virtual one is only as large as the platform's default.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return QSize(1024, 768);
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(0, 0);
    };
    s.askYesNo = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Question, QString(), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    s.chooseColour = [](QWidget* parent, QColor& colour) {
        const QColor chosen = QColorDialog::getColor(colour, parent, QStringLiteral("Farbe"));
        if (!chosen.isValid())
            return false;
        colour = chosen;
        return true;
    };
    s.chooseFont = [](QWidget* parent, QFont& font, QColor& colour) {
        return FontColourDialog::choose(parent, font, colour);
    };
    return s;
}
