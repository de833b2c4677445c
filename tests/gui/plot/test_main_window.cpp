// The main window after start-up: its controls, the screen check, the close
// question, the first picture and the view defaults.
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "core/canvas/Projection.h"
#include "WindowTestSupport.h"

namespace {

struct BoxRow {
    const char* name;
    const char* caption;
    const char* hint;
    bool checked;
};

// Every check box with its caption, hint and the state the window starts with.
const BoxRow kBoxes[] = {
    {"CheckBox_x_Drehung", "x", "um die x-Achse", false},
    {"CheckBox_y_Drehung", "y", "um die y-Achse", false},
    {"CheckBox_z_Drehung", "z", "um die z-Achse", true},
    {"CheckBox_schrumpf075", "3/4", "", false},
    {"CheckBox_schrumpf05", "2/4", "", false},
    {"CheckBox_schrumpf025", "1/4", "", false},
    {"CheckBox_PunktBeschriftung_gross", "Punktebeschriftung groß", "", false},
    {"CheckBox_3D_Raster_mittel", "Hintergrundraster ein", "", false},
    {"CheckBox_nur_positive_3D_Achsen", "Achsen nur positiv", "", true},
    {"CheckBox_keine_Achsen", "keine Achsen", "", false},
    {"CheckBox_3DLinien_dick", "Strecken/Geraden dick", "", false},
    {"CheckBox_Vektor_dick", "Vektoren dick", "", false},
    {"CheckBox_Flaechen_schraffieren", "Flächen schraffieren", "", true},
    {"CheckBox_Spurpunkte", "Spurpunkte zeichnen", "", false},
    {"CheckBox_xy_Ebene", "xy-Ebene", "", true},
    {"CheckBox_xz_Ebene", "xz-Ebene", "", true},
    {"CheckBox_yz_Ebene", "yz-Ebene", "", true},
    {"CheckBox_AutoFarben", "Farben automatisch", "3 Farben automatisch festlegen", false},
    {"CheckBox_Wuerfel", "Kantenlänge = ", "", false},
    {"CheckBox_x_gleich_const", "x=", "", false},
    {"CheckBox_y_gleich_const", "y=", "", false},
    {"CheckBox_z_gleich_const", "z=", "", false},
    {"CheckBox_EbenenZoomSx", "an Sx", "", false},
    {"CheckBox_EbenenZoomSy", "an Sy", "", false},
    {"CheckBox_EbenenZoomSz", "an Sz", "", false},
    {"CheckBox_Textmodus", "T", "Textmodus ein", false},
    {"CheckBox_SchnittModus", "Teilgrafik-Markiermodus ein", "Erlaubt das Speichern einer markierten Teilgrafik",
     false},
};

const std::pair<const char*, const char*> kSpeedButtons[] = {
    {"SpeedButton_Hilfe", "Hilfestellung und Info"},
    {"SpeedButton_3DSys", "Zu den Eingaben (Punkte,Ebenen,...)"},
    {"SpeedButton_3DSys1", "System 1"},
    {"SpeedButton_3DSys2", "System 2"},
    {"SpeedButton_3DSys3", "System 3"},
    {"SpeedButton_Drehung_z_minus", "Drehwinkel kleiner"},
    {"SpeedButton_Drehung_z_plus", "Drehwinkel größer"},
    {"SpeedButton_Drehung_auf_0", "Drehungen zurücknehmen"},
    {"SpeedButton_KoordEbenen_aus", "Koordinatenebenen ausschalten"},
    {"SpeedButton_FontAuswahl", "Schriftattribute auswählen"},
};

struct PanelRow {
    const char* name;
    const char* hint;
    Colour colour;
};
const PanelRow kPanels[] = {
    {"Panel_HintergrundRasterFarbe", "Farbe des Hintergrundrasters", 0x00CACACA},
    {"Panel_Koordinatenebenen", "Farbe der Koordinatenebenen", 0x00BF8200},
    {"Panel_Parallelebenen", "Farbe der Parallelebenen", 0x00000080},
    {"Panel_Wuerfelfarbe", "Würfelfarbe", 0x00000000},
};

int countRed(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                ++n;
        }
    return n;
}

bool isDark(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

}  // namespace

