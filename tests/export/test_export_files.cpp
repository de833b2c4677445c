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

#include "ExportTestSupport.h"
#include "export/HatchLines.h"
#include "export/PictureRecorder.h"
#include "plot/PlotImage.h"
#include "plot/Projection.h"

namespace {

constexpr Colour kCubeGreen = 0x0000A000;
constexpr Colour kPlaneMagenta = 0x00C000C0;

// Objects that stand apart: axes, a green cube of edge 4 whose dotted
// edges lie on the axes, the plane x + y - z = 3 hatched (below the x and y
// axes), the point C with its label and the vector AB.
const Vector3 kPointC = MakeVector(0, 8, 8);

void ProbeScene(Scene& s, ViewControls& c, ViewState& view) {
    c.cube = true;
    c.xyPlane = c.xzPlane = c.yzPlane = false;
    view.cubeEdge = 4;
    view.cubeColor = kCubeGreen;
    SetCoordinates(s.points[PointA], MakeVector(2, 6, 5));
    SetCoordinates(s.points[PointB], MakeVector(6, 2, 5));
    SetCoordinates(s.points[PointC], kPointC);
    s.drawPointFlag[PointC] = true;
    s.drawVectorFlag[VectorAB] = true;
    s.planeCoeffs[PlaneE1] = {1, 1, -1, 3};
    s.planeColor[PlaneE1] = kPlaneMagenta;
    s.drawPlaneFlag[PlaneE1] = true;
}

// Something the picture must (or must not) show near a place, in picture
// coordinates (pixel x covers x .. x + 1).
struct Probe {
    std::string what;
    double x;
    double y;
    Colour colour;
    bool present;
    double radius;  // picture pixels
};

bool Near(QRgb pixel, Colour c) {
    const QColor want = QImageCanvas::ToQColor(c);
    return std::abs(qRed(pixel) - want.red()) <= 60 && std::abs(qGreen(pixel) - want.green()) <= 60 &&
           std::abs(qBlue(pixel) - want.blue()) <= 60;
}

// The probes an image of the picture drawn at `scale` fails.
std::vector<std::string> Misplaced(const QImage& image, double scale, const std::vector<Probe>& probes) {
    std::vector<std::string> failures;
    if (image.isNull()) return {"no image"};
    for (const Probe& p : probes) {
        const double cx = p.x * scale, cy = p.y * scale, r = std::max(p.radius * scale, 0.71);
        bool found = false;
        for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
            for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x)
                if (image.rect().contains(x, y) && std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r &&
                    Near(image.pixel(x, y), p.colour))
                    found = true;
        if (found != p.present) failures.push_back(p.what);
    }
    return failures;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += s + "; ";
    return out;
}

