#pragma once
// The picture as LaTeX code: a canvas that writes one TikZ command per
// drawn element, grouped by object under a comment naming it ("% Ebene
// E1"), so a teacher can delete or recolour an object by hand. It draws
// what the screen draws (fed with the picture's kept calls): lines with
// the screen's relative widths and dotted styles, hatching as clipped lines
// in the screen's directions and spacing, outlines, point markers, texts
// on their boxes, each colour defined once under a readable name.
// Coordinates are centimetres at the chosen width, with at most three
// decimals and a decimal point whatever the locale.
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/tikz/HatchLines.h"
#include "core/tikz/VectorGeometry.h"
#include "core/canvas/RecordingCanvas.h"

// The part of the picture the file shows, in picture pixels.
struct TikzPart {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The screen's box of a text in a font (the canvas has no fonts of its own).
using TextMeasure = std::function<TextBox(const FontAttributes& font, const std::string& text)>;

class TikzCanvas : public Canvas {
public:
    TikzCanvas(TikzPart part, double widthCm, TextMeasure measure);

    void reset(int left, int top, int width, int height) override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPixel(int x, int y, Colour c) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(std::span<const PixelPoint> points) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    PixelPoint textExtent(const std::string& text) override;
    // A comment naming the object ("% Ebene E1").
    void beginObject(ObjectKind kind, const std::string& name) override;

    // The tikzpicture environment of what was drawn.
    std::string picture() const;
    // The picture's height in centimetres as the file writes it.
    std::string heightText() const;

private:
    std::string named(Colour c);
    std::string lineStyle(int pixels);
    std::string at(double x, double y) const;
    std::string at(PicturePoint p) const { return at(p.x, p.y); }
    std::string pt(double pictureUnits) const;
    // "\draw[...]", "\fill[...]" or "\filldraw[...]" for a closed shape with
    // the pen's outline and the brush's solid fill; empty when neither shows.
    std::string shapeCommand(bool evenOdd = false);
    bool outside(double left, double top, double right, double bottom, double margin) const;
    void hatch(std::span<const PixelPoint> points);
    void appendCommand(const std::string& command) { body_ += command; body_ += '\n'; }

    TikzPart part_;
    double cmPerPixel_;
    TextMeasure measure_;
    HatchClip hatchClip_;
    HatchClip shapeClip_;
    int width_;
    int height_;
    std::string body_;
    std::vector<Colour> colourOrder_;
    std::map<Colour, std::string> colourNames_;
    std::set<int> widths_;
    bool texts_ = false;
};

// The file of the picture's calls: the tikzpicture after a comment naming
// the packages its document needs, or (standalone) a complete article
// whose page is the picture, for pdflatex.
std::string tikzFile(std::span<const CanvasCall> calls, TikzPart part, double widthCm, bool standalone,
                     const TextMeasure& measure);
