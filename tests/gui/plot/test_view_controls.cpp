// The control panel's effects on the view: rotation, systems, zoom, shrink,
// colour and font dialogs, the edits and their focus handling.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace {

void click(QAbstractButton* b, int times = 1) {
    for (int i = 0; i < times; ++i)
        b->click();
}

// Shows the window and waits until it can take the keyboard focus.
void showActive(PlotWindow& form) {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// Types text into a field that has the focus, then leaves it with Tab.
void typeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Tab);
}

}  // namespace

TEST(Rotation, FiveDegreeStepsStopAt720) {
    WindowFixture f;
    QToolButton* plus = f.button("SpeedButton_Drehung_z_plus");
    click(plus, 144);
    EXPECT_EQ(f.form.viewState().rotationZ, 720);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "720°");
    EXPECT_EQ(f.redraws, 144);
    click(plus);  // at the limit: only a redraw
    EXPECT_EQ(f.form.viewState().rotationZ, 720);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "720°");
    EXPECT_EQ(f.redraws, 145);
    EXPECT_EQ(f.form.viewState().rotationX, 0);
    EXPECT_EQ(f.form.viewState().rotationY, 0);
}

TEST(Rotation, LowerLimitIsMinus720) {
    WindowFixture f;
    f.form.viewState().rotationZ = -715;
    QToolButton* minus = f.button("SpeedButton_Drehung_z_minus");
    click(minus);
    EXPECT_EQ(f.form.viewState().rotationZ, -720);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "-720°");
    click(minus);
    EXPECT_EQ(f.form.viewState().rotationZ, -720);
}

TEST(Rotation, SeveralAxesTurnTogetherAndTheLastOneIsShown) {
    WindowFixture f;
    f.box("CheckBox_x_Drehung")->setChecked(true);
    EXPECT_EQ(f.redraws, 0);  // the axis boxes only choose, they do not draw
    click(f.button("SpeedButton_Drehung_z_minus"));
    const ViewState& v = f.form.viewState();
    EXPECT_EQ(v.rotationX, -5);
    EXPECT_EQ(v.rotationY, 0);
    EXPECT_EQ(v.rotationZ, -5);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "-5°");

    f.box("CheckBox_z_Drehung")->setChecked(false);
    f.box("CheckBox_y_Drehung")->setChecked(true);
    click(f.button("SpeedButton_Drehung_z_plus"), 2);
    EXPECT_EQ(v.rotationX, 5);
    EXPECT_EQ(v.rotationY, 10);
    EXPECT_EQ(v.rotationZ, -5);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "10°");
}

TEST(Rotation, NoAxisCheckedOnlyRedraws) {
    WindowFixture f;
    f.box("CheckBox_z_Drehung")->setChecked(false);
    click(f.button("SpeedButton_Drehung_z_plus"));
    EXPECT_EQ(f.form.viewState().rotationZ, 0);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "0°");
    EXPECT_EQ(f.redraws, 1);
}

TEST(Rotation, ResetTakesBackAllThreeAngles) {
    WindowFixture f;
    ViewState& v = f.form.viewState();
    v.rotationX = 35;
    v.rotationY = -20;
    click(f.button("SpeedButton_Drehung_z_plus"));
    const QImage turned = f.picture();
    click(f.button("SpeedButton_Drehung_auf_0"));
    EXPECT_EQ(v.rotationX, 0);
    EXPECT_EQ(v.rotationY, 0);
    EXPECT_EQ(v.rotationZ, 0);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "0°");
    EXPECT_EQ(f.redraws, 2);
    EXPECT_NE(f.picture(), turned);
}

TEST(SystemButtons, EachSetsItsOffsetsAndProjection) {
    WindowFixture f;
    ViewState& v = f.form.viewState();
    v.offsetX = 12;
    v.offsetY = 230;  // as after panning
    click(f.button("SpeedButton_3DSys3"));
    EXPECT_EQ(v.offsetX, 45);
    EXPECT_EQ(v.offsetY, 46);
    EXPECT_EQ(v.projectionSystem, 3);
    EXPECT_FALSE(f.button("SpeedButton_3DSys1")->isChecked());

    click(f.button("SpeedButton_3DSys2"));
    EXPECT_EQ(v.offsetX, 90);
    EXPECT_EQ(v.offsetY, 90);
    EXPECT_EQ(v.projectionSystem, 2);

    // The button already down undoes a pan and keeps the projection.
    v.offsetX = -40;
    click(f.button("SpeedButton_3DSys2"));
    EXPECT_TRUE(f.button("SpeedButton_3DSys2")->isChecked());
    EXPECT_EQ(v.offsetX, 90);
    EXPECT_EQ(v.projectionSystem, 2);
    EXPECT_EQ(f.redraws, 3);
}