std::vector<Probe> ProbesOf(const ViewState& view, const std::vector<CanvasCall>& calls) {
    std::vector<Probe> probes;
    auto centre = [&](Real x, Real y, Real z) {
        const PixelPoint p = PointToPixel(MakeVector(x, y, z), view);
        return QPointF(p.x + 0.5, p.y + 0.5);
    };
    for (Real u : {5.5L, 6.5L, 7.5L, 8.5L}) {
        const QPointF p = centre(u, 0, 0);
        probes.push_back({"x-Achse bei " + std::to_string(double(u)), p.x(), p.y(), Colours::Black, true, 1.0});
    }
    // The cube's dotted edge O-X over the axis: every third step a dot.
    const PixelPoint o = PointToPixel(MakeVector(0, 0, 0), view), x4 = PointToPixel(MakeVector(4, 0, 0), view);
    const int steps = std::max(std::abs(x4.x - o.x), std::abs(x4.y - o.y));
    for (int t = steps / 8; t < steps * 5 / 8; ++t) {
        const double px = o.x + 0.5 + double(x4.x - o.x) * t / steps, py = o.y + 0.5 + double(x4.y - o.y) * t / steps;
        const std::string at = " bei Schritt " + std::to_string(t);
        if (t % 3 == 0) probes.push_back({"Würfelkante Punkt" + at, px, py, kCubeGreen, true, 0.3});
        if (t % 3 == 1) probes.push_back({"Würfelkante Lücke" + at, px, py, kCubeGreen, false, 0.25});
    }
    // Hatch lines of E1 near its centroid: x - y = 8k, white between.
    const QPointF c = (centre(3, 0, 0) + centre(0, 3, 0) + centre(0, 0, -3)) / 3;
    const int row = int(c.y());
    int col = int(c.x());
    while (((col - row) % 8 + 8) % 8 != 0) ++col;
    for (int k = -1; k <= 1; ++k) {
        const double x = col + 8 * k + 0.5;
        probes.push_back({"Schraffurlinie " + std::to_string(k), x, row + 0.5, kPlaneMagenta, true, 0.3});
        probes.push_back({"zwischen Schraffurlinien " + std::to_string(k), x + 4, row + 0.5, kPlaneMagenta,
                          false, 1.2});
    }
    // C: a white disc with a blue rim around the corner of its pixel, the
    // label above to the right.
    const PixelPoint pc = PointToPixel(kPointC, view);
    const QPointF a(pc.x, pc.y);
    probes.push_back({"Punkt C innen", a.x(), a.y(), Colours::Blue, false, 0.6});
    for (auto [dx, dy] : {std::pair{2.5, 0.0}, {-2.5, 0.0}, {0.0, 2.5}, {0.0, -2.5}})
        probes.push_back({"Punkt C Rand", a.x() + dx, a.y() + dy, Colours::Blue, true, 0.5});
    probes.push_back({"Beschriftung C", a.x() + 6 + 4.5, a.y() - 17 + 8, Colours::Blue, true, 3.5});
    probes.push_back({"rechts neben der Beschriftung", a.x() + 6 + 22, a.y() - 17 + 8, Colours::Blue, false, 3.0});
    probes.push_back({"über der Beschriftung", a.x() + 10, a.y() - 17 - 7, Colours::Blue, false, 3.0});
    // The arrowhead of AB, filled, and nothing beyond its tip.
    bool inVector = false;
    for (const CanvasCall& call : calls) {
        if (call.op == "BeginObject") inVector = call.text == "Vektor AB";
        if (!inVector || call.op != "Polygon" || call.points.size() != 4) continue;
        const PixelPoint tip = call.points[0], b = call.points[1], d = call.points[2];
        const double mx = (tip.x + b.x + d.x) / 3.0 + 0.5, my = (tip.y + b.y + d.y) / 3.0 + 0.5;
        probes.push_back({"Pfeilspitze", mx, my, Colours::Blue, true, 0.5});
        probes.push_back({"hinter der Pfeilspitze", tip.x + 0.5 + 1.5 * (tip.x + 0.5 - mx),
                          tip.y + 0.5 + 1.5 * (tip.y + 0.5 - my), Colours::Blue, false, 1.0});
    }
    return probes;
}

QImage Decoded(const QByteArray& png) { return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32); }

// Titles of the SVG's groups, texts and, per group title, the number of
// subpaths its paths hold.
struct SvgContents {
    QStringList groups;
    QStringList texts;
    std::map<QString, int> subpaths;
    int patterns = 0;
    int images = 0;
};

SvgContents ReadSvg(const QByteArray& svg) {
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

QStringList ObjectNames(std::span<const CanvasCall> calls) {
    RecordingCanvas replayed;
    ReplayCalls(calls, replayed);
    QStringList names;
    for (const CanvasCall& c : replayed.Calls())
        if (c.op == "BeginObject") names << QString::fromStdString(c.text);
    return names;
}

void Press(PlotImage* image, QPoint at, Qt::MouseButton button) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), image->mapToGlobal(QPointF(at)), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(image, &down);
}
void Release(PlotImage* image, QPoint at, Qt::MouseButton button) {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), image->mapToGlobal(QPointF(at)), button,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &up);
}
void Drag(PlotImage* image, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), image->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

