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
        form1 = std::make_unique<PlotWindow>(QuietServices(&feedback));
        form3 = std::make_unique<InputWindow>(*form1);
        form3->setColourChooser([this](Colour initial) -> std::optional<Colour> {
            offeredColours.push_back(initial);
            return nextColour;
        });
        form3->show();
        form3->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form3.get()));
        feedback.beeps = 0;
        feedback.messages.clear();
    }

    void TearDown() override {
        form3.reset();
        form1.reset();
    }

    QLineEdit* edit(const char* name) {
        QLineEdit* e = form3->edit(QString::fromLatin1(name));
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
        QWidget* sink = form3->checkBox(QStringLiteral("CheckBox_Dreieck2"));
        sink->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    Scene& scene() { return form3->scene(); }

    RecordingFeedback feedback;
    std::unique_ptr<PlotWindow> form1;
    std::unique_ptr<InputWindow> form3;
    std::optional<Colour> nextColour;
    std::vector<Colour> offeredColours;
};
