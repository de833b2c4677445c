// Undo and redo of the input window, and the keys of the menu with the
// focus in a field of either window.
#include <QComboBox>
#include <QSignalSpy>
#include <QTextEdit>

#include "AppTestSupport.h"
#include "gui/app/CommandLine.h"
#include "document/SceneFile.h"
#include "gui/widgets/ColourPanel.h"

namespace {

// What an undo must bring back: the input window's controls and the values
// the Scene holds for them.
using Xyz = std::array<Real, 3>;
Xyz coordinates(const Vector3& v) { return {v.x, v.y, v.z}; }

struct Snapshot {
    SceneState controls;
    Xyz a, u5, ad;
    bool triangle;
    Colour pointColour;
    std::array<Real, 4> e1;
    bool operator==(const Snapshot&) const = default;
};

QString plain(QString text) { return text.remove(QLatin1Char('&')).replace(QStringLiteral("&&"), QStringLiteral("&")); }

}  // namespace

class UndoTest : public AppTest {
protected:
    Snapshot snapshot() {
        const Scene& s = scene();
        return {captureInputWindowState(inputWindow()), coordinates(s.points[PointA]), coordinates(s.planeSpanU[PlaneE5]),
                coordinates(s.vectorAD),
                s.drawBodyFlag[BodyTriangleABC], s.pointColor, s.planeCoeffs[PlaneE1]};
    }
    QString undoText() { return plain(action("Action_Rueckgaengig")->text()); }
    QString redoText() { return plain(action("Action_Wiederholen")->text()); }
};

TEST_F(UndoTest, FieldEditsBoxClicksColoursAndTheDefaultsButtonUndoAndRedoExactly) {
    showInputWindow();
    EXPECT_FALSE(action("Action_Rueckgaengig")->isEnabled());
    std::vector<Snapshot> states{snapshot()};
    typeAndLeave("Edit_Punkt1_x", "7");
    states.push_back(snapshot());
    EXPECT_EQ(undoText(), QStringLiteral("Rückgängig: A x = 7"));
    typeAndLeave("Edit_Punkt1_x", "7");  // left unchanged: no step
    typeAndLeave("Edit_a1", "1/3");
    states.push_back(snapshot());
    click("CheckBox_Dreieck");
    states.push_back(snapshot());
    EXPECT_EQ(undoText(), QStringLiteral("Rückgängig: Dreieck ABC ein"));
    inputWindow().setColourChooser([](Colour) { return std::optional<Colour>(0x00336699); });
    inputWindow().choosePanelColour(inputWindow().panel(QStringLiteral("Panel_Punkt3DFarbe")));
    states.push_back(snapshot());
    EXPECT_EQ(undoText(), QStringLiteral("Rückgängig: Punktefarbe"));
    typeAndLeave("Edit_Punkt1_x", "3x");  // a rejected text is a step too
    states.push_back(snapshot());
    EXPECT_EQ(feedback.messages, QStringList{"Fehler an Stelle 2"});
    click("SpeedButton_Standardwerte3D2");
    states.push_back(snapshot());
    EXPECT_EQ(undoText(), QStringLiteral("Rückgängig: auf Standardwerte zurückstellen"));
    click("SpeedButton_OK_zeichne");
    showInputWindow();
    const QImage drawn = picture();
    ASSERT_EQ(scenes().undoStack().count(), 6);

    for (int i = 6; i > 0; --i) {
        SCOPED_TRACE(i);
        action("Action_Rueckgaengig")->trigger();
        EXPECT_TRUE(snapshot() == states[std::size_t(i - 1)]);
        EXPECT_EQ(disagreeing(), QStringList{});
    }
    EXPECT_EQ(redoText(), QStringLiteral("Wiederholen: A x = 7"));
    EXPECT_FALSE(action("Action_Rueckgaengig")->isEnabled());
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        action("Action_Wiederholen")->trigger();
        EXPECT_TRUE(snapshot() == states[std::size_t(i)]);
        EXPECT_EQ(disagreeing(), QStringList{});
    }
    // Undo leaves the input window open; the picture is the one drawn (only
    // the defaults button's step redraws, with the same settings).
    EXPECT_TRUE(picture() == drawn);
    EXPECT_TRUE(inputWindow().isVisible());
    EXPECT_EQ(feedback.messages.size(), 1);
}

