#pragma once
// The whole program as it starts (both windows, the draw command, the
// calculations, the menu bar and the scene files), with dialogs that answer
// at once, recorded messages, and a settings file of the test's own in a
// temporary folder, so no test touches the user's recent files or another
// test's.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "gui/app/AppWindows.h"
#include "QtTestDoubles.h"
#include "gui/app/SceneBinding.h"
#include "gui/input/InputWindow.h"
#include "SceneConsistency.h"
#include "gui/plot/PlotWindow.h"
#include "gui/canvas/QImageCanvas.h"

// Names joined by blanks, for failure messages.
inline std::string joined(const std::vector<std::string>& names) {
    std::string all;
    for (const std::string& name : names) all += (all.empty() ? "" : " ") + name;
    return all;
}

// Answers of the injected dialogs; the test changes them as it goes.
struct AppAnswers {
    WindowServices::SaveAnswer saveAnswer = WindowServices::SaveAnswer::Cancel;
    QStringList saveQuestions;
    bool closeAnswer = false;
    QStringList yesNoQuestions;
    QString openPath;   // what "Öffnen …" picks; empty: cancelled
    QString savePath;   // what "Speichern unter …" picks; empty: cancelled
    QString offeredSavePath;
    QColor colour = QColor(10, 20, 30);              // every colour dialog confirms this
    QFont font = QFont(QStringLiteral("DejaVu Serif"), 14);
    QColor fontColour = QColor(0, 128, 0);
    QStringList outputDialogs;  // captions of the export and print dialogs, each cancelled
};

inline WindowServices answeringAppServices(AppAnswers& a) {
    WindowServices s = quietServices();
    s.askYesNo = [&a](QWidget*, const QString& text) {
        a.yesNoQuestions << text;
        return a.closeAnswer;
    };
    s.askSaveChanges = [&a](QWidget*, const QString& text) {
        a.saveQuestions << text;
        return a.saveAnswer;
    };
    s.chooseColour = [&a](QWidget*, QColor& colour) {
        colour = a.colour;
        return true;
    };
    s.chooseFont = [&a](QWidget*, QFont& font, QColor& colour) {
        font = a.font;
        colour = a.fontColour;
        return true;
    };
    s.chooseOpenFile = [&a](QWidget*, const QString&) { return a.openPath; };
    s.chooseSaveFile = [&a](QWidget*, const QString& suggestion) {
        a.offeredSavePath = suggestion;
        return a.savePath;
    };
    return s;
}

inline OutputDialogServices cancellingOutputDialogs(AppAnswers& a) {
    OutputDialogServices s;
    s.saveFileName = [&a](QWidget*, const QString& caption, const QString&, const QString&, QString*) {
        a.outputDialogs << caption;
        return QString();
    };
    s.exec = [&a](QDialog& dialog) {
        a.outputDialogs << dialog.windowTitle();
        return false;
    };
    return s;
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    // (Re)starts the program; files in dir() survive.
    void start() {
        app.reset();
        AppOptions options;
        options.services = answeringAppServices(answers);
        options.services.feedback = &feedback;
        options.outputDialogs = cancellingOutputDialogs(answers);
        options.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        app = std::make_unique<AppWindows>(options);
        ASSERT_FALSE(app->aborted());
        activate(&plotWindow());
        feedback.beeps = 0;
        feedback.messages.clear();
    }

    PlotWindow& plotWindow() { return app->plotWindow; }
    InputWindow& inputWindow() { return *app->inputWindow; }
    SceneController& scenes() { return *app->scenes; }
    Scene& scene() { return inputWindow().scene(); }
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QAction* action(const char* name) { return plotWindow().findChild<QAction*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) {
        QLineEdit* e = inputWindow().edit(QLatin1String(name));
        if (!e) e = plotWindow().findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(e, nullptr) << name;
        return e;
    }
    QCheckBox* box(const char* name) {
        QCheckBox* b = inputWindow().checkBox(QLatin1String(name));
        if (!b) b = plotWindow().findChild<QCheckBox*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QAbstractButton* button(const char* name) {
        QAbstractButton* b = inputWindow().button(QLatin1String(name));
        return b ? b : plotWindow().findChild<QAbstractButton*>(QLatin1String(name));
    }

    // Shows a window and makes it the active one.
    void activate(QWidget* window) {
        QApplication::processEvents();  // activations still on their way
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        auto isActive = [window] { return QApplication::activeWindow() == window; };
        if (isActive()) return;
        // Offscreen, a window hidden while it was active (the draw command
        // hides the input window) is activated again only after another one.
        if (window != &plotWindow()) {
            plotWindow().activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &plotWindow(); }));
        }
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor(isActive));
    }
    void showInputWindow() { activate(&inputWindow()); }

    // Types text into a field of either window and leaves it with Tab, as a
    // user does (the window is shown and activated first).
    void typeAndLeave(const char* name, const QString& text) {
        QLineEdit* field = edit(name);
        QWidget* window = field->window();
        activate(window);
        field->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(field->hasFocus()) << name;
        field->selectAll();
        field->insert(text);
        leaveField(window);
    }

    // Moves the focus from the field being typed in to a neutral control.
    void leaveField(QWidget* window) {
        QWidget* sink = window == &inputWindow() ? static_cast<QWidget*>(inputWindow().checkBox(QStringLiteral("CheckBox_Dreieck2")))
                                           : plotWindow().findChild<QWidget*>(QStringLiteral("ComboBox_Zoomfaktor"));
        sink->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    void click(const char* name) {
        QAbstractButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
        QApplication::processEvents();
    }

    SceneState capture() { return captureScene(plotWindow(), inputWindow()); }
    QImage picture() { return plotWindow().imageCanvas().image().copy(); }
    QStringList disagreeing() { return fieldsDisagreeingWithScene(inputWindow(), plotWindow()); }
    QString title() {
        QApplication::processEvents();
        return plotWindow().windowTitle();
    }
    bool starred() {
        QApplication::processEvents();
        return plotWindow().isWindowModified();
    }

    QTemporaryDir dir;
    AppAnswers answers;
    RecordingFeedback feedback;
    std::unique_ptr<AppWindows> app;
};
