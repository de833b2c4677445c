#include "plot/ViewState.h"

void ResetViewDefaults(ViewState& view) {
    view.worldXMin = -8;
    view.worldXMax = 8;
    view.worldYMin = -8;
    view.worldYMax = 8;
    view.gridStepsX = 1;
    view.gridStepsY = 1;
    view.imagePixelWidth = view.imageWidth + 1;
    view.imagePixelHeight = view.imageHeight + 1;
    view.zoomScale = 1.0L;
    view.offsetX = 90;
    view.offsetY = 90;

    view.textFontName = "Arial";
    view.textColor = 0x00FF0000;
    view.textSize = 10;
    view.textStyle = FontStyles::Bold;
    view.textBrushStyle = BrushStyles::Clear;
    view.textString = "Gerade g";

    view.rotationX = 0;
    view.rotationY = 0;
    view.rotationZ = 0;

    ViewControls& c = view.controls;
    c.systemButton = 1;
    c.rotateX = false;
    c.rotateY = false;
    c.rotateZ = true;
    c.raster = false;
    c.axesOnlyPositive = true;
    c.thickLines = false;
    c.thickVectors = false;
    c.hatchSurfaces = true;
    c.tracePoints = false;
    c.largeLabels = false;
    c.xyPlane = true;
    c.xzPlane = true;
    c.yzPlane = true;
    c.autoColours = false;

    view.coordPlaneColor = 0x00BF8200;
    view.planeStretch = 2.0L;
    view.cubeEdge = 9.0L;
    c.cube = false;
    view.cubeColor = Colours::Black;
    c.xPlane = false;
    c.yPlane = false;
    c.zPlane = false;
    view.parallelPlaneColor = 0x00000080;
}
