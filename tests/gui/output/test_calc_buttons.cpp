// The calculation buttons wired into a real input window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <memory>

#include "QtTestDoubles.h"
#include "core/calc/CalcCommands.h"
#include "gui/input/InstallCalculations.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "SceneConsistency.h"
#include "gui/plot/PlotWindow.h"

namespace {

class CalcButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        plotWindow = std::make_unique<PlotWindow>(quietServices(&feedback));
        inputWindow = std::make_unique<InputWindow>(*plotWindow);
        installCalculations(*inputWindow);
    }

    void click(const char* name) {
        QAbstractButton* button = inputWindow->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    QString output() const { return inputWindow->outputArea()->toPlainText(); }

    void setText(const char* name, const char* text) {
        QLineEdit* field = inputWindow->edit(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        field->setText(QString::fromUtf8(text));
    }

    RecordingFeedback feedback;
    std::unique_ptr<PlotWindow> plotWindow;
    std::unique_ptr<InputWindow> inputWindow;
};

}  // namespace

TEST_F(CalcButtonsTest, EveryButtonOfTheTableExistsInTheWindow) {
    for (const CalculationButton& button : calculationButtons())
        EXPECT_NE(inputWindow->findChild<QAbstractButton*>(QString::fromLatin1(button.objectName)), nullptr)
            << button.objectName;
    EXPECT_EQ(calculationButtons().size(), 32u);
}

// What a calculation writes into the Scene is what the fields read back as:
// AD of a quadrilateral with a third in D is kept as its field shows it.
TEST_F(CalcButtonsTest, EveryButtonLeavesFieldsAndSceneInAgreement) {
    setText("Edit_Punkt4_x", "1/3");
    setText("Edit_Punkt1_y", "-2/7");
    inputWindow->readAllFields();
    ASSERT_EQ(fieldsDisagreeingWithScene(*inputWindow, *plotWindow), QStringList{});
    for (const CalculationButton& button : calculationButtons()) {
        click(button.objectName);
        const QStringList disagreeing = fieldsDisagreeingWithScene(*inputWindow, *plotWindow);
        EXPECT_TRUE(disagreeing.isEmpty()) << button.objectName << ": " << disagreeing.join(' ').toStdString();
    }
}

TEST_F(CalcButtonsTest, CoplanarityButtonSetsLabelsAndSceneFields) {
    Scene& scene = inputWindow->scene();
    // AB = (2|0|0), AC = (0|1|0), AD = (1|-3|0).
    const char* corners[4][3] = {{"1", "1", "1"}, {"3", "1", "1"}, {"1", "2", "1"}, {"2", "-2", "1"}};
    for (int k = 0; k < 4; ++k)
        for (int a = 0; a < 3; ++a)
            setText(("Edit_Punkt" + std::to_string(k + 1) + "_" + "xyz"[a]).c_str(), corners[k][a]);
    inputWindow->readAllFields();
    click("SpeedButton_komplanarOAOBOC");
    EXPECT_TRUE(output().contains(QStringLiteral("Gleichung: AD = 1/2·AB - 3·AC"))) << output().toStdString();
    EXPECT_EQ(inputWindow->label(QStringLiteral("Label_kompl_r"))->text(), QStringLiteral("r=1/2"));
    EXPECT_EQ(inputWindow->label(QStringLiteral("Label_kompl_t"))->text(), QStringLiteral("t=-3"));
    EXPECT_TRUE(scene.coplanarValid);
    EXPECT_EQ(scene.coplanarR, 0.5L);
    EXPECT_EQ(scene.coplanarT, -3);
}

TEST_F(CalcButtonsTest, RefusedOutputShowsTheMessageAndWritesNothing) {
    inputWindow->scene().lineDirection[LineG].x = 0;
    inputWindow->scene().lineDirection[LineG].y = 0;
    inputWindow->scene().lineDirection[LineG].z = 0;
    const QString before = output();
    click("SpeedButton_g_ausgeben");
    EXPECT_EQ(feedback.messages, QStringList{QStringLiteral("Richtungsvektor darf nicht Nullvektor sein !")});
    EXPECT_EQ(output(), before);
}

