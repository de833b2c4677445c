// Reading a scene as typed without widgets: the start-up texts give the
// start-up Scene, and a reading is a fixed point (reading the same texts
// again from what it left changes nothing).
#include <gtest/gtest.h>

#include "SceneInputSupport.h"
#include "core/numbers/Evaluator.h"

using namespace inputwindow;
using namespace sceneinput;

namespace {

std::string triple(const std::string& prefix, std::size_t a) { return "Edit_" + prefix + kAxisLetters[a]; }
std::string coordinate(std::size_t point, std::size_t a) {
    return std::string("Edit_Punkt") + kPoints[point].suffix + "_" + kAxisLetters[a];
}

// The texts the start-up puts into the fields (the parallel planes: the
// main window's), the names the points start with, every box unchecked.
SceneState startUpInput() {
    SceneState in;
    for (std::size_t i = 0; i < PointCount; ++i) {
        in.texts[std::string("Edit_Punkt") + kPoints[i].suffix] = kPoints[i].name;
        for (std::size_t a = 0; a < 3; ++a) in.texts[coordinate(i, a)] = kPoints[i].startup[a];
    }
    for (const TripleRow* row : {&kSupportG, &kDirectionG, &kSupportH, &kDirectionH})
        for (std::size_t a = 0; a < 3; ++a) in.texts[triple(row->prefix, a)] = row->startup[a];
    in.texts["Edit_t1"] = kStartupT1;
    in.texts["Edit_t2"] = kStartupT2;
    in.texts["Edit_Delta_t"] = kStartupDeltaT;
    for (const CoordinatePlaneRow& plane : kCoordinatePlanes)
        for (std::size_t k = 0; k < 4; ++k)
            in.texts["Edit_" + std::string(kCoefficientLetters[k]) + std::to_string(plane.number)] = plane.startup[k];
    for (const ParameterPlaneRow& plane : kParameterPlanes)
        for (std::size_t a = 0; a < 3; ++a) {
            const std::string n = std::to_string(plane.number);
            in.texts[triple("p" + n, a)] = plane.p[a];
            in.texts[triple("u" + n, a)] = plane.u[a];
            in.texts[triple("v" + n, a)] = plane.v[a];
        }
    in.texts["Edit_x_gleich_const"] = "6,5";
    in.texts["Edit_y_gleich_const"] = "6,0";
    in.texts["Edit_z_gleich_const"] = "5,0";
    return in;
}

// Random texts in every field of startUpInput, and in the derived fields,
// whose texts the reading must ignore; random boxes and panels.
SceneState randomInput(Generator& g) {
    SceneState in = startUpInput();
    for (auto& [name, text] : in.texts) text = g.text(name);
    for (const char* derived : {"AD", "p5", "u5", "v5", "ug1", "vg1"})
        for (std::size_t a = 0; a < 3; ++a) in.texts[triple(derived, a)] = g.text("");
    for (std::size_t i = 0; i < PointCount; ++i) {
        in.checks[std::string("CheckBox_Punkt") + kPoints[i].suffix + "_zeichnen"] = g.coin();
        in.checks[std::string("CheckBox_Punkt") + kPoints[i].suffix + "_KO_Zuege"] = g.coin();
    }
    for (const BodyRow& body : kBodies) in.checks[body.objectName] = g.coin();
    for (const char* box : {"CheckBox_Geradenschar", "CheckBox_Gerade_g", "CheckBox_Gerade_h", "CheckBox_Ebene3_zeichnen"})
        in.checks[box] = g.coin();
    for (const PanelRow* panel : {&kPointPanel, &kBodyPanel, &kLinePanels[2], &kPlanePanels[5]})
        in.colours[panel->objectName] = g.colour();
    return in;
}

TEST(SceneInputTest, TheStartUpTextsGiveTheStartUpScene) {
    const SceneReading reading = readScene(startUpInput(), Scene());
    EXPECT_EQ(differences(reading.scene, Scene()), "");
    EXPECT_TRUE(reading.rejections.empty());
    EXPECT_EQ(reading.derivedTexts.at("Edit_ADx"), "2");
    EXPECT_EQ(reading.derivedTexts.at("Edit_p5x"), "4");
    EXPECT_EQ(reading.derivedTexts.at("Edit_v5z"), "8");
    EXPECT_EQ(reading.derivedTexts.at("Edit_vg1y"), "6");
}

// Whatever the texts, reading them again from the Scene the first reading
// left gives that Scene, the same rejections and the same derived texts;
// the texts typed into derived fields count for nothing; the evaluator's
// flag is left as it was.
TEST(SceneInputTest, ReadingIsAFixedPointAndIgnoresTheDerivedFieldsTexts) {
    Generator g(20240611);
    int rejecting = 0;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        SceneState in = randomInput(g);
        Scene start = g.startScene();
        start.drawBlocked = g.coin();
        const SceneReading first = readScene(in, start);
        EXPECT_FALSE(first.scene.drawBlocked);
        const SceneReading second = readScene(in, first.scene);
        ASSERT_EQ(differences(second.scene, first.scene), "");
        EXPECT_EQ(second.rejections, first.rejections);
        EXPECT_EQ(second.derivedTexts, first.derivedTexts);
        rejecting += !first.rejections.empty();

        for (const char* derived : {"AD", "p5", "u5", "v5", "ug1", "vg1"})
            for (std::size_t a = 0; a < 3; ++a) in.texts[triple(derived, a)] = "1,2,3";
        const SceneReading other = readScene(in, start);
        EXPECT_EQ(differences(other.scene, first.scene), "");
        EXPECT_EQ(other.rejections, first.rejections);
    }
    // The generator reaches rejected texts.
    EXPECT_GT(rejecting, 50);
}

}  // namespace
