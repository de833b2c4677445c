#pragma once
// Reading edit fields in both windows, and telling when a field is really
// left. Qt layer.
#include <functional>
#include <vector>

#include <QPointer>
#include <QString>

#include "core/numbers/Real.h"

class QIcon;
class QLineEdit;
class QObject;
class QWidget;

// The longest text a field of either window holds (Qt's default is 32767
// characters): a scene file may bring texts up to its 10 MB, and they open
// as they are.
inline constexpr int kMaxFieldLength = 10 * 1024 * 1024;

// How the program talks back to the user about bad input. The windows are
// given one (WindowServices::feedback; by default qtUserFeedback) and pass
// it to the readers; tests give a recording one so nothing blocks.
class UserFeedback {
public:
    virtual ~UserFeedback() = default;
    virtual void beep() = 0;
    // A modal message with an OK button. parent may be null.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A modal message under a caption with a picture beside the text (the
    // program's icon in "Über Spatium"); by default a plain message.
    virtual void showInformation(QWidget* parent, const QString& caption, const QString& text, const QIcon& icon);
};

// The Qt one: QApplication::beep and a modal QMessageBox.
UserFeedback& qtUserFeedback();

// While one lives, readNumberField and readFamilyField neither beep nor show
// a message nor move the focus; they note each field they reject, once, in
// the order they meet them, with the message leaving the field would show.
// For reading a whole scene at once and showing the messages afterwards.
class QuietFieldReads {
public:
    struct Rejection {
        QPointer<QLineEdit> field;
        QString message;  // empty: leaving the field gives a beep alone
    };

    QuietFieldReads();
    ~QuietFieldReads();
    QuietFieldReads(const QuietFieldReads&) = delete;
    QuietFieldReads& operator=(const QuietFieldReads&) = delete;

    const std::vector<Rejection>& rejections() const { return rejections_; }

    // Notes a rejection in the innermost living QuietFieldReads; false when
    // there is none (the caller then reports as usual).
    static bool note(QLineEdit* field, const QString& message);
    static bool isActive();

private:
    QuietFieldReads* previous_;
    std::vector<Rejection> rejections_;
};

// Notes what readFamilyField would say about the field's text, without
// reading it into anything; does nothing unless a QuietFieldReads lives.
void noteFamilyFieldVerdict(QLineEdit* field);


// Gives the keyboard focus back to a field after a failed read (re-activating
// its window, which a message box has deactivated).
void returnFocusTo(QLineEdit* field);

// Reads a plain number or fraction ("2,5", "2.5", "1/4"). On success stores
// it in target and returns true. On failure: beep, "Fehler an Stelle N",
// focus back into the field, text kept, and target keeps its previous value.
bool readNumberField(QLineEdit* field, Real& target, UserFeedback& feedback);

// What a failed readNumberField does with its message ("Fehler an Stelle
// N"): noted by a living QuietFieldReads, otherwise beep, the message in a
// modal box, focus back into the field.
void reportRejectedNumberField(QLineEdit* field, const QString& message, UserFeedback& feedback);

// Reads one of the six component fields of the line g, whose text is a
// formula in the family parameter t: syntax check at x = t = 1 (the
// evaluator's German message for a syntax error), then the value at
// x = t = 0 (a beep alone when it fails). On failure the focus returns to
// the field and target keeps its previous value.
bool readFamilyField(QLineEdit* field, Real& target, UserFeedback& feedback);

// True for focus changes that really move from one control to another:
// Tab, Backtab, Mouse, Shortcut, Other. A window being (de)activated or a
// popup opening is not leaving a field.
bool isFieldLeaveReason(int focusReason);

// Runs onLeave each time the user really leaves field (see
// isFieldLeaveReason). While any such handler runs, further focus-outs are
// not leaves: a handler that opens a message box or gives the focus back
// never makes itself, or the field the user clicked, run a second time.
// The watcher is owned by the field.
void watchFieldLeave(QLineEdit* field, std::function<void()> onLeave);

// Runs onEnter each time field receives the keyboard focus.
void watchFieldEnter(QLineEdit* field, std::function<void()> onEnter);

// True while a leave handler installed by watchFieldLeave runs, or while
// returnFocusTo moves the focus: focus-outs then are no leaves.
bool isInsideLeaveHandler();