// The defaults button resets the main window's view as well and redraws:
// one undo gives back both windows and redraws with what it gave back.
TEST_F(UndoTest, UndoingTheDefaultsButtonGivesBackTheMainWindowAndRedraws) {
    click("CheckBox_Wuerfel");
    typeAndLeave("Edit_Kantenlaenge", "4");
    typeAndLeave("Edit_Text_in_Grafik", "Spat");
    plotWindow().findChild<QComboBox*>(QStringLiteral("ComboBox_Zoomfaktor"))->setCurrentIndex(3);
    click("SpeedButton_Drehung_z_plus");
    typeAndLeave("Edit_Punkt1_x", "2");
    click("CheckBox_Dreieck");
    click("SpeedButton_OK_zeichne");
    const SceneState before = capture();
    const ViewState viewBefore = plotWindow().viewState();
    const QImage pictureBefore = picture();

    showInputWindow();
    click("SpeedButton_Standardwerte3D2");
    ASSERT_NE(capture(), before);
    ASSERT_FALSE(box("CheckBox_Wuerfel")->isChecked());
    action("Action_Rueckgaengig")->trigger();
    std::vector<std::string> differing = capture().differingNames(before);
    std::erase(differing, kOutputAreaName);  // the output area is no part of undo
    EXPECT_EQ(differing, std::vector<std::string>{});
    EXPECT_EQ(plotWindow().viewState().cubeEdge, 4);
    EXPECT_EQ(plotWindow().viewState().zoomScale, viewBefore.zoomScale);
    EXPECT_EQ(plotWindow().viewState().rotationZ, viewBefore.rotationZ);
    EXPECT_EQ(plotWindow().viewState().textString, "Spat");
    EXPECT_EQ(disagreeing(), QStringList{});
    EXPECT_TRUE(picture() == pictureBefore);  // redrawn with the restored settings

    action("Action_Wiederholen")->trigger();
    EXPECT_FALSE(box("CheckBox_Wuerfel")->isChecked());
    EXPECT_EQ(plotWindow().viewState().rotationZ, 0);
    EXPECT_EQ(disagreeing(), QStringList{});
}

TEST_F(UndoTest, ViewChangesAndOutputAreNoStepsNewAndOpenStartAFreshHistory) {
    click("SpeedButton_Drehung_z_plus");
    click("CheckBox_Wuerfel");
    click("SpeedButton_g_ausgeben");
    EXPECT_EQ(scenes().undoStack().count(), 0);
    for (int i = 0; i < 120; ++i) typeAndLeave("Edit_t2", QString::number(4 + i));
    EXPECT_EQ(scenes().undoStack().count(), 120);
    for (int i = 0; i < 100; ++i) scenes().undoStack().undo();
    EXPECT_EQ(edit("Edit_t2")->text(), QStringLiteral("23"));
    EXPECT_EQ(scene().familyTo, 23);
    answers.savePath = file("fresh.spatium");
    ASSERT_TRUE(scenes().saveAs());
    EXPECT_EQ(scenes().undoStack().count(), 120);  // saving keeps the history
    action("Action_Neu")->trigger();
    EXPECT_EQ(scenes().undoStack().count(), 0);
    typeAndLeave("Edit_t2", "9");
    answers.saveAnswer = WindowServices::SaveAnswer::Discard;
    ASSERT_TRUE(scenes().openFile(file("fresh.spatium")));
    EXPECT_EQ(scenes().undoStack().count(), 0);
    EXPECT_FALSE(action("Action_Rueckgaengig")->isEnabled());
}

