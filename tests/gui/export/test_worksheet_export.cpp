// The worksheets read back: the program's PDF and the LaTeX document
// compiled with pdflatex show every given number and every result of the
// busy scene with all its calculations; a long solution breaks pages only
// between blocks that fit on a page; the dialog writes what was chosen and
// asks before replacing a file.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRegularExpression>

#include "BusySheet.h"
#include "ExportTestSupport.h"
#include "core/sheet/OutputLatex.h"
#include "gui/export/WorksheetDialog.h"
#include "gui/export/WorksheetExport.h"

namespace {

OutputItem sentence(std::string text) {
    OutputItem item;
    item.text = std::move(text);
    return item;
}

// A text as the sheet shows it, compared without blanks and line breaks
// (pdftotext places the rows of a column and the parts of a fraction
// apart), TeX's minus sign as the typed one.
QString comparable(QString text) {
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

class WorksheetExportTest : public ExportTest {
protected:
    // The text of a PDF's pages first..last (1-based; 0: all), in the order
    // it was written (wide rows of the area's glyphs would mix up the
    // reading order pdftotext guesses otherwise).
    QString pdfText(const QString& pdf, int first = 0, int last = 0) {
        QStringList arguments{QStringLiteral("-raw")};
        if (first > 0) arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
            return {};
        }
        return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_C);
    }

    // The PDF of a .tex file (empty, and a failure, when pdflatex stops or
    // a character is missing).
    QString compile(const QString& texName) {
        const QString pdflatex = QStandardPaths::findExecutable(QStringLiteral("pdflatex"));
        if (pdflatex.isEmpty()) {
            ADD_FAILURE() << "pdflatex is missing: bash scripts/deps.sh test installs it";
            return {};
        }
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(pdflatex, {"-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", texName});
        const bool finished = p.waitForFinished(180000);
        const QString log = QString::fromUtf8(readAll(path(texName.chopped(4) + ".log")));
        if (!finished || p.exitCode() != 0) {
            ADD_FAILURE() << "pdflatex " << texName.toStdString() << " failed:\n" << log.right(3000).toStdString();
            return {};
        }
        EXPECT_FALSE(log.contains(QStringLiteral("Missing character"))) << texName.toStdString();
        return path(texName.chopped(4) + ".pdf");
    }

    int pageCount(const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdf});
        p.waitForFinished(30000);
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromUtf8(p.readAllStandardOutput()))
            .captured(1)
            .toInt();
    }

    void writeSheet(const Worksheet& sheet, const QString& name, bool figure = true) {
        const QString problem = exportWorksheet(sheet, picture(), {path(name), figure, 10});
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    }
};

// Every number of the results, in the order written ("4,082", "50", "3").
QStringList resultNumbers(const Worksheet& sheet) {
    QStringList numbers;
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    const auto add = [&numbers](const std::string& text) {
        for (const QRegularExpressionMatch& m : number.globalMatch(QString::fromStdString(text))) numbers << m.captured();
    };
    // In the order the sheet sets them: a formula piece by piece, a column
    // from the top, a determinant row by row.
    for (const OutputBlock& block : sheet.blocks)
        for (const OutputItem& item : block.items) {
            add(item.text);
            for (const FormulaPiece& piece : item.formula)
                for (const std::string& text : piece.texts) add(text);
        }
    return numbers;
}

}  // namespace

// Both sheets of the busy scene, as the program's PDF and as LaTeX compiled
// with pdflatex: the title, every given point with its coordinates as typed,
// every entry of a given column and, on the solution, every number of every
// result; the task sheet shows no result.
TEST_F(WorksheetExportTest, BusySceneSheetsShowEveryGivenNumberAndEveryResult) {
    drawBusyScene();
    const SceneState state = busySheetState(scene);
    for (const SheetKind kind : {SheetKind::Task, SheetKind::Solution}) {
        const Worksheet sheet = makeWorksheet(state, scene, kind, "Übung 3: Würfel & Co. 50 % #1");
        ASSERT_GT(sheet.given.size(), 10U);
        QStringList given;
        QStringList columns;
        for (const OutputItem& item : sheet.given) {
            if (!item.isFormula()) given << QString::fromStdString(item.text);
            for (const FormulaPiece& piece : item.formula)
                if (piece.kind == FormulaPiece::Kind::Column)
                    for (const std::string& t : piece.texts) columns << QString::fromStdString(t);
        }
        EXPECT_TRUE(given.join(' ').contains(QStringLiteral("D(0 | 3 | 4)"))) << given.join('\n').toStdString();
        ASSERT_GT(columns.size(), 20);

        const QString name = kind == SheetKind::Task ? QStringLiteral("aufgabe") : QStringLiteral("loesung");
        writeSheet(sheet, name + "-eigen.pdf");
        writeSheet(sheet, name + ".tex");
        const QString compiled = compile(name + ".tex");
        ASSERT_FALSE(compiled.isEmpty());
        for (const QString& pdf : {path(name + "-eigen.pdf"), compiled}) {
            const QString text = pdfText(pdf);
            const QString flat = comparable(text);
            EXPECT_TRUE(text.contains(QStringLiteral("Übung 3: Würfel & Co. 50 % #1"))) << pdf.toStdString();
            EXPECT_TRUE(text.contains(QString::fromUtf8(sheetKindName(kind))));
            for (const QString& g : given) EXPECT_TRUE(flat.contains(comparable(g))) << g.toStdString() << " in " << pdf.toStdString();
            for (const QString& c : columns) EXPECT_TRUE(flat.contains(comparable(c))) << c.toStdString();
            if (kind == SheetKind::Task) {
                EXPECT_FALSE(text.contains(QStringLiteral("Lösung:")));
                EXPECT_FALSE(text.contains(QStringLiteral("Rechenweg")));
                continue;
            }
            EXPECT_TRUE(text.contains(QStringLiteral("Rechenweg")));
            EXPECT_FALSE(text.contains(QString::fromUtf8(kNoResultsSentence)));
            // Each number found in order: none is lost.
            qsizetype at = flat.indexOf(comparable(QString::fromUtf8(kSolutionHeading)));
            ASSERT_GT(at, 0);
            for (const QString& n : resultNumbers(sheet)) {
                const qsizetype found = flat.indexOf(n, at);
                ASSERT_GE(found, 0) << n.toStdString() << " in " << pdf.toStdString() << " after "
                                    << flat.mid(at - 200, 400).toStdString();
                at = found + n.size();
            }
        }
    }
}

