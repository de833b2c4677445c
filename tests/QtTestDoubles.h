#pragma once
// Test doubles shared by the window tests: feedback that records messages and
// beeps instead of showing them, and window services whose dialogs answer at
// once (screen large enough, "No" to the close question, dialogs cancelled).
#include <QIcon>
#include <QList>
#include <QSize>
#include <QStringList>

#include "gui/widgets/FieldReaders.h"
#include "gui/plot/WindowServices.h"

class RecordingFeedback : public UserFeedback {
public:
    void beep() override { ++beeps; }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showInformation(QWidget*, const QString& caption, const QString& text, const QIcon& icon) override {
        captions << caption;
        icons << icon;
        messages << text;
    }
    int beeps = 0;
    QStringList messages;
    QStringList captions;  // of the messages with a picture
    QList<QIcon> icons;
};

inline WindowServices quietServices(UserFeedback* feedback = nullptr) {
    WindowServices s;
    s.feedback = feedback;
    s.screenSize = [] { return QSize(1280, 1024); };
    s.askYesNo = [](QWidget*, const QString&) { return false; };
    s.chooseColour = [](QWidget*, QColor&) { return false; };
    s.chooseFont = [](QWidget*, QFont&, QColor&) { return false; };
    s.askSaveChanges = [](QWidget*, const QString&) { return WindowServices::SaveAnswer::Cancel; };
    s.chooseOpenFile = [](QWidget*, const QString&) { return QString(); };
    s.chooseSaveFile = [](QWidget*, const QString&) { return QString(); };
    return s;
}
