#include "gui/plot/WindowServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include "gui/plot/FontColourDialog.h"

bool screenLargeEnough(QSize screen) {
    return screen.width() >= 1024 && screen.height() >= 600;
}

WindowServices defaultWindowServices() {
    WindowServices s;
    s.screenSize = [] {
        // Headless rendering has no physical screen that could be too small;
        // its virtual one is only as large as the platform's default.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return QSize(1024, 768);
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(0, 0);
    };
    s.availableArea = [](const QWidget* window) {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            return QRect();
        const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect();
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
    s.askSaveChanges = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::NoButton, parent);
        QPushButton* save = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QStringLiteral("Nicht speichern"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return WindowServices::SaveAnswer::Save;
        return box.clickedButton() == discard ? WindowServices::SaveAnswer::Discard
                                              : WindowServices::SaveAnswer::Cancel;
    };
    static const QString filter = QStringLiteral("Spatium-Szenen (*.spatium);;Alle Dateien (*)");
    s.chooseOpenFile = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Szene öffnen"), folder, filter);
    };
    s.chooseSaveFile = [](QWidget* parent, const QString& suggestedPath) {
        const QFileInfo suggested(suggestedPath);
        QFileDialog dialog(parent, QStringLiteral("Szene speichern unter"), suggested.absolutePath(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);  // the caller adds ".spatium" to a name without one
        dialog.selectFile(suggested.fileName());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    return s;
}
