#pragma once
// Do the fields of the two windows agree with the model behind them?
//
// They agree when re-reading every field with its own reader gives the
// value the Scene holds (for the main window's cube edge, stretch factor,
// zoom and colours: the ViewState), every box shows the flag it drives and
// every colour panel the colour it sets. A field whose reader rejects its
// present text is left out: a failed read keeps the previous value, so that
// field says nothing about the model. The derived read-only fields must also
// show what their sources give.
//
// Meant for tests of everything that writes many fields or the Scene at once
// (opening a file, undo and redo, the defaults button, ...). Call it when no
// field holds typing that was not committed yet. Changes nothing, not even
// the evaluator's error flag.
//
// Per kind:
//  - point names: the first three characters are the point's name;
//  - plain numbers (points, h, E1 to E4, t2, delta t, the parallel planes,
//    the cube edge, the stretch factor when greater than 0): the number read;
//  - t1: its number, or a value the family drawer advanced it to by adding
//    delta t (the drawer's running parameter);
//  - g's six formulas: the value at t = 0 (as leaving the field stores it)
//    or at one of those family parameters (as the family reader stores it);
//  - derived fields: AD, u5, v5 read back give the Scene's values and show
//    the formatted differences of the Scene's points; p5 and the support of
//    g2 show A's and P's texts and read back as the Scene's values; the
//    direction of g2 shows the Scene's Q - P;
//  - boxes: the Scene's flag (the coordinate-path boxes: the point's flag;
//    "Punktebeschriftung groß": the point-label size);
//  - colour panels: the colour in the Scene or ViewState (the point panel:
//    pointColor and the colour of all nine points).
#include <QStringList>

class PlotWindow;
class InputWindow;

// The object names of the fields, boxes and panels that disagree, and of
// the controls whose state differs from the value their window keeps;
// empty when everything agrees.
QStringList fieldsDisagreeingWithScene(const InputWindow& inputWindow, const PlotWindow& plotWindow);
