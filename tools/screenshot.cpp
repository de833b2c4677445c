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
//     type:NAME=TEXT  put TEXT into the field NAME and commit it
//     menu:NAME     open the menu of that objectName (Menu_Datei, ...)
//     screen:FILE   save the whole screen (with open menus and dialogs)
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include "AppWindows.h"

namespace {

template <typename T>
T* find(TForm1& form1, TForm3& form3, const QString& name) {
    if (T* w = form3.findChild<T*>(name))
        return w;
    return form1.findChild<T*>(name);
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
    TForm1& form1 = windows.form1;
    TForm2& form2 = *windows.form2;
    TForm3& form3 = *windows.form3;
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        qWarning("main window not exposed");

    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString value = arg.section(':', 1);
        if (arg.startsWith("check:")) {
            if (auto* box = find<QCheckBox>(form1, form3, value))
                box->setChecked(true);
            else
                qWarning("no check box %s", qPrintable(value));
        } else if (arg.startsWith("click:")) {
            if (auto* button = find<QAbstractButton>(form1, form3, value))
                button->click();
            else
                qWarning("no button %s", qPrintable(value));
        } else if (arg.startsWith("input:")) {
            save(form3, value);
        } else if (arg.startsWith("help:")) {
            save(form2, value);
        } else if (arg.startsWith("open:")) {
            windows.scenes->openFile(value);
        } else if (arg.startsWith("type:")) {
            if (auto* edit = find<QLineEdit>(form1, form3, value.section('=', 0, 0))) {
                edit->setFocus(Qt::MouseFocusReason);
                edit->setText(value.section('=', 1));
                form3.findChild<QCheckBox*>("CheckBox_Dreieck2")->setFocus(Qt::TabFocusReason);
            }
        } else if (arg.startsWith("menu:")) {
            if (auto* menu = form1.findChild<QMenu*>(value)) {
                const QMenuBar* bar = form1.menuBar();
                menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
                QTest::qWait(200);
            }
        } else if (arg.startsWith("screen:")) {
            QTest::qWait(200);
            QGuiApplication::primaryScreen()->grabWindow(0).save(value);
        } else if (arg == "output") {
            qInfo("%s", qPrintable(form3.findChild<QTextEdit*>("RichEditOut")->toPlainText()));
        }
    }
    save(form1, QString::fromLocal8Bit(argv[1]));
    return 0;
}
