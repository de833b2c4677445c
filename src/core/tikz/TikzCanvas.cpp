#include "core/tikz/TikzCanvas.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/canvas/PictureRecorder.h"
#include "core/tikz/TexText.h"

namespace {

// Shapes reaching beyond the part are cut this many picture pixels outside
// it (the picture's own clip hides the cut edges), so no coordinate grows
// beyond what TeX can hold.
constexpr double kShapeMargin = 16;
constexpr double kPtPerCm = 72.27 / 2.54;
// Texts are set at this size and scaled to the screen's, so the size needs
// no font of its own in any document.
constexpr double kTextPt = 10;

// The shortest fixed text of v with at most `decimals` decimals and a point.
std::string formatFixed(double v, int decimals) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

struct NamedColour {
    Colour colour;
    const char* name;
};
// The program's palette; other colours are named by their RGB value.
constexpr NamedColour kColourNames[] = {
    {Colours::Black, "schwarz"},      {Colours::White, "weiss"},       {Colours::Red, "rot"},
    {Colours::Lime, "hellgruen"},     {Colours::Blue, "blau"},         {Colours::Navy, "marineblau"},
    {Colours::Maroon, "dunkelrot"},   {Colours::Green, "gruen"},       {Colours::Olive, "oliv"},
    {Colours::Purple, "violett"},     {Colours::Teal, "petrol"},       {Colours::Gray, "grau"},
    {Colours::Silver, "silber"},      {Colours::Fuchsia, "magenta"},   {Colours::Aqua, "cyan"},
    {Colours::Yellow, "gelb"},        {0x00CACACA, "rastergrau"},      {0x00FF8C8C, "hellblau"},
    {0x009D9DFF, "hellrot"},          {0x0000AA00, "ebenengruen"},     {0x00BF8200, "stahlblau"},
    {0x00FF88FF, "rosa"},             {0x00FFFF88, "hellcyan"},
};

std::string colourName(Colour c) {
    for (const NamedColour& n : kColourNames)
        if (n.colour == c) return n.name;
    static const char* const hex = "0123456789ABCDEF";
    std::string name = "farbe";
    for (unsigned part : {colourRed(c), colourGreen(c), colourBlue(c)}) {
        name += hex[part >> 4];
        name += hex[part & 0xF];
    }
    return name;
}

// The polygon cut to the rectangle (Sutherland-Hodgman); the cut edges
// run along the rectangle.
std::vector<PicturePoint> clipPolygon(std::vector<PicturePoint> polygon, const HatchClip& clip) {
    struct Edge {
        double PicturePoint::*axis;
        double bound;
        bool keepAbove;
    };
    const Edge edges[4] = {{&PicturePoint::x, clip.left, true},
                           {&PicturePoint::x, clip.right, false},
                           {&PicturePoint::y, clip.top, true},
                           {&PicturePoint::y, clip.bottom, false}};
    for (const Edge& e : edges) {
        if (polygon.empty()) break;
        auto inside = [&](const PicturePoint& p) { return e.keepAbove ? p.*e.axis >= e.bound : p.*e.axis <= e.bound; };
        std::vector<PicturePoint> out;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const PicturePoint& a = polygon[i];
            const PicturePoint& b = polygon[(i + 1) % polygon.size()];
            if (inside(a)) out.push_back(a);
            if (inside(a) != inside(b)) {
                const double t = (e.bound - a.*e.axis) / (b.*e.axis - a.*e.axis);
                out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            }
        }
        polygon = std::move(out);
    }
    return polygon;
}

// The TeX font switches for a font of the screen: sans serif unless the
// face is a typewriter or serif one.
std::string fontSwitches(const FontAttributes& font) {
    std::string face = font.name;
    std::transform(face.begin(), face.end(), face.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    std::string out;
    if (face.find("courier") != std::string::npos || face.find("mono") != std::string::npos) out += "\\ttfamily";
    else if ((face.find("times") != std::string::npos || face.find("serif") != std::string::npos) &&
             face.find("sans") == std::string::npos)
        out += "\\rmfamily";
    if (font.style & FontStyles::Bold) out += "\\bfseries";
    if (font.style & FontStyles::Italic) out += "\\itshape";
    if (!out.empty()) out += ' ';
    return out;
}

}  // namespace

