#pragma once
// The plot image as a stateful drawing surface, and the drawing primitives
// every picture is made of. attributes (pen, brush, font) persist from one
// operation to the next; each primitive sets exactly the attributes it
// documents and leaves them so afterwards.
#include <span>
#include <string>

#include "core/geometry/Vector3.h"
#include "core/canvas/CanvasTypes.h"
#include "core/geometry/Colour.h"
#include "core/canvas/ViewState.h"

struct PenAttributes {
    Colour colour = Colours::Black;
    int width = 1;
    PenStyle style = PenStyles::Solid;
    friend bool operator==(const PenAttributes&, const PenAttributes&) = default;
};

struct BrushAttributes {
    Colour colour = Colours::White;
    BrushStyle style = BrushStyles::Solid;
    friend bool operator==(const BrushAttributes&, const BrushAttributes&) = default;
};

struct FontAttributes {
    std::string name = kDefaultFontName;
    int size = kDefaultFontSize;  // points
    Colour colour = Colours::Black;
    FontStyle style = FontStyles::Regular;
    friend bool operator==(const FontAttributes&, const FontAttributes&) = default;
};

struct CanvasAttributes {
    PenAttributes pen;
    BrushAttributes brush;
    FontAttributes font;
    friend bool operator==(const CanvasAttributes&, const CanvasAttributes&) = default;
};

// What an object of the picture is. Vector exports can treat each kind in
// its own way (a plane as a plane, not as the triangles it is drawn with).
enum class ObjectKind {
    Title,             // the start picture's title
    Text,              // a text placed with the mouse
    CoordinateSystem,  // the axes with their ticks and names
    Grid,              // the background grid
    CoordinatePlane,   // the xy, xz or yz plane
    Cube,              // the unit cube
    ParallelPlane,     // a plane parallel to a coordinate plane
    Point,             // a point of the scene
    TracePoint,        // where a line meets a coordinate plane
    Vector,            // the arrow between two points
    Segment,           // the segment between two points
    Coplanarity,       // AD = rAB + tAC
    Line,              // g, h or g2
    LineFamily,        // the family gt
    LineFamilyMember,  // one line of the family
    Plane,             // E1 .. E5
    Body,              // a triangle, pyramid, box, ...
};

// Abstract drawing surface: what every picture is drawn with, on the screen
// or into a file. The attribute state lives here; implementations read it
// when they draw (the *Changed flags tell them what to re-apply).
class Canvas {
public:
    virtual ~Canvas() = default;

    // --- attributes -------------------------------------------------------
    const CanvasAttributes& attributes() const { return attr_; }
    const PenAttributes& pen() const { return attr_.pen; }
    const BrushAttributes& brush() const { return attr_.brush; }
    const FontAttributes& font() const { return attr_.font; }

    // Setting an attribute to the value it already has changes nothing, so
    // implementations only re-apply what really changed.
    void setPenColour(Colour c) { set(attr_.pen.colour, c, penChanged_); }
    void setPenWidth(int w) { set(attr_.pen.width, w, penChanged_); }
    void setPenStyle(PenStyle s) { set(attr_.pen.style, s, penChanged_); }
    void setBrushColour(Colour c) { set(attr_.brush.colour, c, brushChanged_); }
    void setBrushStyle(BrushStyle s) { set(attr_.brush.style, s, brushChanged_); }
    void setFontName(const std::string& name) { set(attr_.font.name, name, fontChanged_); }
    void setFontSize(int points) { set(attr_.font.size, points, fontChanged_); }
    void setFontColour(Colour c) { attr_.font.colour = c; }  // read at each text out
    void setFontStyle(FontStyle s) { set(attr_.font.style, s, fontChanged_); }

    PixelPoint penPosition() const { return penPos_; }

    // --- platform operations ----------------------------------------------
    // Clears the picture to white at the given size and returns every
    // attribute to its default (pen black 1 solid, brush white solid,
    // default font). left/top are the image's position in its window.
    virtual void reset(int left, int top, int width, int height) = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    int left() const { return left_; }
    int top() const { return top_; }

    // Pixels outside the picture are ignored.
    virtual void setPixel(int x, int y, Colour c) = 0;

    virtual void moveTo(int x, int y) = 0;
    // Line with the pen from the pen position to (x, y); the end pixel itself
    // is not drawn. The pen position becomes (x, y).
    virtual void lineTo(int x, int y) = 0;
    // Closed polygon outlined with the pen, filled with the brush unless the
    // brush style is clear.
    virtual void polygon(std::span<const PixelPoint> points) = 0;
    // Ellipse inside the box (x1, y1)-(x2, y2), right and bottom edges excluded.
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // rectangle (x1, y1)-(x2, y2), right and bottom edges excluded.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left corner at (x, y), in the font. With brush style
    // solid it sits on an opaque box in the brush colour.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // Width and height in pixels that TextOut would cover.
    virtual PixelPoint textExtent(const std::string& text) = 0;

