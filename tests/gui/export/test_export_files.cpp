// The files an export writes, read back: the PNG at scale 1 is the screen's
// own picture; the PNG at scale 4, the PDF (through poppler) and the SVG
// (through Qt's renderer) show every object where the screen has it; the
// SVG groups each object under its name with labels as text and hatching
// as paths; texts placed with the text mode go along, the rubber band not.
#include <QMimeData>
#include <QMouseEvent>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <random>

#include "ExportTestSupport.h"
#include "PictureProbes.h"
#include "core/tikz/HatchLines.h"
#include "core/canvas/PictureRecorder.h"
#include "gui/plot/PlotImage.h"
#include "core/canvas/Projection.h"

namespace {

using namespace probes;

QImage decoded(const QByteArray& png) { return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32); }

// Titles of the SVG's groups, texts and, per group title, the number of
// subpaths its paths hold.
struct SvgContents {
    QStringList groups;
    QStringList texts;
    std::map<QString, int> subpaths;
    int patterns = 0;
    int images = 0;
};

SvgContents readSvg(const QByteArray& svg) {
    SvgContents out;
    QXmlStreamReader xml(svg);
    QStringList open;  // title of each open named group, "" for the generator's groups
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == u"g") {
                open << QString();
                if (xml.attributes().hasAttribute(QStringLiteral("id"))) {
                    xml.readNext();
                    while (xml.isWhitespace()) xml.readNext();
                    if (xml.isStartElement() && xml.name() == u"title") {
                        open.back() = xml.readElementText();
                        out.groups << open.back();
                    }
                }
            } else if (name == u"text") {
                out.texts << xml.readElementText();
            } else if (name == u"path") {
                const QString d = xml.attributes().value(QStringLiteral("d")).toString();
                for (const QString& title : open)
                    if (!title.isEmpty()) out.subpaths[title] += int(d.count(QLatin1Char('M')));
            } else if (name == u"pattern") {
                ++out.patterns;
            } else if (name == u"image") {
                ++out.images;
            }
        } else if (xml.isEndElement() && xml.name() == u"g") {
            open.removeLast();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

void press(PlotImage* image, QPoint at, Qt::MouseButton button) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), image->mapToGlobal(QPointF(at)), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(image, &down);
}
void release(PlotImage* image, QPoint at, Qt::MouseButton button) {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), image->mapToGlobal(QPointF(at)), button,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &up);
}
void drag(PlotImage* image, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), image->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

class ExportFiles : public ExportTest {
protected:
    QByteArray runExport(const QString& name, int scale = 1, double widthCm = 12, QRect part = {}) {
        const QString file = path(name);
        const QString problem = exportPicture(picture(), {file, scale, widthCm, part});
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return readAll(file);
    }
    PlotImage* image() { return form.findChild<PlotImage*>(QStringLiteral("Image1")); }
    QCheckBox* box(const char* name) { return form.findChild<QCheckBox*>(QString::fromLatin1(name)); }
};

TEST_F(ExportFiles, PngAtScaleOneIsTheScreenPictureOfStartUpAndBusyScene) {
    // The window as start-up left it: coordinate planes and the title.
    const QImage startUp = decoded(runExport(QStringLiteral("start.png")));
    EXPECT_EQ(startUp, screen());
    EXPECT_EQ(startUp.dotsPerMeterX(), 3780);

    drawBusyScene();
    const QImage busy = decoded(runExport(QStringLiteral("busy.PNG")));
    EXPECT_EQ(busy, screen());
    EXPECT_NE(busy, startUp);
}

TEST_F(ExportFiles, EveryFormatShowsEachObjectWhereTheScreenHasIt) {
    drawWith(probeScene);
    const std::vector<Probe> probes = probesOf(form.viewState(), form.pictureCalls());
    ASSERT_GT(probes.size(), 30u);
    // The probes describe the screen's picture ...
    ASSERT_EQ(joined(misplaced(screen(), 1, probes)), "");

    // ... and each output, drawn four times as large.
    const QImage png = decoded(runExport(QStringLiteral("probe.png"), 4));
    ASSERT_EQ(png.size(), QSize(2884, 2884));
    EXPECT_EQ(png.dotsPerMeterX(), 4 * 3780);
    EXPECT_EQ(joined(misplaced(png, 4, probes)), "");
    EXPECT_EQ(joined(misplaced(rasterisePdf(runExport(QStringLiteral("probe.pdf")), {2884, 2884}), 4, probes)), "");
    EXPECT_EQ(joined(misplaced(rasteriseSvg(runExport(QStringLiteral("probe.svg")), {2884, 2884}), 4, probes)), "");

    // The probes notice a picture one screen pixel off.
    QImage shifted(png.size(), QImage::Format_RGB32);
    shifted.fill(Qt::white);
    QPainter(&shifted).drawImage(QPoint(4, 0), png);
    EXPECT_GT(misplaced(shifted, 4, probes).size(), 5u);
}

