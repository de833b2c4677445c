#pragma once
// Every parameter that decides how the plot looks. The main window owns one
// ViewState for the whole run; the projection, the canvas operations, the
// coordinate system and the object drawing read it.
#include <string>

#include "core/numbers/Real.h"
#include "core/canvas/CanvasTypes.h"
#include "core/geometry/Colour.h"

// States of the main window's check boxes and buttons that the drawing reads.
// The main window copies its widgets into this struct before every drawing;
// the defaults are the states the window starts with.
struct ViewControls {
    int systemButton = 1;                // 1..3: which SpeedButton_3DSys1..3 is down
    bool rotateX = false;                // CheckBox_x_Drehung
    bool rotateY = false;                // CheckBox_y_Drehung
    bool rotateZ = true;                 // CheckBox_z_Drehung
    bool raster = false;                 // CheckBox_3D_Raster_mittel "Hintergrundraster ein"
    bool axesOnlyPositive = true;        // CheckBox_nur_positive_3D_Achsen "Achsen nur positiv"
    bool noAxes = false;                 // CheckBox_keine_Achsen "keine Achsen"
    bool thickLines = false;             // CheckBox_3DLinien_dick "Strecken/Geraden dick"
    bool thickVectors = false;           // CheckBox_Vektor_dick "Vektoren dick"
    bool hatchSurfaces = true;           // CheckBox_Flaechen_schraffieren
    bool tracePoints = false;            // CheckBox_Spurpunkte "Spurpunkte zeichnen"
    bool largeLabels = false;            // CheckBox_PunktBeschriftung_gross
    bool shrink075 = false;              // CheckBox_schrumpf075 "3/4"
    bool shrink05 = false;               // CheckBox_schrumpf05 "2/4"
    bool shrink025 = false;              // CheckBox_schrumpf025 "1/4"
    bool xyPlane = true;                 // CheckBox_xy_Ebene
    bool xzPlane = true;                 // CheckBox_xz_Ebene
    bool yzPlane = true;                 // CheckBox_yz_Ebene
    bool autoColours = false;            // CheckBox_AutoFarben "Farben automatisch"
    bool cube = false;                   // CheckBox_Wuerfel
    bool xPlane = false;                 // CheckBox_x_gleich_const "x="
    bool yPlane = false;                 // CheckBox_y_gleich_const "y="
    bool zPlane = false;                 // CheckBox_z_gleich_const "z="
    bool stretchAtSx = false;            // CheckBox_EbenenZoomSx "an Sx"
    bool stretchAtSy = false;            // CheckBox_EbenenZoomSy "an Sy"
    bool stretchAtSz = false;            // CheckBox_EbenenZoomSz "an Sz"
    bool textMode = false;               // CheckBox_Textmodus
    bool markingMode = false;            // CheckBox_SchnittModus
    Colour rasterPanelColour = 0x00CACACA;  // Panel_HintergrundRasterFarbe
};

// The pan offsets stay within +-kMaxPanOffset pixels: the picture is empty
// long before, and pixel positions plus offsets never overflow an int.
inline constexpr int kMaxPanOffset = 1000000;

struct SelectionRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct ViewState {
    // Image geometry. imageWidth/Height are the layout size used by the
    // background raster; the raster image itself is one pixel larger
    // (imagePixelWidth/Height, 721 x 721), and the projection maps the world
    // window onto (imagePixelWidth - 1) x (imagePixelHeight - 1) pixels.
    int imageLeft = 0;
    int imageTop = 0;
    int imageWidth = 720;
    int imageHeight = 720;
    int imagePixelWidth = 721;
    int imagePixelHeight = 721;
    Real worldXMin = -8;
    Real worldXMax = 8;
    Real worldYMin = -8;
    Real worldYMax = 8;

    // Projection and view.
    int projectionSystem = 1;            // 1..3
    Real zoomScale = 1.0L;               // 0.25, 0.5, 1, 2, 4, 8 or 16
    Real rotationX = 0;                  // degrees, -720..720
    Real rotationY = 0;
    Real rotationZ = 0;
    int offsetX = 90;                    // pan: columns reduced by offsetX
    int offsetY = 90;                    // pan: rows increased by offsetY
    int lineWidth = 1;
    bool hatchSurfaces = true;
    Real axisLength = 9.5L;
    Real planeExtent = 9.0L;
    int tickLabelSize = 9;
    int pointLabelSize = 10;
    int pointMarkerSize = 3;

