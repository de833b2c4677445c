// The output area on screen: font coverage, colours, and that typeset
// formulas keep their columns both as laid-out text and as plain text.
#include <gtest/gtest.h>

#include <chrono>

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextCursor>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include "SanitizerBuild.h"

#include "gui/output/RichEditOutputLog.h"
#include "core/output/TypesetRows.h"
#include "core/calc/calc_test_support.h"

namespace {

std::array<std::string, 3> lastRows(QTextEdit& edit, int count) {
    std::vector<std::string> lines;
    for (const QString& line : edit.toPlainText().split(QChar('\n'))) lines.push_back(line.toStdString());
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    EXPECT_GE(static_cast<int>(lines.size()), count);
    auto n = lines.size();
    return {lines[n - 3], lines[n - 2], lines[n - 1]};
}

// Pixel x of character column `column` in the block holding that row.
qreal xOfColumn(const QTextBlock& block, int column) {
    QTextLayout* layout = block.layout();
    EXPECT_NE(layout, nullptr);
    EXPECT_GE(layout->lineCount(), 1);
    return layout->lineAt(0).cursorToX(column);
}

}  // namespace

TEST(RichEditOutputLog, OutputFontHasEveryGlyphAtTheMonoAdvance) {
    QFont font = RichEditOutputLog::outputFont();
    QFontInfo info(font);
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans Mono"));
    QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QChar('x'));
    EXPECT_GT(advance, 0);
    for (int code = 0; code < kSymbolGlyphCount; ++code) {
        std::string_view glyph = symbolGlyphText(code);
        QString text = QString::fromUtf8(glyph.data(), static_cast<qsizetype>(glyph.size()));
        ASSERT_EQ(text.size(), 1);
        EXPECT_TRUE(metrics.inFont(text.at(0))) << "code " << code;
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(text), advance) << "code " << code;
    }
    for (const char* umlaut : {"ä", "ö", "ü", "Ä", "ß", "°"}) {
        QString text = QString::fromUtf8(umlaut);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(text), advance) << umlaut;
    }
}

TEST(RichEditOutputLog, ConfiguresAnEditableAreaWithBothScrollBars) {
    QTextEdit edit;
    RichEditOutputLog log(&edit);
    EXPECT_FALSE(edit.isReadOnly());
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(log.outputColour(), Colours::Navy);
}