TEST_F(ExportFiles, SvgGroupsEveryObjectWithLabelsAsTextAndHatchingAsPaths) {
    drawBusyScene();
    const SvgContents svg = readSvg(runExport(QStringLiteral("busy.svg")));
    const QStringList names = objectNames(form.pictureCalls());
    EXPECT_EQ(svg.groups, names);
    for (const char* name : {"Koordinatensystem", "Würfel", "Punkt A", "Gerade gt für t = 2,5", "Spurpunkt Syz",
                             "Ebene E1", "Spat mit Spannvektoren AB, AC, AS"})
        EXPECT_TRUE(svg.groups.contains(QString::fromUtf8(name))) << name;
    for (const char* text : {"A", "B", "S", "Q", "x", "y", "z", "2", "8"})
        EXPECT_TRUE(svg.texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_EQ(svg.patterns, 0);
    EXPECT_EQ(svg.images, 0);

    // E1's hatching: one subpath per hatch line of its recorded outline, and
    // the outline itself.
    int expected = 0;
    bool inE1 = false;
    for (const CanvasCall& c : form.pictureCalls()) {
        if (c.op == CanvasOp::BeginObject) inE1 = c.text == "Ebene E1";
        if (!inE1) continue;
        if (c.op == CanvasOp::Polygon)
            expected += int(hatchLines(c.points, c.attributes.brush.style, {-1, -1, 722, 722}).size()) + 1;
        if (c.op == CanvasOp::LineTo) ++expected;
    }
    EXPECT_GT(expected, 20);
    EXPECT_EQ(svg.subpaths.at(QStringLiteral("Ebene E1")), expected);
}

// Labels and names as a file may bring them (control characters, NUL,
// what XML reserves, broken UTF-8, marker look-alikes) and a font family
// that would break out of its attribute: every SVG parses as XML, the
// family never reaches it, and the printable rest of a label stays.
TEST_F(ExportFiles, SvgOfAnyLabelsAndFontFamilyIsWellFormedXml) {
    const std::string pieces[] = {std::string("\0", 1), "\x01", "\x0b", "\x1f", "\t", "\n", "\r", "\x7f",
                                  "\xef\xbf\xbe", "\xef\xbf\xbf", "\xff", "\xc3", "<", ">", "&", "\"", "'",
                                  "]]>", "spatium-object-0", "spatium-object-end", "Ä", "€", "a", " "};
    std::mt19937 random(7);
    auto label = [&](int pieceCount) {
        std::string text;
        for (int i = 0; i < pieceCount; ++i) text += pieces[random() % std::size(pieces)];
        return text;
    };
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> names;
        for (int i = 0; i < 9; ++i) names.push_back(label(3));
        drawWith([&names](Scene& s, ViewControls& c, ViewState&) {
            makeBusyScene(s, c);
            for (std::size_t i = 0; i < names.size(); ++i) s.points[i].name = names[i];
        });
        form.viewState().textFontName = round % 2 ? "Evil\" onload=\"alert(1)" : "Sans<&>\x01";
        placeText({40, 690}, QString::fromStdString("x\x01y" + label(8)));
        const QByteArray svg = runExport(QStringLiteral("fuzz%1.svg").arg(round));
        QXmlStreamReader xml(svg);
        while (!xml.atEnd()) xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
        EXPECT_FALSE(svg.contains("alert") || svg.contains("Sans<")) << "a font family reached the file";
        const QStringList texts = readSvg(svg).texts;
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const QString& t) { return t.startsWith("xy"); }), 1)
            << texts.join('|').toStdString();
    }
}

