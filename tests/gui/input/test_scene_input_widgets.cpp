// The widget-free reading of a scene against the input window's own: for
// random texts, boxes, panels and starting Scenes, readScene on what the
// controls show gives the Scene readAllFields gives, value for value, the
// same rejected fields with the same messages in the same order, and the
// same texts in the derived fields.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

#include "QtTestDoubles.h"
#include "core/model/SceneInputSupport.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "core/numbers/Evaluator.h"
#include "gui/plot/PlotWindow.h"

using namespace sceneinput;

namespace {

bool isParallelPlaneField(const QString& name) {
    return name == QLatin1String("Edit_x_gleich_const") || name == QLatin1String("Edit_y_gleich_const") ||
           name == QLatin1String("Edit_z_gleich_const");
}

std::vector<QLineEdit*> everyEdit(PlotWindow& plotWindow, InputWindow& inputWindow) {
    std::vector<QLineEdit*> fields;
    for (QLineEdit* e : inputWindow.findChildren<QLineEdit*>())
        if (e->objectName().startsWith(QLatin1String("Edit_"))) fields.push_back(e);
    for (QLineEdit* e : plotWindow.findChildren<QLineEdit*>())
        if (isParallelPlaneField(e->objectName())) fields.push_back(e);
    return fields;
}

// What the controls show, as a SceneState.
SceneState capture(PlotWindow& plotWindow, InputWindow& inputWindow) {
    SceneState in;
    for (QLineEdit* e : everyEdit(plotWindow, inputWindow)) in.texts[e->objectName().toStdString()] = e->text().toStdString();
    for (QCheckBox* b : inputWindow.findChildren<QCheckBox*>())
        if (!b->objectName().isEmpty()) in.checks[b->objectName().toStdString()] = b->isChecked();
    for (ColourPanel* p : inputWindow.findChildren<ColourPanel*>()) in.colours[p->objectName().toStdString()] = p->colour();
    return in;
}

TEST(SceneInputWidgetsTest, ReadSceneEqualsTheInputWindowsReading) {
    RecordingFeedback feedback;
    PlotWindow plotWindow(quietServices(&feedback));
    InputWindow inputWindow(plotWindow);
    const std::vector<QLineEdit*> fields = everyEdit(plotWindow, inputWindow);
    ASSERT_EQ(fields.size(), 98u);  // 95 of the input window, 3 parallel planes

    Generator g(7031);
    int rejecting = 0;
    int clean = 0;
    int overflowing = 0;
    int syntaxMessages = 0;
    const int rounds = 300;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(round);
        g.clean = g.coin(20);
        for (QLineEdit* e : fields) e->setText(QString::fromStdString(g.text(e->objectName().toStdString())));
        for (QCheckBox* b : inputWindow.findChildren<QCheckBox*>()) b->setChecked(g.coin());
        for (ColourPanel* p : inputWindow.findChildren<ColourPanel*>()) p->setColour(g.colour());
        Scene start = g.startScene();
        start.drawBlocked = g.coin();
        inputWindow.resetScene(start);
        const SceneState input = capture(plotWindow, inputWindow);

        std::vector<FieldRejection> widgetRejections;
        {
            const QuietFieldReads quiet;
            inputWindow.readAllFields();
            for (const QuietFieldReads::Rejection& r : quiet.rejections())
                widgetRejections.push_back({r.field ? r.field->objectName().toStdString() : std::string("(gone)"),
                                            r.message.toStdString()});
        }
        const SceneReading reading = readScene(input, start);
        // The value the widgets keep is what they show, also after the
        // reading wrote the derived fields.
        const SceneState shown = capture(plotWindow, inputWindow);
        ASSERT_EQ(inputWindow.input().texts, shown.texts);
        ASSERT_EQ(inputWindow.input().checks, shown.checks);
        ASSERT_EQ(inputWindow.input().colours, shown.colours);

        ASSERT_EQ(differences(inputWindow.scene(), reading.scene), "");
        ASSERT_EQ(widgetRejections, reading.rejections);
        ASSERT_EQ(reading.derivedTexts.size(), 18u);
        for (const auto& [name, text] : reading.derivedTexts) {
            const QLineEdit* e = inputWindow.edit(QString::fromStdString(name));
            ASSERT_NE(e, nullptr) << name;
            EXPECT_EQ(e->text().toStdString(), text) << name;
            overflowing += text == "Überlauf";
        }
        rejecting += !reading.rejections.empty();
        clean += g.clean;
        if (g.clean) {
            EXPECT_EQ(reading.rejections, std::vector<FieldRejection>());
        }
        for (const FieldRejection& r : reading.rejections) syntaxMessages += !r.message.empty() && r.message[0] != 'F';
    }
    EXPECT_EQ(feedback.messages, QStringList());
    EXPECT_EQ(feedback.beeps, 0);
    // The random scenes reach scenes read without a rejection, rejections,
    // syntax messages of g and overflowing differences.
    EXPECT_GT(clean, 20);
    EXPECT_GT(rejecting, rounds / 2);
    EXPECT_GT(syntaxMessages, 20);
    EXPECT_GT(overflowing, 5);
}

}  // namespace