TEST(RichEditOutputLog, ClearWritesHeadingInFuchsiaAndFollowingTextInBlue) {
    QTextEdit edit;
    RichEditOutputLog log(&edit);
    log.appendLine("vorher");
    log.clearOutputLog();
    log.appendLine("Ergebnis");
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("       Ausgaben im Textformat\n \nErgebnis\n"));
    QTextBlock heading = edit.document()->firstBlock();
    QTextCursor cursor(heading);
    cursor.movePosition(QTextCursor::Right);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 255));
    QTextBlock result = heading.next().next();
    QTextCursor resultCursor(result);
    resultCursor.movePosition(QTextCursor::Right);
    EXPECT_EQ(resultCursor.charFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(resultCursor.charFormat().font().family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST(RichEditOutputLog, TypesetRowsKeepTheirColumnsOnScreenAndAsPlainText) {
    QTextEdit edit;
    edit.resize(600, 300);
    RichEditOutputLog log(&edit);
    log.clearOutputLog();
    planeEquationFormula("E1", {"2,5", "  0", "  0"}, {"-1", " 0", " 2"}, {"-12", "  1", "  0"}).writeTo(log);
    edit.show();
    auto rows = lastRows(edit, 3);
    expectColumnsAligned(rows);

    // On screen: the pixel position of each bracket column is the same in
    // all three rows.
    QTextBlock row3 = edit.document()->lastBlock();
    while (row3.isValid() && row3.text().isEmpty()) row3 = row3.previous();
    QTextBlock row2 = row3.previous();
    QTextBlock row1 = row2.previous();
    for (int column : columnsOf(rows[0], "⎧")) {
        EXPECT_DOUBLE_EQ(xOfColumn(row1, column), xOfColumn(row2, column));
        EXPECT_DOUBLE_EQ(xOfColumn(row1, column), xOfColumn(row3, column));
    }
    const int last = utf8Length(rows[0]);
    EXPECT_DOUBLE_EQ(xOfColumn(row1, last), xOfColumn(row2, last));
    EXPECT_DOUBLE_EQ(xOfColumn(row1, last), xOfColumn(row3, last));
    // Column k starts at k mono advances: no glyph came from another font.
    QFontMetricsF metrics(RichEditOutputLog::outputFont());
    EXPECT_NEAR(xOfColumn(row2, last) - xOfColumn(row2, 0), last * metrics.horizontalAdvance(QChar('x')), 0.01);
}

TEST(RichEditOutputLog, CopiedPlainTextKeepsTheColumns) {
    QTextEdit edit;
    RichEditOutputLog log(&edit);
    log.clearOutputLog();
    lineEquationFormula("g", {" 1", "-2", "30"}, {"0,5", "  1", " -1"}).writeTo(log);
    edit.selectAll();
    edit.copy();
    const QString copied = QGuiApplication::clipboard()->text();
    QStringList lines = copied.split(QChar('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    ASSERT_GE(lines.size(), 5);
    const auto n = lines.size();
    std::array<std::string, 3> rows{lines[n - 3].toStdString(), lines[n - 2].toStdString(),
                                    lines[n - 1].toStdString()};
    expectColumnsAligned(rows);
    EXPECT_EQ(rows[1].rfind(" g: x = ⎪-2⎟+ λ ·⎪  1⎟", 0), 0u) << rows[1];
}

// Lines written together (the working) make the same document as the same
// lines written one by one: same text, same colours, one block per line.
TEST(RichEditOutputLog, LinesWrittenTogetherEqualLinesWrittenOneByOne) {
    const std::vector<std::string> lines = {"Rechenweg: Test", "", "x: 2 = 1/2 + 3/4·λ  ⇒  λ = 2", "⎪8⎟ = ⎪3⎟ "};
    QTextEdit together, single;
    RichEditOutputLog a(&together), b(&single);
    for (RichEditOutputLog* log : {&a, &b}) {
        log->clearOutputLog();
        log->setOutputColour(Colours::Teal);
    }
    a.appendLines(lines);
    for (const std::string& line : lines) b.appendLine(line);
    a.setOutputColour(Colours::Blue);
    b.setOutputColour(Colours::Blue);
    a.appendLine("danach");
    b.appendLine("danach");
    EXPECT_EQ(together.toPlainText(), single.toPlainText());
    EXPECT_EQ(together.document()->blockCount(), single.document()->blockCount());
    // The colour of every piece of text, block by block.
    auto colours = [](const QTextEdit& edit) {
        std::vector<QColor> out;
        for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
                out.push_back(it.fragment().charFormat().foreground().color());
        return out;
    };
    EXPECT_EQ(colours(together), colours(single));
    EXPECT_EQ(colours(together)[2], QColor(0, 128, 128));
    // The working's arrows, signs and letters are in the output font.
    const QFontMetricsF metrics(RichEditOutputLog::outputFont());
    for (const char* sign : {"⇒", "⇔", "≈", "≠", "φ", "²", "×", "√", "∠"})
        EXPECT_TRUE(metrics.inFont(QString::fromUtf8(sign).at(0))) << sign;
}

// Text put into the output area (opened from a scene file, or pasted) may
// name files as pictures or style sheets: the area never reads them, so a
// device or pipe named there can neither block nor fill the memory.
TEST(RichEditOutputLog, NeverReadsFilesNamedInItsText) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    QImage(4, 4, QImage::Format_RGB32).save(picture);
    QTextEdit edit;
    RichEditOutputLog log(&edit);
    const QUrl url = QUrl::fromLocalFile(picture);
    edit.setHtml(QStringLiteral("<p>Bild <img src=\"%1\"></p>").arg(url.toString()));
    edit.resize(300, 200);
    edit.show();
    QApplication::processEvents();
    EXPECT_FALSE(edit.document()->resource(QTextDocument::ImageResource, url).isValid());
    EXPECT_TRUE(edit.toPlainText().startsWith(QStringLiteral("Bild")));
}

// What a scene file keeps of the area: its text and colours, as the plain
// log records the same calls; written back, the area holds the same again.
TEST(RichEditOutputLog, ContentsAreTheTextWithItsColoursAndComeBackWhole) {
    QTextEdit edit;
    RichEditOutputLog rich(&edit);
    PlainTextOutputLog plain;
    for (OutputLog* log : {static_cast<OutputLog*>(&rich), static_cast<OutputLog*>(&plain)}) {
        log->clearOutputLog();
        log->appendLine("E1: 2x+3y-z=5");
        log->setOutputColour(Colours::Red);
        log->appendText("Abstand d = ");
        log->appendSymbol(SymbolGlyph::Radical);
        log->appendLine("(50/3)");
        log->appendLine("");
        log->setOutputColour(Colours::Green);
        log->appendText("ohne Zeilenende");
    }
    const std::vector<OutputRun> runs = rich.contents();
    EXPECT_EQ(runs, plain.contents());

    QTextEdit other;
    RichEditOutputLog copy(&other);
    copy.setOutputColour(Colours::Teal);
    copy.replaceContents(runs);
    EXPECT_EQ(copy.contents(), runs);
    EXPECT_EQ(other.toPlainText(), edit.toPlainText());
    EXPECT_EQ(copy.outputColour(), Colours::Teal);  // the next text's colour stays

    // A pasted picture and line break: the text alone.
    QTextCursor cursor(other.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertHtml(QStringLiteral("<img src=\"x.png\">a<br>b"));
    std::string text;
    for (const OutputRun& run : copy.contents()) text += run.text;
    EXPECT_TRUE(text.ends_with("ohne Zeilenendea\nb")) << text;
}

// An output area of millions of lines, as a scene file may bring it: it
// opens within 2 s showing its last lines, and keeps every line as the
// area's contents, so saving writes it whole; clearing clears it all.
TEST(RichEditOutputLog, MillionsOfLinesOpenQuicklyAndAreKeptWhole) {
    QTextEdit edit;
    RichEditOutputLog log(&edit);
    edit.show();
    const std::vector<OutputRun> huge = {
        {Colours::Blue, std::string(4'800'000, '\n')},
        {Colours::Red, "Zeile " + std::string(100, 'x') + "\n" + std::string(2'400'000, '\n') + "Ende"}};
    const std::vector<OutputRun> oneLine = {{Colours::Green, std::string(3'000'000, 'y') + "ä"}};
    for (const auto& runs : {huge, oneLine}) {
        const auto start = std::chrono::steady_clock::now();
        log.replaceContents(runs);
        QApplication::processEvents();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (kMeasuresTimeAndMemory) {
            EXPECT_LT(elapsed, std::chrono::seconds(2));
        }
        EXPECT_LE(std::size_t(edit.document()->blockCount()), RichEditOutputLog::kShownLines + 1);
        EXPECT_TRUE(edit.toPlainText().endsWith(QString::fromStdString(runs.back().text.substr(runs.back().text.size() - 4))));
        EXPECT_FALSE(edit.document()->isUndoAvailable());
        EXPECT_EQ(log.contents(), runs);
    }
    log.clearOutputLog();
    EXPECT_EQ(log.contents().size(), 2u);  // the heading and its blank line
}
