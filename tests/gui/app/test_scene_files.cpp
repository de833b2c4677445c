// Scenes as files, seen from the menu: every control comes back after save,
// "Neu" and open; opening a file gives what typing it gives; files that are
// no scenes change nothing; a failed save keeps the old file; the question
// about unsaved changes; the recent files; the title.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTextDocument>

#include <chrono>

#include "AppTestSupport.h"
#include "SanitizerBuild.h"
#include "core/output/OutputLog.h"
#include "gui/desktop/AppIcon.h"
#include "document/SceneFile.h"
#include "gui/widgets/ColourPanel.h"
#include "core/numbers/Evaluator.h"

namespace {

// The values of a Scene the fields define, with every digit, as one text.
QString summary(const Scene& s) {
    QString out;
    auto real = [&out](Real r) { out += QString::number(double(r), 'g', 17) + QLatin1Char(' '); };
    auto vec = [&](const Vector3& v) {
        real(v.x);
        real(v.y);
        real(v.z);
        out += QString::fromStdString(v.name) + QStringLiteral(" %1 %2; ").arg(v.color).arg(v.coordinatePaths);
    };
    for (const Vector3& p : s.points) vec(p);
    vec(s.vectorAD);
    for (std::size_t i = 1; i < LineSlots; ++i) {
        vec(s.lineSupport[i]);
        vec(s.lineDirection[i]);
        out += QString::number(s.lineColor[i]) + QLatin1Char(' ');
    }
    real(s.familyFrom);
    real(s.familyTo);
    real(s.familyStep);
    for (std::size_t i = 1; i < 3; ++i)
        for (Real c : s.planeCoeffs[i]) real(c);
    for (std::size_t i = 3; i < PlaneSlots; ++i) {
        vec(s.planeSupport[i]);
        vec(s.planeSpanU[i]);
        vec(s.planeSpanV[i]);
    }
    for (Colour c : s.planeColor) out += QString::number(c) + QLatin1Char(' ');
    for (bool b : s.drawPointFlag) out += QString::number(b);
    for (bool b : s.drawVectorFlag) out += QString::number(b);
    for (bool b : s.drawLineFlag) out += QString::number(b);
    for (bool b : s.drawPlaneFlag) out += QString::number(b);
    for (bool b : s.drawBodyFlag) out += QString::number(b);
    out += QStringLiteral(" %1%2%3%4 %5 %6 ")
               .arg(s.familyEnabled)
               .arg(s.segmentsInsteadOfVectors)
               .arg(s.coplanarGraphic)
               .arg(s.drawSpatVectors)
               .arg(s.pointColor)
               .arg(s.bodyColor);
    real(s.parallelPlaneX);
    real(s.parallelPlaneY);
    real(s.parallelPlaneZ);
    return out;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

using SceneFilesTest = AppTest;

TEST_F(SceneFilesTest, EveryFieldBoxColourAndViewControlComesBackAfterSaveNewAndOpen) {
    const SceneState startUp = capture();
    EXPECT_EQ(startUp, scenes().startUpState());
    // Every field that can be typed into, in both windows, gets a new text.
    int k = 1;
    for (const auto& [name, text] : startUp.texts) {
        QLineEdit* field = edit(name.c_str());
        if (field->isReadOnly()) continue;
        ++k;
        QString typed = QStringLiteral("%1,25").arg(k * k);
        if (name.starts_with("Edit_ug") || name.starts_with("Edit_vg"))
            typed = QStringLiteral("%1t-1").arg(k);
        else if (QRegularExpression(QStringLiteral("^Edit_Punkt\\w$")).match(QString::fromStdString(name)).hasMatch())
            typed = QStringLiteral("N%1").arg(k);
        else if (name == "Edit_Text_in_Grafik")
            typed = QStringLiteral("Ebene E%1").arg(k);
        typeAndLeave(name.c_str(), typed);
    }
    // Every box and system button once clicked (the exclusive ones keep one).
    for (const auto& [name, checked] : startUp.checks) click(name.c_str());
    // Every colour panel gets a colour of its own.
    int c = 0;
    for (const auto& [name, colour] : startUp.colours) {
        answers.colour = QColor(20 + c, 40 + 2 * c, 60 + 3 * c);
        ++c;
        if (ColourPanel* panel = inputWindow().panel(QString::fromStdString(name))) {
            inputWindow().setColourChooser([&](Colour) { return std::optional<Colour>(fromQColor(answers.colour)); });
            inputWindow().choosePanelColour(panel);
        } else {
            QTest::mouseClick(plotWindow().findChild<ColourPanel*>(QString::fromStdString(name)), Qt::LeftButton);
        }
    }
    // The view: zoom, rotation about x and z, a pan, the text font.
    plotWindow().findChild<QComboBox*>(QStringLiteral("ComboBox_Zoomfaktor"))->setCurrentIndex(4);
    click("SpeedButton_Drehung_z_plus");
    click("SpeedButton_Drehung_z_plus");
    plotWindow().viewState().offsetX += 33;
    plotWindow().viewState().offsetY -= 17;
    click("SpeedButton_FontAuswahl");
    // Output with a colour of its own.
    click("SpeedButton_h_ausgeben");
    inputWindow().outputLog().setOutputColour(0x00123456);
    inputWindow().outputLog().appendLine("Notiz");

    const SceneState changed = capture();
    const QImage changedPicture = picture();
    // Nothing escaped: only buttons of exclusive groups kept their state,
    // and the angle about z, which is no longer a rotation axis.
    std::vector<std::string> unchanged = startUp.differingNames(SceneState{});
    for (const std::string& name : changed.differingNames(startUp)) std::erase(unchanged, name);
    EXPECT_EQ(unchanged, (std::vector<std::string>{"CheckBox_SchnittModus", "CheckBox_schrumpf025", "CheckBox_schrumpf05",
                                      "SpeedButton_3DSys2", "rotationZ"}));

    answers.savePath = file("round.spatium");
    ASSERT_TRUE(scenes().saveAs());
    EXPECT_FALSE(starred());
    click("SpeedButton_3DSys");  // the input window open, as a user has it
    action("Action_Neu")->trigger();
    EXPECT_TRUE(answers.saveQuestions.isEmpty());
    EXPECT_EQ(capture(), startUp);
    EXPECT_TRUE(disagreeing().isEmpty()) << disagreeing().join(' ').toStdString();
    EXPECT_EQ(title(), QStringLiteral("Unbenannt[*] – Spatium V2.20"));

    answers.openPath = file("round.spatium");
    action("Action_Oeffnen")->trigger();
    EXPECT_EQ(capture(), changed) << joined(capture().differingNames(changed));
    EXPECT_TRUE(disagreeing().isEmpty()) << disagreeing().join(' ').toStdString();
    EXPECT_FALSE(starred());
    EXPECT_EQ(title(), QStringLiteral("round.spatium[*] – Spatium V2.20"));
    EXPECT_FALSE(inputWindow().isVisible());  // drawn as the draw button draws
    EXPECT_NE(picture(), changedPicture);  // the objects now drawn with the file's view
    EXPECT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join('|').toStdString();
}

// The same scene typed in by hand and drawn, and opened from its file in a
// freshly started program: the same fields, Scene, messages and picture.
TEST_F(SceneFilesTest, OpeningAFamilySceneWithARejectedFieldEqualsTypingIt) {
    typeAndLeave("Edit_Punkt1_x", "1/4");
    typeAndLeave("Edit_Punkt2", "Bern");
    typeAndLeave("Edit_ugx", "t");
    typeAndLeave("Edit_vgy", "2-t");
    typeAndLeave("Edit_vgz", "sin(30°)*t");
    typeAndLeave("Edit_t1", "-1");
    typeAndLeave("Edit_t2", "2");
    typeAndLeave("Edit_Delta_t", "0,75");
    // (E1, E2 and E5 would read the rejected field again when drawn.)
    for (const char* name : {"CheckBox_Geradenschar", "CheckBox_Gerade_g", "CheckBox_Punkt1_zeichnen",
                             "CheckBox_Punkt2_zeichnen", "CheckBox_Ebene3_zeichnen", "CheckBox_Ebene4_zeichnen"})
        click(name);
    EXPECT_TRUE(feedback.messages.isEmpty());
    // Rejected: E3's support x. It keeps its value 3 and shows the text.
    typeAndLeave("Edit_p3x", "3x");
    click("SpeedButton_OK_zeichne");
    ASSERT_EQ(feedback.messages, QStringList{"Fehler an Stelle 2"});
    ASSERT_EQ(scene().planeSupport[PlaneE3].x, 3);
    const SceneState typed = capture();
    const QString typedScene = summary(scene());
    const QImage typedPicture = picture();

    answers.savePath = file("family.spatium");
    ASSERT_TRUE(scenes().saveAs());
    start();
    ASSERT_NE(summary(scene()), typedScene);
    ASSERT_TRUE(scenes().openFile(file("family.spatium")));
    EXPECT_EQ(feedback.messages, QStringList{"Fehler an Stelle 2"});
    EXPECT_EQ(capture(), typed) << joined(capture().differingNames(typed));
    EXPECT_EQ(summary(scene()), typedScene);
    EXPECT_TRUE(picture() == typedPicture);
    EXPECT_EQ(disagreeing(), QStringList{});
}

// A formula of g the reader rejects: typed, its leaving says why and the
// draw button then draws nothing; opened, the same message and the same
// (undrawn) picture.
TEST_F(SceneFilesTest, OpeningARejectedFormulaOfGEqualsTypingItAndDrawing) {
    for (const char* text : {"2*", "1/0"}) {
        SCOPED_TRACE(text);
        start();
        showInputWindow();
        click("CheckBox_Gerade_g");
        click("CheckBox_Ebene1_zeichnen");
        typeAndLeave("Edit_vgz", text);
        click("SpeedButton_OK_zeichne");
        const QStringList typedMessages = feedback.messages;
        const int typedBeeps = feedback.beeps;
        const QImage typedPicture = picture();
        const QString typedScene = summary(scene());
        answers.savePath = file("rejected.spatium");
        ASSERT_TRUE(scenes().saveAs());

        start();
        ASSERT_TRUE(scenes().openFile(file("rejected.spatium")));
        EXPECT_EQ(feedback.messages, typedMessages);
        EXPECT_EQ(feedback.beeps, typedBeeps);
        EXPECT_TRUE(picture() == typedPicture);
        EXPECT_EQ(summary(scene()), typedScene);
    }
}

// g's formulas are taken at different t: typing at t = 0, the family's
// drawing at each member's t. Saved, the scene reopens with g where it was
// left, for the single line and after a drawn family, and draws the same.
TEST_F(SceneFilesTest, GReopensAtTheTItWasLeftAt) {
    typeAndLeave("Edit_vgz", "2t");
    typeAndLeave("Edit_ugx", "t/3");
    click("CheckBox_Gerade_g");
    click("CheckBox_Spurpunkte");
    click("SpeedButton_OK_zeichne");
    for (bool family : {false, true}) {
        SCOPED_TRACE(family);
        if (family) {
            showInputWindow();
            click("CheckBox_Geradenschar");
            click("SpeedButton_OK_zeichne");  // leaves g at the last member, t = 3
            ASSERT_EQ(scene().lineDirection[LineG].z, 6);
        } else {
            ASSERT_EQ(scene().lineDirection[LineG].z, 0);
        }
        const QString typedScene = summary(scene());
        const QImage typedPicture = picture();
        const SceneState typed = capture();
        answers.savePath = file("g.spatium");
        ASSERT_TRUE(scenes().saveAs());
        start();
        ASSERT_TRUE(scenes().openFile(file("g.spatium")));
        EXPECT_EQ(summary(scene()), typedScene);
        EXPECT_EQ(capture(), typed) << joined(capture().differingNames(typed));
        EXPECT_TRUE(picture() == typedPicture);
    }
    // A file without the entry opens as before: g at t1.
    SceneState file;
    ASSERT_TRUE(readSceneFile(this->file("g.spatium"), file).ok());
    file.parameters.clear();
    ASSERT_TRUE(writeSceneFile(this->file("old.spatium"), file).ok());
    ASSERT_TRUE(scenes().openFile(this->file("old.spatium")));
    EXPECT_EQ(scene().lineDirection[LineG].z, 6);  // drawn once more as a family: t2 = 3
    answers.saveAnswer = WindowServices::SaveAnswer::Discard;
    showInputWindow();
    click("CheckBox_Geradenschar");
    file.checks["CheckBox_Geradenschar"] = false;
    ASSERT_TRUE(writeSceneFile(this->file("old.spatium"), file).ok());
    ASSERT_TRUE(scenes().openFile(this->file("old.spatium")));
    EXPECT_EQ(scene().lineDirection[LineG].z, 2);  // at t1 = 1
}

// Opening sets each box to the file's state; a box already in that state
// reports no toggle, and its object must still be drawn.
TEST_F(SceneFilesTest, OpeningKeepsTheFlagsOfBoxesAlreadyInTheFilesState) {
    showInputWindow();
    click("CheckBox_Dreieck");
    click("CheckBox_Spatvektoren_zeichnen");
    answers.savePath = file("boxes.spatium");
    ASSERT_TRUE(scenes().saveAs());
    ASSERT_TRUE(scenes().openFile(file("boxes.spatium")));
    EXPECT_TRUE(scene().drawBodyFlag[BodyTriangleABC]);
    EXPECT_TRUE(scene().drawSpatVectors);
    EXPECT_EQ(disagreeing(), QStringList{});
}

// Each kind of file that is no scene: one message naming the file and the
// reason, and everything as it was, the undo history included.
TEST_F(SceneFilesTest, FilesThatAreNoScenesLeaveEverythingAsItWas) {
    typeAndLeave("Edit_Punkt1_x", "7");
    click("CheckBox_Dreieck");
    click("SpeedButton_OK_zeichne");
    click("SpeedButton_Drehung_z_plus");
    click("SpeedButton_g_ausgeben");
    click("SpeedButton_3DSys");
    answers.saveAnswer = WindowServices::SaveAnswer::Discard;  // no save in the way

    QByteArray good = sceneToJson(scenes().startUpState());
    struct Bad {
        const char* name;
        QByteArray bytes;
        const char* says;
    };
    const Bad cases[] = {
        {"empty.spatium", "", "ist keine Spatium-Szene: die Datei ist leer"},
        {"text.spatium", "A(1|2|3)", "ist keine Spatium-Szene: der Inhalt ist kein gültiges JSON"},
        {"shape.spatium", R"({"format": "spatium-scene", "version": 1, "texts": [1]})", "ist keine Spatium-Szene"},
        {"type.spatium", R"({"format": "spatium-scene", "version": 1, "checks": {"CheckBox_Dreieck": 1}})",
         "ist keine Spatium-Szene"},
        {"binary.spatium", QByteArray::fromHex("00ff10fe7f8081c3") + QByteArray(500, '\x01'), "ist keine Spatium-Szene"},
        {"truncated.spatium", good.left(good.size() - 40), "ist keine Spatium-Szene"},
        {"newer.spatium", QByteArray(good).replace("\"version\": 1", "\"version\": 2"),
         "wurde mit einer neueren Version von Spatium gespeichert"},
        {"big.spatium", QByteArray(), "größer als 10 MB"},
    };
    const SceneState before = capture();
    const QString sceneBefore = summary(scene());
    const QImage pictureBefore = picture();
    const int steps = scenes().undoStack().count();
    const int index = scenes().undoStack().index();
    ASSERT_EQ(steps, 2);
    ASSERT_TRUE(starred());
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = file(c.name);
        writeBytes(path, c.bytes);
        if (QLatin1String(c.name) == QLatin1String("big.spatium")) {
            QFile big(path);
            ASSERT_TRUE(big.open(QIODevice::ReadWrite));
            ASSERT_TRUE(big.resize(kMaxSceneFileBytes + 10));
        }
        feedback.messages.clear();
        answers.openPath = path;
        action("Action_Oeffnen")->trigger();
        ASSERT_EQ(feedback.messages.size(), 1);
        EXPECT_TRUE(feedback.messages[0].contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(feedback.messages[0].contains(QString::fromUtf8(c.says))) << feedback.messages[0].toStdString();
        EXPECT_EQ(capture(), before);
        EXPECT_EQ(summary(scene()), sceneBefore);
        EXPECT_TRUE(picture() == pictureBefore);
        EXPECT_EQ(scenes().undoStack().count(), steps);
        EXPECT_EQ(scenes().undoStack().index(), index);
        EXPECT_TRUE(inputWindow().isVisible());
        EXPECT_TRUE(starred());
        EXPECT_EQ(scenes().sceneName(), QStringLiteral("Unbenannt"));
    }
    // Not there at all: the same.
    feedback.messages.clear();
    EXPECT_FALSE(scenes().openFile(file("none.spatium")));
    EXPECT_EQ(feedback.messages.size(), 1);
    EXPECT_EQ(capture(), before);
}

// A name typed without extension is saved as a scene file; when that file
// exists, the question comes first (the dialog asked about the name as typed).
TEST_F(SceneFilesTest, ANameWithoutExtensionBecomesASceneFileAfterAsking) {
    answers.savePath = file("aufgabe.spatium");
    ASSERT_TRUE(scenes().saveAs());
    const QByteArray old = readBytes(file("aufgabe.spatium"));
    click("SpeedButton_Drehung_z_plus");
    answers.savePath = file("aufgabe");
    answers.closeAnswer = false;
    EXPECT_FALSE(scenes().saveAs());
    EXPECT_EQ(answers.yesNoQuestions, QStringList{"„aufgabe.spatium“ ist bereits vorhanden.\nSoll die Datei ersetzt werden?"});
    EXPECT_EQ(readBytes(file("aufgabe.spatium")), old);
    EXPECT_TRUE(starred());
    answers.closeAnswer = true;
    EXPECT_TRUE(scenes().saveAs());
    EXPECT_NE(readBytes(file("aufgabe.spatium")), old);
    EXPECT_EQ(scenes().filePath(), file("aufgabe.spatium"));
    answers.savePath = file("neu");
    EXPECT_TRUE(scenes().saveAs());
    EXPECT_EQ(scenes().filePath(), file("neu.spatium"));
    EXPECT_EQ(answers.yesNoQuestions.size(), 2);
    EXPECT_FALSE(QFile::exists(file("aufgabe")) || QFile::exists(file("neu")));
    EXPECT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join("|").toStdString();
}

TEST_F(SceneFilesTest, AFailedSaveKeepsTheOldFileAndTheSceneChanged) {
    answers.savePath = file("kept.spatium");
    ASSERT_TRUE(scenes().saveAs());
    const QByteArray old = readBytes(file("kept.spatium"));
    click("SpeedButton_Drehung_z_plus");
    ASSERT_TRUE(starred());

    answers.savePath = file("missing-folder/kept.spatium");
    EXPECT_FALSE(scenes().saveAs());
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("konnte nicht gespeichert werden")));
    EXPECT_TRUE(starred());
    EXPECT_EQ(title(), QStringLiteral("kept.spatium[*] – Spatium V2.20"));
    EXPECT_EQ(readBytes(file("kept.spatium")), old);
    EXPECT_EQ(scenes().filePath(), file("kept.spatium"));
    // Cancelled: nothing written, nothing said.
    answers.savePath.clear();
    EXPECT_FALSE(scenes().saveAs());
    EXPECT_EQ(feedback.messages.size(), 1);
    // Saving into the file itself works and clears the star.
    action("Action_Speichern")->trigger();
    EXPECT_FALSE(starred());
    EXPECT_NE(readBytes(file("kept.spatium")), old);
}

