#pragma once
// The flat figures and wire-frame bodies built from the points A, B, C, D,
// S of the scene, in the body colour. Flat figures are cross-hatched when
// surfaces are hatched; the faces of bodies are always outlines, drawn
// first, then the edges as solid segments.
#include "core/render/DrawHost.h"

void drawTriangleABC(DrawContext& ctx);
void drawTriangleDEF(DrawContext& ctx);
void drawQuadABCD(DrawContext& ctx);
void drawPrismABC(DrawContext& ctx);
void drawPrismABCD(DrawContext& ctx);
void drawPyramidABC(DrawContext& ctx);
void drawPyramidABCD(DrawContext& ctx);
// The spat spanned by AB, AC, AS; with drawSpatVectors also the three
// spanning vectors as arrows in the point colour.
void drawSpat(DrawContext& ctx);

// The eight drawers in the order of the scene's body numbers 1..8.
using BodyDrawer = void (*)(DrawContext&);
inline constexpr BodyDrawer kBodyDrawers[] = {
    drawTriangleABC, drawTriangleDEF, drawQuadABCD,   drawPrismABC,
    drawPrismABCD,   drawPyramidABC,  drawPyramidABCD, drawSpat,
};
// Their names as objects of the picture, in the same order.
inline constexpr const char* kBodyNames[] = {
    "Dreieck ABC",
    "Dreieck DEF",
    "Viereck ABCD",
    "Prisma mit Grundfläche ABC und Kante AS",
    "Prisma mit Grundfläche ABCD und Kante AS",
    "Pyramide mit Grundfläche ABC und Spitze S",
    "Pyramide mit Grundfläche ABCD und Spitze S",
    "Spat mit Spannvektoren AB, AC, AS",
};