// Forty blocks of 1 to 15 lines and one of 80 lines, without the figure:
// each block that fits on a page is on one page, in the PDF writer's own
// layout and in what pdftotext reads from each page of both PDFs; only the
// long block is broken, and an empty area says there are no results.
TEST_F(WorksheetExportTest, LongSolutionBreaksPagesOnlyBetweenBlocksThatFit) {
    drawBusyScene();
    std::string text = std::string(kOutputHeading) + "\n \n";
    std::vector<OutputBlock> blocks;
    for (int b = 0; b < 41; ++b) {
        const int lines = b == 20 ? 80 : 1 + (b * 7) % 15;
        OutputBlock block{"SpeedButton_S_mit_g", {}, {}};
        for (int l = 0; l < lines; ++l) {
            const std::string line = "Block " + std::to_string(b) + (l == 0 ? " Anfang" : l + 1 == lines ? " Ende" : " Zeile");
            block.text += line + "\n";
            block.items.push_back(sentence(line));
        }
        if (lines == 1) {
            block.items[0].text = "Block " + std::to_string(b) + " Anfang, Block " + std::to_string(b) + " Ende";
            block.text = block.items[0].text + "\n";
        }
        text += block.text + " \n";
        blocks.push_back(block);
    }
    SceneState state;
    state.outputs[kOutputAreaName] = {{{text, Colours::Blue}}, Colours::Blue, blocks};
    const Worksheet sheet = makeWorksheet(state, scene, SheetKind::Solution, "Lange Lösung");
    ASSERT_EQ(sheet.results.size(), blocks.size());

    SheetPages layout;
    const QByteArray pdf = renderWorksheetPdf(sheet, nullptr, 10, &layout);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    for (std::size_t b = 0; b < blocks.size(); ++b)
        if (b != 20) {
            EXPECT_EQ(layout.groups[b].first, layout.groups[b].second) << b;
        }
    EXPECT_GT(layout.groups[20].second, layout.groups[20].first);
    QFile own(path("lang-eigen.pdf"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly) && own.write(pdf) == pdf.size());
    own.close();
    writeSheet(sheet, "lang.tex", false);
    const QString compiled = compile("lang.tex");
    ASSERT_FALSE(compiled.isEmpty());

    for (const QString& file : {path("lang-eigen.pdf"), compiled}) {
        const int pages = pageCount(file);
        ASSERT_GE(pages, 5) << file.toStdString();
        if (file == path("lang-eigen.pdf")) {
            EXPECT_EQ(pages, layout.count);
        }
        std::map<std::string, int> pageOf;  // "Block 7 Anfang" → page
        for (int p = 1; p <= pages; ++p) {
            static const QRegularExpression marker(QStringLiteral("Block \\d+ (Anfang|Ende)"));
            for (const QRegularExpressionMatch& m : marker.globalMatch(pdfText(file, p, p))) pageOf[m.captured().toStdString()] = p;
        }
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const std::string start = "Block " + std::to_string(b) + " Anfang", end = "Block " + std::to_string(b) + " Ende";
            ASSERT_TRUE(pageOf.count(start) && pageOf.count(end)) << b << " in " << file.toStdString();
            if (b == 20)
                EXPECT_LT(pageOf[start], pageOf[end]) << file.toStdString();
            else
                EXPECT_EQ(pageOf[start], pageOf[end]) << b << " in " << file.toStdString();
            if (file == path("lang-eigen.pdf")) {
                EXPECT_EQ(pageOf[start], layout.groups[b].first + 1) << b;
            }
        }
    }

    SceneState empty;
    empty.outputs[kOutputAreaName] = {{{std::string(kOutputHeading) + "\n \n", Colours::Blue}}, Colours::Blue, {}};
    writeSheet(makeWorksheet(empty, scene, SheetKind::Solution, "Leer"), "leer.pdf", false);
    EXPECT_TRUE(pdfText(path("leer.pdf")).contains(QString::fromUtf8(kNoResultsSentence)));
}