// Ctrl+Z undoes the field's own typing while it has some, then the last
// committed step; the menu entry always undoes the committed step.
TEST_F(UndoTest, CtrlZGoesToTheFieldsOwnTypingFirstThenToTheHistory) {
    typeAndLeave("Edit_Punkt2_y", "5");
    QLineEdit* field = edit("Edit_Punkt1_x");
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, "12");
    ASSERT_EQ(field->text(), QStringLiteral("412"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("4"));
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("5"));
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);  // the field's own redo
    EXPECT_EQ(field->text(), QStringLiteral("412"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);  // nothing of its own left
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("6"));
    EXPECT_EQ(scene().points[PointB].y, 6);
    // Redo alike: the field's own first, then the history's.
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field->text(), QStringLiteral("412"));
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("6"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("5"));
    // A field left for good is a step: Ctrl+Z there undoes the step.
    QTest::keyClicks(field, "9");
    leaveField(&inputWindow());
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("4"));
    EXPECT_EQ(scene().points[PointA].x, 4);
    // The menu entry while typing: the committed step, not the typing.
    QTest::keyClicks(field, "0");
    action("Action_Rueckgaengig")->trigger();
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("6"));
    EXPECT_EQ(field->text(), QStringLiteral("40"));
}

// The output area's own undo holds only what the user typed since the
// program last wrote there: Ctrl+Z takes that back, then the last committed
// step, never a result line.
TEST_F(UndoTest, CtrlZInTheOutputAreaNeverTakesBackTheProgramsOwnOutput) {
    typeAndLeave("Edit_Punkt2_y", "5");
    click("SpeedButton_g_ausgeben");
    QTextEdit* area = inputWindow().outputArea();
    const QString written = area->toPlainText();
    area->setFocus(Qt::MouseFocusReason);
    area->moveCursor(QTextCursor::End);
    QTest::keyClicks(area, "Notiz");
    ASSERT_EQ(area->toPlainText(), written + QStringLiteral("Notiz"));
    QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(area->toPlainText(), written);  // the typing, and only that
    QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(area->toPlainText(), written);  // the result stays
    EXPECT_EQ(edit("Edit_Punkt2_y")->text(), QStringLiteral("6"));  // the committed step went back
    // Typing, then new output: the typing is no longer the area's to undo.
    QTest::keyClicks(area, "x");
    click("SpeedButton_h_ausgeben");
    const QString after = area->toPlainText();
    area->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(area->toPlainText(), after);
}

// Every key of the menu, with the focus in a field of the input window and
// in one of the main window; the clipboard keys stay with the field.
TEST_F(UndoTest, EveryShortcutWorksWithTheFocusInAFieldOfEitherWindow) {
    typeAndLeave("Edit_t2", "5");
    typeAndLeave("Edit_t2", "6");
    scenes().undoStack().undo();  // something to undo and to redo
    struct Key {
        const char* action;
        QKeyCombination keys;
    };
    const Key keys[] = {
        {"Action_Neu", Qt::CTRL | Qt::Key_N},
        {"Action_Oeffnen", Qt::CTRL | Qt::Key_O},
        {"Action_Speichern", Qt::CTRL | Qt::Key_S},
        {"Action_Speichern_unter", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {"Action_Bild_exportieren", Qt::CTRL | Qt::SHIFT | Qt::Key_E},
        {"Action_Drucken", Qt::CTRL | Qt::Key_P},
        {"Action_Beenden", Qt::CTRL | Qt::Key_Q},
        {"Action_Bild_kopieren", Qt::CTRL | Qt::SHIFT | Qt::Key_C},
        {"Action_Bedienungshinweise", Qt::Key_F1},
        {"Action_Rueckgaengig", Qt::CTRL | Qt::Key_Z},
        {"Action_Wiederholen", Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        {"Action_Wiederholen", Qt::CTRL | Qt::Key_Y},
    };
    for (const char* fieldName : {"Edit_Punkt1_x", "Edit_Kantenlaenge"}) {
        for (const Key& key : keys) {
            SCOPED_TRACE(std::string(fieldName) + " " + key.action);
            QLineEdit* field = edit(fieldName);
            activate(field->window());
            field->setFocus(Qt::MouseFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(field->hasFocus());
            QSignalSpy triggered(action(key.action), &QAction::triggered);
            QTest::keyClick(field, key.keys.key(), key.keys.keyboardModifiers());
            EXPECT_EQ(triggered.count(), 1);
            // Keep undo and redo both possible.
            if (!scenes().undoStack().canUndo()) scenes().undoStack().redo();
            if (!scenes().undoStack().canRedo()) scenes().undoStack().undo();
        }
    }
    // "Neu", "Öffnen …" and "Beenden" asked about the changes, answered "Abbrechen".
    EXPECT_EQ(answers.saveQuestions.size(), 6);
    EXPECT_TRUE(plotWindow().isVisible());
    // The output entries opened their dialogs; the preview has no key.
    action("Action_Druckvorschau")->trigger();
    EXPECT_EQ(answers.outputDialogs, (QStringList{"Bild exportieren", "Drucken", "Bild exportieren", "Drucken",
                                                   "Druckvorschau"}));

    // Copy, paste, cut, select-all and plain Ctrl+E stay with the field.
    QLineEdit* field = edit("Edit_Punkt1_x");
    activate(field->window());
    field->setFocus(Qt::MouseFocusReason);
    field->setText(QStringLiteral("123"));
    QList<QSignalSpy*> spies;
    for (QAction* a : scenes().menu().shortcutActions()) spies << new QSignalSpy(a, &QAction::triggered);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);  // the field's, not "Bild exportieren …"
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), QStringLiteral("123"));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("123123"));
    for (QSignalSpy* spy : spies) EXPECT_EQ(spy->count(), 0);
    qDeleteAll(spies);
}

