// Committing fields of the input window: readers, derived fields, failures.
#include <QElapsedTimer>
#include <QMessageBox>
#include <cmath>
#include <QTimer>

#include "InputTestSupport.h"
#include "SceneConsistency.h"
#include "SanitizerBuild.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"

namespace {

QString fieldText(InputWindow& w, const char* name) { return w.edit(QString::fromLatin1(name))->text(); }

TEST_F(InputWindowTest, FractionInACoordinate) {
    typeAndLeave("Edit_Punkt5_y", QStringLiteral("1/4"));
    EXPECT_EQ(scene().points[PointE].y, 0.25L);
    typeAndLeave("Edit_Punkt5_y", QStringLiteral("2.5"));
    EXPECT_EQ(scene().points[PointE].y, 2.5L);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST_F(InputWindowTest, BadNumbersReportThePositionAndKeepTheOldValue) {
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("1/0"), 3}, {QStringLiteral("3x"), 2}, {QString(), 1},
        {QStringLiteral("--3"), 2}, {QStringLiteral("3t"), 2},
    };
    for (const auto& [text, position] : cases) {
        feedback.messages.clear();
        typeAndLeave("Edit_Punkt6_z", text);
        ASSERT_EQ(feedback.messages.size(), 1) << text.toStdString();
        EXPECT_EQ(feedback.messages[0], QStringLiteral("Fehler an Stelle %1").arg(position));
        EXPECT_EQ(scene().points[PointF].z, 2) << text.toStdString();
        EXPECT_TRUE(edit("Edit_Punkt6_z")->hasFocus());
        EXPECT_EQ(fieldText(*inputWindow, "Edit_Punkt6_z"), text);
    }
    EXPECT_EQ(feedback.beeps, 5);
}

