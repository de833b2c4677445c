#pragma once
// The Scene's values as the working computes with them: exact fractions
// read from the field texts as typed, where the text holds a plain number
// or fraction (for g: a formula in t with an exact value) that agrees with
// the value the calculation uses; otherwise (a formula such as w(2) or pi, a
// field typed into but not yet committed, a value beyond the exact range)
// the Scene's own value as a decimal. Derived values (E5, AD, g2) are
// computed from the exact points.
#include <array>
#include <map>
#include <string>

#include "core/model/Scene.h"
#include "core/exact/ExactVector.h"

namespace exact {

// Texts of the input window's fields by objectName ("Edit_Punkt1_x" ...).
using FieldTexts = std::map<std::string, std::string>;

struct ExactScene {
    std::array<Vec, PointCount> points;
    std::array<Vec, LineSlots> lineSupport;    // [1] g, [2] h, [3] g2
    std::array<Vec, LineSlots> lineDirection;
    std::array<std::array<Number, 4>, 3> planeCoeffs;  // [1], [2]: a, b, c, d
    std::array<Vec, PlaneSlots> planeSupport;  // [3..5]
    std::array<Vec, PlaneSlots> planeSpanU;
    std::array<Vec, PlaneSlots> planeSpanV;
    Vec e3SpanCopyU, e3SpanCopyV;
    Vec vectorAD;
    // A formula of g has a value beyond the exact bound: g is in decimals.
    bool lineGBeyondExactBound = false;
};

ExactScene buildExactScene(const Scene& scene, const FieldTexts& texts);

// E3, E4 or E5 alone, read as buildExactScene reads it: for a picture that
// needs one plane's verdict without reading the whole scene.
struct ExactParameterForm {
    Vec p, u, v;
};
ExactParameterForm exactParameterForm(const Scene& scene, const FieldTexts& texts, int plane);

// The objectNames of a point's three coordinate fields, of the line fields
// (Edit_ug / Edit_vg / Edit_uh / Edit_vh + axis), of the plane fields.
std::array<std::string, 3> pointFieldNames(int point);
std::array<std::string, 3> tripleFieldNames(const std::string& prefix);
std::string coefficientFieldName(int plane, int k);

}  // namespace exact