TEST_F(CalcButtonsTest, PlaneButtonsReadThePlaneFieldsAgain) {
    // Typed but not left: the button reads the fields itself.
    setText("Edit_a1", "0");
    setText("Edit_b1", "0");
    setText("Edit_c1", "1");
    setText("Edit_d1", "5");
    click("SpeedButton_E1_ausgeben");
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_TRUE(output().contains(QStringLiteral("E1: z=5\n"))) << output().toStdString();
    EXPECT_TRUE(output().contains(QStringLiteral("Spurgeraden von E1: keine"))) << output().toStdString();
}

TEST_F(CalcButtonsTest, LineButtonsReadHAgain) {
    setText("Edit_uhx", "1");
    setText("Edit_uhy", "2");
    setText("Edit_uhz", "3");
    setText("Edit_vhx", "2");
    setText("Edit_vhy", "4");
    setText("Edit_vhz", "6");
    click("SpeedButton_h_ausgeben");
    const QStringList lines = output().split(QChar('\n'));
    int row = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(QStringLiteral(" h: x = "))) row = i;
    ASSERT_GT(row, 0) << output().toStdString();
    EXPECT_TRUE(lines[row].endsWith(QStringLiteral("⎪2⎟ "))) << lines[row].toStdString();
    EXPECT_TRUE(output().contains(QStringLiteral("Spurpunkte von h:\nSxy(0|0|0)  \n")));
}

TEST_F(CalcButtonsTest, ClearButtonRestoresTheHeading) {
    click("SpeedButton_Winkel_AOC");
    EXPECT_TRUE(output().contains(QStringLiteral("∠(OA;OB) = 90°")));
    click("SpeedButton_ClearRichEdit");
    EXPECT_EQ(output(), QStringLiteral("       Ausgaben im Textformat\n \n"));
}

// "Rechenweg anzeigen": off at the start; while checked a calculation button
// writes its working from the field texts as typed, then its result block
// exactly as without the box.
TEST_F(CalcButtonsTest, WorkingBoxPutsTheWorkingBeforeTheUnchangedResult) {
    QCheckBox* box = inputWindow->checkBox(QStringLiteral("CheckBox_Rechenweg"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Rechenweg anzeigen"));
    EXPECT_FALSE(box->isChecked());
    auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("  Berechnungen durchführen  "));

    setText("Edit_Punkt7_x", "1/2");
    inputWindow->scene().points[PointS].x = 0.5L;  // as leaving the field commits it
    const QString heading = output();
    for (const char* name : {"SpeedButton_S_mit_g", "SpeedButton_Spatvolumen", "SpeedButton_E1_ausgeben"}) {
        click("SpeedButton_ClearRichEdit");
        click(name);
        const QString result = output().mid(heading.size());
        click("SpeedButton_ClearRichEdit");
        box->setChecked(true);
        click(name);
        box->setChecked(false);
        const QString withWorking = output().mid(heading.size());
        EXPECT_TRUE(withWorking.endsWith(result)) << name;
        if (QString::fromLatin1(name) == QStringLiteral("SpeedButton_E1_ausgeben")) {
            EXPECT_EQ(withWorking, result) << "the equation output has no working";
            continue;
        }
        EXPECT_TRUE(withWorking.startsWith(QStringLiteral("Rechenweg: "))) << withWorking.toStdString();
        EXPECT_GT(withWorking.size(), result.size() + 40);
    }
    click("SpeedButton_ClearRichEdit");
    box->setChecked(true);
    click("SpeedButton_S_mit_g");
    EXPECT_TRUE(output().contains(QStringLiteral("S = (1/2|8|8)"))) << output().toStdString();
    // The start-up lines: g's "1,5t" is exact at the family's t1 = 1.
    click("SpeedButton_ClearRichEdit");
    click("SpeedButton_g_mit_h");
    EXPECT_TRUE(output().contains(QStringLiteral("g: p = (3|3|4), u = (-4|5|3/2)"))) << output().toStdString();
    EXPECT_TRUE(output().contains(QStringLiteral("= √(2401/12001)\n    = 49/12001·√(12001) ≈ 0,447"))) << output().toStdString();
    EXPECT_TRUE(output().contains(QStringLiteral("Abstand d = √(2401/12001) = 0,447")));
}