TikzCanvas::TikzCanvas(TikzPart part, double widthCm, TextMeasure measure)
    : part_(part), cmPerPixel_(widthCm / std::max(part.width, 1)), measure_(std::move(measure)),
      width_(part.left + part.width), height_(part.top + part.height) {
    const double right = part.left + part.width, bottom = part.top + part.height;
    // Hatch lines beyond the part would only fill the file.
    hatchClip_ = {part.left - 1.0, part.top - 1.0, right + 1.0, bottom + 1.0};
    shapeClip_ = {part.left - kShapeMargin, part.top - kShapeMargin, right + kShapeMargin, bottom + kShapeMargin};
    resetAttributes();
}

void TikzCanvas::reset(int left, int top, int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    setBounds(left, top);
    resetAttributes();
}

std::string TikzCanvas::named(Colour c) {
    c &= 0x00FFFFFF;
    auto [it, added] = colourNames_.try_emplace(c, colourName(c));
    if (added) colourOrder_.push_back(c);
    return it->second;
}

std::string TikzCanvas::lineStyle(int pixels) {
    pixels = std::max(pixels, 1);
    widths_.insert(pixels);
    return "linie" + std::to_string(pixels);
}

std::string TikzCanvas::at(double x, double y) const {
    return "(" + formatFixed((x - part_.left) * cmPerPixel_, 3) + "," + formatFixed((part_.top + part_.height - y) * cmPerPixel_, 3) +
           ")";
}

std::string TikzCanvas::pt(double pictureUnits) const { return formatFixed(pictureUnits * cmPerPixel_ * kPtPerCm, 4) + "pt"; }

bool TikzCanvas::outside(double left, double top, double right, double bottom, double margin) const {
    return right < part_.left - margin || bottom < part_.top - margin || left > part_.left + part_.width + margin ||
           top > part_.top + part_.height + margin;
}

void TikzCanvas::setPixel(int x, int y, Colour c) {
    if (outside(x, y, x + 1, y + 1, 0)) return;
    appendCommand("\\fill[" + named(c) + "] " + at(x, y) + " rectangle " + at(x + 1, y + 1) + ";");
}

void TikzCanvas::moveTo(int x, int y) { penPos_ = {x, y}; }

void TikzCanvas::lineTo(int x, int y) {
    const PixelPoint from = penPos_;
    penPos_ = {x, y};
    const std::optional<LineStroke> stroke = strokeOfLine(from, penPos_, attr_.pen);
    if (!stroke) return;
    HatchSegment s{stroke->from.x, stroke->from.y, stroke->to.x, stroke->to.y};
    if (!clipSegment(s, shapeClip_)) return;
    const std::string path = at(s.x1, s.y1) + " -- " + at(s.x2, s.y2) + ";";
    // The width's style gives wide lines their round ends.
    std::string options = named(attr_.pen.colour) + ", " + lineStyle(stroke->width);
    if (!stroke->dashes.empty()) {
        // With a solid brush the gaps take the brush colour, as on the screen.
        if (isSolidBrush(attr_.brush.style)) appendCommand("\\draw[" + named(attr_.brush.colour) + ", " + lineStyle(1) + "] " + path);
        options += ", dash pattern=";
        for (std::size_t i = 0; i < stroke->dashes.size(); ++i)
            options += (i % 2 ? " off " : (i ? " on " : "on ")) + pt(stroke->dashes[i]);
        // Where the cut line starts within the pattern.
        double period = 0;
        for (double run : stroke->dashes) period += run;
        const double phase = std::fmod(std::hypot(s.x1 - stroke->from.x, s.y1 - stroke->from.y), period);
        if (phase > 1e-9) options += ", dash phase=" + pt(phase);
    }
    appendCommand("\\draw[" + options + "] " + path);
}

