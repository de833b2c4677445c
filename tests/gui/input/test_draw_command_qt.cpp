// The draw command wired into the two windows: the draw button, the main
// window's redraws, the messages, and memory over many full redraws.
#include <QCheckBox>
#include <QLineEdit>
#include <fstream>

#include "InputTestSupport.h"
#include "SanitizerBuild.h"
#include "gui/input/DrawCommandQt.h"
#include "SceneConsistency.h"
#include "core/numbers/Evaluator.h"
#include "core/canvas/Projection.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

class DrawCommandWiring : public InputWindowTest {
protected:
    void SetUp() override {
        InputWindowTest::SetUp();
        installDrawCommand(*plotWindow, *inputWindow);
    }
    void TearDown() override {
        InputWindowTest::TearDown();
    }
    void clickDraw() {
        QAbstractButton* button = inputWindow->button(QStringLiteral("SpeedButton_OK_zeichne"));
        ASSERT_NE(button, nullptr);
        button->click();
        QApplication::processEvents();
    }
    void check(const char* name, bool on = true) {
        QCheckBox* box = inputWindow->checkBox(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        box->setChecked(on);
    }
    Colour pixel(PixelPoint p) {
        const QImage& image = plotWindow->imageCanvas().image();
        return QImageCanvas::fromQRgb(image.pixel(p.x, p.y));
    }
    PixelPoint pixelOf(PointIndex i) { return pointToPixel(scene().points[i], plotWindow->viewState()); }
    // A label pixel of point i: right of and above its marker.
    int colouredPixelsNear(PixelPoint c, Colour colour) {
        int n = 0;
        for (int y = c.y - 17; y < c.y - 3; ++y)
            for (int x = c.x + 6; x < c.x + 20; ++x) n += pixel({x, y}) == colour;
        return n;
    }
};

TEST_F(DrawCommandWiring, DrawButtonHidesTheInputWindowAndDrawsCheckedPoints) {
    check("CheckBox_Punkt1_zeichnen");
    ASSERT_TRUE(inputWindow->isVisible());
    clickDraw();
    EXPECT_FALSE(inputWindow->isVisible());
    EXPECT_GT(colouredPixelsNear(pixelOf(PointA), scene().points[PointA].color), 5);
}

TEST_F(DrawCommandWiring, MainWindowRedrawRunsTheDrawCommand) {
    check("CheckBox_Punkt2_zeichnen");
    plotWindow->redraw();
    EXPECT_GT(colouredPixelsNear(pixelOf(PointB), scene().points[PointB].color), 5);
    check("CheckBox_Punkt2_zeichnen", false);
    plotWindow->redraw();
    EXPECT_EQ(colouredPixelsNear(pixelOf(PointB), scene().points[PointB].color), 0);
}

TEST_F(DrawCommandWiring, NullDirectionOfHIsReportedAndBlocksTheNextRedraw) {
    typeAndLeave("Edit_vhx", "0");
    typeAndLeave("Edit_vhy", "0");
    typeAndLeave("Edit_vhz", "0");
    check("CheckBox_Gerade_h");
    feedback.messages.clear();
    clickDraw();
    EXPECT_EQ(feedback.messages, QStringList{QStringLiteral("Richtungsvektor darf nicht der Nullvektor sein !")});
    EXPECT_TRUE(scene().drawBlocked);
    // Now a point is switched on; the redraw does nothing while the flag is set.
    check("CheckBox_Punkt1_zeichnen");
    plotWindow->redraw();
    EXPECT_EQ(colouredPixelsNear(pixelOf(PointA), scene().points[PointA].color), 0);
    EXPECT_EQ(feedback.messages.size(), 1);
}

TEST_F(DrawCommandWiring, SetErrorFlagLeavesTheInputWindowOpen) {
    scene().drawBlocked = true;
    clickDraw();
    EXPECT_TRUE(inputWindow->isVisible());
}

TEST_F(DrawCommandWiring, FamilyStartIsReadFromItsField) {
    check("CheckBox_Gerade_g");
    check("CheckBox_Geradenschar");
    QLineEdit* t1 = edit("Edit_t1");
    t1->setText(QStringLiteral("2,5"));  // typed, not yet committed
    clickDraw();
    EXPECT_TRUE(feedback.messages.isEmpty());
    // t = 2.5 and t = 3 were drawn; the running parameter ends beyond t2.
    EXPECT_EQ(scene().familyFrom, 3.5L);
    t1->setText(QStringLiteral("zwei"));
    plotWindow->redraw();
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].startsWith(QStringLiteral("Der Anfangswert t1")));
}