TEST_F(SceneFilesTest, ClosingWithoutChangesAsksAsBeforeWithChangesAsksToSave) {
    QSignalSpy closed(&plotWindow(), &PlotWindow::closed);
    // Unchanged: "Wirklich beenden ?" as always.
    EXPECT_FALSE(plotWindow().close());
    EXPECT_EQ(answers.yesNoQuestions, QStringList{"Wirklich beenden ?"});
    EXPECT_TRUE(answers.saveQuestions.isEmpty());
    action("Action_Neu")->trigger();
    EXPECT_TRUE(answers.saveQuestions.isEmpty());

    // Changed: the save question takes its place.
    click("SpeedButton_Drehung_z_plus");
    answers.saveAnswer = WindowServices::SaveAnswer::Cancel;
    action("Action_Beenden")->trigger();
    EXPECT_EQ(answers.saveQuestions, QStringList{"Änderungen an „Unbenannt“ speichern?"});
    EXPECT_EQ(answers.yesNoQuestions.size(), 1);
    EXPECT_TRUE(plotWindow().isVisible());
    EXPECT_EQ(plotWindow().viewState().rotationZ, 5);
    // "Neu" and "Öffnen …" ask the same; cancelled, nothing changes.
    action("Action_Neu")->trigger();
    answers.openPath = file("never-read.spatium");
    action("Action_Oeffnen")->trigger();
    EXPECT_EQ(answers.saveQuestions.size(), 3);
    EXPECT_EQ(plotWindow().viewState().rotationZ, 5);
    EXPECT_TRUE(feedback.messages.isEmpty());
    // "Speichern": saved, then closed.
    answers.saveAnswer = WindowServices::SaveAnswer::Save;
    answers.savePath = file("closing.spatium");
    EXPECT_TRUE(plotWindow().close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(QFile::exists(file("closing.spatium")));
    EXPECT_EQ(answers.yesNoQuestions.size(), 1);
}

TEST_F(SceneFilesTest, NotSavingDiscardsAndOpensARecentFileAfterTheQuestion) {
    answers.savePath = file("first.spatium");
    ASSERT_TRUE(scenes().saveAs());
    click("SpeedButton_Drehung_z_plus");
    // "Nicht speichern" before "Neu": the start-up scene.
    answers.saveAnswer = WindowServices::SaveAnswer::Discard;
    action("Action_Neu")->trigger();
    EXPECT_EQ(plotWindow().viewState().rotationZ, 0);
    EXPECT_EQ(capture(), scenes().startUpState());
    // A recent file: the question comes, then the file is read.
    click("CheckBox_Vektor_dick");
    answers.saveQuestions.clear();
    QMenu* recent = scenes().menu().recentMenu;
    ASSERT_EQ(recent->actions().size(), 1);
    recent->actions()[0]->trigger();
    EXPECT_EQ(answers.saveQuestions.size(), 1);
    EXPECT_EQ(scenes().sceneName(), QStringLiteral("first.spatium"));
    EXPECT_FALSE(starred());
}

// "Zuletzt geöffnet" on the open file itself, with changes answered
// "Speichern": the edits are saved into it and then read back, not lost to
// a copy read before the save.
TEST_F(SceneFilesTest, ReopeningTheOpenFileAfterSavingItKeepsTheEdits) {
    answers.savePath = file("same.spatium");
    ASSERT_TRUE(scenes().saveAs());
    typeAndLeave("Edit_Punkt1_x", "7/3");
    ASSERT_TRUE(starred());
    const SceneState edited = capture();
    answers.saveAnswer = WindowServices::SaveAnswer::Save;
    scenes().menu().recentMenu->actions()[0]->trigger();
    EXPECT_EQ(answers.saveQuestions.size(), 1);
    EXPECT_EQ(edit("Edit_Punkt1_x")->text(), QStringLiteral("7/3"));
    EXPECT_FALSE(starred());
    SceneState file;
    ASSERT_TRUE(readSceneFile(this->file("same.spatium"), file).ok());
    EXPECT_EQ(file.texts.at("Edit_Punkt1_x"), "7/3");
    EXPECT_EQ(capture().texts, edited.texts);
}

TEST_F(SceneFilesTest, RecentFilesKeepEightNewestFirstAndDropMissingOnesWithAMessage) {
    for (int i = 1; i <= 9; ++i) {
        answers.savePath = file(qPrintable(QStringLiteral("s%1.spatium").arg(i)));
        ASSERT_TRUE(scenes().saveAs());
    }
    auto entries = [this] {
        QStringList texts;
        for (QAction* a : scenes().menu().recentMenu->actions()) texts << a->text();
        return texts;
    };
    ASSERT_EQ(entries().size(), 8);
    EXPECT_TRUE(entries()[0].endsWith(QStringLiteral("s9.spatium")));
    EXPECT_TRUE(entries()[7].endsWith(QStringLiteral("s2.spatium")));
    // Kept for the next run, in this test's own settings file.
    start();
    ASSERT_EQ(entries().size(), 8);
    ASSERT_TRUE(QFile::remove(file("s5.spatium")));
    QAction* missing = scenes().menu().recentMenu->actions()[4];
    ASSERT_TRUE(missing->text().endsWith(QStringLiteral("s5.spatium")));
    missing->trigger();
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("gibt es nicht")));
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("entfernt")));
    EXPECT_EQ(entries().size(), 7);
    EXPECT_FALSE(entries().join(' ').contains(QStringLiteral("s5.spatium")));
    EXPECT_TRUE(answers.saveQuestions.isEmpty());
    EXPECT_EQ(scenes().sceneName(), QStringLiteral("Unbenannt"));
}