TEST_F(InputWindowTest, EveryPlainFieldKindCommitsIntoItsTarget) {
    const std::pair<const char*, Real*> fields[] = {
        {"Edit_c2", &scene().planeCoeffs[PlaneE2][2]},
        {"Edit_vhy", &scene().lineDirection[LineH].y},
        {"Edit_uhz", &scene().lineSupport[LineH].z},
        {"Edit_p4y", &scene().planeSupport[PlaneE4].y},
        {"Edit_u3z", &scene().planeSpanU[PlaneE3].z},
        {"Edit_v4x", &scene().planeSpanV[PlaneE4].x},
        {"Edit_t1", &scene().familyFrom},
        {"Edit_t2", &scene().familyTo},
        {"Edit_Delta_t", &scene().familyStep},
        {"Edit_Punkt7_y", &scene().points[PointS].y},
    };
    for (const auto& [name, target] : fields) {
        typeAndLeave(name, QStringLiteral("-1/8"));
        EXPECT_EQ(*target, -0.125L) << name;
    }
    // A step of 0 is taken as it is; the drawing guards against it.
    typeAndLeave("Edit_Delta_t", QStringLiteral("0"));
    EXPECT_EQ(scene().familyStep, 0);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST_F(InputWindowTest, PointNamesAreCut) {
    typeAndLeave("Edit_Punkt4", QStringLiteral("Ecke"));
    EXPECT_EQ(scene().points[PointD].name, "Eck");
    typeAndLeave("Edit_Punkt4", QString());
    EXPECT_EQ(scene().points[PointD].name, "");
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST_F(InputWindowTest, LeavingBRewritesOnlyU5) {
    typeAndLeave("Edit_Punkt2_x", QStringLiteral("1"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("-3"));
    EXPECT_EQ(scene().planeSpanU[PlaneE5].x, -3);
    EXPECT_EQ(fieldText(*inputWindow, "Edit_v5x"), QStringLiteral("-4"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ADx"), QStringLiteral("2"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5y"), QStringLiteral("6"));
}

TEST_F(InputWindowTest, LeavingARewritesTheXComponentsOfE5AndAD) {
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("1"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_p5x"), QStringLiteral("1"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("-1"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_v5x"), QStringLiteral("-1"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ADx"), QStringLiteral("5"));
    EXPECT_EQ(scene().planeSupport[PlaneE5].x, 1);
    EXPECT_EQ(scene().planeSpanU[PlaneE5].x, -1);
    EXPECT_EQ(scene().planeSpanV[PlaneE5].x, -1);
    EXPECT_EQ(scene().vectorAD.x, 5);
    // y and z untouched.
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5y"), QStringLiteral("6"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ADz"), QStringLiteral("7"));
}

TEST_F(InputWindowTest, DerivedValuesAreReadBackFromTheirTexts) {
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("0,1"));
    typeAndLeave("Edit_Punkt2_x", QStringLiteral("0,3"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("0,2"));
    EXPECT_EQ(scene().planeSpanU[PlaneE5].x, parseNumberOrFraction("0.2").value);
    EXPECT_NE(scene().planeSpanU[PlaneE5].x, 0.3L - 0.1L);
}

// A derived number is often longer than its narrow field, and the field
// cannot be scrolled: its hint shows the whole text.
TEST_F(InputWindowTest, DerivedFieldsShowTheirWholeTextAsHint) {
    EXPECT_EQ(edit("Edit_vg1z")->toolTip(), QStringLiteral("5"));
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("1/3"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("-0,333333333333333"));
    for (const char* name : {"Edit_p5x", "Edit_u5x", "Edit_v5x", "Edit_ADx"})
        EXPECT_EQ(edit(name)->toolTip(), fieldText(*inputWindow, name)) << name;
    EXPECT_EQ(edit("Edit_p5x")->toolTip(), QStringLiteral("1/3"));
    // Typed fields keep no stale hint of their own.
    EXPECT_TRUE(edit("Edit_Punkt1_x")->toolTip().isEmpty());
}

TEST_F(InputWindowTest, CAndDRewriteTheirOwnDerivedFields) {
    typeAndLeave("Edit_Punkt3_z", QStringLiteral("10"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_v5z"), QStringLiteral("10"));
    EXPECT_EQ(scene().planeSpanV[PlaneE5].z, 10);
    typeAndLeave("Edit_Punkt4_y", QStringLiteral("-2,5"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ADy"), QStringLiteral("-2,5"));
    EXPECT_EQ(scene().vectorAD.y, -2.5L);
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5z"), QStringLiteral("0"));
}

TEST_F(InputWindowTest, DerivedRulesStillRunAfterAFailedRead) {
    typeAndLeave("Edit_Punkt2_x", QStringLiteral("1"));
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("1/0"));
    ASSERT_EQ(feedback.messages.size(), 1);
    // A keeps 4; the derived fields are computed from it.
    EXPECT_EQ(scene().points[PointA].x, 4);
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("-3"));
    EXPECT_EQ(scene().planeSpanU[PlaneE5].x, -3);
    EXPECT_EQ(scene().planeSupport[PlaneE5].x, 4);
    EXPECT_EQ(scene().vectorAD.x, 2);
}

TEST_F(InputWindowTest, HugeCoordinatesNeverPutInfinityIntoDerivedFields) {
    typeAndLeave("Edit_Punkt4_x", QStringLiteral("1e4932"));
    const Real adBefore = scene().vectorAD.x;
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("-1e4932"));
    ASSERT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(scene().points[PointA].x, -1e4932L);
    // D - A does not exist as a number: the field says so, the Scene keeps
    // its last value, and no "inf" is ever shown.
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ADx"), QStringLiteral("Überlauf"));
    EXPECT_EQ(scene().vectorAD.x, adBefore);
    EXPECT_TRUE(std::isfinite(scene().vectorAD.x));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("1E4932"));
}

TEST_F(InputWindowTest, LeavingPCopiesTheWholeRecordIntoG2) {
    typeAndLeave("Edit_PunktP", QStringLiteral("Pa"));
    typeAndLeave("Edit_PunktP_y", QStringLiteral("3"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_ug1y"), QStringLiteral("3"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_vg1y"), QStringLiteral("3"));
    EXPECT_EQ(scene().lineSupport[LineG2].y, 3);
    EXPECT_EQ(scene().lineSupport[LineG2].name, "Pa");
    EXPECT_EQ(scene().lineDirection[LineG2].y, 3);
    EXPECT_EQ(scene().lineDirection[LineG2].x, -5);
    typeAndLeave("Edit_PunktQ_x", QStringLiteral("2"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_vg1x"), QStringLiteral("-3"));
    EXPECT_EQ(scene().lineDirection[LineG2].x, -3);
}

TEST_F(InputWindowTest, FamilyFieldsStoreTheirValueAtTZero) {
    typeAndLeave("Edit_vgz", QStringLiteral("1,5t"));
    EXPECT_EQ(scene().lineDirection[LineG].z, 0);
    typeAndLeave("Edit_ugx", QStringLiteral("3+2t"));
    EXPECT_EQ(scene().lineSupport[LineG].x, 3);
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(InputWindowTest, FamilyFieldValueErrorBeepsAndKeepsTheFocus) {
    typeAndLeave("Edit_vgz", QStringLiteral("ln(t-2)"));
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_TRUE(edit("Edit_vgz")->hasFocus());
    EXPECT_TRUE(scene().drawBlocked);
    EXPECT_EQ(scene().lineDirection[LineG].z, 1.5L) << "no error value in the Scene";
}

TEST_F(InputWindowTest, FamilyFieldSyntaxErrorShowsTheEvaluatorText) {
    typeAndLeave("Edit_vgx", QStringLiteral("3*"));
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_EQ(feedback.messages[0], QStringLiteral("Operand erwartet"));
    EXPECT_TRUE(edit("Edit_vgx")->hasFocus());
    EXPECT_EQ(scene().lineDirection[LineG].x, -4);
}

TEST_F(InputWindowTest, FamilyReaderEvaluatesAtTheCurrentParameter) {
    scene().familyFrom = 2;
    inputWindow->readLineFamily();
    EXPECT_EQ(scene().lineDirection[LineG].z, 3);
    EXPECT_FALSE(scene().drawBlocked);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

// g holds its values at t1 (the start-up read them there), so a new t1
// takes g along; otherwise no field would show the t of g's values.
TEST_F(InputWindowTest, ANewT1TakesGAlongWithoutTouchingTheDrawGate) {
    typeAndLeave("Edit_t1", QStringLiteral("2"));
    EXPECT_EQ(scene().lineDirection[LineG].z, 3);
    EXPECT_TRUE(fieldsDisagreeingWithScene(*inputWindow, *plotWindow).isEmpty());
    // A formula undefined at the new t1 keeps its value and, as leaving
    // a number field always did, leaves the draw command's gate alone.
    typeAndLeave("Edit_ugx", QStringLiteral("ln(4-t)"));
    ASSERT_FALSE(scene().drawBlocked);
    typeAndLeave("Edit_t1", QStringLiteral("5"));
    EXPECT_EQ(scene().lineDirection[LineG].z, 7.5L);
    EXPECT_EQ(scene().lineSupport[LineG].x, std::log(4.0L));
    EXPECT_FALSE(scene().drawBlocked);
    // 1,5t overflows at this t1: its value at t = 0, not the one at t = 5.
    typeAndLeave("Edit_t1", QStringLiteral("1E4932"));
    EXPECT_EQ(scene().lineDirection[LineG].z, 0);
    EXPECT_TRUE(fieldsDisagreeingWithScene(*inputWindow, *plotWindow).isEmpty());
    EXPECT_TRUE(feedback.messages.isEmpty());
}

// Reading all fields (an opened file) gives what typing gives: a formula
// undefined at t1 keeps its value at t = 0, not that of the text before.
TEST_F(InputWindowTest, ReadingAllFieldsKeepsTheValueAtTZeroOfAFormulaUndefinedAtT1) {
    edit("Edit_ugz")->setText(QStringLiteral("41/(t-1)"));
    inputWindow->readAllFields();
    EXPECT_EQ(scene().lineSupport[LineG].z, -41);
    EXPECT_EQ(scene().lineDirection[LineG].z, 1.5L);
    EXPECT_TRUE(fieldsDisagreeingWithScene(*inputWindow, *plotWindow).isEmpty());
}

TEST_F(InputWindowTest, FamilyReaderKeepsTheErrorOfAnEarlierField) {
    edit("Edit_ugx")->setText(QStringLiteral("ln(t-5)"));
    scene().familyFrom = 1;
    inputWindow->readLineFamily();
    EXPECT_TRUE(scene().drawBlocked) << "a later good field must not hide the bad one";
    EXPECT_EQ(scene().lineSupport[LineG].x, 3);
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(InputWindowTest, PlaneReaderReportsEveryBadFieldAndFocusesTheLast) {
    edit("Edit_a1")->setText(QStringLiteral("x"));
    edit("Edit_d2")->setText(QStringLiteral("1/0"));
    edit("Edit_u3y")->setText(QStringLiteral("7"));
    inputWindow->readPlanes();
    ASSERT_EQ(feedback.messages.size(), 2) << feedback.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(feedback.messages[0], QStringLiteral("Fehler an Stelle 1"));
    EXPECT_EQ(feedback.messages[1], QStringLiteral("Fehler an Stelle 3"));
    EXPECT_TRUE(edit("Edit_d2")->hasFocus());
    EXPECT_EQ(scene().planeCoeffs[PlaneE1][0], 15);
    EXPECT_EQ(scene().planeCoeffs[PlaneE2][3], 30);
    EXPECT_EQ(scene().planeSpanU[PlaneE3].y, 7);
    EXPECT_EQ(scene().e3SpanCopyU.y, 7);
}

TEST_F(InputWindowTest, LinesReaderRereadsHAndRebuildsG2) {
    edit("Edit_vhx")->setText(QStringLiteral("2"));
    scene().points[PointQ].z = 12;
    inputWindow->readLines();
    EXPECT_EQ(scene().lineDirection[LineH].x, 2);
    EXPECT_EQ(scene().lineDirection[LineG2].z, 10);
}

TEST_F(InputWindowTest, HostileTextsKeepOtherInputsAndStayResponsive) {
    const QString texts[] = {QString(100000, QLatin1Char('9')), QStringLiteral("\x01\x02\t"),
                             QStringLiteral("1e5000"), QStringLiteral("1/0"), QStringLiteral("--3"), QString()};
    QElapsedTimer timer;
    timer.start();
    for (const QString& text : texts) {
        for (const char* name : {"Edit_Punkt5_x", "Edit_vgy", "Edit_t2"}) {
            if (text == QStringLiteral("--3") && QLatin1String(name) == QLatin1String("Edit_vgy"))
                continue;  // a valid formula: 0 - (-3)
            feedback.messages.clear();
            feedback.beeps = 0;
            typeAndLeave(name, text);
            EXPECT_GE(feedback.beeps + feedback.messages.size(), 1) << name << " says something about " << text.left(20).toStdString();
            EXPECT_LE(feedback.messages.size(), 1) << name;
            EXPECT_TRUE(edit(name)->hasFocus()) << name << " keeps the focus until it is mended";
            // Mend it, as the user would, to go on.
            typeAndLeave(name, QStringLiteral("1"));
        }
        typeAndLeave("Edit_Punkt3", text);
    }
    if (kMeasuresTimeAndMemory) {
        EXPECT_LT(timer.elapsed(), 10000);
    }
    EXPECT_EQ(scene().points[PointE].x, 1);
    EXPECT_EQ(scene().lineDirection[LineG].y, 1);
    EXPECT_EQ(scene().familyTo, 1);
    // Nothing else moved.
    EXPECT_EQ(scene().points[PointA].x, 4);
    EXPECT_EQ(scene().planeCoeffs[PlaneE1][0], 15);
    EXPECT_EQ(fieldText(*inputWindow, "Edit_u5x"), QStringLiteral("-4"));
    EXPECT_EQ(scene().points[PointC].name, "");
}

// A feedback whose message takes the keyboard focus away, as a real modal
// box does, and gives the window back afterwards.
class FocusStealingFeedback : public UserFeedback {
public:
    void beep() override { ++beeps; }
    void showMessage(QWidget* parent, const QString& text) override {
        messages << text;
        QLineEdit box;
        box.setWindowTitle(QStringLiteral("Meldung"));
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.setFocus(Qt::ActiveWindowFocusReason);
        QApplication::processEvents();
        box.close();
        if (parent) {
            parent->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(parent));
        }
    }
    int beeps = 0;
    QStringList messages;
};

TEST_F(InputWindowTest, MessageBoxOfALeaveHandlerDoesNotLeaveTwice) {
    FocusStealingFeedback stealing;
    plotWindow->setFeedback(&stealing);
    QLineEdit* ax = edit("Edit_Punkt1_x");
    QLineEdit* bx = edit("Edit_Punkt2_x");
    bx->setText(QStringLiteral("zz"));  // the field clicked next is bad as well
    enter(ax);
    ax->setText(QStringLiteral("1/0"));
    ax->setCursorPosition(2);
    QTest::mouseClick(bx, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(stealing.messages.size(), 1) << stealing.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(stealing.messages[0], QStringLiteral("Fehler an Stelle 3"));
    EXPECT_EQ(stealing.beeps, 1);
    EXPECT_TRUE(ax->hasFocus());
    EXPECT_EQ(ax->text(), QStringLiteral("1/0"));
    EXPECT_EQ(ax->cursorPosition(), 2) << "the cursor stays where the user left it";
    EXPECT_EQ(scene().points[PointA].x, 4);
    EXPECT_EQ(scene().points[PointB].x, 0);

    // Window changes alone never commit.
    QLineEdit other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    inputWindow->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(inputWindow.get()));
    QApplication::processEvents();
    EXPECT_EQ(stealing.messages.size(), 1);
    EXPECT_TRUE(ax->hasFocus());
}

TEST_F(InputWindowTest, RealMessageBoxOfALeaveHandlerDoesNotLeaveTwice) {
    plotWindow->setFeedback(nullptr);  // the real message boxes
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    closer.start(20);
    QLineEdit* ax = edit("Edit_Punkt1_x");
    QLineEdit* bx = edit("Edit_Punkt2_x");
    bx->setText(QStringLiteral("zz"));
    enter(ax);
    ax->setText(QStringLiteral("3x"));
    ax->setCursorPosition(1);
    QTest::mouseClick(bx, Qt::LeftButton);
    QTest::qWait(200);
    inputWindow->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(inputWindow.get()));
    QTest::qWait(100);
    ASSERT_EQ(shown.size(), 1) << shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(shown[0], QStringLiteral("Fehler an Stelle 2"));
    EXPECT_TRUE(ax->hasFocus());
    EXPECT_EQ(ax->text(), QStringLiteral("3x"));
    EXPECT_EQ(ax->cursorPosition(), 1);
    EXPECT_EQ(scene().points[PointA].x, 4);
}

TEST_F(InputWindowTest, ClosingTheProgramWhileEditingShowsNoMessage) {
    QLineEdit* ax = edit("Edit_Punkt1_x");
    enter(ax);
    ax->setText(QStringLiteral("1/0"));
    inputWindow.reset();
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(feedback.beeps, 0);
}

}  // namespace
