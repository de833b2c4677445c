#include "plot/RecordingCanvas.h"

#include <algorithm>
#include <utility>

namespace {
long long PixelKey(int x, int y) { return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y); }
}  // namespace

RecordingCanvas::RecordingCanvas(int width, int height) : width_(width), height_(height) {
    ResetAttributes();
}

void RecordingCanvas::Record(std::string op, std::vector<PixelPoint> points, std::string text,
                             Colour colour) {
    CanvasCall call;
    call.op = std::move(op);
    call.points = std::move(points);
    call.text = std::move(text);
    call.colour = colour;
    call.attributes = attr_;
    calls_.push_back(std::move(call));
}

void RecordingCanvas::Reset(int left, int top, int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    SetBounds(left, top);
    ResetAttributes();
    pixels_.clear();
    Record("Reset", {{left, top}, {width, height}});
}

void RecordingCanvas::SetPixel(int x, int y, Colour c) {
    Record("SetPixel", {{x, y}}, {}, c);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[PixelKey(x, y)] = c;
}

Colour RecordingCanvas::GetPixel(int x, int y) const {
    auto it = pixels_.find(PixelKey(x, y));
    return it == pixels_.end() ? Colours::White : it->second;
}

void RecordingCanvas::MoveTo(int x, int y) {
    Record("MoveTo", {{x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
    Record("LineTo", {penPos_, {x, y}});
    penPos_ = {x, y};
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
    Record("Polygon", std::vector<PixelPoint>(points.begin(), points.end()));
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record("Ellipse", {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record("Rectangle", {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Record("TextOut", {{x, y}}, text);
}

void RecordingCanvas::CopyRect(int destX, int destY, int x1, int y1, int x2, int y2) {
    Record("CopyRect", {{destX, destY}, {x1, y1}, {x2, y2}});
}

PixelPoint RecordingCanvas::TextExtent(const std::string& text) {
    const int em = attr_.font.size * 96 / 72;
    return {static_cast<int>(text.size()) * em * 6 / 10, em * 12 / 10};
}

void RecordingCanvas::BeginObject(const std::string& name) { Record("BeginObject", {}, name); }

void RecordingCanvas::EndObject() { Record("EndObject", {}); }

std::vector<CanvasCall> RecordingCanvas::CallsOf(const std::string& op) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

int RecordingCanvas::CountOf(const std::string& op) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [&](const CanvasCall& c) { return c.op == op; }));
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
        if (c.op == "TextOut") out.push_back(c.text);
    return out;
}
