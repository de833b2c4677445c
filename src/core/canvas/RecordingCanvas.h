#pragma once
// A canvas that draws nothing but records every platform operation with its
// pixels and the attributes in force, so tests can check what a drawing
// routine asked for. Pixels set with SetPixel can be read back.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/canvas/Canvas.h"

// The canvas operations, one per virtual drawing call of Canvas.
enum class CanvasOp { Reset, SetPixel, MoveTo, LineTo, Polygon, Ellipse, Rectangle, TextOut, BeginObject, EndObject };

// The operation's name in the code ("Polygon"), for messages.
std::string_view canvasOpName(CanvasOp op);

struct CanvasCall {
    CanvasOp op = CanvasOp::Reset;
    // LineTo: from, to. MoveTo/SetPixel/TextOut: the point. Polygon: the
    // vertices. Ellipse/Rectangle: the two corners. Reset: (left, top),
    // (width, height).
    std::vector<PixelPoint> points;
    std::string text;                      // TextOut: the text; BeginObject: the name
    ObjectKind kind = ObjectKind::Point;   // BeginObject only
    Colour colour = 0;                     // SetPixel only
    CanvasAttributes attributes;           // attributes when the call was made
    bool operator==(const CanvasCall&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 721, int height = 721);

    void reset(int left, int top, int width, int height) override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPixel(int x, int y, Colour c) override;
    // The colour SetPixel last gave the pixel, white for any other.
    Colour getPixel(int x, int y) const;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(std::span<const PixelPoint> points) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    // A fixed-pitch estimate: 0.6 em per character, height 1.2 em.
    PixelPoint textExtent(const std::string& text) override;
    void beginObject(ObjectKind kind, const std::string& name) override;
    void endObject() override;

    const std::vector<CanvasCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // Calls with the given op, in order.
    std::vector<CanvasCall> callsOf(CanvasOp op) const;
    int countOf(CanvasOp op) const;
    // Texts of all TextOut calls, in order.
    std::vector<std::string> texts() const;

private:
    CanvasCall& record(CanvasOp op, std::vector<PixelPoint> points, std::string text = {},
                       Colour colour = 0);

    int width_;
    int height_;
    std::vector<CanvasCall> calls_;
    std::unordered_map<long long, Colour> pixels_;
};
