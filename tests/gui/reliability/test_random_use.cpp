// A seeded random user of both windows. It finds the controls by kind (every
// line edit, button, box, combo box and colour panel of the main and the
// input window, every entry of the menu bar, the picture), then types,
// clicks, drags and chooses at random: valid numbers and formulas up to
// 100 000 characters of garbage, real key presses with the menu's
// shortcuts, every question answered at random and every dialog opened and
// cancelled or accepted (mostly through the test doubles, now and then the real dialog,
// closed by a timer). Every few actions and at the end the program must
// still answer, the fields and the Scene must agree, no Scene value may be
// NaN and no output may spell out a non-finite number.
//
// Replay or run longer:
//   SPATIUM_RANDOM_SEED=N SPATIUM_RANDOM_ACTIONS=M ./test_random_use
// (SPATIUM_RANDOM_TRACE=1 prints every action; SPATIUM_RANDOM_CHECK_EVERY=1
// checks after every action: another run, but one that stops right after
// the action that broke the agreement).
// A failure (a crash too) prints the seed, the action's index and the last
// actions.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <set>
#include <unistd.h>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/common_interface_defs.h>
#endif

#include "gui/app/AppWindows.h"
#include "QtTestDoubles.h"
#include "RandomTexts.h"
#include "gui/export/OutputDialogs.h"
#include "gui/widgets/ColourPanel.h"
#include "SceneConsistency.h"
#include "gui/plot/PlotImage.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 1;
constexpr int kDefaultActions = 3000;
constexpr int kDefaultCheckEvery = 50;
constexpr int kActionsShown = 8;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

// What a crash prints: kept up to date before every action, written out by
// a signal handler (or the sanitizers' death callback) with async-safe calls.
char g_replay[8192] = "";

void printReplay() {
    const char header[] = "\nrandom-use test ended abnormally; ";
    [[maybe_unused]] ssize_t n = write(STDERR_FILENO, header, sizeof header - 1);
    n = write(STDERR_FILENO, g_replay, strnlen(g_replay, sizeof g_replay));
}

void installCrashReport() {
#ifdef __SANITIZE_ADDRESS__
    __sanitizer_set_death_callback(printReplay);
#else
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
        std::signal(signal, [](int s) {
            printReplay();
            std::signal(s, SIG_DFL);
            std::raise(s);
        });
    }
#endif
}

