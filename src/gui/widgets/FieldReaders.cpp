#include "gui/widgets/FieldReaders.h"

#include <algorithm>
#include <string>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include "core/model/SceneInput.h"
#include "core/numbers/NumberReader.h"

namespace {

class MessageBoxFeedback : public UserFeedback {
public:
    void beep() override { QApplication::beep(); }
    void showMessage(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, parent);
        box.exec();
    }
    void showInformation(QWidget* parent, const QString& caption, const QString& text, const QIcon& icon) override {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
        box.setIconPixmap(icon.pixmap(QSize(64, 64), box.devicePixelRatioF()));
        box.exec();
    }
};

}  // namespace

void UserFeedback::showInformation(QWidget* parent, const QString&, const QString& text, const QIcon&) {
    showMessage(parent, text);
}

namespace {

QuietFieldReads* quietReads = nullptr;    // the innermost living one

// Depth of running leave handlers; focus-outs while > 0 are side effects of
// a handler (a message box, the focus given back), not the user leaving.
int leaveHandlerDepth = 0;

struct DepthGuard {
    DepthGuard() { ++leaveHandlerDepth; }
    ~DepthGuard() { --leaveHandlerDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

// Watches one field for real leaves. A focus-out only counts when the field
// had received the focus before: a field that Qt passes the focus through
// while a handler moves it elsewhere was never entered.
class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QLineEdit* field, std::function<void()> onLeave)
        : QObject(field), field_(field), onLeave_(std::move(onLeave)), entered_(field->hasFocus()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_) return false;
        if (event->type() == QEvent::FocusIn) {
            entered_ = true;
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (!isFieldLeaveReason(reason)) return false;
            // Leaving means the focus went to another control. No new focus
            // widget: the focus was cleared, e.g. the field is being destroyed.
            QWidget* next = QApplication::focusWidget();
            if (!next || next == field_) return false;
            const bool wasEntered = std::exchange(entered_, false);
            if (!wasEntered) return false;
            if (leaveHandlerDepth > 0) {
                // Another field's handler took the focus (a rejected field
                // gets it back). Typing of this field's own would stay unread
                // beside a different Scene value: read it once that handler
                // is done. A field read since, or not typed into, waits for
                // nothing, so two bad fields never hand the focus back and
                // forth.
                if (field_->isModified()) leaveLater();
                return false;
            }
            leave();
            // The handler gave the focus back: the field keeps its cursor,
            // so the focus-out must not reach it.
            if (field_->hasFocus()) return true;
        }
        return false;
    }

private:
    void leave() {
        DepthGuard guard;
        field_->setModified(false);
        onLeave_();
    }

    void leaveLater(int delayMs = 0) {
        QTimer::singleShot(delayMs, this, [this] {
            // Inside a handler's message box the event loop runs too: wait
            // for the handler's end.
            if (leaveHandlerDepth > 0) return leaveLater(50);
            if (field_->isModified() && !field_->hasFocus()) leave();
        });
    }

    QLineEdit* field_;
    std::function<void()> onLeave_;
    bool entered_;
};

class EnterWatcher : public QObject {
public:
    EnterWatcher(QLineEdit* field, std::function<void()> onEnter)
        : QObject(field), field_(field), onEnter_(std::move(onEnter)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_ || event->type() != QEvent::FocusIn) return false;
        onEnter_();
        // Passed the focus on: the field must not start a cursor of its own.
        return !field_->hasFocus();
    }

private:
    QLineEdit* field_;
    std::function<void()> onEnter_;
};

}  // namespace

QuietFieldReads::QuietFieldReads() : previous_(std::exchange(quietReads, this)) {}

QuietFieldReads::~QuietFieldReads() { quietReads = previous_; }

bool QuietFieldReads::note(QLineEdit* field, const QString& message) {
    if (!quietReads) return false;
    auto& list = quietReads->rejections_;
    const bool known = std::any_of(list.begin(), list.end(), [field](const Rejection& r) { return r.field == field; });
    if (!known) list.push_back({field, message});
    return true;
}

bool QuietFieldReads::isActive() { return quietReads != nullptr; }

UserFeedback& qtUserFeedback() {
    static MessageBoxFeedback feedback;
    return feedback;
}

void returnFocusTo(QLineEdit* field) {
    if (!field) return;
    QWidget* window = field->window();
    if (window->isVisible() && !window->isActiveWindow()) window->activateWindow();
    // Moving the focus back is no leaving of the field it comes from: with
    // several bad fields read in a row, each keeps its own message only.
    DepthGuard guard;
    field->setFocus(Qt::OtherFocusReason);
}

bool readNumberField(QLineEdit* field, Real& target, UserFeedback& feedback) {
    const std::string text = field->text().toStdString();
    const NumberReadResult result = parseNumberOrFraction(text);
    if (result.ok) {
        target = result.value;
        return true;
    }
    reportRejectedNumberField(field, QString::fromStdString(numberRejectionMessage(result)), feedback);
    return false;
}

void reportRejectedNumberField(QLineEdit* field, const QString& message, UserFeedback& feedback) {
    if (QuietFieldReads::note(field, message)) return;
    feedback.beep();
    feedback.showMessage(field->window(), message);
    returnFocusTo(field);
}

bool isFieldLeaveReason(int focusReason) {
    switch (focusReason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

void watchFieldLeave(QLineEdit* field, std::function<void()> onLeave) {
    field->installEventFilter(new LeaveWatcher(field, std::move(onLeave)));
}

void watchFieldEnter(QLineEdit* field, std::function<void()> onEnter) {
    field->installEventFilter(new EnterWatcher(field, std::move(onEnter)));
}

bool isInsideLeaveHandler() { return leaveHandlerDepth > 0; }