class ExportFiles : public ExportTest {
protected:
    QByteArray Export(const QString& name, int scale = 1, double widthCm = 12, QRect part = {}) {
        const QString file = path(name);
        const QString problem = ExportPicture(picture(), {file, scale, widthCm, part});
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return ReadAll(file);
    }
    PlotImage* image() { return form.findChild<PlotImage*>(QStringLiteral("Image1")); }
    QCheckBox* box(const char* name) { return form.findChild<QCheckBox*>(QString::fromLatin1(name)); }
};

TEST_F(ExportFiles, PngAtScaleOneIsTheScreenPictureOfStartUpAndBusyScene) {
    // The window as start-up left it: coordinate planes and the title.
    const QImage startUp = Decoded(Export(QStringLiteral("start.png")));
    EXPECT_EQ(startUp, screen());
    EXPECT_EQ(startUp.dotsPerMeterX(), 3780);

    DrawBusyScene();
    const QImage busy = Decoded(Export(QStringLiteral("busy.PNG")));
    EXPECT_EQ(busy, screen());
    EXPECT_NE(busy, startUp);
}

TEST_F(ExportFiles, EveryFormatShowsEachObjectWhereTheScreenHasIt) {
    DrawWith(ProbeScene);
    const std::vector<Probe> probes = ProbesOf(form.viewState(), form.pictureCalls());
    ASSERT_GT(probes.size(), 30u);
    // The probes describe the screen's picture ...
    ASSERT_EQ(Joined(Misplaced(screen(), 1, probes)), "");

    // ... and each output, drawn four times as large.
    const QImage png = Decoded(Export(QStringLiteral("probe.png"), 4));
    ASSERT_EQ(png.size(), QSize(2884, 2884));
    EXPECT_EQ(png.dotsPerMeterX(), 4 * 3780);
    EXPECT_EQ(Joined(Misplaced(png, 4, probes)), "");
    EXPECT_EQ(Joined(Misplaced(RasterisePdf(Export(QStringLiteral("probe.pdf")), {2884, 2884}), 4, probes)), "");
    EXPECT_EQ(Joined(Misplaced(RasteriseSvg(Export(QStringLiteral("probe.svg")), {2884, 2884}), 4, probes)), "");

    // The probes notice a picture one screen pixel off.
    QImage shifted(png.size(), QImage::Format_RGB32);
    shifted.fill(Qt::white);
    QPainter(&shifted).drawImage(QPoint(4, 0), png);
    EXPECT_GT(Misplaced(shifted, 4, probes).size(), 5u);
}

TEST_F(ExportFiles, SvgGroupsEveryObjectWithLabelsAsTextAndHatchingAsPaths) {
    DrawBusyScene();
    const SvgContents svg = ReadSvg(Export(QStringLiteral("busy.svg")));
    const QStringList names = ObjectNames(form.pictureCalls());
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
        if (c.op == "BeginObject") inE1 = c.text == "Ebene E1";
        if (!inE1) continue;
        if (c.op == "Polygon")
            expected += int(HatchLines(c.points, c.attributes.brush.style, {-1, -1, 722, 722}).size()) + 1;
        if (c.op == "LineTo") ++expected;
    }
    EXPECT_GT(expected, 20);
    EXPECT_EQ(svg.subpaths.at(QStringLiteral("Ebene E1")), expected);
}

