// Screenshot tool for the README and for looking at the program as a user
// sees it: builds both windows as the program does, applies the actions
// given on the command line, and saves PNG files.
//
//   spatium_screenshot OUT.png [action...]
//     check:NAME    check the box of that objectName (either window)
//     click:NAME    click the button of that objectName (either window)
//     input:FILE    save the input window too
//     help:FILE     save the help window too
//     output        print the output area as plain text
//     open:FILE     open the scene file FILE
//     save:FILE     save the scene as FILE
//     type:NAME=TEXT  put TEXT into the field NAME and commit it
//     menu:NAME     open the menu of that objectName (Menu_Datei, ...)
//     screen:FILE   save the whole screen (with open menus and dialogs)
//     dialog:FILE   at the next modal dialog: save the whole screen, close it
//     action:NAME   trigger the menu entry of that objectName (Action_Neu, ...)
//     title         print the main window's title as the window system shows it
#include <QAbstractButton>
#include <QAction>
#include <QTimer>
#include <QWindow>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include "gui/app/AppWindows.h"
#include "gui/app/German.h"
#include "gui/app/SceneBinding.h"
#include "document/SceneFile.h"

namespace {

template <typename T>
T* find(PlotWindow& plotWindow, InputWindow& inputWindow, const QString& name) {
    if (T* w = inputWindow.findChild<T*>(name))
        return w;
    return plotWindow.findChild<T*>(name);
}

void save(QWidget& window, const QString& file) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed: %s", qPrintable(file));
    QTest::qWait(100);
    window.grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installGermanLanguage();
    if (argc < 2) {
        qWarning("usage: spatium_screenshot OUT.png [check:NAME|click:NAME|input:FILE|help:FILE|output]...");
        return 2;
    }
    // Never the user's recent files.
    AppOptions options;
    options.settingsFile = QDir::temp().filePath(QStringLiteral("spatium-screenshot.ini"));
    AppWindows windows(options);
    if (windows.aborted())
        return 1;
    PlotWindow& plotWindow = windows.plotWindow;
    HelpWindow& help = *windows.helpWindow;
    InputWindow& inputWindow = *windows.inputWindow;
    plotWindow.show();
    if (!QTest::qWaitForWindowExposed(&plotWindow))
        qWarning("main window not exposed");

    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString value = arg.section(':', 1);
        if (arg.startsWith("check:")) {
            if (auto* box = find<QCheckBox>(plotWindow, inputWindow, value))
                box->setChecked(true);
            else
                qWarning("no check box %s", qPrintable(value));
        } else if (arg.startsWith("click:")) {
            if (auto* button = find<QAbstractButton>(plotWindow, inputWindow, value))
                button->click();
            else
                qWarning("no button %s", qPrintable(value));
        } else if (arg.startsWith("input:")) {
            save(inputWindow, value);
        } else if (arg.startsWith("help:")) {
            save(help, value);
        } else if (arg.startsWith("open:")) {
            windows.scenes->openFile(value);
        } else if (arg.startsWith("save:")) {
            if (!writeSceneFile(value, captureScene(plotWindow, inputWindow)).ok())
                qWarning("could not save %s", qPrintable(value));
        } else if (arg.startsWith("type:")) {
            if (auto* edit = find<QLineEdit>(plotWindow, inputWindow, value.section('=', 0, 0))) {
                // Typed and left as a user does: in the active window.
                QWidget* window = edit->window();
                window->show();
                window->activateWindow();
                QTest::qWaitForWindowActive(window);
                edit->setFocus(Qt::MouseFocusReason);
                edit->setText(value.section('=', 1));
                QWidget* next = window == &inputWindow ? static_cast<QWidget*>(inputWindow.findChild<QCheckBox*>("CheckBox_Dreieck2"))
                                                 : plotWindow.findChild<QWidget*>("ComboBox_Zoomfaktor");
                next->setFocus(Qt::TabFocusReason);
                QApplication::processEvents();
            }
        } else if (arg.startsWith("menu:")) {
            if (auto* menu = plotWindow.findChild<QMenu*>(value)) {
                const QMenuBar* bar = plotWindow.menuBar();
                menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
                QTest::qWait(200);
            }
        } else if (arg.startsWith("screen:")) {
            QTest::qWait(200);
            QGuiApplication::primaryScreen()->grabWindow(0).save(value);
        } else if (arg.startsWith("dialog:")) {
            QTimer::singleShot(700, [value] {
                QGuiApplication::primaryScreen()->grabWindow(0).save(value);
                if (QWidget* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
        } else if (arg.startsWith("action:")) {
            if (auto* action = plotWindow.findChild<QAction*>(value))
                action->trigger();
            else
                qWarning("no menu entry %s", qPrintable(value));
        } else if (arg == "title") {
            QApplication::processEvents();
            // As the window system shows it, with "[*]" resolved.
            qInfo("%s", qPrintable(plotWindow.windowHandle() ? plotWindow.windowHandle()->title() : plotWindow.windowTitle()));
        } else if (arg == "output") {
            qInfo("%s", qPrintable(inputWindow.findChild<QTextEdit*>("RichEditOut")->toPlainText()));
        }
    }
    save(plotWindow, QString::fromLocal8Bit(argv[1]));
    return 0;
}
