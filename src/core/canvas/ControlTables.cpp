#include "core/canvas/ControlTables.h"

namespace {

const CheckBoxRow kCheckBoxes[] = {
    // Rotation axes: only read by the rotation buttons.
    {"CheckBox_x_Drehung", "x", "um die x-Achse", &ViewControls::rotateX, BoxAction::None,
     PanelGroup::Rotate, 8, 22, 34},
    {"CheckBox_y_Drehung", "y", "um die y-Achse", &ViewControls::rotateY, BoxAction::None,
     PanelGroup::Rotate, 44, 22, 34},
    {"CheckBox_z_Drehung", "z", "um die z-Achse", &ViewControls::rotateZ, BoxAction::None,
     PanelGroup::Rotate, 80, 22, 34},
    // Picture options, in pairs where the captions are short enough.
    {"CheckBox_3D_Raster_mittel", "Hintergrundraster ein", "", &ViewControls::raster,
     BoxAction::Redraw, PanelGroup::System, 8, rowY(0), 130},
    {"CheckBox_nur_positive_3D_Achsen", "Achsen nur positiv", "", &ViewControls::axesOnlyPositive,
     BoxAction::Redraw, PanelGroup::System, 8, rowY(1), 136},
    {"CheckBox_keine_Achsen", "keine Achsen", "", &ViewControls::noAxes, BoxAction::Redraw,
     PanelGroup::System, kBoxColumn2, rowY(1), 128},
    {"CheckBox_3DLinien_dick", "Strecken/Geraden dick", "", &ViewControls::thickLines,
     BoxAction::Redraw, PanelGroup::System, 8, rowY(2), 140},
    {"CheckBox_Vektor_dick", "Vektoren dick", "", &ViewControls::thickVectors, BoxAction::Redraw,
     PanelGroup::System, kBoxColumn2, rowY(2), 128},
    {"CheckBox_Flaechen_schraffieren", "Flächen schraffieren", "", &ViewControls::hatchSurfaces,
     BoxAction::Redraw, PanelGroup::System, 8, rowY(3), 136},
    {"CheckBox_Spurpunkte", "Spurpunkte zeichnen", "", &ViewControls::tracePoints,
     BoxAction::Redraw, PanelGroup::System, kBoxColumn2, rowY(3), 130},
    {"CheckBox_PunktBeschriftung_gross", "Punktebeschriftung groß", "", &ViewControls::largeLabels,
     BoxAction::LargeLabels, PanelGroup::System, 8, rowY(4), 160},
    {"CheckBox_SchnittModus", "Teilgrafik-Markiermodus ein",
     "Erlaubt das Speichern einer markierten Teilgrafik", &ViewControls::markingMode,
     BoxAction::MarkingMode, PanelGroup::System, 8, rowY(5), 200},
    // Shrinking: at most one of the three.
    {"CheckBox_schrumpf075", "3/4", "", &ViewControls::shrink075, BoxAction::Shrink,
     PanelGroup::System, 128, rowY(6), 46},
    {"CheckBox_schrumpf05", "2/4", "", &ViewControls::shrink05, BoxAction::Shrink,
     PanelGroup::System, 176, rowY(6), 46},
    {"CheckBox_schrumpf025", "1/4", "", &ViewControls::shrink025, BoxAction::Shrink,
     PanelGroup::System, 224, rowY(6), 46},
    // Stretching planes at their trace points.
    {"CheckBox_EbenenZoomSx", "an Sx", "", &ViewControls::stretchAtSx, BoxAction::Redraw,
     PanelGroup::Stretch, 8, 22, 58},
    {"CheckBox_EbenenZoomSy", "an Sy", "", &ViewControls::stretchAtSy, BoxAction::Redraw,
     PanelGroup::Stretch, 68, 22, 58},
    {"CheckBox_EbenenZoomSz", "an Sz", "", &ViewControls::stretchAtSz, BoxAction::Redraw,
     PanelGroup::Stretch, 128, 22, 58},
    // Coordinate planes.
    {"CheckBox_xy_Ebene", "xy-Ebene", "", &ViewControls::xyPlane, BoxAction::Redraw,
     PanelGroup::CoordPlanes, 8, 22, 74},
    {"CheckBox_xz_Ebene", "xz-Ebene", "", &ViewControls::xzPlane, BoxAction::Redraw,
     PanelGroup::CoordPlanes, 82, 22, 74},
    {"CheckBox_yz_Ebene", "yz-Ebene", "", &ViewControls::yzPlane, BoxAction::Redraw,
     PanelGroup::CoordPlanes, 156, 22, 74},
    {"CheckBox_AutoFarben", "Farben automatisch", "3 Farben automatisch festlegen",
     &ViewControls::autoColours, BoxAction::Redraw, PanelGroup::CoordPlanes, 8, 44, 140},
    // Cube and parallel planes.
    {"CheckBox_Wuerfel", "Kantenlänge = ", "", &ViewControls::cube, BoxAction::Redraw,
     PanelGroup::Cube, 8, 22, 104},
    {"CheckBox_x_gleich_const", "x=", "", &ViewControls::xPlane, BoxAction::Redraw,
     PanelGroup::Parallel, 8, 22, 36},
    {"CheckBox_y_gleich_const", "y=", "", &ViewControls::yPlane, BoxAction::Redraw,
     PanelGroup::Parallel, 92, 22, 36},
    {"CheckBox_z_gleich_const", "z=", "", &ViewControls::zPlane, BoxAction::Redraw,
     PanelGroup::Parallel, 176, 22, 36},
    // Text mode.
    {"CheckBox_Textmodus", "T", "Textmodus ein", &ViewControls::textMode, BoxAction::TextMode,
     PanelGroup::Text, 255, 24, 28},
};

}  // namespace

std::span<const CheckBoxRow> checkBoxTable() { return kCheckBoxes; }