    // Background raster.
    Colour gridColor = 0x00CACACA;
    PenStyle gridPenStyle = PenStyles::Solid;
    int gridDivisor = 2;
    int gridStepsX = 1;
    int gridStepsY = 1;

    // Colours and decorations.
    Colour coordPlaneColor = 0x00BF8200;
    Colour parallelPlaneColor = 0x00000080;
    Colour cubeColor = 0x00000000;
    Real cubeEdge = 9.0L;
    Real planeStretch = 2.0L;

    // Text placed into the graphic.
    std::string textFontName = "Arial";
    Colour textColor = 0x00FF0000;
    int textSize = 10;
    FontStyle textStyle = FontStyles::Bold;
    BrushStyle textBrushStyle = BrushStyles::Clear;
    std::string textString = "Gerade g";

    // Mouse state.
    int mouseLastX = 0;
    int mouseLastY = 0;
    SelectionRect selectionRect;
    bool selecting = false;

    ViewControls controls;
};

// The view defaults that applyViewDefaults sets and shows in the controls, in one
// place for the window and for resetViewDefaults.
struct ViewDefaults {
    Real worldMin = -8;
    Real worldMax = 8;
    int gridSteps = 1;
    int zoomItem = 2;                    // ComboBox_Zoomfaktor item "1"
    Real zoomScale = 1.0L;
    int offset = 90;                     // offsetX and offsetY
    const char* textFontName = "Arial";
    Colour textColor = 0x00FF0000;
    int textSize = 10;
    FontStyle textStyle = FontStyles::Bold;
    BrushStyle textBrushStyle = BrushStyles::Clear;
    const char* textString = "Gerade g";
    int textEditWidth = 220;             // Edit_Text_in_Grafik
    int textEditHeight = 20;
    int systemButton = 1;
    Real rotation = 0;
    const char* rotationText = "0°";     // Edit_Drehwinkel_Achse
    Colour coordPlaneColor = 0x00BF8200;
    Real planeStretch = 2.0L;
    const char* planeStretchText = "2,0";
    Real cubeEdge = 9.0L;
    const char* cubeEdgeText = "9,0";
    Colour cubeColor = Colours::Black;
    Colour parallelPlaneColor = 0x00000080;
};
inline constexpr ViewDefaults kViewDefaults{};

// A check box applyViewDefaults sets, by the ViewControls field that mirrors it.
struct ControlDefault {
    bool ViewControls::*field;
    bool checked;
};
// In the order applyViewDefaults sets them: the option boxes, then the cube box,
// then the three parallel-plane boxes. Each box that changes runs its own
// click handler, which redraws with the values set up to that moment.
inline constexpr ControlDefault kOptionBoxDefaults[] = {
    {&ViewControls::rotateX, false},      {&ViewControls::rotateY, false},
    {&ViewControls::rotateZ, true},       {&ViewControls::raster, false},
    {&ViewControls::axesOnlyPositive, true}, {&ViewControls::thickLines, false},
    {&ViewControls::thickVectors, false}, {&ViewControls::hatchSurfaces, true},
    {&ViewControls::tracePoints, false},  {&ViewControls::largeLabels, false},
    {&ViewControls::xyPlane, true},       {&ViewControls::xzPlane, true},
    {&ViewControls::yzPlane, true},       {&ViewControls::autoColours, false},
};
inline constexpr ControlDefault kCubeBoxDefault = {&ViewControls::cube, false};
inline constexpr ControlDefault kParallelBoxDefaults[] = {
    {&ViewControls::xPlane, false}, {&ViewControls::yPlane, false}, {&ViewControls::zPlane, false}};

// The values part of applyViewDefaults: resets the world window, raster steps, image
// size, zoom, offsets, text defaults, rotations, the plane/cube values and
// colours, and the control states applyViewDefaults sets. Leaves "keine Achsen",
// the shrink boxes, "an Sx/Sy/Sz", the text and marking modes and the raster
// colour alone, as the window does.
void resetViewDefaults(ViewState& view);
