#pragma once
// Internal to the working: the working of each group of buttons.
#include "core/working/WorkingObjects.h"

namespace working {

// Point tests (line 1 = g, 2 = h; plane E1 or E3).
WorkingOutcome pointOnLineWorking(const ExactScene& scene, Sheet& sheet, int line);
WorkingOutcome pointInPlaneWorking(const ExactScene& scene, Sheet& sheet, int plane);

// The point test of a point on a line, also used for the parallel lines.
struct PointOnLine {
    bool on = false;
    Number lambda;
    int contradiction = -1;  // the equation that fails
};
PointOnLine writePointOnLine(Sheet& sheet, const std::string& pointName, const Vec& point, const LineInput& line);

// Two lines, a line and a plane, two planes.
WorkingOutcome lineLineWorking(const ExactScene& scene, Sheet& sheet, int line1, int line2);
WorkingOutcome linePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane);
WorkingOutcome planePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane1, int plane2);

// Measures.
WorkingOutcome angleAOBWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome vectorProductWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome scalarProductWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome triangleWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome quadrilateralWorking(const ExactScene& scene, Sheet& sheet);

// When two opposite sides cross (quadrilateralCorners' `crossing`): which
// ones and why, in three lines.
void writeCrossingSides(Sheet& sheet, const Vec& AB, const Vec& AC, const Vec& AD, int crossing);
// The test whether ABCD is a plane quadrilateral that does not cross
// itself, with the sentences for the plane and the other cases; usable, or
// the outcome to stop with (status 0: no plane, 2: crossing sides).
struct PlaneQuadrilateral {
    bool usable = false;
    WorkingOutcome outcome;
    QuadrilateralCorners corners;
};
PlaneQuadrilateral writePlaneQuadrilateral(Sheet& sheet, const Vec& AB, const Vec& AC, const Vec& AD,
                                           const char* planar, const char* notPlanar, const char* noMeasure);
WorkingOutcome prismABCWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome prismABCDWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome pyramidABCSWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome pyramidABCDSWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome spatWorking(const ExactScene& scene, Sheet& sheet);
WorkingOutcome coplanarityWorking(const ExactScene& scene, Sheet& sheet);

}  // namespace working