TEST_F(SceneFilesTest, TitleShowsTheNameAndAStarWhileAnythingTheFileHoldsDiffers) {
    EXPECT_EQ(title(), QStringLiteral("Unbenannt[*] – Spatium V2.20"));
    EXPECT_FALSE(starred());
    click("SpeedButton_Drehung_z_plus");  // a view change counts
    EXPECT_TRUE(starred());
    click("SpeedButton_Drehung_z_minus");  // and back: unchanged again
    EXPECT_FALSE(starred());
    click("SpeedButton_g_ausgeben");  // new output counts
    EXPECT_TRUE(starred());
    answers.savePath = dir.filePath(QStringLiteral("Würfel [*].spatium"));
    ASSERT_TRUE(scenes().saveAs());
    EXPECT_FALSE(starred());
    EXPECT_EQ(plotWindow().windowTitle(), QStringLiteral("Würfel [*][*].spatium[*] – Spatium V2.20"));
    typeAndLeave("Edit_Kantenlaenge", "4");
    EXPECT_TRUE(starred());
}

TEST_F(SceneFilesTest, MenuBarEntriesShortcutsAndTheWindowGrowingByItsHeight) {
    const QMenuBar* bar = plotWindow().menuBar();
    QStringList menus;
    for (QAction* a : bar->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Hilfe"}));
    const std::pair<const char*, QList<QKeySequence>> entries[] = {
        {"Action_Neu", {QKeySequence("Ctrl+N")}},
        {"Action_Oeffnen", {QKeySequence("Ctrl+O")}},
        {"Action_Speichern", {QKeySequence("Ctrl+S")}},
        {"Action_Speichern_unter", {QKeySequence("Ctrl+Shift+S")}},
        {"Action_Beenden", {QKeySequence("Ctrl+Q")}},
        {"Action_Rueckgaengig", {QKeySequence("Ctrl+Z")}},
        {"Action_Wiederholen", {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}},
        {"Action_Bild_kopieren", {QKeySequence("Ctrl+Shift+C")}},
        {"Action_Bedienungshinweise", {QKeySequence("F1")}},
        {"Action_Ueber_Spatium", {}},
    };
    for (const auto& [name, keys] : entries) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->shortcuts(), keys) << name;
        EXPECT_EQ(a->shortcutContext(), Qt::ApplicationShortcut) << name;
    }
    EXPECT_EQ(action("Action_Oeffnen")->text(), QStringLiteral("Ö&ffnen …"));
    EXPECT_EQ(action("Action_Speichern_unter")->text(), QStringLiteral("Speichern &unter …"));
    EXPECT_EQ(scenes().menu().recentMenu->title(), QStringLiteral("&Zuletzt geöffnet"));
    // The picture keeps 721 x 721 pixels; the window grows by the bar.
    ASSERT_GT(bar->height(), 10);
    EXPECT_EQ(plotWindow().size(), QSize(1009, 721 + bar->height()));
    QWidget* image = plotWindow().findChild<QWidget*>(QStringLiteral("Image1"));
    EXPECT_EQ(image->size(), QSize(721, 721));
    EXPECT_EQ(image->mapTo(&plotWindow(), QPoint(0, 0)), QPoint(0, bar->height()));
    QWidget* panel = plotWindow().findChild<QWidget*>(QStringLiteral("Panel_Steuerung"));
    EXPECT_TRUE(plotWindow().rect().contains(QRect(panel->mapTo(&plotWindow(), QPoint(0, 0)), panel->size())));
    // "Datei": the scene group, the output group, "Beenden", each apart;
    // later entries join the output group.
    QAction* extra = scenes().menu().addFileEntry("Action_Test", QStringLiteral("Test …"));
    QStringList file;
    for (const QAction* a : scenes().menu().fileMenu->actions())
        file << (a->isSeparator() ? QStringLiteral("|") : a->menu() ? QStringLiteral("Menu") : a->objectName());
    EXPECT_EQ(file.join(' '), QStringLiteral("Action_Neu Action_Oeffnen Menu | Action_Speichern "
                                             "Action_Speichern_unter | Action_Bild_exportieren Action_Arbeitsblatt_exportieren "
                                             "Action_Drucken "
                                             "Action_Druckvorschau Action_Test | Action_Beenden"));
    EXPECT_EQ(extra->objectName(), QStringLiteral("Action_Test"));
}