TEST(MainWindowControls, CheckBoxesHaveCaptionHintAndStartState) {
    WindowFixture f;
    for (const BoxRow& row : kBoxes) {
        SCOPED_TRACE(row.name);
        QCheckBox* b = f.box(row.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.hint));
        EXPECT_EQ(b->isChecked(), row.checked);
    }
    EXPECT_EQ(f.form.findChildren<QCheckBox*>().size(), qsizetype(std::size(kBoxes)));
}

TEST(MainWindowControls, SpeedButtonsHaveHintsAndNeverTakeFocus) {
    WindowFixture f;
    for (const auto& [name, hint] : kSpeedButtons) {
        SCOPED_TRACE(name);
        QToolButton* b = f.button(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    // The system buttons form one exclusive group with System 1 down.
    EXPECT_TRUE(f.button("SpeedButton_3DSys1")->isChecked());
    EXPECT_FALSE(f.button("SpeedButton_3DSys2")->isChecked());
    EXPECT_FALSE(f.button("SpeedButton_3DSys3")->isChecked());
    f.button("SpeedButton_3DSys2")->setChecked(true);
    EXPECT_FALSE(f.button("SpeedButton_3DSys1")->isChecked());
}

TEST(MainWindowControls, EditsListAndPanelsShowTheirDefaults) {
    WindowFixture f;
    // The cube edit's layout text "8,0" is replaced by the view defaults.
    EXPECT_EQ(f.edit("Edit_Kantenlaenge")->text(), "9,0");
    EXPECT_EQ(f.edit("Edit_Ebenenstreckfaktor")->text(), "2,0");
    EXPECT_EQ(f.edit("Edit_x_gleich_const")->text(), "6,5");
    EXPECT_EQ(f.edit("Edit_y_gleich_const")->text(), "6,0");
    EXPECT_EQ(f.edit("Edit_z_gleich_const")->text(), "5,0");
    EXPECT_EQ(f.edit("Edit_Text_in_Grafik")->text(), "Gerade g");
    EXPECT_EQ(f.edit("Edit_Text_in_Grafik")->size(), QSize(220, 20));
    EXPECT_TRUE(f.edit("Edit_Text_in_Grafik")->font().bold());
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), "0°");
    EXPECT_TRUE(f.edit("Edit_Drehwinkel_Achse")->isReadOnly());

    auto* zoom = f.find<QComboBox>("ComboBox_Zoomfaktor");
    ASSERT_NE(zoom, nullptr);
    QStringList items;
    for (int i = 0; i < zoom->count(); ++i)
        items << zoom->itemText(i);
    EXPECT_EQ(items, QStringList({"0,25", "0,5", "1", "2", "4", "8", "16"}));
    EXPECT_EQ(zoom->currentIndex(), 2);

    for (const PanelRow& row : kPanels) {
        SCOPED_TRACE(row.name);
        auto* p = f.find<ColourPanel>(row.name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->toolTip(), QString::fromUtf8(row.hint));
        EXPECT_EQ(p->colour(), row.colour);
    }
}

TEST(MainWindowControls, GroupsCarryTheirCaptions) {
    WindowFixture f;
    QStringList titles;
    for (QGroupBox* g : f.form.findChildren<QGroupBox*>())
        titles << g->title();
    for (const char* expected :
         {"  Info  ", "  Zu den Eingaben ", "3DSystem -  Eigenschaften ", "  3D-Darstellung  ", " Zoomfaktor ",
          "  KOS drehen  ", " Ebenen strecken ", " Koordinatenebenen einzeichnen   ", " Würfel (Ecke im Ursprung)   ",
          " Parallelebenen  zu den KO-Ebenen ", " Text in die Grafik einfügen  "})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(expected))) << expected;
    QStringList labels;
    for (QLabel* l : f.form.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains("System schrumpfen "));
    EXPECT_TRUE(labels.contains("Faktor"));
}

