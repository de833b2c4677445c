// The main window with the input window and its draw command installed as
// the redraw, as the program starts them: view changes redraw the objects
// and close the input window; the input window's reset keeps the shrink and
// axis boxes.
#include <QTest>
#include <gtest/gtest.h>

#include "gui/input/DrawCommandQt.h"
#include "gui/input/InputWindow.h"
#include "core/canvas/Projection.h"
#include "WindowTestSupport.h"

namespace {

struct Wired : WindowFixture {
    Wired() : inputWindow(form) {
        form.setInputWindow(&inputWindow);
        installDrawCommand(form, inputWindow);
    }
    InputWindow inputWindow;
};

}  // namespace

TEST(Wiring, ViewChangesRunTheDrawCommandAndHideTheInputWindow) {
    Wired w;
    w.form.show();
    w.button("SpeedButton_3DSys")->click();
    EXPECT_TRUE(w.inputWindow.isVisible());

    // Point A (4, 0, 0) in the picture.
    w.inputWindow.checkBox("CheckBox_Punkt1_zeichnen")->setChecked(true);
    w.inputWindow.button("SpeedButton_OK_zeichne")->click();
    EXPECT_FALSE(w.inputWindow.isVisible());
    const QImage withA = w.picture();

    w.button("SpeedButton_3DSys")->click();
    w.button("SpeedButton_Drehung_z_plus")->click();
    EXPECT_FALSE(w.inputWindow.isVisible());  // the view change closed it
    w.button("SpeedButton_Drehung_z_minus")->click();
    EXPECT_EQ(w.picture(), withA);  // the same objects again, not only the axes

    w.inputWindow.checkBox("CheckBox_Punkt1_zeichnen")->setChecked(false);
    w.button("SpeedButton_3DSys1")->click();
    EXPECT_NE(w.picture(), withA);
}

TEST(Wiring, ParallelPlaneEditsWriteIntoTheScene) {
    Wired w;
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    QLineEdit* y = w.edit("Edit_y_gleich_const");
    y->setFocus(Qt::MouseFocusReason);
    y->setText("3,5");
    QTest::keyClick(y, Qt::Key_Return);
    EXPECT_EQ(w.inputWindow.scene().parallelPlaneY, 3.5L);
    EXPECT_EQ(w.form.parallelPlaneY(), 3.5L);
}

TEST(Wiring, InputResetKeepsShrinkAndNoAxes) {
    Wired w;
    w.box("CheckBox_schrumpf025")->setChecked(true);
    w.box("CheckBox_keine_Achsen")->setChecked(true);
    w.button("SpeedButton_Drehung_z_plus")->click();
    w.inputWindow.resetToDefaults();
    EXPECT_TRUE(w.box("CheckBox_schrumpf025")->isChecked());
    EXPECT_TRUE(w.box("CheckBox_keine_Achsen")->isChecked());
    EXPECT_EQ(w.form.viewState().rotationZ, 0);
    EXPECT_EQ(w.edit("Edit_Drehwinkel_Achse")->text(), "0°");
}
