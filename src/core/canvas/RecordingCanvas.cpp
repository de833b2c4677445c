#include "core/canvas/RecordingCanvas.h"

#include <algorithm>
#include <utility>

namespace {
long long pixelKey(int x, int y) { return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y); }
}  // namespace

RecordingCanvas::RecordingCanvas(int width, int height) : width_(width), height_(height) {
    resetAttributes();
}

std::string_view canvasOpName(CanvasOp op) {
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

CanvasCall& RecordingCanvas::record(CanvasOp op, std::vector<PixelPoint> points, std::string text,
                                    Colour colour) {
    CanvasCall call;
    call.op = op;
    call.points = std::move(points);
    call.text = std::move(text);
    call.colour = colour;
    call.attributes = attr_;
    return calls_.emplace_back(std::move(call));
}

void RecordingCanvas::reset(int left, int top, int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    setBounds(left, top);
    resetAttributes();
    pixels_.clear();
    record(CanvasOp::Reset, {{left, top}, {width, height}});
}

void RecordingCanvas::setPixel(int x, int y, Colour c) {
    record(CanvasOp::SetPixel, {{x, y}}, {}, c);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[pixelKey(x, y)] = c;
}

Colour RecordingCanvas::getPixel(int x, int y) const {
    auto it = pixels_.find(pixelKey(x, y));
    return it == pixels_.end() ? Colours::White : it->second;
}

void RecordingCanvas::moveTo(int x, int y) {
    record(CanvasOp::MoveTo, {{x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::lineTo(int x, int y) {
    record(CanvasOp::LineTo, {penPos_, {x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::polygon(std::span<const PixelPoint> points) {
    record(CanvasOp::Polygon, std::vector<PixelPoint>(points.begin(), points.end()));
}

void RecordingCanvas::ellipse(int x1, int y1, int x2, int y2) {
    record(CanvasOp::Ellipse, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
    record(CanvasOp::Rectangle, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    record(CanvasOp::TextOut, {{x, y}}, text);
}

PixelPoint RecordingCanvas::textExtent(const std::string& text) {
    const int em = attr_.font.size * 96 / 72;
    return {static_cast<int>(text.size()) * em * 6 / 10, em * 12 / 10};
}

void RecordingCanvas::beginObject(ObjectKind kind, const std::string& name) {
    record(CanvasOp::BeginObject, {}, name).kind = kind;
}

void RecordingCanvas::endObject() { record(CanvasOp::EndObject, {}); }

std::vector<CanvasCall> RecordingCanvas::callsOf(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

int RecordingCanvas::countOf(CanvasOp op) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [&](const CanvasCall& c) { return c.op == op; }));
}

std::vector<std::string> RecordingCanvas::texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
        if (c.op == CanvasOp::TextOut) out.push_back(c.text);
    return out;
}