TEST_F(SceneFilesTest, AboutNamesVersionLicenceAndPurposeHelpShowsTheUsageNotes) {
    action("Action_Ueber_Spatium")->trigger();
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].startsWith(QStringLiteral("Spatium 2.20")));
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(feedback.messages[0].contains(QStringLiteral("Analytische Geometrie")));
    ASSERT_EQ(feedback.icons.size(), 1);  // the program's icon beside the text
    EXPECT_EQ(feedback.icons[0].pixmap(64).toImage(), applicationIcon().pixmap(64).toImage());
    EXPECT_FALSE(feedback.icons[0].isNull());
    EXPECT_EQ(feedback.captions, QStringList{"Über Spatium"});
    action("Action_Bedienungshinweise")->trigger();
    EXPECT_TRUE(app->helpWindow->isVisible());
    action("Action_Bild_kopieren")->trigger();
    EXPECT_EQ(feedback.messages.last(), QStringLiteral("Grafik in der Zwischenablage gespeichert !"));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(721, 721));
}

// 100 000 characters in a field: opened as they are, with the message that
// leaving the field with that text gives.
TEST_F(SceneFilesTest, VeryLongTextsOpenAsTheyAreWithTheMessagesLeavingGives) {
    const std::pair<const char*, QString> texts[] = {
        {"Edit_Punkt1_x", QString(99999, QLatin1Char('7')) + QLatin1Char('x')},     // rejected at its end
        {"Edit_Punkt2", QString(100000, QLatin1Char('N'))},                         // a name: cut to three
        {"Edit_vgx", QStringLiteral("t") + QStringLiteral("+t").repeated(49999) + QLatin1Char('*')},  // syntax error
    };
    SceneState longTexts;
    QStringList leaving;
    for (const auto& [name, text] : texts) {
        // Each in a fresh program: a rejected field keeps the focus, and
        // leaving it again would say the same again.
        start();
        ASSERT_EQ(text.size(), 100000);
        typeAndLeave(name, text);
        leaving << feedback.messages;
        longTexts.texts[name] = text.toStdString();
    }
    ASSERT_EQ(leaving.size(), 2);
    EXPECT_EQ(leaving[0], QStringLiteral("Fehler an Stelle 100000"));
    ASSERT_TRUE(writeSceneFile(file("long.spatium"), longTexts).ok());

    start();
    ASSERT_TRUE(scenes().openFile(file("long.spatium")));
    EXPECT_EQ(feedback.messages, leaving);
    for (const auto& [name, text] : texts) EXPECT_EQ(edit(name)->text(), text) << name;
    EXPECT_EQ(scene().points[PointB].name, "NNN");
    EXPECT_EQ(disagreeing(), QStringList{});
}