TEST_F(UndoTest, TheCommandLineFileOpensAfterTheStartUpABadOneLeavesTheDefaults) {
    typeAndLeave("Edit_Punkt1_z", "2,5");
    answers.savePath = file("start.spatium");
    ASSERT_TRUE(scenes().saveAs());
    start();
    scenes().openAtStart(parseCommandLine(QStringList{"spatium", file("start.spatium")}));
    EXPECT_EQ(scenes().sceneName(), QStringLiteral("start.spatium"));
    EXPECT_EQ(scene().points[PointA].z, 2.5L);
    EXPECT_TRUE(feedback.messages.isEmpty());

    start();
    writeSceneFile(file("bad.spatium"), SceneState{});
    QFile(file("bad.spatium")).resize(3);
    scenes().openAtStart(parseCommandLine(QStringList{"spatium", file("bad.spatium")}));
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("ist keine Spatium-Szene")));
    EXPECT_EQ(capture(), scenes().startUpState());
    EXPECT_EQ(scenes().sceneName(), QStringLiteral("Unbenannt"));
}

TEST(CommandLine, FileOptionsAndErrorsAsPlainData) {
    const char* argv[] = {"spatium", "Würfel.spatium"};
    CommandLine one = parseCommandLine(2, argv);
    EXPECT_EQ(one.files, QStringList{"Würfel.spatium"});
    EXPECT_TRUE(one.errors.isEmpty());
    EXPECT_FALSE(one.endsOnTerminal() || one.exportOptions);
    EXPECT_TRUE(parseCommandLine(QStringList{"spatium"}).files.isEmpty());
    // After "--" a name that looks like an option is a file.
    EXPECT_EQ(parseCommandLine(QStringList{"spatium", "--", "-x.spatium"}).files, QStringList{"-x.spatium"});

    const CommandLine batch = parseCommandLine(QStringList{"spatium", "a.spatium", "--width-cm", "8,5", "--export",
                                                            "a.tex", "--tikz-standalone", "--scale", "2"});
    ASSERT_TRUE(batch.exportOptions && batch.errors.isEmpty());
    EXPECT_EQ(batch.files, QStringList{"a.spatium"});
    EXPECT_EQ(batch.exportOptions->outFile, QStringLiteral("a.tex"));
    EXPECT_EQ(batch.exportOptions->scale, QStringLiteral("2"));
    EXPECT_EQ(batch.exportOptions->widthCm, QStringLiteral("8,5"));
    EXPECT_TRUE(batch.exportOptions->tikzStandalone);
    EXPECT_TRUE(parseCommandLine(QStringList{"spatium", "-v"}).version);
    EXPECT_TRUE(parseCommandLine(QStringList{"spatium", "--help", "a.spatium"}).endsOnTerminal());

    const struct {
        QStringList arguments;
        QStringList errors;
    } wrong[] = {
        {{"-q", "a.spatium", "b.spatium", "c.spatium"},
         {"Die Option „-q“ gibt es nicht."}},
        {{"a.spatium", "b.spatium", "c.spatium"},
         {"Es wird nur eine Szene geöffnet, „a.spatium“; nicht geöffnet: „b.spatium“, „c.spatium“."}},
        {{"a.spatium", "--export"}, {"Nach der Option „--export“ fehlt ihr Wert."}},
        {{"--export", "--scale", "2", "a.spatium"},
         {"Nach der Option „--export“ fehlt ihr Wert.",
          "Es wird nur eine Szene geöffnet, „2“; nicht geöffnet: „a.spatium“."}},
        {{"--version=2"}, {"Die Option „--version“ nimmt keinen Wert."}},
        {{"--export", "a.png", "--export", "b.png", "a.spatium"}, {"Die Option „--export“ ist mehrfach angegeben."}},
        {{"--export", "a.png"}, {"Zu --export fehlt die Szenendatei: spatium --export AUSGABE DATEI"}},
        {{"--scale", "2", "--tikz-standalone", "a.spatium"},
         {"Die Option „--scale“ gilt nur zusammen mit --export.",
          "Die Option „--tikz-standalone“ gilt nur zusammen mit --export."}},
        {{"--width-cm", "8", "--help"}, {"Die Option „--width-cm“ gilt nur zusammen mit --export."}},
    };
    for (const auto& w : wrong) {
        const CommandLine parsed = parseCommandLine(QStringList{"spatium"} + w.arguments);
        EXPECT_EQ(parsed.errors, w.errors) << w.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.endsOnTerminal());
    }
}

