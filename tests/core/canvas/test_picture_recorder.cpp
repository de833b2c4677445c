// The kept picture: the main window's recorder passes every call on to the
// screen canvas and keeps it until the next reset; replaying the kept calls
// gives another canvas the same picture, grouped into the draw command's
// named objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "BusyScene.h"
#include "core/canvas/PictureRecorder.h"
#include "core/render/DrawCommand.h"

namespace {

bool sameCall(const CanvasCall& a, const CanvasCall& b) {
    return a.op == b.op && a.points == b.points && a.text == b.text && a.kind == b.kind && a.colour == b.colour &&
           a.attributes == b.attributes;
}

std::vector<CanvasCall> withoutObjects(const std::vector<CanvasCall>& calls) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls)
        if (c.op != CanvasOp::BeginObject && c.op != CanvasOp::EndObject) out.push_back(c);
    return out;
}

void drawBusy(Canvas& canvas) {
    ViewState view;
    Scene scene;
    BusySceneHost host;
    makeBusyScene(scene, view.controls);
    const SceneState input = inputShowing(scene);
    DrawContext ctx{canvas, view, scene, input, host};
    drawScene(ctx);
}

TEST(PictureRecorder, PassesEveryCallOnAndKeepsItUntilTheNextReset) {
    RecordingCanvas screen;
    PictureRecorder recorder(screen);
    drawBusy(recorder);
    drawText(recorder, 5, 5, "placed", "Arial", 12, Colours::Red, FontStyles::Bold, BrushStyles::Clear);

    // The screen got the same calls with the same attributes, objects apart.
    const std::vector<CanvasCall> kept = withoutObjects(recorder.calls());
    ASSERT_EQ(kept.size(), screen.calls().size());
    ASSERT_GT(kept.size(), 500u);
    for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_TRUE(sameCall(kept[i], screen.calls()[i])) << i << canvasOpName(kept[i].op);
    EXPECT_EQ(recorder.texts().back(), "placed");

    recorder.reset(0, 0, 721, 721);
    ASSERT_EQ(recorder.calls().size(), 1u);
    EXPECT_EQ(recorder.calls()[0].op, CanvasOp::Reset);
}

TEST(PictureRecorder, ReplayGivesAnotherCanvasTheSamePicture) {
    RecordingCanvas screen;
    PictureRecorder recorder(screen);
    drawBusy(recorder);
    RecordingCanvas copy;
    replayCalls(recorder.calls(), copy);
    ASSERT_EQ(copy.calls().size(), recorder.calls().size());
    for (std::size_t i = 0; i < copy.calls().size(); ++i)
        EXPECT_TRUE(sameCall(copy.calls()[i], recorder.calls()[i])) << i << canvasOpName(copy.calls()[i].op);
}

TEST(PictureRecorder, ReplayLeavesOutEmptyObjectsAndClosesOpenOnes) {
    RecordingCanvas source;
    source.beginObject(ObjectKind::Body, "leer");
    source.endObject();
    source.beginObject(ObjectKind::Body, "außen");
    source.beginObject(ObjectKind::Body, "innen leer");
    source.endObject();
    source.beginObject(ObjectKind::Body, "innen");
    source.moveTo(1, 1);
    source.lineTo(5, 5);
    source.endObject();
    source.endObject();
    source.endObject();  // without a BeginObject
    source.beginObject(ObjectKind::Body, "offen");
    source.beginObject(ObjectKind::Body, "nur bewegt");
    source.moveTo(2, 2);
    source.endObject();
    source.textOut(3, 3, "t");

    RecordingCanvas target;
    replayCalls(source.calls(), target);
    std::vector<std::string> seen;
    for (const CanvasCall& c : target.calls()) seen.push_back(c.op == CanvasOp::BeginObject ? "Begin " + c.text : std::string(canvasOpName(c.op)));
    const std::vector<std::string> expected{"Begin außen", "Begin innen", "MoveTo", "LineTo", "EndObject",
                                            "EndObject",   "Begin offen", "MoveTo", "TextOut", "EndObject"};
    EXPECT_EQ(seen, expected);
}