// An output area of millions of line breaks (a whole 10 MB file of them)
// opens within 2 s, title and all, and is saved back whole.
TEST_F(SceneFilesTest, AnOutputAreaOfMillionsOfLinesOpensQuicklyAndIsSavedWhole) {
    SceneState big;
    big.outputs[kOutputAreaName] = OutputText{{{std::string(5'200'000, '\n'), 0x00FF0000}}, 0x00FF0000, {}};
    ASSERT_TRUE(writeSceneFile(file("big.spatium"), big).ok());
    ASSERT_GT(QFileInfo(file("big.spatium")).size(), 10'000'000);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(scenes().openFile(file("big.spatium")));
    EXPECT_FALSE(starred());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (kMeasuresTimeAndMemory) {
        EXPECT_LT(elapsed, std::chrono::seconds(2));
    }
    answers.savePath = file("again.spatium");
    ASSERT_TRUE(scenes().saveAs());
    SceneState again;
    ASSERT_TRUE(readSceneFile(file("again.spatium"), again).ok());
    EXPECT_EQ(again.outputs, big.outputs);
}

// A box added to the input window later is kept without any list to extend.
TEST_F(SceneFilesTest, ABoxAddedLaterIsSavedAndOpenedByItsName) {
    auto* later = new QCheckBox(QStringLiteral("Rechenweg"), &inputWindow());
    later->setObjectName(QStringLiteral("CheckBox_Rechenweg"));
    later->setChecked(true);
    answers.savePath = file("later.spatium");
    ASSERT_TRUE(scenes().saveAs());
    later->setChecked(false);
    EXPECT_TRUE(scenes().isModified());
    answers.saveAnswer = WindowServices::SaveAnswer::Discard;
    ASSERT_TRUE(scenes().openFile(file("later.spatium")));
    EXPECT_TRUE(later->isChecked());
}