TEST(Zoom, ItemsSetTheScaleTypedTextKeepsItButRedraws) {
    WindowFixture f;
    auto* zoom = f.find<QComboBox>("ComboBox_Zoomfaktor");
    const Real expected[] = {0.25L, 0.5L, 1, 2, 4, 8, 16};
    for (int i = 0; i < 7; ++i) {
        zoom->setCurrentIndex(i == 2 ? 3 : i);  // never "no change"
        zoom->setCurrentIndex(i);
        EXPECT_EQ(f.form.viewState().zoomScale, expected[i]) << i;
    }
    zoom->setCurrentIndex(4);
    const int before = f.redraws;
    zoom->setEditText("3");
    EXPECT_EQ(f.form.viewState().zoomScale, 4);
    EXPECT_EQ(f.redraws, before + 1);
    zoom->setEditText("0,5");
    EXPECT_EQ(f.form.viewState().zoomScale, 0.5L);
}

TEST(ShrinkBoxes, NeverTwoCheckedWhateverTheClicks) {
    const char* names[] = {"CheckBox_schrumpf075", "CheckBox_schrumpf05", "CheckBox_schrumpf025"};
    // Every sequence of four clicks.
    for (int code = 0; code < 81; ++code) {
        WindowFixture f;
        int c = code;
        for (int step = 0; step < 4; ++step, c /= 3) {
            f.box(names[c % 3])->click();
            int checked = 0;
            for (const char* n : names)
                checked += f.box(n)->isChecked() ? 1 : 0;
            ASSERT_LE(checked, 1) << "sequence " << code << " step " << step;
        }
    }
}

TEST(ShrinkBoxes, TheCheckedBoxDecidesTheAxisLength) {
    WindowFixture f;
    f.box("CheckBox_schrumpf075")->click();
    EXPECT_EQ(f.form.viewState().axisLength, 7.5L);
    f.box("CheckBox_schrumpf025")->click();
    EXPECT_FALSE(f.box("CheckBox_schrumpf075")->isChecked());
    EXPECT_EQ(f.form.viewState().axisLength, 2.5L);
    f.box("CheckBox_schrumpf025")->click();
    EXPECT_EQ(f.form.viewState().axisLength, 9.5L);
}

TEST(CheckBoxes, PictureOptionsRedrawOnceModeAndAxisBoxesNever) {
    const char* redrawing[] = {"CheckBox_3D_Raster_mittel", "CheckBox_nur_positive_3D_Achsen",
                               "CheckBox_keine_Achsen", "CheckBox_3DLinien_dick", "CheckBox_Vektor_dick",
                               "CheckBox_Flaechen_schraffieren", "CheckBox_Spurpunkte", "CheckBox_xy_Ebene",
                               "CheckBox_xz_Ebene", "CheckBox_yz_Ebene", "CheckBox_AutoFarben", "CheckBox_Wuerfel",
                               "CheckBox_x_gleich_const", "CheckBox_y_gleich_const", "CheckBox_z_gleich_const",
                               "CheckBox_EbenenZoomSx", "CheckBox_EbenenZoomSy", "CheckBox_EbenenZoomSz",
                               "CheckBox_PunktBeschriftung_gross"};
    WindowFixture f;
    for (const char* name : redrawing) {
        const int before = f.redraws;
        f.box(name)->click();
        EXPECT_EQ(f.redraws, before + 1) << name;
    }
    const int before = f.redraws;
    for (const char* name : {"CheckBox_x_Drehung", "CheckBox_y_Drehung", "CheckBox_z_Drehung",
                             "CheckBox_Textmodus", "CheckBox_SchnittModus"})
        f.box(name)->click();
    EXPECT_EQ(f.redraws, before);
}