TEST_F(ExportFiles, PdfPageHasTheChosenWidthAndItsTextsAreText) {
    const QRect part(5, 150, 400, 200);
    const QSizeF page = PdfPageCm(Export(QStringLiteral("title.pdf"), 1, 8, part));
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
    DrawBusyScene();
    const QRect part(120, 80, 300, 200);
    EXPECT_EQ(Decoded(Export(QStringLiteral("part1.png"), 1, 12, part)), screen().copy(part));
    const QImage twice = Decoded(Export(QStringLiteral("part2.png"), 2, 12, part));
    EXPECT_EQ(twice.size(), QSize(600, 400));
    // Drawn at that size, not enlarged: many 2 x 2 blocks are not of one colour.
    int mixedBlocks = 0;
    for (int y = 0; y < twice.height(); y += 2)
        for (int x = 0; x < twice.width(); x += 2) {
            const QRgb c = twice.pixel(x, y);
            mixedBlocks += twice.pixel(x + 1, y) != c || twice.pixel(x, y + 1) != c || twice.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(mixedBlocks, 1000);
    const QByteArray svg = Export(QStringLiteral("part.svg"), 1, 12, part);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 300 200\""));
    // A part reaching beyond the picture is cut to it.
    EXPECT_EQ(Decoded(Export(QStringLiteral("edge.png"), 1, 12, QRect(600, 600, 500, 500))).size(), QSize(121, 121));
}

TEST_F(ExportFiles, TextModeTextsGoAlongUntilTheNextRedrawAndTheRubberBandNever) {
    DrawWith(ProbeScene);
    box("CheckBox_Textmodus")->click();
    Press(image(), {200, 600}, Qt::RightButton);
    Release(image(), {200, 600}, Qt::RightButton);
    // A text that reads like the SVG writer's own group markers stays a text.
    form.findChild<QLineEdit*>(QStringLiteral("Edit_Text_in_Grafik"))->setText(QStringLiteral("spatium-object-end"));
    Press(image(), {200, 650}, Qt::RightButton);
    Release(image(), {200, 650}, Qt::RightButton);
    SvgContents svg = ReadSvg(Export(QStringLiteral("text.svg")));
    EXPECT_EQ(svg.groups, ObjectNames(form.pictureCalls()));
    EXPECT_TRUE(svg.groups.contains(QStringLiteral("Text „Gerade g“")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("Gerade g")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("spatium-object-end")));

    // A marking drag in progress inverts the screen, not the picture's calls.
    box("CheckBox_SchnittModus")->click();
    const QImage before = screen();
    Press(image(), {100, 100}, Qt::LeftButton);
    Drag(image(), {300, 250});
    ASSERT_NE(screen(), before);
    for (const CanvasCall& c : form.pictureCalls()) EXPECT_EQ(c.attributes.pen.mode, PenMode::Copy) << c.op;
    Release(image(), {300, 250}, Qt::LeftButton);
    EXPECT_EQ(form.markedPart(), QRect(100, 100, 200, 150));

    form.redraw();  // the placed text is gone, as on the screen
    svg = ReadSvg(Export(QStringLiteral("redrawn.svg")));
    EXPECT_FALSE(svg.texts.contains(QStringLiteral("Gerade g")));
    EXPECT_FALSE(svg.texts.contains(QStringLiteral("spatium-object-end")));
}

TEST_F(ExportFiles, ClipboardOffersTheSameBitmapAndTheSvgBesideIt) {
    DrawBusyScene();
    Press(image(), {300, 300}, Qt::RightButton);
    Release(image(), {300, 300}, Qt::RightButton);
    const QMimeData* whole = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(whole->imageData()).convertToFormat(QImage::Format_RGB32), screen());
    ASSERT_TRUE(whole->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_EQ(ReadSvg(whole->data(QStringLiteral("image/svg+xml"))).groups, ObjectNames(form.pictureCalls()));

    box("CheckBox_SchnittModus")->click();
    const QImage before = screen();
    Press(image(), {500, 400}, Qt::LeftButton);
    Drag(image(), {420, 360});
    Release(image(), {420, 360}, Qt::LeftButton);
    const QMimeData* part = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(qvariant_cast<QImage>(part->imageData()).convertToFormat(QImage::Format_RGB32),
              before.copy(420, 360, 80, 40));
    EXPECT_TRUE(part->data(QStringLiteral("image/svg+xml")).contains("viewBox=\"0 0 80 40\""));
}

}  // namespace
