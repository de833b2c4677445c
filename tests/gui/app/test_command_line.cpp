// The built program started as a user starts it from a terminal, with no
// display at all: help, version, wrong calls and the export of a saved
// scene to every format.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include "AppTestSupport.h"
#include "document/SceneFile.h"

namespace {

struct ProgramRun {
    int status = -1;  // -1: crashed or did not end
    QString out;
    QString err;
};

ProgramRun runSpatium(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SPATIUM_PROGRAM), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit) run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

std::string shown(const QStringList& arguments, const ProgramRun& run) {
    return (arguments.join(' ') + QStringLiteral(" -> %1\nstdout: %2\nstderr: %3").arg(run.status).arg(run.out, run.err))
        .toStdString();
}

// The option names and argument names in a text: "--width-cm", "-h", "DATEI".
QSet<QString> optionNames(const QString& text) {
    static const QRegularExpression name(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*|[A-Z]{2,})\\b"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& m : name.globalMatch(text)) names << m.captured(1);
    return names;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(CommandLineRun, HelpVersionAndWrongCallsAnswerOnTheTerminalWithoutADisplay) {
    const ProgramRun help = runSpatium({"--help"});
    ASSERT_EQ(help.status, 0) << shown({"--help"}, help);
    EXPECT_TRUE(help.err.isEmpty());
    for (const char* row : {"Aufruf: spatium [DATEI]", "  DATEI ", "  -h, --help ", "  -v, --version ",
                            "  --export AUSGABE ", "  --scale N ", "  --width-cm W ", "  --tikz-standalone ",
                            "Zeigt diese Hilfe und beendet das Programm.", "Rückgabewert:"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(row))) << row << "\n" << help.out.toStdString();
    for (const QString& line : help.out.split('\n')) EXPECT_LE(line.size(), 80) << line.toStdString();

    const ProgramRun version = runSpatium({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Spatium 2.20\n"));

    // With no display a window could not even start: status 2 and the
    // message show the call was answered before any.
    const struct {
        QStringList arguments;
        const char* message;
    } wrong[] = {
        {{"--zoom"}, "spatium: Die Option „--zoom“ gibt es nicht.\n"},
        {{"a.spatium", "b.spatium"}, "Es wird nur eine Szene geöffnet, „a.spatium“; nicht geöffnet: „b.spatium“."},
        {{"a.spatium", "--export"}, "Nach der Option „--export“ fehlt ihr Wert."},
        {{"--scale", "2", "a.spatium"}, "Die Option „--scale“ gilt nur zusammen mit --export."},
        {{"--export", "a.png"}, "Zu --export fehlt die Szenendatei"},
    };
    for (const auto& w : wrong) {
        const ProgramRun run = runSpatium(w.arguments);
        EXPECT_EQ(run.status, 2) << shown(w.arguments, run);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(w.message))) << shown(w.arguments, run);
        EXPECT_TRUE(run.err.contains(QStringLiteral("„spatium --help“")));
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// The manual page's OPTIONEN list names exactly the arguments and options
// the help lists.
TEST(CommandLineRun, ManualPageListsExactlyTheOptionsOfTheHelp) {
    const ProgramRun help = runSpatium({"--help"});
    ASSERT_EQ(help.status, 0);
    QSet<QString> helpNames;
    for (const QString& line : help.out.split('\n'))
        if (line.startsWith(QLatin1String("  ")) && !line.startsWith(QLatin1String("   ")))
            helpNames += optionNames(line.trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}"))).front());

    QString page = QString::fromUtf8(readAll(QStringLiteral(SPATIUM_MAN_PAGE)));
    page.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const qsizetype from = page.indexOf(QStringLiteral("\n.SH OPTIONEN"));
    ASSERT_GE(from, 0);
    const QStringList lines = page.mid(from + 1, page.indexOf(QStringLiteral("\n.SH "), from + 1) - from).split('\n');
    QSet<QString> pageNames;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == QLatin1String(".TP"))  // the next line is the option's tag
            pageNames += optionNames(QString(lines[i + 1]).remove(QRegularExpression(QStringLiteral("^\\.[A-Z]+"))));

    const QSet<QString> expected{"DATEI",   "-h",      "--help",     "-v",
                                 "--version", "--export", "AUSGABE",  "--scale",
                                 "--width-cm", "--tikz-standalone", "--sheet", "ART",
                                 "--title",  "TEXT"};
    EXPECT_EQ(helpNames, expected);
    EXPECT_EQ(pageNames, helpNames);
}

using CommandLineExport = AppTest;

// The export opens the scene with its view and draws it as the draw button
// does: its PNG is the picture the program shows after opening the file.
TEST_F(CommandLineExport, WritesEveryFormatOfASavedSceneWithoutADisplay) {
    const QImage startUp = picture();
    typeAndLeave("Edit_Punkt1_z", "2,5");
    click("CheckBox_Wuerfel");
    click("SpeedButton_Drehung_z_plus");
    answers.savePath = file("Aufgabe 3.spatium");
    ASSERT_TRUE(scenes().saveAs());
    start();
    ASSERT_TRUE(scenes().openFile(file("Aufgabe 3.spatium")));
    const QImage opened = picture().convertToFormat(QImage::Format_RGB32);
    ASSERT_NE(opened, startUp.convertToFormat(QImage::Format_RGB32));

    const QString scene = file("Aufgabe 3.spatium");
    const struct {
        const char* out;
        QStringList options;
    } runs[] = {
        {"bild.png", {}},
        {"bild2.png", {"--scale", "2"}},
        {"bild.svg", {}},
        {"bild.pdf", {"--width-cm", "8,5"}},
        {"bild.tex", {}},
        {"dokument.tex", {"--tikz-standalone", "--width-cm", "8"}},
    };
    for (const auto& r : runs) {
        const QStringList arguments = QStringList{"--export", file(r.out)} + r.options + QStringList{scene};
        const ProgramRun run = runSpatium(arguments);
        EXPECT_EQ(run.status, 0) << shown(arguments, run);
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(QImage(file("bild.png")).convertToFormat(QImage::Format_RGB32), opened);
    EXPECT_EQ(QImage(file("bild2.png")).size(), QSize(1442, 1442));

    QXmlStreamReader svg(readAll(file("bild.svg")));
    int groups = 0;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("g")) ++groups;
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(groups, 3);

    const QByteArray pdf = readAll(file("bild.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const QByteArray picture = readAll(file("bild.tex"));
    EXPECT_TRUE(picture.contains("\\begin{tikzpicture}") && picture.contains("\\end{tikzpicture}"));
    EXPECT_FALSE(picture.contains("\\documentclass"));
    const QByteArray document = readAll(file("dokument.tex"));
    EXPECT_TRUE(document.contains("\\documentclass") && document.contains("\\begin{tikzpicture}"));
    EXPECT_TRUE(document.contains("paperwidth=8cm"));
}

// A bad scene, option value or folder: a German message on standard error,
// a status that is not 0, and nothing written; an older file at AUSGABE
// stays as it was.
TEST(CommandLineRun, FailedExportsSayWhyAndWriteNothing) {
    QTemporaryDir dir;
    auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    ASSERT_TRUE(writeSceneFile(path("szene.spatium"), SceneState{}).ok());
    QFile text(path("notiz.spatium"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("Punkt A(1|2|3)") > 0);
    text.close();
    QFile old(path("alt.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);

    const struct {
        QStringList arguments;
        int status;
        const char* message;
    } bad[] = {
        {{"--export", path("nirgends/bild.svg"), path("szene.spatium")}, 1, "nirgends"},
        {{"--export", path("alt.png"), "--scale", "7", path("szene.spatium")}, 2, "Der Maßstab 7 ist nicht möglich"},
        {{"--export", path("bild.png"), "--scale", "1,5", path("szene.spatium")}, 2, "ist keine ganze Zahl"},
        {{"--export", path("bild.pdf"), "--width-cm", "0", path("szene.spatium")}, 2, "Die Breite 0 cm"},
        {{"--export", path("bild.pdf"), "--width-cm", "500", path("szene.spatium")}, 2, "Die Breite 500 cm"},
        {{"--export", path("bild.gif"), path("szene.spatium")}, 2, "Die Endung „.gif“ ist unbekannt."},
        {{"--export", path("alt.png"), path("fehlt.spatium")}, 2, "fehlt.spatium"},
        {{"--export", path("bild.png"), path("notiz.spatium")}, 2, "ist keine Spatium-Szene"},
    };
    for (const auto& b : bad) {
        const ProgramRun run = runSpatium(b.arguments);
        EXPECT_EQ(run.status, b.status) << shown(b.arguments, run);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(b.message))) << shown(b.arguments, run);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(readAll(path("alt.png")), QByteArray("alt"));
}

// Mistakes a user makes at the terminal are named where they are: an empty
// option value, a scene name taken for options (one message, the way out
// with "--", which works), and each field the scene's reader rejects, with
// the scene, the field and its text.
TEST(CommandLineRun, ProblemsNameWhereTheyAreAndFileNamesMayFollowTwoDashes) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    SceneState scene;
    scene.texts["Edit_Punkt1_x"] = "1+*2";
    scene.texts["Edit_Punkt2_y"] = "2*(" + std::string(300, '7');
    ASSERT_TRUE(writeSceneFile(QStringLiteral("-szene.spatium"), scene).ok());

    for (const char* option : {"--scale", "--width-cm"}) {
        const QStringList arguments{"--export", "bild.png", QLatin1String(option), "", "--", "-szene.spatium"};
        const ProgramRun run = runSpatium(arguments);
        EXPECT_EQ(run.status, 2) << shown(arguments, run);
        EXPECT_TRUE(run.err.contains(QStringLiteral("Der Wert der Option „%1“ ist leer.").arg(option)))
            << shown(arguments, run);
    }
    const QStringList dashed{"--export", "bild.svg", "-szene.spatium"};
    const ProgramRun wrong = runSpatium(dashed);
    EXPECT_EQ(wrong.status, 2) << shown(dashed, wrong);
    EXPECT_EQ(wrong.err, QStringLiteral("spatium: Die Option „-szene.spatium“ gibt es nicht. Ist es ein Dateiname, "
                                        "gehört er hinter „--“, zum Beispiel: spatium -- -szene.spatium\n"
                                        "spatium: Alle Optionen zeigt „spatium --help“.\n"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("bild.svg")));

    const QStringList right{"--export", "bild.svg", "--", "-szene.spatium"};
    const ProgramRun run = runSpatium(right);
    EXPECT_EQ(run.status, 0) << shown(right, run);
    EXPECT_TRUE(readAll(QStringLiteral("bild.svg")).contains("<svg"));
    const QStringList lines = run.err.split('\n').filter(QRegularExpression(QStringLiteral("^spatium: ")));
    ASSERT_EQ(lines.size(), 2) << shown(right, run);
    EXPECT_EQ(lines[0], QStringLiteral("spatium: -szene.spatium: Feld Edit_Punkt1_x „1+*2“: Fehler an Stelle 2"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("spatium: -szene.spatium: Feld Edit_Punkt2_y „2*(%1… (303 Zeichen)“: ")
                                        .arg(QString(57, QLatin1Char('7')))))
        << lines[1].toStdString();
    QDir::setCurrent(previous);
}


// The worksheets from the terminal: both kinds in both formats, the title
// as given or the scene's name, each rejected field on standard error (the
// sheet shows the text as typed); a wrong kind, format or option gives a
// German message and no file.
TEST(CommandLineRun, WritesWorksheetsAndReportsRejectedFields) {
    QTemporaryDir dir;
    auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    SceneState scene;
    scene.texts["Edit_Punkt1_x"] = "1+*2";
    scene.texts["Edit_Punkt7_y"] = "3/4";
    scene.checks["CheckBox_Punkt1_zeichnen"] = true;
    scene.checks["CheckBox_Ebene1_zeichnen"] = true;
    scene.outputs["RichEditOut"] = {{{"       Ausgaben im Textformat\n \n", 0x00FF00FF}}, 0x00FF0000, {}};
    ASSERT_TRUE(writeSceneFile(path("Aufgabe 7.spatium"), scene).ok());

    const struct {
        const char* out;
        QStringList options;
        const char* shows;
    } runs[] = {
        {"aufgabe.pdf", {"--sheet", "aufgabe", "--width-cm", "8,5"}, "Aufgabe 7"},
        {"loesung.pdf", {"--sheet", "loesung"}, "Noch keine Ergebnisse"},
        {"aufgabe.tex", {"--sheet", "Aufgabe", "--title", "Übung & Test"}, "Übung \\& Test}\\hfill Aufgabenblatt"},
        {"loesung.tex", {"--sheet", "lösung"}, "Aufgabe 7}\\hfill Lösungsblatt"},
    };
    for (const auto& r : runs) {
        const QStringList arguments = QStringList{"--export", path(r.out)} + r.options + QStringList{path("Aufgabe 7.spatium")};
        const ProgramRun run = runSpatium(arguments);
        ASSERT_EQ(run.status, 0) << shown(arguments, run);
        EXPECT_TRUE(run.err.contains(QStringLiteral("Aufgabe 7.spatium: Feld Edit_Punkt1_x „1+*2“: Fehler an Stelle 2")))
            << shown(arguments, run);
        QString written = QString::fromUtf8(readAll(path(r.out)));
        if (written.startsWith(QLatin1String("%PDF"))) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {path(r.out), QStringLiteral("-")});
            ASSERT_TRUE(text.waitForFinished(30000));
            written = QString::fromUtf8(text.readAllStandardOutput());
            EXPECT_TRUE(written.contains(QStringLiteral("A(1+·2 | 0 | 0)"))) << written.toStdString();
            EXPECT_TRUE(written.contains(QStringLiteral("E1: 15x + 12y + 10z = 60"))) << written.toStdString();
        }
        EXPECT_TRUE(written.contains(QString::fromUtf8(r.shows))) << r.out;
    }

    const struct {
        QStringList options;
        const char* message;
    } bad[] = {
        {{"--sheet", "loesungen"}, "Die Blattart „loesungen“ gibt es nicht: erlaubt sind aufgabe und loesung."},
        {{"--sheet", "aufgabe", "--scale", "2"}, "Die Option „--scale“ gilt nur für Bilder, nicht zusammen mit --sheet."},
        {{"--title", "x"}, "Die Option „--title“ gilt nur zusammen mit --sheet."},
        {{"--sheet", "aufgabe", "--width-cm", "18"}, "Die Figur kann zwischen 1 cm und 17 cm breit sein."},
    };
    for (const auto& b : bad) {
        const QStringList arguments = QStringList{"--export", path("falsch.pdf")} + b.options + QStringList{path("Aufgabe 7.spatium")};
        const ProgramRun run = runSpatium(arguments);
        EXPECT_EQ(run.status, 2) << shown(arguments, run);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(b.message))) << shown(arguments, run);
    }
    const QStringList picture{"--export", path("falsch.png"), "--sheet", "aufgabe", path("Aufgabe 7.spatium")};
    const ProgramRun run = runSpatium(picture);
    EXPECT_EQ(run.status, 2) << shown(picture, run);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Arbeitsblätter werden als PDF (.pdf) oder LaTeX (.tex) gespeichert.")));
    EXPECT_FALSE(QFile::exists(path("falsch.pdf")) || QFile::exists(path("falsch.png")));
}
