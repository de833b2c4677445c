#pragma once
// The main window's controls as data: the check boxes (name, caption,
// hint, the ViewControls field that mirrors the box, what a click does, and
// where the box sits), the zoom list and the parallel-plane fields. The
// window builds itself from them; reading a scene without the window reads
// by them. Core: no Qt.
#include <array>
#include <span>

#include "core/canvas/ViewState.h"

enum class BoxAction {
    Redraw,       // redraw
    None,         // only read by other controls (the rotation axes)
    Shrink,       // uncheck the other two shrink boxes, redraw
    LargeLabels,  // pointLabelSize 16 or 10, redraw
    TextMode,     // uncheck the marking mode
    MarkingMode,  // uncheck the text mode
};

// Group boxes of the panel that hold check boxes.
enum class PanelGroup { System, Rotate, Stretch, CoordPlanes, Cube, Parallel, Text };

struct CheckBoxRow {
    const char* name;
    const char* caption;
    const char* hint;  // empty: none
    bool ViewControls::*field;
    BoxAction action;
    PanelGroup group;
    int x, y, width;  // inside the group
};

std::span<const CheckBoxRow> checkBoxTable();

// Rows of the check boxes inside the "3DSystem" group.
inline constexpr int kBoxTop = 70;
inline constexpr int kBoxRowPitch = 19;
inline constexpr int kBoxColumn2 = 150;
constexpr int rowY(int row) { return kBoxTop + row * kBoxRowPitch; }

// The zoom list's items and their scales, in list order.
struct ZoomItem {
    const char* text;
    Real scale;
};
inline constexpr std::array<ZoomItem, 7> kZoomItems = {{
    {"0,25", 0.25L}, {"0,5", 0.5L}, {"1", 1.0L}, {"2", 2.0L}, {"4", 4.0L}, {"8", 8.0L}, {"16", 16.0L}}};

// The fields of the planes x = const, y = const and z = const with their
// first texts.
struct ParallelPlaneField {
    const char* name;
    const char* startup;
};
inline constexpr std::array<ParallelPlaneField, 3> kParallelPlaneFields = {{
    {"Edit_x_gleich_const", "6,5"}, {"Edit_y_gleich_const", "6,0"}, {"Edit_z_gleich_const", "5,0"}}};