    // --- objects of the picture -------------------------------------------
    // The calls between BeginObject and the matching EndObject draw one
    // object of the picture, of a kind and with a display name (Plane,
    // "Ebene E1"; Point, "Punkt A"); pairs may nest. The screen ignores
    // them; vector exports group each object under its name.
    virtual void beginObject(ObjectKind kind, const std::string& name) {
        (void)kind;
        (void)name;
    }
    virtual void endObject() {}

protected:
    template <class T>
    static void set(T& field, const T& value, bool& changed) {
        if (field == value) return;
        field = value;
        changed = true;
    }
    void resetAttributes() {
        attr_ = CanvasAttributes{};
        penPos_ = {};
        penChanged_ = brushChanged_ = fontChanged_ = true;
    }
    void setBounds(int left, int top) { left_ = left; top_ = top; }

    CanvasAttributes attr_;
    PixelPoint penPos_;
    bool penChanged_ = true;
    bool brushChanged_ = true;
    bool fontChanged_ = true;

private:
    int left_ = 0;
    int top_ = 0;
};

// beginObject(kind, name) for the lifetime of this guard, then EndObject.
class CanvasObject {
public:
    CanvasObject(Canvas& canvas, ObjectKind kind, const std::string& name) : canvas_(canvas) {
        canvas_.beginObject(kind, name);
    }
    ~CanvasObject() { canvas_.endObject(); }
    CanvasObject(const CanvasObject&) = delete;
    CanvasObject& operator=(const CanvasObject&) = delete;

private:
    Canvas& canvas_;
};

// --- two-dimensional primitives (pixel coordinates) ------------------------

// Sets pen colour, width, style and brush colour, style; polygon p1, p2, p3.
void fillTriangle(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3,
                  Colour penColour, Colour brushColour, int penWidth,
                  PenStyle penStyle, BrushStyle brushStyle);
// As fillTriangle with the polygon p1, p2, p3, p4 in this order.
void fillQuad(Canvas& canvas, PixelPoint p1, PixelPoint p2, PixelPoint p3, PixelPoint p4,
              Colour penColour, Colour brushColour, int penWidth,
              PenStyle penStyle, BrushStyle brushStyle);
// Fresh white picture of the given size, default attributes.
void resetImage(Canvas& canvas, int left, int top, int width, int height);
// Pen colour, width, style; line (x1,y1)->(x2,y2) without its end pixel;
// then brush style := clear.
void drawLine(Canvas& canvas, int x1, int y1, int x2, int y2,
              Colour colour, int width, PenStyle style);
// Arrow from tail (x1,y1) to tip (x2,y2) with head length L and half-width
// W. Draws nothing at all when the segment is not longer than
// sqrt(L^2 + (2W)^2). Ends with brush style := clear.
void drawArrow(Canvas& canvas, int x1, int y1, int x2, int y2,
               Colour penColour, int penWidth, Colour brushColour,
               PenStyle penStyle, BrushStyle brushStyle,
               int headLength, int headHalfWidth);
// size 0: one pixel; size 1: a five-pixel plus, both in the pen colour
// without attribute changes; otherwise a circle of radius size with the given
// attributes, then brush style := clear.
void drawPointMarker(Canvas& canvas, int x, int y, int size,
                     Colour penColour, Colour brushColour, int penWidth,
                     PenStyle penStyle, BrushStyle brushStyle);
// Font colour, size, face (empty face: unchanged), brush style, font style;
// text at (x, y); then brush style := clear.
void drawText(Canvas& canvas, int x, int y, const std::string& text,
              const std::string& faceName, int size, Colour colour,
              FontStyle style, BrushStyle brushStyle);

// --- three-dimensional operations (points placed with pointToPixel) ----------

// dotted: width 1, dot style; else width view.lineWidth, solid.
void drawSegment3D(Canvas& canvas, const ViewState& view, const Vector3& p, const Vector3& q,
                   Colour colour, bool dotted);
// Arrow with L = 12, W = 4, solid pen and solid brush; the head is filled
// with the colour, or white when not filled.
void drawArrow3D(Canvas& canvas, const ViewState& view, const Vector3& tail, const Vector3& tip,
                 Colour colour, int penWidth, bool filledHead);
// Pen and brush in the colour, pen width view.lineWidth, solid pen.
void fillTriangle3D(Canvas& canvas, const ViewState& view,
                    const Vector3& p1, const Vector3& p2, const Vector3& p3,
                    Colour colour, BrushStyle brushStyle);
void fillQuad3D(Canvas& canvas, const ViewState& view,
                const Vector3& p1, const Vector3& p2, const Vector3& p3, const Vector3& p4,
                Colour colour, BrushStyle brushStyle);
// Text at p's pixel, face unchanged, bold, on an opaque box (brush solid).
void drawLabel3D(Canvas& canvas, const ViewState& view, const Vector3& p,
                 Colour colour, int size, const std::string& text);
