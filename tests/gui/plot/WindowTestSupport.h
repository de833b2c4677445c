#pragma once
// Builds a main window whose dialogs answer at once, and records the
// messages and beeps it would have shown.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "QtTestDoubles.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/widgets/ColourPanel.h"
#include "core/canvas/CoordinateSystem.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

// Answers of the injected dialogs, changeable by the test.
struct DialogAnswers {
    QSize screen{1280, 1024};
    QRect available;  // the screen's free area; empty: no limit
    bool closeAnswer = false;
    int questions = 0;
    QString lastQuestion;
    bool colourConfirmed = true;
    QColor colourToChoose = QColor(10, 20, 30);
    QColor colourOffered;  // what the colour dialog opened with
    int colourDialogs = 0;
    bool fontConfirmed = true;
    QFont fontToChoose;
    QColor fontColourToChoose = Qt::red;
};

inline WindowServices answeringServices(DialogAnswers& a, UserFeedback* feedback = nullptr) {
    WindowServices s;
    s.feedback = feedback;
    s.screenSize = [&a] { return a.screen; };
    s.availableArea = [&a](const QWidget*) { return a.available; };
    s.askYesNo = [&a](QWidget*, const QString& text) {
        ++a.questions;
        a.lastQuestion = text;
        return a.closeAnswer;
    };
    s.chooseColour = [&a](QWidget*, QColor& colour) {
        ++a.colourDialogs;
        a.colourOffered = colour;
        if (!a.colourConfirmed)
            return false;
        colour = a.colourToChoose;
        return true;
    };
    s.chooseFont = [&a](QWidget*, QFont& font, QColor& colour) {
        if (!a.fontConfirmed)
            return false;
        font = a.fontToChoose;
        colour = a.fontColourToChoose;
        return true;
    };
    return s;
}

// A main window with answering dialogs and recorded messages; counts the
// redraws it asks for (the default picture is still drawn).
class WindowFixture {
public:
    WindowFixture() : form(answeringServices(answers, &feedback)) {
        form.setRedrawHandler([this] {
            ++redraws;
            defaultRedraw();
        });
    }

    template <class W = QWidget>
    W* find(const char* name) {
        return form.findChild<W*>(QString::fromLatin1(name));
    }
    QCheckBox* box(const char* name) { return find<QCheckBox>(name); }
    QToolButton* button(const char* name) { return find<QToolButton>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    PlotImage* image() { return find<PlotImage>("Image1"); }
    QImage picture() { return form.imageCanvas().image().copy(); }

    // The picture a redraw would give without counting it.
    void defaultRedraw() {
        form.drawCoordinateSystem();
        drawViewDecorations(form.canvas(), form.viewState(), form.parallelPlaneX(), form.parallelPlaneY(),
                            form.parallelPlaneZ());
    }

    RecordingFeedback feedback;
    DialogAnswers answers;

private:

public:
    PlotWindow form;
    int redraws = 0;
};

// Mouse events sent straight to a widget, in its own coordinates.
inline void send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, buttons, modifiers);
    QApplication::sendEvent(w, &e);
}

struct Mouse {
    QWidget* w;
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
        send(w, QEvent::MouseButtonPress, p, b, b, m);
    }
    void move(QPoint p, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier) {
        send(w, QEvent::MouseMove, p, Qt::NoButton, held, m);
    }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        send(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }
    void rightClick(QPoint p) {
        press(p, Qt::RightButton);
        release(p, Qt::RightButton);
    }
    void drag(QPoint from, QPoint to) {
        press(from);
        move(to);
        release(to);
    }
};
