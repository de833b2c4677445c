#pragma once
// The draw command: rebuilds the whole picture from the scene, the
// coordinate system first, then every object whose draw flag is set, in a
// fixed order. It is the only path that draws objects; the main window's
// view controls run it again after every change of the view.
#include "core/render/DrawHost.h"

// Arrow colours of the coplanarity construction AD = r AB + t AC.
namespace CoplanarColours {
constexpr Colour AB = 0x00FF0000;  // blue
constexpr Colour AC = 0x00008000;  // green
constexpr Colour AD = 0x000000FF;  // red
}  // namespace CoplanarColours

// Does nothing while scene.drawBlocked is set. Otherwise hides the input
// window and draws. The line drawers of h and g2, the family and the
// parameter-form planes each clear the flag when they start and set it when
// they reject their object, so afterwards it holds the verdict of the last
// of them that ran. Writes scene.drawPointColor, scene.vectorPenWidth and
// view.lineWidth.
void executeDrawCommand(DrawContext& ctx);

// The picture part of the draw command (everything after hiding the input
// window), without the drawBlocked gate.
void drawScene(DrawContext& ctx);

struct OpenedScene;

// Draws a scene opened without windows (openScene) as opening it and
// drawing does in the program: the draw command's picture, or the start
// picture when the draw button would draw nothing. The drawing's messages
// go to `host`; fields its rereads reject are added to the opening's
// rejections (each field once).
void drawOpenedScene(Canvas& canvas, OpenedScene& opened, DrawHost& host);