// The drawer draws the member at t1 also when t1 lies beyond t2, and its
// running parameter steps once: fields and Scene still agree.
TEST_F(DrawCommandWiring, AFamilyStartingBeyondT2AgreesWithItsFields) {
    check("CheckBox_Gerade_g");
    check("CheckBox_Geradenschar");
    typeAndLeave("Edit_t1", QStringLiteral("4"));
    clickDraw();
    EXPECT_EQ(scene().familyFrom, 4.5L);
    EXPECT_EQ(scene().lineDirection[LineG].z, 6);
    EXPECT_TRUE(fieldsDisagreeingWithScene(*inputWindow, *plotWindow).isEmpty());
}

// After a drawn family (t = 1 to 3), a new end or step takes it back to t1:
// g at t1, as the fields now give it.
TEST_F(DrawCommandWiring, ANewEndOrStepTakesTheDrawnFamilyBackToT1) {
    check("CheckBox_Gerade_g");
    check("CheckBox_Geradenschar");
    for (const char* field : {"Edit_t2", "Edit_Delta_t"}) {
        clickDraw();
        ASSERT_EQ(scene().familyFrom, 3.5L);
        ASSERT_EQ(scene().lineDirection[LineG].z, 4.5L);
        // The draw command hid the input window; offscreen, it is active
        // again only after another window was.
        for (QWidget* window : {static_cast<QWidget*>(plotWindow.get()), static_cast<QWidget*>(inputWindow.get())}) {
            window->show();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        typeAndLeave(field, QStringLiteral("2"));
        EXPECT_EQ(scene().familyFrom, 1) << field;
        EXPECT_EQ(scene().lineDirection[LineG].z, 1.5L) << field;
        EXPECT_TRUE(fieldsDisagreeingWithScene(*inputWindow, *plotWindow).isEmpty()) << field;
        typeAndLeave(field, QString::fromLatin1(field == std::string("Edit_t2") ? "3" : "0,5"));
    }
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

// Every full redraw replaces the picture: nothing may pile up from one run
// to the next.
TEST_F(DrawCommandWiring, MemoryStaysFlatOverManyFullRedraws) {
    for (const char* box : {"CheckBox_Punkt1_zeichnen", "CheckBox_Punkt2_zeichnen",
                            "CheckBox_Punkt3_zeichnen", "CheckBox_Punkt1_KO_Zuege", "CheckBox_VektorAB",
                            "CheckBox_Gerade_g", "CheckBox_Geradenschar", "CheckBox_Gerade_h",
                            "CheckBox_Gerade_g2", "CheckBox_Ebene1_zeichnen", "CheckBox_Ebene2_zeichnen",
                            "CheckBox_Ebene3_zeichnen", "CheckBox_Ebene4_zeichnen",
                            "CheckBox_Ebene5_zeichnen", "CheckBox_Spat_zeichnen", "CheckBox_Dreieck"})
        check(box);
    for (int i = 0; i < 100; ++i) plotWindow->redraw();
    const long before = residentKilobytes();
    for (int i = 0; i < 1000; ++i) plotWindow->redraw();
    const long growth = residentKilobytes() - before;
    if (kMeasuresTimeAndMemory) {
        EXPECT_LT(growth, 1024) << "kB grown over 1000 redraws";
    }
    EXPECT_TRUE(feedback.messages.isEmpty());
}

}  // namespace
