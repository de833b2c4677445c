#include "core/canvas/RecordingCanvas.h"

#include <algorithm>
#include <utility>

namespace {
long long PixelKey(int x, int y) { return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y); }
}  // namespace

RecordingCanvas::RecordingCanvas(int width, int height) : width_(width), height_(height) {
    ResetAttributes();
}

std::string_view CanvasOpName(CanvasOp op) {
    switch (op) {
    case CanvasOp::Reset: return "Reset";
    case CanvasOp::SetPixel: return "SetPixel";
    case CanvasOp::MoveTo: return "MoveTo";
    case CanvasOp::LineTo: return "LineTo";
    case CanvasOp::Polygon: return "Polygon";
    case CanvasOp::Ellipse: return "Ellipse";
    case CanvasOp::Rectangle: return "Rectangle";
    case CanvasOp::TextOut: return "TextOut";
    case CanvasOp::BeginObject: return "BeginObject";
    case CanvasOp::EndObject: return "EndObject";
    }
    return "?";
}

CanvasCall& RecordingCanvas::Record(CanvasOp op, std::vector<PixelPoint> points, std::string text,
                                    Colour colour) {
    CanvasCall call;
    call.op = op;
    call.points = std::move(points);
    call.text = std::move(text);
    call.colour = colour;
    call.attributes = attr_;
    return calls_.emplace_back(std::move(call));
}

void RecordingCanvas::Reset(int left, int top, int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    SetBounds(left, top);
    ResetAttributes();
    pixels_.clear();
    Record(CanvasOp::Reset, {{left, top}, {width, height}});
}

void RecordingCanvas::SetPixel(int x, int y, Colour c) {
    Record(CanvasOp::SetPixel, {{x, y}}, {}, c);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[PixelKey(x, y)] = c;
}

Colour RecordingCanvas::GetPixel(int x, int y) const {
    auto it = pixels_.find(PixelKey(x, y));
    return it == pixels_.end() ? Colours::White : it->second;
}

void RecordingCanvas::MoveTo(int x, int y) {
    Record(CanvasOp::MoveTo, {{x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
    Record(CanvasOp::LineTo, {penPos_, {x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
    Record(CanvasOp::Polygon, std::vector<PixelPoint>(points.begin(), points.end()));
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record(CanvasOp::Ellipse, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record(CanvasOp::Rectangle, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Record(CanvasOp::TextOut, {{x, y}}, text);
}

PixelPoint RecordingCanvas::TextExtent(const std::string& text) {
    const int em = attr_.font.size * 96 / 72;
    return {static_cast<int>(text.size()) * em * 6 / 10, em * 12 / 10};
}

void RecordingCanvas::BeginObject(ObjectKind kind, const std::string& name) {
    Record(CanvasOp::BeginObject, {}, name).kind = kind;
}

void RecordingCanvas::EndObject() { Record(CanvasOp::EndObject, {}); }

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

int RecordingCanvas::CountOf(CanvasOp op) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [&](const CanvasCall& c) { return c.op == op; }));
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
        if (c.op == CanvasOp::TextOut) out.push_back(c.text);
    return out;
}