// "nan", "inf", "infinity" as a word of their own (any letter case), and "∞".
const QRegularExpression& nonFiniteWordPattern() {
    static const QRegularExpression word(QStringLiteral("(?<![\\p{L}\\p{N}_])[-+]?(nan|inf|infinity)(?![\\p{L}\\p{N}_])|∞"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word;
}

// The characters of text a key click can give (QTest knows ASCII keys only).
QString typable(const QString& text) {
    QString typable;
    for (QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) typable += c;
    return typable;
}

}  // namespace

class RandomUser {
public:
    RandomUser(std::uint64_t seed, int checkEvery, QString folder)
        : seed_(seed), checkEvery_(std::max(1, checkEvery)), random_(seed), folder_(std::move(folder)) {
        QDir(folder_).mkpath(QStringLiteral("scenes"));
        start();
    }

    // Runs `count` actions; returns what went wrong (empty when nothing did).
    QString run(int count) {
        for (index_ = 0; index_ < count; ++index_) {
            act();
            if (!app_->plotWindow.isVisible()) restart();  // the user quit: start again as a user would
            if ((index_ + 1) % checkEvery_ == 0 || index_ + 1 == count) {
                const QString problem = check();
                if (!problem.isEmpty()) return problem + QLatin1Char('\n') + replay();
            }
        }
        return {};
    }

    QString replay() const { return QString::fromUtf8(g_replay); }
    int actionsRun() const { return index_; }
    int realDialogs() const { return realDialogs_; }
    int messages() const { return messages_; }

private:
    // --- the program -----------------------------------------------------

    void start() {
        app_.reset();
        AppOptions options;
        options.services = services();
        options.outputDialogs = outputDialogs();
        options.settingsFile = QDir(folder_).filePath(QStringLiteral("settings.ini"));
        app_ = std::make_unique<AppWindows>(options);
        inputWindow().setColourChooser([this](Colour) -> std::optional<Colour> {
            if (!random_.chance(60)) return std::nullopt;
            return Colour(std::uint32_t(random_.below(0x1000000)));
        });
        app_->plotWindow.show();
        if (random_.chance(50)) app_->inputWindow->show();
    }

    void restart() {
        note(QStringLiteral("program closed, started again"));
        start();
    }

    PlotWindow& plotWindow() { return app_->plotWindow; }
    InputWindow& inputWindow() { return *app_->inputWindow; }
    QList<QWidget*> windows() { return {&plotWindow(), &inputWindow()}; }

    // The doubles of every question and dialog: a random answer, now and
    // then from the real dialog, which a timer then cancels or answers.
    WindowServices services() {
        WindowServices real = defaultWindowServices();
        WindowServices s = quietServices(&feedback_);
        s.askYesNo = [this, real](QWidget* parent, const QString& text) {
            if (realDialogNow()) return answerReal([&] { return real.askYesNo(parent, text); });
            const bool yes = random_.chance(50);
            note(QStringLiteral("  question %1 -> %2").arg(shown(text), yes ? "Ja" : "Nein"));
            return yes;
        };
        s.askSaveChanges = [this, real](QWidget* parent, const QString& text) {
            if (realDialogNow()) return answerReal([&] { return real.askSaveChanges(parent, text); });
            using A = WindowServices::SaveAnswer;
            const int n = random_.below(3);
            note(QStringLiteral("  question %1 -> %2")
                     .arg(shown(text), std::array{"Speichern", "Nicht speichern", "Abbrechen"}[std::size_t(n)]));
            return std::array{A::Save, A::Discard, A::Cancel}[std::size_t(n)];
        };
        s.chooseColour = [this, real](QWidget* parent, QColor& colour) {
            if (realDialogNow()) return answerReal([&] { return real.chooseColour(parent, colour); });
            if (random_.chance(40)) return false;
            colour = QColor::fromRgb(QRgb(random_.below(0x1000000)));
            return true;
        };
        s.chooseFont = [this, real](QWidget* parent, QFont& font, QColor& colour) {
            if (realDialogNow()) return answerReal([&] { return real.chooseFont(parent, font, colour); });
            if (random_.chance(40)) return false;
            static const char* const kFamilies[] = {"DejaVu Sans", "DejaVu Serif", "No Such Font", ""};
            font = QFont(QString::fromLatin1(random_.pick(kFamilies)), random_.between(1, 200));
            font.setBold(random_.chance(50));
            font.setItalic(random_.chance(50));
            colour = QColor::fromRgb(QRgb(random_.below(0x1000000)));
            return true;
        };
        s.chooseOpenFile = [this, real](QWidget* parent, const QString& folder) {
            if (realDialogNow()) return answerReal([&] { return real.chooseOpenFile(parent, folder); });
            const QString path = random_.chance(50) ? QString() : fileToOpen();
            note(QStringLiteral("  open %1").arg(path.isEmpty() ? QStringLiteral("cancelled") : path));
            return path;
        };
        s.chooseSaveFile = [this, real](QWidget* parent, const QString& suggestion) {
            if (realDialogNow()) return answerReal([&] { return real.chooseSaveFile(parent, suggestion); });
            QString path;
            if (random_.chance(50))
                path = random_.chance(10) ? QDir(folder_).filePath(QStringLiteral("missing/folder/x.spatium"))
                                          : sceneFile(random_.below(4));
            note(QStringLiteral("  save as %1").arg(path.isEmpty() ? QStringLiteral("cancelled") : path));
            return path;
        };
        return s;
    }

    // The export, print and preview dialogs: cancelled or accepted at random,
    // now and then the real one. Accepted exports go to the test's folder
    // (or a missing one, or an unknown extension), prints into a PDF there.
    OutputDialogServices outputDialogs() {
        OutputDialogServices real = defaultOutputDialogServices();
        OutputDialogServices s;
        s.saveFileName = [this, real](QWidget* parent, const QString& caption, const QString& proposal,
                                      const QString& filters, QString* chosenFilter) {
            if (realDialogNow())
                return answerReal([&] { return real.saveFileName(parent, caption, proposal, filters, chosenFilter); });
            QString path;
            if (random_.chance(60)) {
                static const char* const kNames[] = {"bild.png", "bild.svg", "bild.pdf", "bild.tex",
                                                     "bild.xyz", "bild", "missing/folder/bild.svg"};
                path = QDir(folder_).filePath(QString::fromLatin1(random_.pick(kNames)));
            }
            note(QStringLiteral("  export to %1").arg(path.isEmpty() ? QStringLiteral("cancelled") : path));
            return path;
        };
        s.exec = [this, real](QDialog& dialog) {
            if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
                print->printer()->setOutputFormat(QPrinter::PdfFormat);
                print->printer()->setOutputFileName(QDir(folder_).filePath(QStringLiteral("druck.pdf")));
            }
            if (realDialogNow()) return answerReal([&] { return real.exec(dialog); });
            const bool accepted = random_.chance(50);
            note(QStringLiteral("  dialog %1 -> %2").arg(shown(dialog.windowTitle()), accepted ? "OK" : "Abbrechen"));
            return accepted;
        };
        return s;
    }

    QString sceneFile(int n) const {
        return QDir(folder_).filePath(QStringLiteral("scenes/scene-%1.spatium").arg(n));
    }

    // A saved scene, a file that is no scene, or one that is not there.
    QString fileToOpen() {
        const int kind = random_.below(10);
        if (kind < 6) return sceneFile(random_.below(4));
        if (kind == 6) return QDir(folder_).filePath(QStringLiteral("scenes"));  // a folder
        QString path = QDir(folder_).filePath(QStringLiteral("garbage.spatium"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            QFile saved(sceneFile(random_.below(4)));
            QByteArray bytes = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
            bytes.truncate(random_.below(int(bytes.size()) + 1));  // cut short
            if (kind == 9) bytes = randomFieldText(random_).toUtf8();
            file.write(bytes);
        }
        return path;
    }

    bool realDialogNow() { return random_.chance(5); }

    // Runs a real dialog or message box (call) and answers it, once it is
    // open, with a random button of a message box, or cancels it.
    template <typename Call>
    auto answerReal(Call call) -> decltype(call()) {
        ++realDialogs_;
        const int choice = random_.below(1000);
        note(QStringLiteral("  real dialog, answered with choice %1").arg(choice));
        QTimer closer;
        closer.setInterval(5);
        QObject::connect(&closer, &QTimer::timeout, [&closer, choice] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            closer.stop();
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && !box->buttons().isEmpty())
                box->buttons().at(choice % int(box->buttons().size()))->click();
            else if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        closer.start();
        return call();
    }

    // --- finding the controls ----------------------------------------------

    template <typename W>
    QList<W*> controls() {
        QList<W*> found;
        for (QWidget* window : windows())
            for (W* w : window->findChildren<W*>())
                // Qt's own helpers (the menu bar's extension button, ...) are not the program's.
                if (w->window() == window && !w->objectName().isEmpty() &&
                    !w->objectName().startsWith(QLatin1String("qt_")) && w->isVisibleTo(window) && w->isEnabled())
                    found << w;
        return found;
    }

    QList<QAction*> menuEntries() {
        QList<QAction*> entries;
        std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->menu()) collect(a->menu());
                else if (!a->isSeparator() && a->isEnabled()) entries << a;
            }
        };
        for (QMenu* menu : plotWindow().menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) collect(menu);
        return entries;
    }

    // Shows a window and makes it the active one, as clicking into it does.
    bool activate(QWidget* window) {
        window->show();
        if (QApplication::activeWindow() == window) return true;
        window->activateWindow();
        if (QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 200)) return true;
        // Offscreen, a window hidden while it was active is activated again
        // only after another one.
        QWidget* other = window == &plotWindow() ? static_cast<QWidget*>(&inputWindow()) : &plotWindow();
        other->show();
        other->activateWindow();
        (void)QTest::qWaitFor([other] { return QApplication::activeWindow() == other; }, 200);
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
    }

    // --- the actions ---------------------------------------------------------

    void act() {
        const int kind = random_.below(100);
        if (kind < 30) typeIntoField();
        else if (kind < 40) pressKeys();
        else if (kind < 64) clickButton();
        else if (kind < 68) clickColourPanel();
        else if (kind < 74) chooseInComboBox();
        else if (kind < 86) useThePicture();
        else if (kind < 95) triggerMenuEntry();
        else windowOrFiles();
        QApplication::processEvents();
    }

    void typeIntoField() {
        QList<QLineEdit*> fields;
        for (QLineEdit* e : controls<QLineEdit>())
            if (!e->isReadOnly()) fields << e;
        if (fields.isEmpty()) return;
        QLineEdit* field = random_.pick(fields);
        const QString text = randomFieldText(random_);
        const int way = random_.below(4);
        const int leave = random_.below(5);
        note(QStringLiteral("type into %1: %2 (way %3, leave %4)").arg(field->objectName(), shown(text)).arg(way).arg(leave));
        if (!activate(field->window())) return note(QStringLiteral("  window not active"));
        if (random_.chance(50)) QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
        else field->setFocus(Qt::MouseFocusReason);
        // A field that rejected its text keeps the focus: the user types there
        // next, now and then a number that frees it.
        if (!field->hasFocus()) {
            field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (!field) return note(QStringLiteral("  focus stayed elsewhere"));
            const QString retyped = random_.chance(50) ? QStringLiteral("1,5") : randomFieldText(random_);
            note(QStringLiteral("  the focus stayed in %1: typed %2 there").arg(field->objectName(), shown(retyped)));
            field->selectAll();
            field->insert(retyped);
            QTest::keyClick(field, Qt::Key_Tab);
            return;
        }
        switch (way) {
        case 0: field->selectAll(); field->insert(text); break;  // typed over the selection, or pasted
        case 1: field->setText(text); field->setModified(true); break;  // pasted over everything
        case 2: field->end(false); field->insert(text); break;   // appended
        default: field->selectAll(); QTest::keyClicks(field, typable(text.left(30))); break;
        }
        switch (leave) {
        case 0: QTest::keyClick(field, Qt::Key_Tab); break;
        case 1: QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier); break;
        case 2: QTest::keyClick(field, Qt::Key_Return); break;
        case 3: {  // a click into another control of the window
            // Only its own controls: the input window is a child of the main
            // window, and a click there would first make it the active one.
            QList<QWidget*> others;
            for (QWidget* w : field->window()->findChildren<QWidget*>())
                if (w->window() == field->window() && w->isVisible() && w->isEnabled() &&
                    (w->focusPolicy() & Qt::ClickFocus))
                    others << w;
            if (!others.isEmpty()) random_.pick(others)->setFocus(Qt::MouseFocusReason);
            break;
        }
        default: break;  // stays in the field
        }
    }

    void pressKeys() {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key kKeys[] = {
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_N, Qt::ControlModifier},
            {Qt::Key_O, Qt::ControlModifier}, {Qt::Key_S, Qt::ControlModifier},
            {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier}, {Qt::Key_Q, Qt::ControlModifier},
            {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier}, {Qt::Key_F1, Qt::NoModifier},
            {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier}, {Qt::Key_End, Qt::ShiftModifier}, {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier}, {Qt::Key_Up, Qt::NoModifier}, {Qt::Key_7, Qt::NoModifier},
            {Qt::Key_Minus, Qt::NoModifier}, {Qt::Key_Comma, Qt::NoModifier}, {Qt::Key_T, Qt::NoModifier}};
        QWidget* window = random_.pick(windows());
        const int count = random_.between(1, 4);
        QString shown;
        std::vector<Key> keys;
        for (int i = 0; i < count; ++i) {
            keys.push_back(random_.pick(kKeys));
            shown += QKeySequence(keys.back().key | keys.back().modifiers).toString() + QLatin1Char(' ');
        }
        note(QStringLiteral("keys in %1: %2").arg(window->objectName(), shown));
        if (!activate(window)) return note(QStringLiteral("  window not active"));
        for (const Key& k : keys) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (!target) break;
            QTest::keyClick(target, k.key, k.modifiers);
        }
    }

    void clickButton() {
        const QList<QAbstractButton*> buttons = controls<QAbstractButton>();
        if (buttons.isEmpty()) return;
        QAbstractButton* button = random_.pick(buttons);
        const bool byMouse = random_.chance(70);
        note(QStringLiteral("click %1%2").arg(button->objectName(), byMouse ? "" : " (click())"));
        if (!activate(button->window())) return note(QStringLiteral("  window not active"));
        if (byMouse) QTest::mouseClick(button, Qt::LeftButton);
        else button->click();
    }

    void clickColourPanel() {
        const QList<ColourPanel*> panels = controls<ColourPanel>();
        if (panels.isEmpty()) return;
        ColourPanel* panel = random_.pick(panels);
        note(QStringLiteral("click panel %1").arg(panel->objectName()));
        if (!activate(panel->window())) return note(QStringLiteral("  window not active"));
        QTest::mouseClick(panel, Qt::LeftButton);
    }

    void chooseInComboBox() {
        const QList<QComboBox*> boxes = controls<QComboBox>();
        if (boxes.isEmpty()) return;
        QComboBox* box = random_.pick(boxes);
        static const Qt::Key kKeys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown,
                                        Qt::Key_PageUp, Qt::Key_1, Qt::Key_5};
        const Qt::Key key = random_.pick(kKeys);
        const int repeat = random_.between(1, 3);
        // An editable list (the zoom factor) is typed into now and then, and
        // what was typed confirmed with Return.
        if (box->isEditable() && random_.chance(40)) {
            const QString text = random_.chance(30) ? QStringLiteral("2") : randomFieldText(random_).left(80);
            note(QStringLiteral("combo box %1: typed %2, Return").arg(box->objectName(), shown(text)));
            if (!activate(box->window())) return note(QStringLiteral("  window not active"));
            box->setFocus(Qt::MouseFocusReason);
            box->lineEdit()->selectAll();
            for (QChar c : text) {
                if (QApplication::focusWidget() != box->lineEdit() && QApplication::focusWidget() != box) break;
                box->lineEdit()->insert(QString(c));
            }
            if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Return);
            return;
        }
        note(QStringLiteral("combo box %1: %2 x %3").arg(box->objectName(), QKeySequence(key).toString()).arg(repeat));
        if (!activate(box->window())) return note(QStringLiteral("  window not active"));
        box->setFocus(Qt::MouseFocusReason);
        for (int i = 0; i < repeat; ++i) QTest::keyClick(box, key);
    }

    static void sendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
                          Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, modifiers);
        QApplication::sendEvent(w, &e);
    }

    void useThePicture() {
        auto* image = plotWindow().findChild<PlotImage*>(QStringLiteral("Image1"));
        // Points mostly on the picture, some beyond its edges (a drag may leave it).
        auto point = [this, image] {
            const int margin = random_.chance(15) ? 200 : 0;
            return QPoint(random_.between(-margin, image->width() + margin),
                          random_.between(-margin, image->height() + margin));
        };
        const QPoint from = point();
        const int kind = random_.below(6);
        note(QStringLiteral("picture: kind %1 at %2,%3").arg(kind).arg(from.x()).arg(from.y()));
        if (!activate(&plotWindow())) return note(QStringLiteral("  window not active"));
        switch (kind) {
        case 0:
        case 1: {  // a drag, now and then with shift or control held
            const Qt::KeyboardModifiers modifiers = random_.chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
            sendMouse(image, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
            for (int i = random_.between(1, 6); i > 0; --i)
                sendMouse(image, QEvent::MouseMove, point(), Qt::NoButton, Qt::LeftButton, modifiers);
            sendMouse(image, QEvent::MouseButtonRelease, point(), Qt::LeftButton, Qt::NoButton, modifiers);
            break;
        }
        case 2:  // a right click: copies the picture or places the text
            sendMouse(image, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
            sendMouse(image, QEvent::MouseButtonRelease, from, Qt::RightButton, Qt::NoButton);
            break;
        case 3:  // a double click
            QTest::mouseDClick(image, Qt::LeftButton, {}, from);
            break;
        case 4:  // both buttons, released in the other order
            sendMouse(image, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
            sendMouse(image, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
            sendMouse(image, QEvent::MouseMove, point(), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
            sendMouse(image, QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::RightButton);
            sendMouse(image, QEvent::MouseButtonRelease, from, Qt::RightButton, Qt::NoButton);
            break;
        default:  // the mouse passing over it
            sendMouse(image, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
            break;
        }
    }

    void triggerMenuEntry() {
        const QList<QAction*> entries = menuEntries();
        if (entries.isEmpty()) return;
        QAction* entry = random_.pick(entries);
        note(QStringLiteral("menu %1 (%2)").arg(entry->objectName(), shown(entry->text())));
        entry->trigger();
    }

    void windowOrFiles() {
        const int kind = random_.below(6);
        note(QStringLiteral("window/files: kind %1").arg(kind));
        switch (kind) {
        case 0: inputWindow().close(); break;
        case 1: activate(&inputWindow()); break;
        case 2: activate(&plotWindow()); break;
        case 3: if (app_->helpWindow) app_->helpWindow->close(); break;
        case 4: plotWindow().close(); break;  // the close button: the close question
        default: QFile::remove(sceneFile(random_.below(4))); break;  // a recent file gone
        }
    }

    // --- checks ---------------------------------------------------------------

    // Leaves a field holding typing that was not committed yet, as the next
    // Tab would: only committed input has to agree with the Scene.
    void commitTyping() {
        for (QWidget* window : windows()) {
            auto* field = qobject_cast<QLineEdit*>(window->focusWidget());
            if (!field || !activate(window) || !field->hasFocus()) continue;
            QTest::keyClick(field, Qt::Key_Tab);
            QApplication::processEvents();
        }
    }

    QString check() {
        bool answered = false;
        QTimer::singleShot(0, qApp, [&answered] { answered = true; });
        if (!QTest::qWaitFor([&answered] { return answered; }, 10000))
            return QStringLiteral("the program no longer answers");
        commitTyping();
        if (const QStringList fields = fieldsDisagreeingWithScene(inputWindow(), plotWindow()); !fields.isEmpty()) {
            QString problem = QStringLiteral("fields disagreeing with the Scene:");
            for (const QString& name : fields) {
                const auto* field = plotWindow().findChild<QLineEdit*>(name);
                problem += QLatin1Char(' ') + name + (field ? QLatin1Char(' ') + shown(field->text()) : QString());
            }
            return problem;
        }
        if (const std::string name = naNValueName(inputWindow().scene()); !name.empty())
            return QStringLiteral("Scene value %1 is NaN").arg(QString::fromStdString(name));
        rememberPointNames();
        QList<std::pair<QString, QString>> shown{{QStringLiteral("RichEditOut"), inputWindow().outputArea()->toPlainText()}};
        // Read-only fields that show the text of another field (the supports
        // of E5 and g2) show what the user typed.
        QSet<QString> typed;
        for (QWidget* window : windows())
            for (QLineEdit* e : window->findChildren<QLineEdit*>())
                if (!e->isReadOnly()) typed.insert(e->text());
        for (QWidget* window : windows()) {
            for (QLabel* label : window->findChildren<QLabel*>()) shown.append({label->objectName(), label->text()});
            for (QLineEdit* e : window->findChildren<QLineEdit*>())
                if (e->isReadOnly() && !typed.contains(e->text())) shown.append({e->objectName(), e->text()});
        }
        for (const auto& [name, text] : shown)
            if (const QString word = nonFiniteWord(text); !word.isEmpty())
                return QStringLiteral("%1 shows a non-finite number: %2").arg(name, word);
        return {};
    }

    // Point names echo into the output: a user may name a point "nan".
    void rememberPointNames() {
        for (const Vector3& p : inputWindow().scene().points) {
            const QString name = QString::fromStdString(p.name);
            if (nonFiniteWordPattern().match(name).hasMatch()) userWords_.insert(name);
        }
    }

    QString nonFiniteWord(const QString& text) const {
        for (auto it = nonFiniteWordPattern().globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            bool typed = false;
            for (const QString& name : userWords_)
                for (qsizetype at = text.indexOf(name, std::max<qsizetype>(0, m.capturedEnd() - name.size()));
                     at >= 0 && at <= m.capturedStart(); at = text.indexOf(name, at + 1))
                    typed = typed || at + name.size() >= m.capturedEnd();
            if (!typed) {
                const QString around = text.mid(std::max<qsizetype>(0, m.capturedStart() - 40), 80);
                return QStringLiteral("\"%1\" in \"…%2…\"").arg(m.captured(), QString(around).replace(QLatin1Char('\n'), QStringLiteral(" / ")));
            }
        }
        return {};
    }

    // --- the log ----------------------------------------------------------------

    void note(const QString& line) {
        const bool detail = line.startsWith(QLatin1Char(' '));
        recent_.push_back(detail ? line : QStringLiteral("#%1 %2").arg(index_).arg(line));
        if (trace_) std::fprintf(stderr, "%s\n", qPrintable(recent_.back()));
        while (recent_.size() > kActionsShown) recent_.pop_front();
        QString text = QStringLiteral("seed %1, action %2 of this run.\nReplay: SPATIUM_RANDOM_SEED=%1 "
                                      "SPATIUM_RANDOM_ACTIONS=%3 SPATIUM_RANDOM_CHECK_EVERY=%4\nLast actions:\n")
                           .arg(seed_)
                           .arg(index_)
                           .arg(index_ + 1)
                           .arg(checkEvery_);
        for (const QString& l : recent_) text += QStringLiteral("  ") + l.left(300) + QLatin1Char('\n');
        const QByteArray bytes = text.toUtf8();
        qstrncpy(g_replay, bytes.constData(), sizeof g_replay);
    }

    // Messages and beeps: mostly noted, now and then the real message box.
    class Feedback : public UserFeedback {
    public:
        explicit Feedback(RandomUser& user) : user_(user) {}
        void beep() override {}
        void showMessage(QWidget* parent, const QString& text) override {
            ++user_.messages_;
            user_.note(QStringLiteral("  message %1").arg(shown(text)));
            if (user_.realDialogNow()) user_.answerReal([&] { qtUserFeedback().showMessage(parent, text); });
        }

    private:
        RandomUser& user_;
    };

    std::uint64_t seed_;
    int checkEvery_;
    RandomSource random_;
    QString folder_;
    Feedback feedback_{*this};
    std::unique_ptr<AppWindows> app_;
    int index_ = 0;
    int realDialogs_ = 0;
    int messages_ = 0;
    std::deque<QString> recent_;
    const bool trace_ = qEnvironmentVariableIsSet("SPATIUM_RANDOM_TRACE");  // every action to stderr
    std::set<QString> userWords_;
};

TEST(RandomUse, ThousandsOfRandomActionsLeaveTheProgramAnsweringAndConsistent) {
    // Nothing the random user does may reach the user's own files or settings.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);

    const std::uint64_t seed = fromEnvironment("SPATIUM_RANDOM_SEED", kDefaultSeed);
    const int actions = int(fromEnvironment("SPATIUM_RANDOM_ACTIONS", kDefaultActions));
    installCrashReport();
    const int checkEvery = int(fromEnvironment("SPATIUM_RANDOM_CHECK_EVERY", kDefaultCheckEvery));
    RandomUser user(seed, checkEvery, home.path());
    const QString problem = user.run(actions);
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    std::printf("random use: seed %llu, %d actions, %d messages, %d real dialogs\n",
                static_cast<unsigned long long>(seed), user.actionsRun(), user.messages(), user.realDialogs());
}
