// Recorded user sessions replayed against the whole program: each one once
// left the user in front of message boxes without end. Replayed with real
// message boxes, each answered as recorded, no action may bring more boxes
// than the fields it touches can explain, and the program must get idle.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "gui/app/AppWindows.h"
#include "QtTestDoubles.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

#ifndef SPATIUM_TEST_DATA_DIR
#error "SPATIUM_TEST_DATA_DIR must name the folder of the recorded sessions"
#endif

namespace {

// One action rejects at most the few fields it leaves, each once.
constexpr int kMaxBoxesPerAction = 3;

// One recorded action: the kind, the window and control, the quoted text
// (escapes resolved) and the rest of the line, with the answers of the
// message boxes that followed it.
struct RecordedAction {
    int number = 0;
    QString kind, window, control, text, rest;
    std::deque<QString> answers;  // "OK" or "Escape", in order
};

// "\"" and "\\" escaped, "\xNN" a byte.
QString unescape(const QByteArray& quoted) {
    QByteArray bytes;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 >= quoted.size()) {
            bytes += quoted[i];
        } else if (quoted[i + 1] == 'x' && i + 3 < quoted.size()) {
            bytes += char(quoted.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            bytes += quoted[++i];
        }
    }
    return QString::fromUtf8(bytes);
}