std::string TikzCanvas::shapeCommand(bool evenOdd) {
    const bool outline = attr_.pen.style != PenStyles::Clear;
    const bool fill = isSolidBrush(attr_.brush.style);
    const std::string rule = evenOdd ? ", even odd rule" : "";
    if (outline && fill)
        return "\\filldraw[draw=" + named(attr_.pen.colour) + ", fill=" + named(attr_.brush.colour) + ", " +
               lineStyle(attr_.pen.width) + rule + "]";
    if (outline) return "\\draw[" + named(attr_.pen.colour) + ", " + lineStyle(attr_.pen.width) + "]";
    if (fill) return "\\fill[" + named(attr_.brush.colour) + rule + "]";
    return {};
}

void TikzCanvas::hatch(std::span<const PixelPoint> points) {
    const std::vector<HatchSegment> lines = hatchLines(points, attr_.brush.style, hatchClip_);
    if (lines.empty()) return;
    std::string command = "\\draw[" + named(attr_.brush.colour) + ", " + lineStyle(1) + "]";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const HatchSegment& s = lines[i];
        command += (i % 4 == 0 ? "\n  " : " ") + at(s.x1 + 0.5, s.y1 + 0.5) + " -- " + at(s.x2 + 0.5, s.y2 + 0.5);
    }
    appendCommand(command + ";");
}

void TikzCanvas::polygon(std::span<const PixelPoint> points) {
    if (points.empty()) return;
    if (isHatchBrush(attr_.brush.style)) hatch(points);
    // A corner repeated in a row (an arrowhead's tip closes it) adds nothing.
    std::vector<PicturePoint> outline;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i == 0 || !(points[i] == points[i - 1])) outline.push_back(pixelCentre(points[i]));
    if (outline.size() > 1 && points.back() == points.front()) outline.pop_back();
    // Only an outline that may cross itself needs the screen's even-odd fill.
    const bool mayCross = outline.size() > 3;
    outline = clipPolygon(std::move(outline), shapeClip_);
    if (outline.empty()) return;
    const std::string command = shapeCommand(mayCross);
    if (command.empty()) return;
    std::string path;
    for (const PicturePoint& p : outline) path += at(p) + " -- ";
    appendCommand(command + " " + path + "cycle;");
}

void TikzCanvas::ellipse(int x1, int y1, int x2, int y2) {
    const std::optional<PictureBox> box = shapeBoxOf(x1, y1, x2, y2);
    if (!box || outside(box->left, box->top, box->left + box->width, box->top + box->height, kShapeMargin))
        return;
    const std::string command = shapeCommand();
    if (command.empty()) return;
    const double rx = box->width / 2, ry = box->height / 2;
    const std::string centre = at(box->left + rx, box->top + ry);
    const std::string size = rx == ry ? "circle [radius=" + formatFixed(rx * cmPerPixel_, 3) + "]"
                                      : "ellipse [x radius=" + formatFixed(rx * cmPerPixel_, 3) +
                                            ", y radius=" + formatFixed(ry * cmPerPixel_, 3) + "]";
    appendCommand(command + " " + centre + " " + size + ";");
}

void TikzCanvas::rectangle(int x1, int y1, int x2, int y2) {
    const std::optional<PictureBox> box = shapeBoxOf(x1, y1, x2, y2);
    if (!box) return;
    const double right = box->left + box->width, bottom = box->top + box->height;
    if (outside(box->left, box->top, right, bottom, kShapeMargin)) return;
    const std::string command = shapeCommand();
    if (command.empty()) return;
    appendCommand(command + " " + at(box->left, box->top) + " rectangle " + at(right, bottom) + ";");
}

void TikzCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const TextBox box = measure_(attr_.font, text);
    if (outside(x, y, x + box.width, y + box.height, 0)) return;
    // The box the screen paints behind text while the brush is solid.
    if (isSolidBrush(attr_.brush.style))
        appendCommand("\\fill[" + named(attr_.brush.colour) + "] " + at(x, y) + " rectangle " +
             at(x + box.width, y + box.height) + ";");
    texts_ = true;
    const double emPt = fontPixelSize(attr_.font.size) * cmPerPixel_ * kPtPerCm;
    std::string content = texText(text);
    if (attr_.font.style & FontStyles::Underline) content = "\\underline{" + content + "}";
    if (attr_.font.style & FontStyles::StrikeOut)
        content = "\\setbox0\\hbox{" + content + "}\\rlap{\\copy0}\\rule[.25em]{\\wd0}{.06em}";
    appendCommand("\\node[beschriftung, text=" + named(attr_.font.colour) + ", scale=" + formatFixed(emPt / kTextPt, 3) + "] at " +
         at(x, y + box.ascent) + " {" + fontSwitches(attr_.font) + content + "};");
}

PixelPoint TikzCanvas::textExtent(const std::string& text) {
    const TextBox box = measure_(attr_.font, text);
    return {box.width, box.height};
}

void TikzCanvas::beginObject(ObjectKind, const std::string& name) { body_ += "% " + texCommentText(name) + "\n"; }

std::string TikzCanvas::heightText() const { return formatFixed(part_.height * cmPerPixel_, 3); }

std::string TikzCanvas::picture() const {
    std::string out = "\\begin{tikzpicture}[miter limit=4";
    for (int w : widths_)
        out += ",\n  linie" + std::to_string(w) + "/.style={line width=" + pt(w) + (w > 1 ? ", line cap=round" : "") +
               "}";
    if (texts_)
        out += ",\n  beschriftung/.style={anchor=base west, inner sep=0pt, font=\\fontsize{" + formatFixed(kTextPt, 0) + "}{" +
               formatFixed(kTextPt * 1.2, 0) + "}\\selectfont\\sffamily}";
    out += "]\n";
    for (Colour c : colourOrder_)
        out += "\\definecolor{" + colourNames_.at(c) + "}{RGB}{" + std::to_string(colourRed(c)) + "," +
               std::to_string(colourGreen(c)) + "," + std::to_string(colourBlue(c)) + "}\n";
    const std::string frame = "(0,0) rectangle (" + formatFixed(part_.width * cmPerPixel_, 3) + "," + heightText() + ");\n";
    out += "\\useasboundingbox " + frame + "\\clip " + frame;
    out += body_;
    out += "\\end{tikzpicture}\n";
    return out;
}

std::string tikzFile(std::span<const CanvasCall> calls, TikzPart part, double widthCm, bool standalone,
                     const TextMeasure& measure) {
    TikzCanvas canvas(part, widthCm, measure);
    replayCalls(calls, canvas);
    const std::string width = formatFixed(widthCm, 3);
    if (!standalone)
        return "% Spatium-Grafik, " + width + " cm breit, als TikZ-Bild: einbinden mit \\input{Dateiname},\n"
               "% nach \\noindent oder in einer center- oder figure-Umgebung (in einer\n"
               "% eingerückten Zeile ragt ein breites Bild über den Rand).\n"
               "% Die Präambel des Dokuments braucht:\n"
               "% \\usepackage[utf8]{inputenc}\n"
               "% \\usepackage{tikz}\n" +
               canvas.picture();
    return "% Spatium-Grafik, " + width + " cm breit, als eigenständiges LaTeX-Dokument (pdflatex).\n"
           "\\documentclass{article}\n"
           "\\usepackage[utf8]{inputenc}\n"
           "\\usepackage[paperwidth=" + width + "cm, paperheight=" + canvas.heightText() +
           "cm, margin=0cm]{geometry}\n"
           "\\usepackage{tikz}\n"
           "\\pagestyle{empty}\n"
           "\\setlength{\\parindent}{0pt}\n"
           "\\setlength{\\topskip}{0pt}\n"
           "\\begin{document}\n" +
           canvas.picture() + "\\end{document}\n";
}