using ConsistencyTest = AppTest;

// The check other tests rely on: it must see a field and the Scene part,
// and must not see a rejected field or the family drawer's running values.
TEST_F(ConsistencyTest, NamesEveryFieldThatDisagreesAndNothingElse) {
    EXPECT_EQ(disagreeing(), QStringList{});
    // A family drawn: t1 and g's fields hold the drawer's last values.
    typeAndLeave("Edit_vgz", "t*t");
    click("CheckBox_Geradenschar");
    click("CheckBox_Gerade_g");
    click("SpeedButton_OK_zeichne");
    ASSERT_GT(scene().familyFrom, 3);
    EXPECT_EQ(disagreeing(), QStringList{});
    // A rejected text says nothing about the Scene.
    typeAndLeave("Edit_a2", "1/0");
    EXPECT_EQ(disagreeing(), QStringList{});

    scene().points[PointB].x = 1;       // B's field and E5's u
    scene().lineDirection[LineG].z = 2;  // no parameter gives 2 for t*t... except none
    scene().drawBodyFlag[BodySpat] = true;
    scene().planeColor[PlaneE4] = Colours::Black;
    plotWindow().viewState().cubeEdge = 1;
    inputWindow().edit(QStringLiteral("Edit_ADy"))->setText(QStringLiteral("1"));
    QStringList expected = {"Edit_Punkt2_x", "Edit_u5x", "Edit_vgz", "CheckBox_Spat_zeichnen",
                            "Panel_EbenenFarbe4", "Edit_Kantenlaenge", "Edit_ADy"};
    QStringList found = disagreeing();
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

// A calculation whose own field is rejected takes the focus into that field.
// Typing the user left in another field is then read right after, as
// leaving that field reads it, and once: the rejected field keeps the focus
// and its single message.
TEST_F(UndoTest, TypingLeftForACalculationWithARejectedFieldIsReadAfterIt) {
    showInputWindow();
    edit("Edit_p4x")->setText(QStringLiteral("1,2,3"));  // opened from a file as typed
    QLineEdit* name = edit("Edit_PunktQ");
    name->setFocus(Qt::MouseFocusReason);
    name->selectAll();
    name->insert(QStringLiteral("Rand"));
    click("SpeedButton_E4_ausgeben");
    EXPECT_EQ(scene().points[PointQ].name, "Ran");
    EXPECT_TRUE(edit("Edit_p4x")->hasFocus());
    EXPECT_EQ(feedback.messages.size(), 1) << feedback.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(disagreeing().isEmpty()) << disagreeing().join(QLatin1Char(' ')).toStdString();
}