std::vector<RecordedAction> readActions(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<RecordedAction> actions;
    static const QRegularExpression head(QStringLiteral(R"(^#(\d+) (\S+) (\w+)\.(\w+)(.*)$)"));
    static const QRegularExpression quoted(QStringLiteral(R"(^ "((?:[^"\\]|\\.)*)\"(.*)$)"));
    static const QRegularExpression box(QStringLiteral(R"(^\s+box ".*" -> (.*)$)"));
    while (!file.atEnd()) {
        const QByteArray raw = file.readLine();
        const QString line = QString::fromUtf8(raw).chopped(raw.endsWith('\n') ? 1 : 0);
        if (const QRegularExpressionMatch m = head.match(line); m.hasMatch()) {
            RecordedAction a;
            a.number = m.captured(1).toInt();
            a.kind = m.captured(2);
            a.window = m.captured(3);
            a.control = m.captured(4);
            a.rest = m.captured(5);
            if (const QRegularExpressionMatch q = quoted.match(a.rest); q.hasMatch()) {
                const qsizetype start = raw.indexOf(" \"") + 2;
                const qsizetype end = raw.size() - q.captured(2).toUtf8().size() - (raw.endsWith('\n') ? 2 : 1);
                a.text = unescape(raw.mid(start, end - start));
                a.rest = q.captured(2);
            }
            actions.push_back(a);
        } else if (const QRegularExpressionMatch b = box.match(line); b.hasMatch() && !actions.empty()) {
            actions.back().answers.push_back(b.captured(1).contains(QLatin1String("Escape")) ? QStringLiteral("Escape")
                                                                                              : QStringLiteral("OK"));
        }
    }
    return actions;
}

// Real message boxes, each answered once it is open: as recorded while
// recorded answers last, then with OK. Past `limit` boxes in one action no
// box is shown any more (so a replay that loops still ends), only counted.
class AnsweringFeedback : public UserFeedback {
public:
    void beep() override {}
    void showMessage(QWidget* parent, const QString& text) override {
        ++shown;
        if (shown > limit) return;
        const QString answer = answers.empty() ? QStringLiteral("OK") : answers.front();
        if (!answers.empty()) answers.pop_front();
        QTimer closer;
        closer.setInterval(1);
        QObject::connect(&closer, &QTimer::timeout, [&closer, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            closer.stop();
            if (answer == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->buttons().front()->click();
        });
        closer.start();
        qtUserFeedback().showMessage(parent, text);
    }

    int shown = 0;
    int limit = 0;
    std::deque<QString> answers;
};

class Replay {
public:
    Replay() {
        AppOptions options;
        options.services = quietServices(&feedback_);
        options.settingsFile = dir_.filePath(QStringLiteral("settings.ini"));
        app_ = std::make_unique<AppWindows>(options);
        app_->plotWindow.show();
        activate(&app_->plotWindow);
    }

    // Runs the action; returns the number of message boxes it brought.
    int run(const RecordedAction& a) {
        feedback_.shown = 0;
        feedback_.limit = kMaxBoxesPerAction;
        feedback_.answers = a.answers;
        QWidget* window = a.window == QLatin1String("Form3") ? static_cast<QWidget*>(app_->inputWindow.get()) : &app_->plotWindow;
        QWidget* target = window->findChild<QWidget*>(a.control);
        if (!target) return 0;
        activate(window);
        if (a.kind == QLatin1String("set")) {
            auto* field = qobject_cast<QLineEdit*>(target);
            field->setFocus(Qt::MouseFocusReason);
            QApplication::processEvents();
            if (field->hasFocus()) {
                field->selectAll();
                field->insert(a.text);
                QTest::keyClick(field, Qt::Key_Tab);
            }
        } else if (a.kind == QLatin1String("key")) {
            target->setFocus(Qt::MouseFocusReason);
            const QKeySequence key = QKeySequence::fromString(a.rest.trimmed());
            if (!key.isEmpty()) QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target,
                                                key[0].key(), key[0].keyboardModifiers());
        } else if (a.kind == QLatin1String("click")) {
            if (auto* button = qobject_cast<QAbstractButton*>(target)) QTest::mouseClick(button, Qt::LeftButton);
        } else if (a.kind == QLatin1String("select")) {
            static const QRegularExpression index(QStringLiteral(R"(\(index (\d+)\))"));
            if (auto* combo = qobject_cast<QComboBox*>(target))
                combo->setCurrentIndex(index.match(a.rest).captured(1).toInt());
        } else if (a.kind == QLatin1String("combo-type")) {
            if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit()) {
                // Key by key into the list's edit, as they were typed ahead,
                // whatever a box in between did with the focus.
                combo->setFocus(Qt::MouseFocusReason);
                combo->lineEdit()->selectAll();
                for (QChar c : a.text) combo->lineEdit()->insert(QString(c));
                QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            }
        } else if (a.kind == QLatin1String("mouse")) {
            mouse(target, a.rest);
        }
        // Idle: a zero timer gets its turn only once nothing else is queued.
        bool idle = false;
        QTimer::singleShot(0, qApp, [&idle] { idle = true; });
        EXPECT_TRUE(QTest::qWaitFor([&idle] { return idle; }, 20000)) << "action #" << a.number << " never got idle";
        return feedback_.shown;
    }

private:
    static void activate(QWidget* window) {
        window->show();
        window->activateWindow();
        (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 500);
    }

    // "left: press X,Y; move X,Y; ...; release X,Y"
    static void mouse(QWidget* target, const QString& rest) {
        const Qt::MouseButton button = rest.contains(QLatin1String("right")) ? Qt::RightButton : Qt::LeftButton;
        static const QRegularExpression step(QStringLiteral(R"((press|move|release) (-?\d+),(-?\d+))"));
        for (auto it = step.globalMatch(rest); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QPointF p(m.captured(2).toInt(), m.captured(3).toInt());
            const QString what = m.captured(1);
            const QEvent::Type type = what == QLatin1String("press")  ? QEvent::MouseButtonPress
                                      : what == QLatin1String("move") ? QEvent::MouseMove
                                                                      : QEvent::MouseButtonRelease;
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
            QMouseEvent e(type, p, target->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
            QApplication::sendEvent(target, &e);
        }
    }

    QTemporaryDir dir_;
    AnsweringFeedback feedback_;
    std::unique_ptr<AppWindows> app_;
};

TEST(RecordedActions, RejectedViewFieldsAndTheZoomListNeverBringMessagesWithoutEnd) {
    const std::vector<RecordedAction> actions =
        readActions(QStringLiteral(SPATIUM_TEST_DATA_DIR "/endless-messages.actions"));
    ASSERT_EQ(actions.size(), 963u);
    Replay replay;
    for (const RecordedAction& a : actions) {
        const int boxes = replay.run(a);
        ASSERT_LE(boxes, kMaxBoxesPerAction) << "action #" << a.number << " " << a.kind.toStdString() << " "
                                                      << a.control.toStdString();
    }
}

}  // namespace