// Every mark of the picture belongs to a named object, so a vector file can
// group all of it; the names are the ones users know from the windows, and
// each object says what kind it is.
TEST(PictureRecorder, DrawCommandPutsEveryMarkIntoANamedObject) {
    RecordingCanvas canvas;
    drawBusy(canvas);
    std::vector<std::string> open;
    std::multiset<std::string> names;
    std::map<std::string, std::set<ObjectKind>> kinds;
    bool traceInH = false, memberInFamily = false;
    for (const CanvasCall& c : canvas.calls()) {
        if (c.op == CanvasOp::BeginObject) {
            if (c.text == "Spurpunkt Sxy" && !open.empty() && open.back() == "Gerade h") traceInH = true;
            if (c.text == "Gerade gt für t = 1,5" && !open.empty() && open.back() == "Geradenschar gt")
                memberInFamily = true;
            open.push_back(c.text);
            names.insert(c.text);
            kinds[c.text].insert(c.kind);
        } else if (c.op == CanvasOp::EndObject) {
            ASSERT_FALSE(open.empty());
            open.pop_back();
        } else if (c.op != CanvasOp::Reset && c.op != CanvasOp::MoveTo) {
            EXPECT_FALSE(open.empty()) << canvasOpName(c.op) << " outside every object";
        }
    }
    EXPECT_TRUE(open.empty());
    EXPECT_TRUE(traceInH);
    EXPECT_TRUE(memberInFamily);
    for (const char* name :
         {"Hintergrundraster", "Koordinatensystem", "Würfel", "Parallelebene x = 6,5", "Parallelebene z = 5",
          "yz-Ebene", "xz-Ebene", "xy-Ebene", "Punkt A", "Punkt Q", "Vektor AB", "Vektor PQ",
          "Komplanarität AD = rAB + tAC", "Gerade h", "Gerade g2", "Ebene E1", "Ebene E5", "Dreieck ABC",
          "Spat mit Spannvektoren AB, AC, AS"})
        EXPECT_GE(names.count(name), 1u) << name;
    // A .. D once more on top of the coplanarity construction.
    EXPECT_EQ(names.count("Punkt A"), 2u);
    EXPECT_EQ(names.count("Gerade gt für t = 1"), 1u);
    EXPECT_EQ(names.count("Gerade gt für t = 3"), 1u);

    const std::pair<const char*, ObjectKind> expectedKinds[] = {
        {"Hintergrundraster", ObjectKind::Grid},
        {"Koordinatensystem", ObjectKind::CoordinateSystem},
        {"Würfel", ObjectKind::Cube},
        {"Parallelebene x = 6,5", ObjectKind::ParallelPlane},
        {"xy-Ebene", ObjectKind::CoordinatePlane},
        {"Punkt A", ObjectKind::Point},
        {"Spurpunkt Sxy", ObjectKind::TracePoint},
        {"Vektor AB", ObjectKind::Vector},
        {"Komplanarität AD = rAB + tAC", ObjectKind::Coplanarity},
        {"Geradenschar gt", ObjectKind::LineFamily},
        {"Gerade gt für t = 1,5", ObjectKind::LineFamilyMember},
        {"Gerade h", ObjectKind::Line},
        {"Gerade g2", ObjectKind::Line},
        {"Ebene E1", ObjectKind::Plane},
        {"Ebene E5", ObjectKind::Plane},
        {"Dreieck ABC", ObjectKind::Body},
        {"Spat mit Spannvektoren AB, AC, AS", ObjectKind::Body},
    };
    for (const auto& [name, kind] : expectedKinds) EXPECT_EQ(kinds[name], std::set<ObjectKind>{kind}) << name;
}

}  // namespace