TEST(CheckBoxes, RasterAndNoAxesChangeThePicture) {
    WindowFixture f;
    f.form.redraw();
    const QImage plain = f.picture();
    f.box("CheckBox_3D_Raster_mittel")->click();
    const QImage raster = f.picture();
    EXPECT_NE(raster, plain);
    EXPECT_EQ(raster.pixel(22, 5), qRgb(0xCA, 0xCA, 0xCA));  // a raster line in the default grey
    f.box("CheckBox_3D_Raster_mittel")->click();
    EXPECT_EQ(f.picture(), plain);
    f.box("CheckBox_keine_Achsen")->click();
    EXPECT_EQ(f.picture().pixel(681, 450), qRgb(255, 255, 255));  // no y axis beyond the planes
}

TEST(CheckBoxes, LargeLabelsSwitchThePointLabelSize) {
    WindowFixture f;
    f.box("CheckBox_PunktBeschriftung_gross")->click();
    EXPECT_EQ(f.form.viewState().pointLabelSize, 16);
    f.box("CheckBox_PunktBeschriftung_gross")->click();
    EXPECT_EQ(f.form.viewState().pointLabelSize, 10);
}

TEST(CheckBoxes, TextAndMarkingModeExcludeEachOther) {
    WindowFixture f;
    f.box("CheckBox_Textmodus")->click();
    f.box("CheckBox_SchnittModus")->click();
    EXPECT_FALSE(f.box("CheckBox_Textmodus")->isChecked());
    EXPECT_TRUE(f.box("CheckBox_SchnittModus")->isChecked());
    f.box("CheckBox_Textmodus")->click();
    EXPECT_TRUE(f.box("CheckBox_Textmodus")->isChecked());
    EXPECT_FALSE(f.box("CheckBox_SchnittModus")->isChecked());
}

TEST(CoordinatePlanes, OffButtonUnchecksEachBoxAndEachRedraws) {
    WindowFixture f;
    click(f.button("SpeedButton_KoordEbenen_aus"));
    EXPECT_FALSE(f.box("CheckBox_xy_Ebene")->isChecked());
    EXPECT_FALSE(f.box("CheckBox_xz_Ebene")->isChecked());
    EXPECT_FALSE(f.box("CheckBox_yz_Ebene")->isChecked());
    EXPECT_EQ(f.redraws, 3);
    click(f.button("SpeedButton_KoordEbenen_aus"));  // nothing changes, nothing redraws
    EXPECT_EQ(f.redraws, 3);
    f.box("CheckBox_xz_Ebene")->setChecked(true);
    click(f.button("SpeedButton_KoordEbenen_aus"));
    EXPECT_EQ(f.redraws, 5);
}

TEST(ColourPanels, OneDialogRemembersTheLastChoice) {
    WindowFixture f;
    auto* cube = f.find<ColourPanel>("Panel_Wuerfelfarbe");
    auto* planes = f.find<ColourPanel>("Panel_Koordinatenebenen");
    QTest::mouseClick(cube, Qt::LeftButton);
    EXPECT_EQ(f.answers.colourDialogs, 1);
    EXPECT_EQ(f.answers.colourOffered, QColor(Qt::black));  // black at first
    EXPECT_EQ(cube->colour(), makeColour(10, 20, 30));
    EXPECT_EQ(f.form.viewState().cubeColor, makeColour(10, 20, 30));
    EXPECT_EQ(f.redraws, 1);

    // Cancelled: the colour stays, the picture is redrawn all the same.
    f.answers.colourConfirmed = false;
    QTest::mouseClick(planes, Qt::LeftButton);
    EXPECT_EQ(f.answers.colourOffered, QColor(10, 20, 30));  // the last colour chosen, from another panel
    EXPECT_EQ(planes->colour(), Colour(0x00BF8200));
    EXPECT_EQ(f.form.viewState().coordPlaneColor, Colour(0x00BF8200));
    EXPECT_EQ(f.redraws, 2);
}

