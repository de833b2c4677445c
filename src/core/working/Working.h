#pragma once
// The working ("Rechenweg") of the calculation buttons: the school solution
// written step by step, with exact fractions and roots, before the button's
// unchanged result block. Core: the Qt layer only decides whether to call it.
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/OutputLog.h"
#include "core/model/Scene.h"
#include "core/exact/ExactScene.h"

namespace working {

// The working writes out the exact numbers and vectors it computes with.
using namespace exact;

class Sheet;

// What the working found, for comparison with the result block: the case
// (the kernel's status codes where the button has them), and its final
// numbers and vectors by name ("λ", "d", "S", ...).
struct WorkingOutcome {
    // The method stopped at a degenerate input (the sheet says why).
    bool stopped = false;
    int status = -1;
    std::map<std::string, Real> values;
    std::map<std::string, std::array<Real, 3>> vectors;
};

using WorkingFunction = WorkingOutcome (*)(const ExactScene& scene, Sheet& sheet);

struct WorkingEntry {
    const char* objectName;  // the calculation button
    const char* title;       // after "Rechenweg: "
    WorkingFunction write;
    bool usesLineG = false;
};

// Every calculation button that has a working (the incidence and measure
// buttons; the equation output buttons and the clear button have none).
const std::vector<WorkingEntry>& workingEntries();
const WorkingEntry* findWorking(std::string_view objectName);

// Writes the working of the button into the log, in the working's colour,
// and gives the log its colour back afterwards. Returns false (writing
// nothing) when the button has no working.
bool writeWorking(std::string_view objectName, const Scene& scene, const FieldTexts& texts, OutputLog& log,
                  WorkingOutcome* outcome = nullptr);
// The same on the scene already read exactly (as the result block reads it).
bool writeWorking(std::string_view objectName, const ExactScene& exact, OutputLog& log,
                  WorkingOutcome* outcome = nullptr);

}  // namespace working
