#include "core/canvas/PictureRecorder.h"

#include <vector>

PictureRecorder::PictureRecorder(Canvas& screen)
    : RecordingCanvas(screen.width(), screen.height()), screen_(screen) {}

Canvas& PictureRecorder::screen() {
    // The screen canvas skips attributes that did not change, so this costs
    // a few comparisons per call.
    const CanvasAttributes& a = attributes();
    screen_.setPenColour(a.pen.colour);
    screen_.setPenWidth(a.pen.width);
    screen_.setPenStyle(a.pen.style);
    screen_.setBrushColour(a.brush.colour);
    screen_.setBrushStyle(a.brush.style);
    screen_.setFontName(a.font.name);
    screen_.setFontSize(a.font.size);
    screen_.setFontColour(a.font.colour);
    screen_.setFontStyle(a.font.style);
    return screen_;
}

void PictureRecorder::reset(int left, int top, int width, int height) {
    clearCalls();
    RecordingCanvas::reset(left, top, width, height);
    screen_.reset(left, top, width, height);
}

void PictureRecorder::setPixel(int x, int y, Colour c) {
    RecordingCanvas::setPixel(x, y, c);
    screen().setPixel(x, y, c);
}

void PictureRecorder::moveTo(int x, int y) {
    RecordingCanvas::moveTo(x, y);
    screen().moveTo(x, y);
}

void PictureRecorder::lineTo(int x, int y) {
    RecordingCanvas::lineTo(x, y);
    screen().lineTo(x, y);
}

void PictureRecorder::polygon(std::span<const PixelPoint> points) {
    RecordingCanvas::polygon(points);
    screen().polygon(points);
}

void PictureRecorder::ellipse(int x1, int y1, int x2, int y2) {
    RecordingCanvas::ellipse(x1, y1, x2, y2);
    screen().ellipse(x1, y1, x2, y2);
}

void PictureRecorder::rectangle(int x1, int y1, int x2, int y2) {
    RecordingCanvas::rectangle(x1, y1, x2, y2);
    screen().rectangle(x1, y1, x2, y2);
}

void PictureRecorder::textOut(int x, int y, const std::string& text) {
    RecordingCanvas::textOut(x, y, text);
    screen().textOut(x, y, text);
}

PixelPoint PictureRecorder::textExtent(const std::string& text) { return screen().textExtent(text); }

namespace {

void applyAttributes(Canvas& target, const CanvasAttributes& a) {
    target.setPenColour(a.pen.colour);
    target.setPenWidth(a.pen.width);
    target.setPenStyle(a.pen.style);
    target.setBrushColour(a.brush.colour);
    target.setBrushStyle(a.brush.style);
    target.setFontName(a.font.name);
    target.setFontSize(a.font.size);
    target.setFontColour(a.font.colour);
    target.setFontStyle(a.font.style);
}

bool draws(CanvasOp op) { return op != CanvasOp::MoveTo && op != CanvasOp::BeginObject && op != CanvasOp::EndObject; }

// For each call: whether to pass it on. Object brackets are passed on only
// around drawing; unmatched EndObject calls never.
std::vector<bool> objectsWorthKeeping(std::span<const CanvasCall> calls, int& leftOpen) {
    std::vector<bool> keep(calls.size(), true);
    struct Open {
        std::size_t begin;
        bool drawn;
    };
    std::vector<Open> open;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const CanvasOp op = calls[i].op;
        if (op == CanvasOp::BeginObject) {
            open.push_back({i, false});
        } else if (op == CanvasOp::EndObject) {
            if (open.empty()) {
                keep[i] = false;
                continue;
            }
            const Open o = open.back();
            open.pop_back();
            keep[o.begin] = keep[i] = o.drawn;
            if (o.drawn && !open.empty()) open.back().drawn = true;
        } else if (draws(op) && !open.empty()) {
            open.back().drawn = true;
        }
    }
    leftOpen = 0;
    // An object left open keeps its bracket when anything in it was drawn;
    // an enclosing one then was drawn too.
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        keep[it->begin] = it->drawn;
        if (it->drawn) {
            ++leftOpen;
            if (std::next(it) != open.rend()) std::next(it)->drawn = true;
        }
    }
    return keep;
}

}  // namespace

void replayCalls(std::span<const CanvasCall> calls, Canvas& target) {
    int leftOpen = 0;
    const std::vector<bool> keep = objectsWorthKeeping(calls, leftOpen);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (!keep[i]) continue;
        const CanvasCall& c = calls[i];
        const auto& p = c.points;
        if (c.op == CanvasOp::Reset) {
            target.reset(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y);
            continue;
        }
        applyAttributes(target, c.attributes);
        switch (c.op) {
        case CanvasOp::Reset: break;
        case CanvasOp::SetPixel: target.setPixel(p.at(0).x, p.at(0).y, c.colour); break;
        case CanvasOp::MoveTo: target.moveTo(p.at(0).x, p.at(0).y); break;
        case CanvasOp::LineTo:
            if (!(target.penPosition() == p.at(0))) target.moveTo(p[0].x, p[0].y);
            target.lineTo(p.at(1).x, p.at(1).y);
            break;
        case CanvasOp::Polygon: target.polygon(p); break;
        case CanvasOp::Ellipse: target.ellipse(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y); break;
        case CanvasOp::Rectangle: target.rectangle(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y); break;
        case CanvasOp::TextOut: target.textOut(p.at(0).x, p.at(0).y, c.text); break;
        case CanvasOp::BeginObject: target.beginObject(c.kind, c.text); break;
        case CanvasOp::EndObject: target.endObject(); break;
        }
    }
    for (int i = 0; i < leftOpen; ++i) target.endObject();
}
