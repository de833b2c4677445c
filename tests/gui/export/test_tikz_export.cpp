// The LaTeX/TikZ file read back: compiled with pdflatex, as a picture a
// document includes with \input (its preamble taken from the file's own
// comment) and as the complete document, it shows every object where the
// screen has it; texts holding every character TeX reserves and the
// program's own symbols never break it; the code stays readable (objects
// named, colours defined once, short coordinates with a decimal point).
#include <QRegularExpression>
#include <clocale>
#include <set>

#include "ExportTestSupport.h"
#include "PictureProbes.h"
#include "core/tikz/TexText.h"

namespace {

using namespace probes;

// Every character the file must escape or translate, and one it cannot
// show ("中"), in point names (three characters each) and a placed text;
// pairs that would form ligatures across characters ("-–" an em dash,
// "é`" and "!`" inverted marks).
const char* const kSpecialNames[] = {"\\{}", "$&#", "^_%", "~äö", "üßÄ", "λμ°", "²³·", "∠→€", "\"<|"};
const QString kSpecialText = QString::fromUtf8("x\\{}$&#^_%~ äöüß ÄÖÜ λ μ ° ² ³ · ∠ → ← € 中 -- \"<>| -– é`` !“");

class TikzExport : public ExportTest {
protected:
    void SetUp() override {
        pdflatex = QStandardPaths::findExecutable(QStringLiteral("pdflatex"));
        if (pdflatex.isEmpty())
            GTEST_SKIP() << "pdflatex is not installed (bash scripts/deps.sh test installs texlive-latex-base "
                            "and texlive-pictures): the TikZ files are not compiled";
    }

    QString runExport(const QString& name, double widthCm, bool standalone, QRect part = {}) {
        const QString problem = exportPicture(picture(), {path(name), 1, widthCm, part, standalone});
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return QString::fromUtf8(readAll(path(name)));
    }

    // The PDF pdflatex makes of the document; empty (and a failure) when it
    // stops with an error or a font lacks a glyph.
    QByteArray compile(const QString& texName) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(pdflatex, {"-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", texName});
        const bool finished = p.waitForFinished(120000);
        const QString stem = texName.chopped(4);
        const QString log = QString::fromUtf8(readAll(path(stem + ".log")));
        if (!finished || p.exitCode() != 0) {
            ADD_FAILURE() << "pdflatex " << texName.toStdString() << " failed:\n" << log.right(3000).toStdString();
            return {};
        }
        EXPECT_FALSE(log.contains(QStringLiteral("Missing character"))) << texName.toStdString();
        return readAll(path(stem + ".pdf"));
    }

    // Page count and the first page's size in centimetres, as poppler
    // reads them (pdflatex compresses the objects that hold them).
    struct PdfPages {
        int count = -1;
        QSizeF sizeCm;
    };
    PdfPages pdfInfo(const QString& pdfName) {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {path(pdfName)});
        if (!p.waitForFinished(30000)) return {};
        const QString info = QString::fromUtf8(p.readAllStandardOutput());
        PdfPages pages;
        const auto count = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
        if (count.hasMatch()) pages.count = count.captured(1).toInt();
        if (size.hasMatch())
            pages.sizeCm = {size.captured(1).toDouble() / 72 * 2.54, size.captured(2).toDouble() / 72 * 2.54};
        return pages;
    }

    void write(const QString& name, const QString& text) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }

    QString pdflatex;
};

// A part of the probe scene, 8 cm wide, as a complete document: the page is
// the part, and every probe finds its object at the chosen width's scale.
TEST_F(TikzExport, StandaloneDocumentShowsEachObjectWhereTheScreenHasIt) {
    drawWith(probeScene);
    std::vector<Probe> probes = probesOf(form.viewState(), form.pictureCalls());
    ASSERT_EQ(joined(misplaced(screen(), 1, probes)), "");
    const QRect part(12, 30, 700, 691);
    for (Probe& p : probes) {
        ASSERT_TRUE(QRectF(part).adjusted(2, 2, -2, -2).contains(p.x, p.y)) << p.what;
        p.x -= part.left();
        p.y -= part.top();
    }

    const QString tex = runExport(QStringLiteral("probe.tex"), 8, true, part);
    EXPECT_TRUE(tex.contains(QStringLiteral("\\documentclass{article}")));
    EXPECT_TRUE(tex.contains(QStringLiteral("\\pagestyle{empty}")));
    const QByteArray pdf = compile(QStringLiteral("probe.tex"));
    ASSERT_FALSE(pdf.isEmpty());
    const PdfPages pages = pdfInfo(QStringLiteral("probe.pdf"));
    EXPECT_EQ(pages.count, 1);
    EXPECT_NEAR(pages.sizeCm.width(), 8, 0.01);
    EXPECT_NEAR(pages.sizeCm.height(), 8.0 * 691 / 700, 0.01);
    EXPECT_EQ(joined(misplaced(rasterisePdf(pdf, part.size() * 4), 4, probes)), "");
}

