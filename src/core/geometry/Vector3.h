#pragma once
// The record for every point and vector. Kernel operations read and write
// only x, y and z; name, colour and the coordinate-path flag belong to the
// caller's variable and survive every operation.
#include <string>

#include "core/numbers/Real.h"
#include "core/geometry/Colour.h"

struct Vector3 {
    Real x = 0;
    Real y = 0;
    Real z = 0;
    std::string name;            // at most 3 characters
    Colour color = Colours::Black;
    bool coordinatePaths = false;
};