TEST(MainWindowLayout, CaptionClientAreaImageAndPanel) {
    WindowFixture f;
    EXPECT_EQ(f.form.windowTitle(), "Spatium V2.20");
    EXPECT_EQ(f.form.size(), QSize(1009, 721));
    EXPECT_EQ(f.image()->geometry(), QRect(0, 0, 721, 721));
    QWidget* panel = f.find("Panel_Steuerung");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width(), 288);
    EXPECT_EQ(panel->mapTo(&f.form, QPoint(panel->width() - 1, 0)), QPoint(1008, 0));
    // Every control lies inside the panel.
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isWindow() && w->parentWidget() == panel) {
            EXPECT_TRUE(panel->rect().contains(w->geometry())) << w->objectName().toStdString();
        }
    }
    const ViewState& v = f.form.viewState();
    EXPECT_EQ(v.imageWidth, 720);
    EXPECT_EQ(v.imageHeight, 720);
    EXPECT_EQ(v.imagePixelWidth, 721);
    EXPECT_EQ(f.form.imageCanvas().image().size(), QSize(721, 721));
}

class ScreenCheck : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(ScreenCheck, SmallScreensStopTheStart) {
    const auto [w, h, starts] = GetParam();
    RecordingFeedback feedback;
    DialogAnswers answers;
    answers.screen = QSize(w, h);
    PlotWindow form(answeringServices(answers, &feedback));
    EXPECT_EQ(form.startupAborted(), !starts);
    if (starts) {
        EXPECT_TRUE(feedback.messages.isEmpty());
    } else {
        EXPECT_EQ(feedback.messages, QStringList{"Bildschirm zu klein"});
        EXPECT_FALSE(form.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScreenCheck,
                         ::testing::Values(std::make_tuple(1024, 600, true), std::make_tuple(1023, 600, false),
                                           std::make_tuple(1024, 599, false), std::make_tuple(1920, 1080, true)));

TEST(ScreenCheckDefault, HeadlessPlatformStartsWithTheRealServices) {
    // Other windows' tests build the main window with its real dialogs;
    // the offscreen platform's small virtual screen must not stop them.
    RecordingFeedback feedback;
    WindowServices services = defaultWindowServices();
    services.feedback = &feedback;
    PlotWindow form(services);
    EXPECT_FALSE(form.startupAborted());
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST(MainWindowClose, NoKeepsTheWindowAndItsPicture) {
    WindowFixture f;
    f.form.show();
    const QImage before = f.picture();
    QSignalSpy closed(&f.form, &PlotWindow::closed);
    f.answers.closeAnswer = false;
    EXPECT_FALSE(f.form.close());
    EXPECT_EQ(f.answers.questions, 1);
    EXPECT_EQ(f.answers.lastQuestion, "Wirklich beenden ?");
    EXPECT_TRUE(f.form.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(f.picture(), before);
    EXPECT_EQ(f.redraws, 0);
}

TEST(MainWindowClose, YesClosesAndEndsTheProgram) {
    WindowFixture f;
    f.form.show();
    QSignalSpy closed(&f.form, &PlotWindow::closed);
    f.answers.closeAnswer = true;
    EXPECT_TRUE(f.form.close());
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST(MainWindowStart, FirstPictureHasAxesPlanesAndTitle) {
    WindowFixture f;
    EXPECT_EQ(f.redraws, 0);  // the start-up draws once by itself, not through the redraw handler
    const QImage img = f.picture();
    ASSERT_EQ(img.size(), QSize(721, 721));
    // The title lines in red on opaque boxes at (5, 200) and (5, 230).
    EXPECT_GT(countRed(img, QRect(5, 200, 260, 28)), 150);
    EXPECT_GT(countRed(img, QRect(5, 230, 200, 16)), 60);
    EXPECT_EQ(countRed(img, QRect(400, 0, 300, 180)), 0);
    // The axes start at the origin's pixel (270, 450) with the defaults.
    const PixelPoint o = pointToPixel(0, 0, 0, f.form.viewState());
    EXPECT_EQ(o, (PixelPoint{270, 450}));
    // The axes reach beyond the coordinate planes (9.5 against 9 units).
    EXPECT_TRUE(isDark(img, 681, 450));  // the y axis near its tip
    EXPECT_TRUE(isDark(img, 270, 35));   // the z axis near its tip
    // The coordinate planes: a dotted hatch line of the yz plane in blue.
    int blue = 0;
    for (int y = 250; y < 450; ++y)
        for (int x = 270; x < 680; ++x)
            if (img.pixel(x, y) == qRgb(0x00, 0x82, 0xBF))
                ++blue;
    EXPECT_GT(blue, 500);
}

TEST(MainWindowStart, TitleIsGoneAfterARedraw) {
    WindowFixture f;
    f.form.redraw();
    EXPECT_EQ(f.redraws, 1);
    EXPECT_EQ(countRed(f.picture(), QRect(5, 200, 260, 46)), 0);
}

TEST(MainWindowInit, ResetsTheViewButKeepsShrinkAndNoAxes) {
    WindowFixture f;
    ViewState& v = f.form.viewState();
    f.box("CheckBox_schrumpf05")->setChecked(true);
    f.box("CheckBox_keine_Achsen")->setChecked(true);
    f.box("CheckBox_EbenenZoomSy")->setChecked(true);
    f.box("CheckBox_xy_Ebene")->setChecked(false);
    f.box("CheckBox_Wuerfel")->setChecked(true);
    f.find<QComboBox>("ComboBox_Zoomfaktor")->setCurrentIndex(5);
    f.button("SpeedButton_3DSys3")->click();
    v.rotationX = 35;
    f.edit("Edit_Kantenlaenge")->setText("3");
    v.cubeEdge = 3;
    v.textString = "anders";
    const int redrawsBefore = f.redraws;

    f.form.applyViewDefaults();

    EXPECT_EQ(v.zoomScale, 1.0L);
    EXPECT_EQ(f.find<QComboBox>("ComboBox_Zoomfaktor")->currentText(), "1");
    EXPECT_EQ(v.offsetX, 90);
    EXPECT_EQ(v.offsetY, 90);
    EXPECT_EQ(v.rotationX, 0);
    EXPECT_TRUE(f.button("SpeedButton_3DSys1")->isChecked());
    EXPECT_EQ(f.edit("Edit_Kantenlaenge")->text(), "9,0");
    EXPECT_EQ(v.cubeEdge, 9.0L);
    EXPECT_EQ(v.textString, "Gerade g");
    EXPECT_TRUE(f.box("CheckBox_xy_Ebene")->isChecked());
    EXPECT_FALSE(f.box("CheckBox_Wuerfel")->isChecked());
    // Left alone.
    EXPECT_TRUE(f.box("CheckBox_schrumpf05")->isChecked());
    EXPECT_TRUE(f.box("CheckBox_keine_Achsen")->isChecked());
    EXPECT_TRUE(f.box("CheckBox_EbenenZoomSy")->isChecked());
    // Only the two boxes it changed redrew (xy plane on, cube off); the zoom list did not.
    EXPECT_EQ(f.redraws - redrawsBefore, 2);
}

TEST(MainWindowInit, ResetsColoursTextAndStretchButKeepsRasterModesAndPlaneEdits) {
    WindowFixture f;
    ViewState& v = f.form.viewState();
    auto* raster = f.find<ColourPanel>("Panel_HintergrundRasterFarbe");
    auto* planes = f.find<ColourPanel>("Panel_Koordinatenebenen");
    auto* parallel = f.find<ColourPanel>("Panel_Parallelebenen");
    auto* cube = f.find<ColourPanel>("Panel_Wuerfelfarbe");
    for (ColourPanel* p : {raster, planes, parallel, cube})
        p->setColour(0x00123456);
    v.coordPlaneColor = v.parallelPlaneColor = v.cubeColor = 0x00123456;
    f.edit("Edit_x_gleich_const")->setText("1,5");
    f.edit("Edit_Ebenenstreckfaktor")->setText("3,0");
    v.planeStretch = 3;
    f.box("CheckBox_SchnittModus")->setChecked(true);
    f.button("SpeedButton_Drehung_z_plus")->click();
    ASSERT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), QStringLiteral("5°"));
    QFont other(QStringLiteral("Liberation Serif"));
    other.setPointSize(15);
    other.setItalic(true);
    f.answers.fontToChoose = other;
    f.find<QToolButton>("SpeedButton_FontAuswahl")->click();
    ASSERT_EQ(v.textSize, 15);

    f.form.applyViewDefaults();

    EXPECT_EQ(planes->colour(), Colour(0x00BF8200));
    EXPECT_EQ(v.coordPlaneColor, Colour(0x00BF8200));
    EXPECT_EQ(parallel->colour(), Colour(0x00000080));
    EXPECT_EQ(v.parallelPlaneColor, Colour(0x00000080));
    EXPECT_EQ(cube->colour(), Colours::Black);
    EXPECT_EQ(v.cubeColor, Colours::Black);
    EXPECT_EQ(f.edit("Edit_Ebenenstreckfaktor")->text(), "2,0");
    EXPECT_EQ(v.planeStretch, 2.0L);
    EXPECT_EQ(f.edit("Edit_Drehwinkel_Achse")->text(), QStringLiteral("0°"));
    EXPECT_EQ(v.rotationZ, 0);
    // The text to place and the font it is shown in.
    EXPECT_EQ(v.textFontName, "Arial");
    EXPECT_EQ(v.textSize, 10);
    EXPECT_EQ(v.textStyle, FontStyles::Bold);
    EXPECT_EQ(v.textColor, Colour(0x00FF0000));
    EXPECT_EQ(v.textBrushStyle, BrushStyles::Clear);
    const QFont shown = f.edit("Edit_Text_in_Grafik")->font();
    EXPECT_EQ(shown.family(), "Arial");
    EXPECT_EQ(shown.pointSize(), 10);
    EXPECT_TRUE(shown.bold());
    EXPECT_FALSE(shown.italic());
    EXPECT_EQ(f.edit("Edit_Text_in_Grafik")->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(f.edit("Edit_Text_in_Grafik")->size(), QSize(220, 20));
    // Left alone: the raster colour, the plane edits and the mouse mode.
    EXPECT_EQ(raster->colour(), Colour(0x00123456));
    EXPECT_EQ(f.edit("Edit_x_gleich_const")->text(), "1,5");
    EXPECT_TRUE(f.box("CheckBox_SchnittModus")->isChecked());
}

// The window's defaults and resetViewDefaults come from one table: a view
// reset by either holds the same values.
TEST(MainWindowInit, InitForm1AndResetViewDefaultsAgree) {
    WindowFixture f;
    f.button("SpeedButton_3DSys3")->click();
    f.button("SpeedButton_Drehung_z_plus")->click();
    f.box("CheckBox_Wuerfel")->setChecked(true);
    f.box("CheckBox_xy_Ebene")->setChecked(false);
    f.form.viewState().cubeEdge = 3;
    f.form.applyViewDefaults();
    f.form.readViewControls();
    ViewState reset = f.form.viewState();
    reset.cubeEdge = 3;
    reset.offsetX = 1;
    reset.controls.cube = true;
    resetViewDefaults(reset);
    const ViewState& v = f.form.viewState();
    EXPECT_EQ(v.offsetX, reset.offsetX);
    EXPECT_EQ(v.offsetY, reset.offsetY);
    EXPECT_EQ(v.zoomScale, reset.zoomScale);
    EXPECT_EQ(v.rotationZ, reset.rotationZ);
    EXPECT_EQ(v.cubeEdge, reset.cubeEdge);
    EXPECT_EQ(v.planeStretch, reset.planeStretch);
    EXPECT_EQ(v.coordPlaneColor, reset.coordPlaneColor);
    EXPECT_EQ(v.cubeColor, reset.cubeColor);
    EXPECT_EQ(v.parallelPlaneColor, reset.parallelPlaneColor);
    EXPECT_EQ(v.textFontName, reset.textFontName);
    EXPECT_EQ(v.textString, reset.textString);
    for (const ControlDefault& row : kOptionBoxDefaults) EXPECT_EQ(v.controls.*row.field, reset.controls.*row.field);
    EXPECT_EQ(v.controls.cube, reset.controls.cube);
    EXPECT_EQ(v.controls.systemButton, reset.controls.systemButton);
}

TEST(MainWindowInit, ReadViewControlsMirrorsTheWidgets) {
    WindowFixture f;
    f.box("CheckBox_Spurpunkte")->setChecked(true);
    f.box("CheckBox_nur_positive_3D_Achsen")->setChecked(false);
    f.button("SpeedButton_3DSys2")->click();
    f.form.readViewControls();
    const ViewControls& c = f.form.viewState().controls;
    EXPECT_TRUE(c.tracePoints);
    EXPECT_FALSE(c.axesOnlyPositive);
    EXPECT_EQ(c.systemButton, 2);
    EXPECT_EQ(f.form.viewState().projectionSystem, 2);  // the redraw of the click drew system 2
}
