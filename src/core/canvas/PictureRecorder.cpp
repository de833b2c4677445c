#include "core/canvas/PictureRecorder.h"

#include <vector>

PictureRecorder::PictureRecorder(Canvas& screen)
    : RecordingCanvas(screen.Width(), screen.Height()), screen_(screen) {}

Canvas& PictureRecorder::Screen() {
    // The screen canvas skips attributes that did not change, so this costs
    // a few comparisons per call.
    const CanvasAttributes& a = Attributes();
    screen_.SetPenColour(a.pen.colour);
    screen_.SetPenWidth(a.pen.width);
    screen_.SetPenStyle(a.pen.style);
    screen_.SetBrushColour(a.brush.colour);
    screen_.SetBrushStyle(a.brush.style);
    screen_.SetFontName(a.font.name);
    screen_.SetFontSize(a.font.size);
    screen_.SetFontColour(a.font.colour);
    screen_.SetFontStyle(a.font.style);
    return screen_;
}

void PictureRecorder::Reset(int left, int top, int width, int height) {
    ClearCalls();
    RecordingCanvas::Reset(left, top, width, height);
    screen_.Reset(left, top, width, height);
}

void PictureRecorder::SetPixel(int x, int y, Colour c) {
    RecordingCanvas::SetPixel(x, y, c);
    Screen().SetPixel(x, y, c);
}

void PictureRecorder::MoveTo(int x, int y) {
    RecordingCanvas::MoveTo(x, y);
    Screen().MoveTo(x, y);
}

void PictureRecorder::LineTo(int x, int y) {
    RecordingCanvas::LineTo(x, y);
    Screen().LineTo(x, y);
}

void PictureRecorder::Polygon(std::span<const PixelPoint> points) {
    RecordingCanvas::Polygon(points);
    Screen().Polygon(points);
}

void PictureRecorder::Ellipse(int x1, int y1, int x2, int y2) {
    RecordingCanvas::Ellipse(x1, y1, x2, y2);
    Screen().Ellipse(x1, y1, x2, y2);
}

void PictureRecorder::Rectangle(int x1, int y1, int x2, int y2) {
    RecordingCanvas::Rectangle(x1, y1, x2, y2);
    Screen().Rectangle(x1, y1, x2, y2);
}

void PictureRecorder::TextOut(int x, int y, const std::string& text) {
    RecordingCanvas::TextOut(x, y, text);
    Screen().TextOut(x, y, text);
}

PixelPoint PictureRecorder::TextExtent(const std::string& text) { return Screen().TextExtent(text); }

namespace {

void ApplyAttributes(Canvas& target, const CanvasAttributes& a) {
    target.SetPenColour(a.pen.colour);
    target.SetPenWidth(a.pen.width);
    target.SetPenStyle(a.pen.style);
    target.SetBrushColour(a.brush.colour);
    target.SetBrushStyle(a.brush.style);
    target.SetFontName(a.font.name);
    target.SetFontSize(a.font.size);
    target.SetFontColour(a.font.colour);
    target.SetFontStyle(a.font.style);
}

bool Draws(CanvasOp op) { return op != CanvasOp::MoveTo && op != CanvasOp::BeginObject && op != CanvasOp::EndObject; }

// For each call: whether to pass it on. Object brackets are passed on only
// around drawing; unmatched EndObject calls never.
std::vector<bool> ObjectsWorthKeeping(std::span<const CanvasCall> calls, int& leftOpen) {
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
        } else if (Draws(op) && !open.empty()) {
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

void ReplayCalls(std::span<const CanvasCall> calls, Canvas& target) {
    int leftOpen = 0;
    const std::vector<bool> keep = ObjectsWorthKeeping(calls, leftOpen);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (!keep[i]) continue;
        const CanvasCall& c = calls[i];
        const auto& p = c.points;
        if (c.op == CanvasOp::Reset) {
            target.Reset(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y);
            continue;
        }
        ApplyAttributes(target, c.attributes);
        switch (c.op) {
        case CanvasOp::Reset: break;
        case CanvasOp::SetPixel: target.SetPixel(p.at(0).x, p.at(0).y, c.colour); break;
        case CanvasOp::MoveTo: target.MoveTo(p.at(0).x, p.at(0).y); break;
        case CanvasOp::LineTo:
            if (!(target.PenPosition() == p.at(0))) target.MoveTo(p[0].x, p[0].y);
            target.LineTo(p.at(1).x, p.at(1).y);
            break;
        case CanvasOp::Polygon: target.Polygon(p); break;
        case CanvasOp::Ellipse: target.Ellipse(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y); break;
        case CanvasOp::Rectangle: target.Rectangle(p.at(0).x, p.at(0).y, p.at(1).x, p.at(1).y); break;
        case CanvasOp::TextOut: target.TextOut(p.at(0).x, p.at(0).y, c.text); break;
        case CanvasOp::BeginObject: target.BeginObject(c.kind, c.text); break;
        case CanvasOp::EndObject: target.EndObject(); break;
        }
    }
    for (int i = 0; i < leftOpen; ++i) target.EndObject();
}