// The outputs leave as LaTeX ("Ausgaben als LaTeX kopieren", also in the
// area's context menu): the same after saving and reopening; a selection
// copies the blocks it touches; a file without the blocks copies its text
// as plain lines.
TEST_F(SceneFilesTest, OutputsCopyAsTheSameLatexAfterReopening) {
    showInputWindow();
    click("CheckBox_Rechenweg");
    for (const char* button : {"SpeedButton_g_ausgeben", "SpeedButton_g_mit_h", "SpeedButton_OAxOB"}) click(button);
    const auto copyAction = [this] {
        return plotWindow().findChild<QAction*>(QStringLiteral("Action_Ausgaben_als_LaTeX_kopieren"));
    };
    QAction* copy = copyAction();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    copy->trigger();
    const QString typed = QGuiApplication::clipboard()->text();
    for (const char* part : {"\\begin{pmatrix}", "\\text{Rechenweg: Lage von }g", "\\overrightarrow{OA}"})
        EXPECT_TRUE(typed.contains(QLatin1String(part))) << part << "\n" << typed.toStdString();

    answers.savePath = file("latex.spatium");
    ASSERT_TRUE(scenes().saveAs());
    start();
    ASSERT_TRUE(scenes().openFile(file("latex.spatium")));
    QGuiApplication::clipboard()->clear();
    copy = copyAction();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), typed);

    // A selection inside the last block: that block alone, from the
    // context menu.
    QTextEdit* area = inputWindow().outputArea();
    QTextCursor cursor = area->document()->find(QStringLiteral("OB ="));
    ASSERT_FALSE(cursor.isNull());
    area->setTextCursor(cursor);
    emit area->customContextMenuRequested(QPoint(4, 4));
    QMenu* menu = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMenu*>(widget); m && m->isVisible()) menu = m;
    ASSERT_TRUE(menu);
    ASSERT_TRUE(menu->actions().contains(copy));
    menu->close();
    copy->trigger();
    const QString selected = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(selected.contains(QLatin1String("\\overrightarrow{OA}")));
    EXPECT_FALSE(selected.contains(QLatin1String("Rechenweg: Lage"))) << selected.toStdString();

    // Without the blocks the text is all there is.
    SceneState old;
    ASSERT_TRUE(readSceneFile(file("latex.spatium"), old).ok());
    old.outputs[kOutputAreaName].blocks.clear();
    ASSERT_TRUE(writeSceneFile(file("old.spatium"), old).ok());
    ASSERT_TRUE(scenes().openFile(file("old.spatium")));
    copy->trigger();
    const QString plain = QGuiApplication::clipboard()->text();
    EXPECT_FALSE(plain.contains(QLatin1String("pmatrix")));
    EXPECT_TRUE(plain.contains(QLatin1String("\\noindent Rechenweg: Lage von g und h\\par"))) << plain.toStdString();
}