// The dialog: a bare name typed without suffix becomes a PDF in the
// proposed folder, with the chosen title and kind; a name chosen with the
// browse button and the LaTeX filter becomes .tex; an existing file is replaced only after "Ja"; a folder that
// does not exist gives a German message and no file; each problem opens
// the dialog again.
TEST_F(WorksheetExportTest, DialogWritesTheChosenSheetAndAsksBeforeReplacing) {
    drawBusyScene();
    const SceneState state = busySheetState(scene);
    WorksheetChoices choices;
    choices.folder = dir.path();
    QStringList questions;
    bool replace = false;
    std::vector<std::function<bool(WorksheetDialog&)>> steps;
    std::size_t step = 0;
    OutputDialogServices services;
    services.askYesNo = [&](QWidget*, const QString& q) {
        questions << q;
        return replace;
    };
    services.saveFileName = [&](QWidget*, const QString&, const QString&, const QString& filters, QString* filter) {
        EXPECT_TRUE(filters.contains(QStringLiteral("*.tex")) && filters.contains(QStringLiteral("*.pdf")));
        *filter = QStringLiteral("LaTeX-Dokument (*.tex)");
        return path("gewaehlt");
    };
    services.exec = [&](QDialog& dialog) { return step < steps.size() && steps[step++](static_cast<WorksheetDialog&>(dialog)); };
    auto field = [](QDialog& d, const char* name) { return d.findChild<QLineEdit*>(QLatin1String(name)); };
    auto run = [&](std::vector<std::function<bool(WorksheetDialog&)>> s) {
        steps = std::move(s);
        step = 0;
        exportWorksheetWithDialog(form, state, scene, QStringLiteral("Szene 1"), choices, services);
        EXPECT_EQ(step, steps.size());
    };

    run({[&](WorksheetDialog& d) {
        EXPECT_EQ(field(d, "Edit_Titel")->text(), QStringLiteral("Szene 1"));
        EXPECT_EQ(field(d, "Edit_Datei")->text(), path("Szene 1 - Aufgabenblatt.pdf"));
        d.findChild<QComboBox*>(QStringLiteral("ComboBox_Blattart"))->setCurrentIndex(1);
        EXPECT_EQ(field(d, "Edit_Datei")->text(), path("Szene 1 - Lösungsblatt.pdf"));
        field(d, "Edit_Titel")->setText(QStringLiteral("Aufgabe 3"));
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox_Figur"))->setChecked(false);
        EXPECT_FALSE(d.findChild<QDoubleSpinBox*>(QStringLiteral("Edit_FigurBreiteCm"))->isEnabled());
        field(d, "Edit_Datei")->setText(QStringLiteral("blatt"));  // into the proposed folder
        return true;
    }});
    const QString written = pdfText(path("blatt.pdf"));
    EXPECT_TRUE(written.contains(QStringLiteral("Aufgabe 3")) && written.contains(QStringLiteral("Lösungsblatt")));
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(choices.kind, SheetKind::Solution);
    EXPECT_FALSE(choices.figure);

    const QByteArray before = readAll(path("blatt.pdf"));
    run({[&](WorksheetDialog& d) {
             EXPECT_EQ(d.kind(), SheetKind::Solution);
             d.findChild<QComboBox*>(QStringLiteral("ComboBox_Blattart"))->setCurrentIndex(0);
             field(d, "Edit_Datei")->setText(path("blatt.pdf"));
             return true;
         },
         [&](WorksheetDialog&) { return false; }});
    EXPECT_EQ(questions, QStringList{QStringLiteral("„blatt.pdf“ ist bereits vorhanden.\nSoll die Datei ersetzt werden?")});
    EXPECT_EQ(readAll(path("blatt.pdf")), before);

    run({[&](WorksheetDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Button_Durchsuchen"))->click();
        EXPECT_EQ(field(d, "Edit_Datei")->text(), path("gewaehlt.tex"));
        return true;
    }});
    EXPECT_TRUE(readAll(path("gewaehlt.tex")).contains("\\documentclass"));

    run({[&](WorksheetDialog& d) {
             field(d, "Edit_Datei")->setText(path("fehlt/blatt.pdf"));
             return true;
         },
         [&](WorksheetDialog&) { return false; }});
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].startsWith(
        QStringLiteral("Das Arbeitsblatt konnte nicht als „%1“ gespeichert werden: ").arg(QDir::toNativeSeparators(path("fehlt/blatt.pdf")))))
        << feedback.messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(path("fehlt")));
}