TEST(ColourPanels, EachPanelSetsItsOwnColour) {
    WindowFixture f;
    f.answers.colourToChoose = QColor(0x12, 0x34, 0x56);
    QTest::mouseClick(f.find<ColourPanel>("Panel_HintergrundRasterFarbe"), Qt::LeftButton);
    EXPECT_EQ(f.form.viewState().gridColor, makeColour(0x12, 0x34, 0x56));
    EXPECT_EQ(f.form.viewState().controls.rasterPanelColour, makeColour(0x12, 0x34, 0x56));
    f.answers.colourToChoose = QColor(0x65, 0x43, 0x21);
    QTest::mouseClick(f.find<ColourPanel>("Panel_Parallelebenen"), Qt::LeftButton);
    EXPECT_EQ(f.form.viewState().parallelPlaneColor, makeColour(0x65, 0x43, 0x21));
    QTest::mouseClick(f.find<ColourPanel>("Panel_Koordinatenebenen"), Qt::LeftButton);
    EXPECT_EQ(f.form.viewState().coordPlaneColor, makeColour(0x65, 0x43, 0x21));
    EXPECT_EQ(f.form.viewState().gridColor, makeColour(0x12, 0x34, 0x56));
}

TEST(TextInGraphic, FontDialogSetsFontAndColourCancelKeepsThem) {
    WindowFixture f;
    ViewState& v = f.form.viewState();
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(14);
    chosen.setItalic(true);
    f.answers.fontToChoose = chosen;
    f.answers.fontColourToChoose = QColor(0, 128, 0);
    click(f.button("SpeedButton_FontAuswahl"));
    EXPECT_EQ(v.textFontName, "Liberation Serif");
    EXPECT_EQ(v.textSize, 14);
    EXPECT_EQ(v.textStyle, FontStyles::Italic);
    EXPECT_EQ(v.textColor, makeColour(0, 128, 0));
    EXPECT_EQ(v.textBrushStyle, BrushStyles::Clear);
    EXPECT_TRUE(f.edit("Edit_Text_in_Grafik")->font().italic());
    EXPECT_EQ(f.edit("Edit_Text_in_Grafik")->palette().color(QPalette::Text), QColor(0, 128, 0));

    f.answers.fontConfirmed = false;
    v.textBrushStyle = BrushStyles::Solid;
    click(f.button("SpeedButton_FontAuswahl"));
    EXPECT_EQ(v.textFontName, "Liberation Serif");
    EXPECT_EQ(v.textSize, 14);
    EXPECT_EQ(v.textColor, makeColour(0, 128, 0));
    EXPECT_EQ(v.textBrushStyle, BrushStyles::Clear);
    EXPECT_EQ(f.redraws, 0);
}

TEST(TextInGraphic, TheEditIsTheTextToPlace) {
    WindowFixture f;
    f.edit("Edit_Text_in_Grafik")->setText("Ebene E1");
    EXPECT_EQ(f.form.viewState().textString, "Ebene E1");
    f.edit("Edit_Text_in_Grafik")->setText("Größe");
    EXPECT_EQ(f.form.viewState().textString, "Größe");
}

TEST(Edits, CubeEdgeIsReadOnLeavingAndRedraws) {
    WindowFixture f;
    showActive(f.form);
    typeAndLeave(f.edit("Edit_Kantenlaenge"), "4,5");
    EXPECT_EQ(f.form.viewState().cubeEdge, 4.5L);
    EXPECT_EQ(f.redraws, 1);
    EXPECT_TRUE(f.feedback.messages.isEmpty());
}

TEST(Edits, MalformedNumberIsReportedAndStillRedraws) {
    WindowFixture f;
    showActive(f.form);
    QLineEdit* edge = f.edit("Edit_Kantenlaenge");
    typeAndLeave(edge, "5x");
    EXPECT_EQ(f.feedback.messages, QStringList{"Fehler an Stelle 2"});
    EXPECT_EQ(f.feedback.beeps, 1);
    EXPECT_EQ(f.form.viewState().cubeEdge, 9.0L);
    EXPECT_EQ(f.redraws, 1);
    EXPECT_TRUE(edge->hasFocus());
}

