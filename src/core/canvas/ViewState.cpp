#include "core/canvas/ViewState.h"

void resetViewDefaults(ViewState& view) {
    const ViewDefaults& d = kViewDefaults;
    view.worldXMin = d.worldMin;
    view.worldXMax = d.worldMax;
    view.worldYMin = d.worldMin;
    view.worldYMax = d.worldMax;
    view.gridStepsX = d.gridSteps;
    view.gridStepsY = d.gridSteps;
    view.imagePixelWidth = view.imageWidth + 1;
    view.imagePixelHeight = view.imageHeight + 1;
    view.zoomScale = d.zoomScale;
    view.offsetX = d.offset;
    view.offsetY = d.offset;

    view.textFontName = d.textFontName;
    view.textColor = d.textColor;
    view.textSize = d.textSize;
    view.textStyle = d.textStyle;
    view.textBrushStyle = d.textBrushStyle;
    view.textString = d.textString;

    view.rotationX = d.rotation;
    view.rotationY = d.rotation;
    view.rotationZ = d.rotation;

    ViewControls& c = view.controls;
    c.systemButton = d.systemButton;
    for (const ControlDefault& box : kOptionBoxDefaults) c.*box.field = box.checked;
    c.*kCubeBoxDefault.field = kCubeBoxDefault.checked;
    for (const ControlDefault& box : kParallelBoxDefaults) c.*box.field = box.checked;

    view.coordPlaneColor = d.coordPlaneColor;
    view.planeStretch = d.planeStretch;
    view.cubeEdge = d.cubeEdge;
    view.cubeColor = d.cubeColor;
    view.parallelPlaneColor = d.parallelPlaneColor;
}
