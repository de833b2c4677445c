// Opening a scene without any window (what the command-line export does)
// against opening it in the windows: for the start-up and for random scene
// values over every control of both windows, the same Scene bit for bit,
// the same view, the same rejected fields with the same messages in the
// same order, the same messages of the drawing and the same picture.
#include <QLineEdit>
#include <cstdio>

#include "AppTestSupport.h"
#include "core/render/DrawCommand.h"
#include "SceneInputSupport.h"
#include "core/model/SceneOpening.h"
#include "core/canvas/ControlTables.h"
#include "core/canvas/RecordingCanvas.h"

namespace {

using namespace sceneinput;

// Every value of a view that opening decides, exactly, and with `drawn`
// those the drawing derives from them.
std::string viewListing(const ViewState& v, bool drawn = true) {
    std::string out;
    auto real = [&out](const char* name, Real r) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, " %s=%La", name, r);
        out += buffer;
    };
    auto word = [&out](const char* name, long long n) { out += std::string(" ") + name + "=" + std::to_string(n); };
    real("zoom", v.zoomScale);
    real("rx", v.rotationX);
    real("ry", v.rotationY);
    real("rz", v.rotationZ);
    real("cube", v.cubeEdge);
    real("stretch", v.planeStretch);
    real("worldX", v.worldXMax - v.worldXMin);
    word("ox", v.offsetX);
    word("oy", v.offsetY);
    word("width", v.imagePixelWidth);
    word("height", v.imagePixelHeight);
    if (drawn) {
        word("lineWidth", v.lineWidth);
        word("system", v.projectionSystem);
        word("hatch", v.hatchSurfaces);
    }
    word("label", v.pointLabelSize);
    word("marker", v.pointMarkerSize);
    word("grid", v.gridColor);
    word("planes", v.coordPlaneColor);
    word("parallel", v.parallelPlaneColor);
    word("cubeColour", v.cubeColor);
    word("textColour", v.textColor);
    word("textSize", v.textSize);
    word("textStyle", v.textStyle);
    out += " font=" + v.textFontName + " text=" + v.textString;
    word("button", v.controls.systemButton);
    word("rasterPanel", v.controls.rasterPanelColour);
    for (const CheckBoxRow& row : checkBoxTable()) word(row.name, v.controls.*row.field);
    return out;
}

class CollectingHost : public DrawHost {
public:
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    void hideInputWindow() override {}
    void reportRejections(const std::vector<FieldRejection>&) override {}
    QStringList messages;
};

// A random scene value over the start-up's entries: texts the readers take
// or reject, boxes, one system button, at most one of each group of boxes
// that exclude each other, colours, the zoom, pan and rotation, and g's
// parameters.
SceneState randomFile(Generator& g, const SceneState& startUp) {
    SceneState file;
    for (const auto& [name, text] : startUp.texts)
        if (g.coin(60)) file.texts[name] = name == "Edit_Text_in_Grafik" ? g.pick(nameTexts()) : g.text(name);
    const std::vector<std::vector<std::string>> exclusive = {
        {"SpeedButton_3DSys1", "SpeedButton_3DSys2", "SpeedButton_3DSys3"},
        {"CheckBox_schrumpf075", "CheckBox_schrumpf05", "CheckBox_schrumpf025"},
        {"CheckBox_Textmodus", "CheckBox_SchnittModus"}};
    for (const auto& [name, checked] : startUp.checks) {
        bool grouped = false;
        for (const auto& group : exclusive) grouped = grouped || std::find(group.begin(), group.end(), name) != group.end();
        if (!grouped && g.coin(50)) file.checks[name] = g.coin();
    }
    for (const auto& group : exclusive) {
        const std::string chosen = g.pick(group);
        for (const std::string& name : group) file.checks[name] = name == chosen && (g.coin(80) || group.size() == 3);
    }
    for (const auto& [name, colour] : startUp.colours)
        if (g.coin(30)) file.colours[name] = g.colour();
    file.choices["ComboBox_Zoomfaktor"] = g.pick(std::vector<int>{0, 1, 2, 3, 4, 5, 6});
    file.view["offsetX"] = g.pick(std::vector<double>{90, -300, 1234, 0});
    file.view["offsetY"] = g.pick(std::vector<double>{90, 45, -77});
    file.view["rotationZ"] = g.pick(std::vector<double>{0, 35, -720, 715});
    file.view["rotationX"] = g.pick(std::vector<double>{0, 20});
    // Now and then h without a direction, which the drawing reports.
    if (g.coin(15)) {
        for (const char* name : {"Edit_vhx", "Edit_vhy", "Edit_vhz"}) file.texts[name] = "0";
        file.checks["CheckBox_Gerade_h"] = true;
    }
    for (const char* name : {"Edit_ugx", "Edit_ugy", "Edit_ugz", "Edit_vgx", "Edit_vgy", "Edit_vgz"})
        if (g.coin(50)) file.parameters[name] = g.pick(std::vector<long double>{0, 1, 2.5L, -1, 0.1L});
    return file;
}

using SceneOpeningTest = AppTest;

TEST_F(SceneOpeningTest, OpeningWithoutWindowsEqualsOpeningInTheWindows) {
    const SceneState startUp = scenes().startUpState();
    // The start-up itself.
    for (const auto& [name, text] : startUpInput().texts) EXPECT_EQ(inputWindow().input().text(name), text) << name;
    EXPECT_EQ(differences(inputWindow().scene(), startUpScene()), "");
    EXPECT_EQ(viewListing(plotWindow().viewState()), viewListing(startUpView()));

    Generator g(4711);
    int blockedRounds = 0;
    int rejecting = 0;
    int drawMessages = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        g.clean = g.coin(20);
        const SceneState file = randomFile(g, startUp);
        feedback.messages.clear();
        const std::vector<CanvasCall> before = plotWindow().pictureCalls();
        std::vector<FieldRejection> windowRejections;
        loadScene(plotWindow(), inputWindow(), file, startUp, scenes().startUpScene(), true,
                  [&windowRejections](const QLineEdit& field, const QString& message) {
                      windowRejections.push_back({field.objectName().toStdString(), message.toStdString()});
                  });

        OpenedScene opened = openScene(file);
        const bool blocked = opened.scene.drawBlocked;
        RecordingCanvas canvas;
        CollectingHost host;
        drawOpenedScene(canvas, opened, host);

        ASSERT_EQ(differences(inputWindow().scene(), opened.scene), "");
        const bool drawn = !blocked;
        ASSERT_EQ(viewListing(plotWindow().viewState(), drawn), viewListing(opened.view, drawn));
        ASSERT_EQ(windowRejections, opened.rejections);
        ASSERT_EQ(feedback.messages, host.messages);
        for (const auto& [name, text] : inputWindow().input().texts) ASSERT_EQ(opened.input.text(name), text) << name;
        // A blocked draw leaves the window's last picture; the export's is
        // the start picture.
        if (blocked)
            ASSERT_TRUE(plotWindow().pictureCalls() == before);
        else
            ASSERT_TRUE(plotWindow().pictureCalls() == canvas.calls());
        blockedRounds += blocked;
        rejecting += !opened.rejections.empty();
        drawMessages += !host.messages.isEmpty();
    }
    // The rounds reach blocked draws, rejections and messages of the drawing.
    EXPECT_GT(blockedRounds, 3);
    EXPECT_GT(rejecting, 60);
    EXPECT_GT(drawMessages, 3);
}

}  // namespace
