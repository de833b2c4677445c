#pragma once
// The main window's check boxes as data: name, caption, hint, the
// ViewControls field that mirrors the box, what a click does, and where the
// box sits. Private to the main window's files.
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

std::span<const CheckBoxRow> CheckBoxTable();
