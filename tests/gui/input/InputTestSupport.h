#pragma once
// A main window and an input window whose messages, beeps and colour
// dialog answer at once, and helpers that type into fields and leave them
// the way a user does (real focus changes).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "QtTestDoubles.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

class InputWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        plotWindow = std::make_unique<PlotWindow>(quietServices(&feedback));
        inputWindow = std::make_unique<InputWindow>(*plotWindow);
        inputWindow->setColourChooser([this](Colour initial) -> std::optional<Colour> {
            offeredColours.push_back(initial);
            return nextColour;
        });
        inputWindow->show();
        inputWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(inputWindow.get()));
        feedback.beeps = 0;
        feedback.messages.clear();
    }

    void TearDown() override {
        inputWindow.reset();
        plotWindow.reset();
    }

    QLineEdit* edit(const char* name) {
        QLineEdit* e = inputWindow->edit(QString::fromLatin1(name));
        EXPECT_NE(e, nullptr) << name;
        return e;
    }

    // Puts the cursor into a field as a click would.
    void enter(QLineEdit* field) {
        field->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }

    // Types text into the field and leaves it with Tab to a neutral control.
    void typeAndLeave(const char* name, const QString& text) {
        QLineEdit* field = edit(name);
        enter(field);
        ASSERT_TRUE(field->hasFocus()) << name;
        field->selectAll();
        field->insert(text);
        leaveFocusedField();
    }

    void leaveFocusedField() {
        QWidget* sink = inputWindow->checkBox(QStringLiteral("CheckBox_Dreieck2"));
        sink->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    Scene& scene() { return inputWindow->scene(); }

    RecordingFeedback feedback;
    std::unique_ptr<PlotWindow> plotWindow;
    std::unique_ptr<InputWindow> inputWindow;
    std::optional<Colour> nextColour;
    std::vector<Colour> offeredColours;
};