// The busy scene with every special character in point names and a placed
// text: it compiles as \input into a document whose preamble is exactly
// what the file's comment names, and as a document of its own, under 1 MB,
// with one comment per object and each colour defined once.
TEST_F(TikzExport, BusySceneWithEverySpecialCharacterCompilesAsInputAndAsDocument) {
    drawWith([](Scene& s, ViewControls& c, ViewState&) {
        makeBusyScene(s, c);
        for (std::size_t i = 0; i < std::size(kSpecialNames); ++i) s.points[i].name = kSpecialNames[i];
    });
    placeText({40, 690}, kSpecialText);
    // The writer's numbers must not follow the user's locale.
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const QString tex = runExport(QStringLiteral("busy.tex"), kDefaultWidthCm, false);
    std::setlocale(LC_ALL, oldLocale.c_str());
    EXPECT_LT(readAll(path("busy.tex")).size(), 1024 * 1024);

    // One comment per object, in order, before the commands that draw it.
    const qsizetype begin = tex.indexOf(QStringLiteral("\\begin{tikzpicture}"));
    ASSERT_GT(begin, 0);
    QStringList comments;
    for (const QString& line : tex.mid(begin).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("% "))) comments << line.mid(2);
    EXPECT_EQ(comments, objectNames(form.pictureCalls()));
    EXPECT_TRUE(comments.contains(QStringLiteral("Ebene E1")));

    // Every colour used is defined, and only once.
    QStringList defined;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\\\\definecolor\\{(\\w+)\\}")).globalMatch(tex))
        defined << m.captured(1);
    EXPECT_EQ(QSet<QString>(defined.begin(), defined.end()).size(), defined.size()) << defined.join(' ').toStdString();
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("(?:\\\\draw\\[|\\\\fill\\[|draw=|fill=|text=)(\\w+)")).globalMatch(tex))
        EXPECT_TRUE(defined.contains(m.captured(1))) << m.captured(1).toStdString();
    for (const char* name : {"schwarz", "blau", "violett"}) EXPECT_TRUE(defined.contains(name)) << name;

    // Coordinates: centimetres with a decimal point and at most 3 decimals.
    int coordinates = 0;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\\(([^()]*)\\)")).globalMatch(tex.mid(begin))) {
        static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d{1,3})?,-?\\d+(\\.\\d{1,3})?$"));
        if (m.captured(1).contains(QLatin1Char(',')) && !m.captured(1).contains(QLatin1Char('$'))) {
            ++coordinates;
            EXPECT_TRUE(number.match(m.captured(1)).hasMatch()) << m.captured(1).toStdString();
        }
    }
    EXPECT_GT(coordinates, 1000);

    // \input into a document whose preamble is what the comment names.
    QString preamble;
    for (const QString& line : tex.left(begin).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("% \\usepackage")) || line.startsWith(QStringLiteral("% \\usetikzlibrary")))
            preamble += line.mid(2) + QLatin1Char('\n');
    EXPECT_TRUE(preamble.contains(QStringLiteral("\\usepackage{tikz}")));
    EXPECT_TRUE(tex.left(begin).contains(QStringLiteral("\\noindent")));
    write(QStringLiteral("arbeitsblatt.tex"), QStringLiteral("\\documentclass{article}\n") + preamble +
                                                  QStringLiteral("\\begin{document}\nAufgabe 1:\n\n\\input{busy.tex}\n\n"
                                                                 "Aufgabe 2.\n\\end{document}\n"));
    EXPECT_FALSE(compile(QStringLiteral("arbeitsblatt.tex")).isEmpty());
    EXPECT_EQ(pdfInfo(QStringLiteral("arbeitsblatt.pdf")).count, 1);

    runExport(QStringLiteral("busy-dokument.tex"), kDefaultWidthCm, true);
    EXPECT_FALSE(compile(QStringLiteral("busy-dokument.tex")).isEmpty());
    const PdfPages pages = pdfInfo(QStringLiteral("busy-dokument.pdf"));
    EXPECT_EQ(pages.count, 1);
    EXPECT_NEAR(pages.sizeCm.width(), 12, 0.01);
    EXPECT_NEAR(pages.sizeCm.height(), 12, 0.01);

    // The texts as pdflatex set them, read back.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "poppler-utils missing";
    QProcess p;
    p.start(pdftotext, {path(QStringLiteral("busy-dokument.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_C);
    // (The Greek mu reads back as the micro sign.)
    for (const char* shown : {"$&#", "\\{}", "üßÄ", "λµ", "→EUR", "·", "← EUR ?", "-–", "?‘‘", "!“"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << " in\n" << text.toStdString();
    for (const char* ligature : {"—", "¿", "¡"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(ligature))) << ligature << " in\n" << text.toStdString();
}

// What TeX would take as a command, a group, a shorthand or a ligature is
// escaped, also where a translated character meets its neighbour; German
// letters pass; "€" keeps its meaning; anything else is "?", even broken
// UTF-8.
TEST(TexText, EscapesTranslatesOrReplacesEveryCharacter) {
    EXPECT_EQ(texText("Würfel ÄÖÜ ß"), "Würfel ÄÖÜ ß");
    EXPECT_EQ(texText("a_b^2 50% #1 & $x$ {y} \\z ~"),
              "a\\_b\\textasciicircum{}2 50\\% \\#1 \\& $\\$$x$\\$$ $\\{$y$\\}$ $\\backslash$z $\\sim$");
    EXPECT_EQ(texText("λ·μ → 90°"), "$\\lambda$$\\cdot$$\\mu$ $\\rightarrow$ 90$^\\circ$");
    EXPECT_EQ(texText(" a  b "), "\\ a \\ b\\ ");
    EXPECT_EQ(texText("--'' ,,"), "-{}-'{}' ,{},");
    EXPECT_EQ(texText("-–— é`` !“ ‘‘ ’'"), "-{}--{}--- ?{}`{}` !{}`` `{}` '{}'");
    EXPECT_EQ(texText("5 €"), "5 EUR");
    EXPECT_EQ(texText("中é\x80\xC3(\xED\xA0\x80)"), "????" "(???" ")");
    EXPECT_EQ(texCommentText("Text „a\nb\x01“\xFF"), "Text „a b “?");
}

}  // namespace
