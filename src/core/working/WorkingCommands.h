#pragma once
// Internal to the working: the working of each group of buttons.
#include "core/working/WorkingObjects.h"

namespace working {

// Point tests (line 1 = g, 2 = h; plane E1 or E3).
WorkingOutcome PointOnLineWorking(const ExactScene& scene, Sheet& sheet, int line);
WorkingOutcome PointInPlaneWorking(const ExactScene& scene, Sheet& sheet, int plane);

// The point test of a point on a line, also used for the parallel lines.
struct PointOnLine {
    bool on = false;
    Number lambda;
    int contradiction = -1;  // the equation that fails
};
PointOnLine WritePointOnLine(Sheet& sheet, const std::string& pointName, const Vec& point, const LineInput& line);

// Two lines, a line and a plane, two planes.
WorkingOutcome LineLineWorking(const ExactScene& scene, Sheet& sheet, int line1, int line2);
WorkingOutcome LinePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane);
WorkingOutcome PlanePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane1, int plane2);

// Measures.
WorkingOutcome AngleAOBWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome VectorProductWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome ScalarProductWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome TriangleWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome QuadrilateralWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome PrismABCWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome PrismABCDWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome PyramidABCSWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome PyramidABCDSWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome SpatWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome CoplanarityWorking(const ExactScene& scene, Sheet& sheet);

}  // namespace working
