#pragma once
// What the main window asks of the desktop: the screen size, a Yes/No
// question, the colour and font dialogs, and the feedback that carries
// plain messages and beeps (shared with the input window). Bundled so that
// tests can answer them without opening anything modal.
#include <functional>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class UserFeedback;

struct WindowServices {
    // Size of the screen the program runs on, in pixels (a size large
    // enough to start on the headless "offscreen" platform).
    std::function<QSize()> screenSize;
    // The part of the window's screen that windows may cover (without the
    // desktop's panels), in desktop coordinates. Empty or unset: no
    // limit, the main window keeps its full size.
    std::function<QRect(const QWidget* window)> availableArea;
    // Modal Yes/No question with a question icon and an empty caption;
    // true for "Ja".
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
    // Colour dialog opened with `colour`; on confirmation stores the choice
    // there and returns true.
    std::function<bool(QWidget* parent, QColor& colour)> chooseColour;
    // Font dialog (face, size, style and colour) opened with font/colour;
    // on confirmation stores the choice and returns true.
    std::function<bool(QWidget* parent, QFont& font, QColor& colour)> chooseFont;

    // The question before unsaved changes are lost: the text with the
    // buttons "Speichern", "Nicht speichern" and "Abbrechen".
    enum class SaveAnswer { Save, Discard, Cancel };
    std::function<SaveAnswer(QWidget* parent, const QString& text)> askSaveChanges;
    // File dialogs for scene files; an empty path means cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> chooseOpenFile;
    std::function<QString(QWidget* parent, const QString& suggestedPath)> chooseSaveFile;
    // Messages and beeps; null: qtUserFeedback(). Not owned.
    UserFeedback* feedback = nullptr;
};

// The real dialogs and the primary screen.
WindowServices defaultWindowServices();

// The program needs a screen of at least 1024 x 600 pixels.
bool screenLargeEnough(QSize screen);