TEST_F(ExportFiles, PdfPageHasTheChosenWidthAndItsTextsAreText) {
    const QRect part(5, 150, 400, 200);
    const QSizeF page = pdfPageCm(runExport(QStringLiteral("title.pdf"), 1, 8, part));
    // PDF pages measure whole points (0.35 mm).
    EXPECT_NEAR(page.width(), 8, 0.02);
    EXPECT_NEAR(page.height(), 4, 0.02);  // the part's shape

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "poppler-utils missing";
    QProcess p;
    p.start(pdftotext, {path(QStringLiteral("title.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Vektorrechnung und 3D"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Analytische Geometrie im Raum")));
}

TEST_F(ExportFiles, MarkedPartExportsOnlyThatPart) {
    drawBusyScene();
    const QRect part(120, 80, 300, 200);
    EXPECT_EQ(decoded(runExport(QStringLiteral("part1.png"), 1, 12, part)), screen().copy(part));
    const QImage twice = decoded(runExport(QStringLiteral("part2.png"), 2, 12, part));
    EXPECT_EQ(twice.size(), QSize(600, 400));
    // Drawn at that size, not enlarged: many 2 x 2 blocks are not of one colour.
    int mixedBlocks = 0;
    for (int y = 0; y < twice.height(); y += 2)
        for (int x = 0; x < twice.width(); x += 2) {
            const QRgb c = twice.pixel(x, y);
            mixedBlocks += twice.pixel(x + 1, y) != c || twice.pixel(x, y + 1) != c || twice.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(mixedBlocks, 1000);
    const QByteArray svg = runExport(QStringLiteral("part.svg"), 1, 12, part);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 300 200\""));
    // A part reaching beyond the picture is cut to it.
    EXPECT_EQ(decoded(runExport(QStringLiteral("edge.png"), 1, 12, QRect(600, 600, 500, 500))).size(), QSize(121, 121));
}

TEST_F(ExportFiles, TextModeTextsGoAlongUntilTheNextRedrawAndTheRubberBandNever) {
    drawWith(probeScene);
    placeText({200, 600});
    // A text that reads like the SVG writer's own group markers stays a text.
    placeText({200, 650}, QStringLiteral("spatium-object-end"));
    SvgContents svg = readSvg(runExport(QStringLiteral("text.svg")));
    EXPECT_EQ(svg.groups, objectNames(form.pictureCalls()));
    EXPECT_TRUE(svg.groups.contains(QStringLiteral("Text „Gerade g“")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("Gerade g")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("spatium-object-end")));

    // A marking drag in progress inverts the screen, not the picture's calls.
    box("CheckBox_SchnittModus")->click();
    const QImage before = screen();
    const std::vector<CanvasCall> callsBefore = form.pictureCalls();
    press(image(), {100, 100}, Qt::LeftButton);
    drag(image(), {300, 250});
    ASSERT_NE(screen(), before);
    EXPECT_EQ(form.pictureCalls().size(), callsBefore.size());
    release(image(), {300, 250}, Qt::LeftButton);
    EXPECT_EQ(form.markedPart(), QRect(100, 100, 200, 150));

    form.redraw();  // the placed text is gone, as on the screen
    svg = readSvg(runExport(QStringLiteral("redrawn.svg")));
    EXPECT_FALSE(svg.texts.contains(QStringLiteral("Gerade g")));
    EXPECT_FALSE(svg.texts.contains(QStringLiteral("spatium-object-end")));
}

TEST_F(ExportFiles, ClipboardOffersTheSameBitmapAndTheSvgBesideIt) {
    drawBusyScene();
    press(image(), {300, 300}, Qt::RightButton);
    release(image(), {300, 300}, Qt::RightButton);
    const QMimeData* whole = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(whole->imageData()).convertToFormat(QImage::Format_RGB32), screen());
    ASSERT_TRUE(whole->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_EQ(readSvg(whole->data(QStringLiteral("image/svg+xml"))).groups, objectNames(form.pictureCalls()));

    box("CheckBox_SchnittModus")->click();
    const QImage before = screen();
    press(image(), {500, 400}, Qt::LeftButton);
    drag(image(), {420, 360});
    release(image(), {420, 360}, Qt::LeftButton);
    const QMimeData* part = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(qvariant_cast<QImage>(part->imageData()).convertToFormat(QImage::Format_RGB32),
              before.copy(420, 360, 80, 40));
    EXPECT_TRUE(part->data(QStringLiteral("image/svg+xml")).contains("viewBox=\"0 0 80 40\""));
}

}  // namespace
