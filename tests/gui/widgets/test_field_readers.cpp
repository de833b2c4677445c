// The field readers and the leave detection on plain line edits.
#include <QApplication>
#include <QElapsedTimer>
#include <limits>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "QtTestDoubles.h"
#include "gui/widgets/FieldReaders.h"
#include "core/model/Scene.h"
#include "core/numbers/Evaluator.h"

namespace {

class FieldReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&field);
        layout->addWidget(&other);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    RecordingFeedback feedback;
    QWidget window;
    QLineEdit field;
    QLineEdit other;
};

void sendFocus(QWidget* w, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(w, &event);
}

TEST_F(FieldReaderTest, NumbersAndFractionsAreStored) {
    struct Case { const char* text; long double value; };
    const Case cases[] = {{"1/4", 0.25L}, {"2,5", 2.5L}, {"2.5", 2.5L}, {"-1/3", -1.0L / 3}, {"1e3", 1000}};
    for (const Case& c : cases) {
        Real target = 99;
        field.setText(QString::fromLatin1(c.text));
        EXPECT_TRUE(readNumberField(&field, target, feedback)) << c.text;
        EXPECT_EQ(target, c.value) << c.text;
    }
    EXPECT_EQ(feedback.beeps, 0);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST_F(FieldReaderTest, FailedReadReportsPositionAndKeepsTargetAndText) {
    struct Case { QString text; int position; };
    const Case cases[] = {
        {QStringLiteral("1/0"), 3}, {QStringLiteral("3x"), 2}, {QString(), 1}, {QStringLiteral("--3"), 2},
        {QStringLiteral("3t"), 2}, {QStringLiteral("2/x"), 3}, {QStringLiteral("\x01"), 1},
    };
    for (const Case& c : cases) {
        feedback.messages.clear();
        feedback.beeps = 0;
        other.setFocus();
        Real target = 7;
        field.setText(c.text);
        EXPECT_FALSE(readNumberField(&field, target, feedback)) << c.text.toStdString();
        EXPECT_EQ(target, 7) << "a failed read must not touch the stored value: " << c.text.toStdString();
        EXPECT_EQ(field.text(), c.text);
        EXPECT_EQ(feedback.beeps, 1);
        ASSERT_EQ(feedback.messages.size(), 1);
        EXPECT_EQ(feedback.messages[0], QStringLiteral("Fehler an Stelle %1").arg(c.position)) << c.text.toStdString();
        EXPECT_TRUE(field.hasFocus()) << "focus goes back into the field";
    }
}

TEST_F(FieldReaderTest, HugeAndOverflowingTextsFailWithoutCorruption) {
    Real target = 5;
    field.setText(QStringLiteral("1e5000"));
    EXPECT_FALSE(readNumberField(&field, target, feedback));
    EXPECT_EQ(target, 5);

    // A very long text is rejected at its first bad character, quickly.
    // (A line edit holds at most 32767 characters.)
    QString longText(100000, QLatin1Char('7'));
    longText[20000] = QLatin1Char('x');
    field.setText(longText);
    feedback.messages.clear();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(readNumberField(&field, target, feedback));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(target, 5);
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_EQ(feedback.messages[0], QStringLiteral("Fehler an Stelle 20001"));

    // All digits: too large a number, reported at its first character.
    field.setText(QString(100000, QLatin1Char('9')));
    feedback.messages.clear();
    EXPECT_FALSE(readNumberField(&field, target, feedback));
    EXPECT_EQ(target, 5);
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_EQ(feedback.messages[0], QStringLiteral("Fehler an Stelle 1"));
}

TEST_F(FieldReaderTest, FamilyFieldValueAtTZero) {
    Real target = 9;
    field.setText(QStringLiteral("1,5t"));
    EXPECT_TRUE(readFamilyField(&field, target, feedback));
    EXPECT_EQ(target, 0);
    field.setText(QStringLiteral("2+3t"));
    EXPECT_TRUE(readFamilyField(&field, target, feedback));
    EXPECT_EQ(target, 2);
}

TEST_F(FieldReaderTest, FamilyFieldSyntaxErrorShowsEvaluatorMessage) {
    Real target = 9;
    other.setFocus();
    field.setText(QStringLiteral("3*"));
    EXPECT_FALSE(readFamilyField(&field, target, feedback));
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_EQ(feedback.messages[0], QStringLiteral("Operand erwartet"));
    EXPECT_EQ(feedback.beeps, 0);
    EXPECT_EQ(target, 9);
    EXPECT_TRUE(field.hasFocus());
}

TEST_F(FieldReaderTest, FamilyFieldValueErrorOnlyBeepsAndKeepsValue) {
    Real target = 9;
    other.setFocus();
    // Passes the syntax check at t = 1 (a domain error there is no syntax
    // error) but has no value at t = 0.
    field.setText(QStringLiteral("ln(t-2)"));
    EXPECT_FALSE(readFamilyField(&field, target, feedback));
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_EQ(target, 9) << "the error value must not replace the stored one";
    EXPECT_TRUE(field.hasFocus());
}

TEST_F(FieldReaderTest, OnlyRealFocusMovesCountAsLeaving) {
    int leaves = 0;
    other.setFocus();  // where the focus went
    watchFieldLeave(&field, [&] { ++leaves; });
    sendFocus(&field, QEvent::FocusIn, Qt::MouseFocusReason);
    sendFocus(&field, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    sendFocus(&field, QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(leaves, 0);
    sendFocus(&field, QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(leaves, 1);
    // A focus-out without having been entered again is no second leave.
    sendFocus(&field, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(leaves, 1);
    for (Qt::FocusReason reason : {Qt::BacktabFocusReason, Qt::MouseFocusReason, Qt::ShortcutFocusReason,
                                   Qt::OtherFocusReason}) {
        sendFocus(&field, QEvent::FocusIn, Qt::TabFocusReason);
        sendFocus(&field, QEvent::FocusOut, reason);
    }
    EXPECT_EQ(leaves, 5);
    // With no widget taking the focus over (the focus cleared, the field
    // being destroyed) nothing was left for another control.
    other.clearFocus();
    sendFocus(&field, QEvent::FocusIn, Qt::TabFocusReason);
    sendFocus(&field, QEvent::FocusOut, Qt::OtherFocusReason);
    EXPECT_EQ(leaves, 5);
}

TEST_F(FieldReaderTest, DestroyingAFocusedFieldRunsNoHandler) {
    int leaves = 0;
    auto* doomed = new QLineEdit(&window);
    window.layout()->addWidget(doomed);
    doomed->show();
    watchFieldLeave(doomed, [&] {
        ++leaves;
        returnFocusTo(doomed);
    });
    doomed->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(doomed->hasFocus());
    delete doomed;
    EXPECT_EQ(leaves, 0);
}

TEST_F(FieldReaderTest, HandlerThatGivesFocusBackRunsOnceAndLeavesNoOtherField) {
    int fieldLeaves = 0;
    int otherLeaves = 0;
    watchFieldLeave(&field, [&] {
        ++fieldLeaves;
        returnFocusTo(&field);
    });
    watchFieldLeave(&other, [&] {
        ++otherLeaves;
        returnFocusTo(&other);
    });
    field.setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field.hasFocus());
    other.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(fieldLeaves, 1);
    EXPECT_EQ(otherLeaves, 0) << "both fields refusing the focus must not ping-pong";
    EXPECT_TRUE(field.hasFocus());
}

TEST_F(FieldReaderTest, EnteringCanPassTheFocusOn) {
    QLineEdit target;
    window.layout()->addWidget(&target);
    watchFieldEnter(&field, [&] { target.setFocus(Qt::OtherFocusReason); });
    other.setFocus();
    field.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(target.hasFocus());
}

TEST(SceneText, PointNamesAreCutToThreeCharacters) {
    EXPECT_EQ(cutPointName("Ecke"), "Eck");
    EXPECT_EQ(cutPointName(""), "");
    EXPECT_EQ(cutPointName("AB"), "AB");
    EXPECT_EQ(cutPointName("ÄÖÜß"), "ÄÖÜ") << "never split a character";
}

TEST(SceneText, DerivedTextsNeverShowInfinity) {
    std::string text = "old";
    EXPECT_TRUE(derivedFieldText(-3, text));
    EXPECT_EQ(text, "-3");
    EXPECT_TRUE(derivedFieldText(0.25L, text));
    EXPECT_EQ(text, "0,25");
    EXPECT_FALSE(derivedFieldText(std::numeric_limits<Real>::infinity(), text));
    EXPECT_FALSE(derivedFieldText(std::numeric_limits<Real>::quiet_NaN(), text));
    EXPECT_EQ(text, "0,25");
}

}  // namespace
