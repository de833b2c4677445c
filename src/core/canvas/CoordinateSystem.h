#pragma once
// The coordinate system: background raster, axes with letters, ticks and
// numbers, the coordinate planes, planes parallel to them and the cube.
// The control states are read from view.controls, which the main window
// refreshes from its widgets before each drawing.
#include "core/numbers/Real.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/ViewState.h"

// Refreshes gridColor, lineWidth, hatchSurfaces, projectionSystem,
// axisLength and planeExtent from the controls, resets the image to a white
// picture of its own size, then draws the raster (if on) and, unless
// "keine Achsen", the axes with letters, ticks and numbers.
void drawCoordinateSystem(Canvas& canvas, ViewState& view);

// Vertical and horizontal raster lines every stepX / stepY world units over
// the whole image, ignoring rotation, zoom and pan.
void drawBackgroundGrid(Canvas& canvas, const ViewState& view, int penWidth,
                        Real stepX, Real stepY);

// The plane x = c ('x'), y = c ('y') or z = c ('z'): dotted hatch lines every
// zoomScale/2 in both directions and a solid border.
void drawAxisPlane(Canvas& canvas, const ViewState& view, char letter, Colour colour, Real c);

// The checked coordinate planes yz, xz, xy in this order, in coordPlaneColor
// or the automatic colours.
void drawCoordinatePlanes(Canvas& canvas, const ViewState& view);

// Cube with one corner at the origin and edge a, in cubeColor.
void drawCube(Canvas& canvas, const ViewState& view, Real edge);

// Everything a full redraw puts between the coordinate system and the
// objects, in this order: the cube (if checked, edge cubeEdge), the planes
// x = planeX, y = planeY, z = planeZ (each if checked, parallelPlaneColor),
// and the coordinate planes (if at least one is checked).
void drawViewDecorations(Canvas& canvas, const ViewState& view,
                         Real planeX, Real planeY, Real planeZ);

// The picture the program starts with: the coordinate system, the
// coordinate planes and the title.
void drawStartPicture(Canvas& canvas, ViewState& view);

// Automatic colours of the coordinate planes.
namespace CoordPlaneColours {
constexpr Colour Xy = 0x00FF8C8C;
constexpr Colour Xz = 0x009D9DFF;
constexpr Colour Yz = 0x0000AA00;
}  // namespace CoordPlaneColours