TEST(Edits, StretchFactorZeroOrLessKeepsTheFocusAndDoesNotDraw) {
    WindowFixture f;
    showActive(f.form);
    QLineEdit* factor = f.edit("Edit_Ebenenstreckfaktor");
    for (const char* text : {"0", "-2"}) {
        typeAndLeave(factor, text);
        EXPECT_TRUE(factor->hasFocus()) << text;
        EXPECT_EQ(f.redraws, 0) << text;
        EXPECT_EQ(f.form.viewState().planeStretch, 2.0L) << text;  // the bad factor is not kept
    }
    EXPECT_TRUE(f.feedback.messages.isEmpty());
    typeAndLeave(factor, "3");
    EXPECT_FALSE(factor->hasFocus());
    EXPECT_EQ(f.form.viewState().planeStretch, 3.0L);
    EXPECT_EQ(f.redraws, 1);
}

TEST(Edits, ParallelPlaneValuesGoToTheBoundModel) {
    WindowFixture f;
    showActive(f.form);
    typeAndLeave(f.edit("Edit_x_gleich_const"), "7,5");
    EXPECT_EQ(f.form.parallelPlaneX(), 7.5L);
    Real x = 1, y = 2, z = 3;
    f.form.bindParallelPlanes(x, y, z);
    typeAndLeave(f.edit("Edit_z_gleich_const"), "-1/4");
    EXPECT_EQ(z, -0.25L);
    EXPECT_EQ(f.form.parallelPlaneZ(), -0.25L);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(f.redraws, 2);
}

TEST(Edits, EnterMovesOnLikeTabExceptInTheStretchFactor) {
    WindowFixture f;
    showActive(f.form);
    for (const char* name : {"Edit_Kantenlaenge", "Edit_x_gleich_const", "Edit_y_gleich_const",
                             "Edit_z_gleich_const", "Edit_Text_in_Grafik"}) {
        QLineEdit* e = f.edit(name);
        e->setFocus(Qt::MouseFocusReason);
        QSignalSpy returned(e, &QLineEdit::returnPressed);
        QTest::keyClick(e, Qt::Key_Return);
        EXPECT_FALSE(e->hasFocus()) << name;
        EXPECT_EQ(returned.count(), 0) << name;  // the edit never saw the key
    }
    EXPECT_EQ(f.redraws, 4);  // four number fields were left; the text field does not draw

    QLineEdit* factor = f.edit("Edit_Ebenenstreckfaktor");
    factor->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(factor, Qt::Key_Return);
    EXPECT_TRUE(factor->hasFocus());
}

TEST(Edits, EnterInTheCubeEdgeCommitsTheValue) {
    WindowFixture f;
    showActive(f.form);
    QLineEdit* edge = f.edit("Edit_Kantenlaenge");
    edge->setFocus(Qt::MouseFocusReason);
    edge->setText("5");
    QTest::keyClick(edge, Qt::Key_Enter);
    EXPECT_EQ(f.form.viewState().cubeEdge, 5.0L);
    EXPECT_EQ(f.redraws, 1);
}

TEST(Windows, ButtonsShowTheInputAndHelpWindowsWithoutBlocking) {
    WindowFixture f;
    QWidget input(nullptr, Qt::Tool);
    QWidget help(nullptr, Qt::Tool);
    f.form.setInputWindow(&input);
    f.form.setHelpWindow(&help);
    click(f.button("SpeedButton_3DSys"));
    EXPECT_TRUE(input.isVisible());
    EXPECT_FALSE(help.isVisible());
    click(f.button("SpeedButton_Hilfe"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(f.redraws, 0);
}

TEST(Redraw, HandlerReplacesTheDefaultAndEmptyRestoresIt) {
    WindowFixture f;
    int calls = 0;
    f.form.setRedrawHandler([&calls] { ++calls; });
    f.box("CheckBox_Wuerfel")->click();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(f.form.viewState().controls.cube);  // the controls were refreshed before the handler ran
    f.form.setRedrawHandler({});
    f.box("CheckBox_Wuerfel")->click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.redraws, 0);
}

TEST(Redraw, DefaultPictureDrawsTheCubeAndParallelPlanes) {
    WindowFixture f;
    f.form.setRedrawHandler({});
    f.form.redraw();
    const QImage without = f.picture();
    f.box("CheckBox_Wuerfel")->click();
    EXPECT_NE(f.picture(), without);
    f.box("CheckBox_Wuerfel")->click();
    EXPECT_EQ(f.picture(), without);
    f.box("CheckBox_z_gleich_const")->click();
    EXPECT_NE(f.picture(), without);
}
