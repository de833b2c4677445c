#pragma once
// The calculation and output commands of the input window, free of any
// widget: each reads the Scene, writes German result lines into an
// OutputLog and reports what the window must still do (a modal message, new
// label captions). Degenerate input is reported as German sentences in the
// log; only the output commands refuse with a message box, as before.
//
// Each command reads its numbers from the Scene and takes its verdicts (on
// or not, parallel, coplanar, no plane, ...) from the same scene read
// exactly (core/exact/ExactVerdicts.h), so that a verdict on exact inputs is
// exact.
#include <string>
#include <vector>

#include "core/exact/ExactVerdicts.h"
#include "core/output/OutputLog.h"
#include "core/model/Scene.h"

struct CommandOutcome {
    // Text of a modal message box; empty when there is none. When set,
    // nothing was written to the log.
    std::string message;
    // New captions of the labels Label_kompl_r and Label_kompl_t.
    bool labelsChanged = false;
    std::string labelR;
    std::string labelT;
};

inline CommandOutcome refusedWith(std::string message) {
    CommandOutcome outcome;
    outcome.message = std::move(message);
    return outcome;
}

// Modal messages of the output commands.
inline constexpr const char* kNullDirectionMessage = "Richtungsvektor darf nicht Nullvektor sein !";
inline constexpr const char* kNoPlaneMessage = "Es liegt keine Ebene vor !";
inline constexpr const char* kNullSpanMessage = "Spannvektoren dürfen nicht Nullvektor sein !";

// --- Output of equations (lines 1 = g, 2 = h, 3 = g2; planes 1..5) --------
CommandOutcome outputLineCommand(const Scene& scene, int line, const exact::ExactScene& exact, OutputLog& log);
CommandOutcome outputPlaneCommand(const Scene& scene, int plane, const exact::ExactScene& exact, OutputLog& log);
void clearOutputCommand(OutputLog& log);

// --- Incidence and point tests --------------------------------------------
void pointOnLineCommand(const Scene& scene, int line, const exact::ExactScene& exact, OutputLog& log);   // S with g or h
void pointInE1Command(const Scene& scene, const exact::ExactScene& exact, OutputLog& log);
void pointInE3Command(const Scene& scene, const exact::ExactScene& exact, OutputLog& log);
void lineLineCommand(const Scene& scene, int line1, int line2, const exact::ExactScene& exact, OutputLog& log);  // g,h / g,g2
void planePlaneCommand(const Scene& scene, int plane1, int plane2, const exact::ExactScene& exact, OutputLog& log);
void linePlaneCommand(const Scene& scene, int plane, const exact::ExactScene& exact, OutputLog& log);    // g with E1, E3, E5

// --- Measures (each sets the log colour to blue first) --------------------
void angleAOBCommand(const Scene& scene, OutputLog& log);
void vectorProductCommand(const Scene& scene, OutputLog& log);
void scalarProductCommand(const Scene& scene, OutputLog& log);
void triangleCommand(const Scene& scene, OutputLog& log);
void quadrilateralCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log);      // stores AD = D - A
void prismABCCommand(const Scene& scene, OutputLog& log);
void prismABCDCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log);          // stores AD
void pyramidABCSCommand(const Scene& scene, const exact::ExactScene& exact, OutputLog& log);
void pyramidABCDSCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log);       // stores AD
void spatCommand(const Scene& scene, OutputLog& log);
// AD = r·AB + t·AC: sets coplanarR, coplanarT, coplanarValid and the labels.
CommandOutcome coplanarityCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log);

// --- The buttons -----------------------------------------------------------
// Which groups of fields a button re-reads before it runs.
enum ReaderNeed : unsigned {
    ReadNothing = 0,
    ReadLines = 1,   // h and g2 (readLines)
    ReadPlanes = 2,  // E1 .. E5 (readPlanes)
};

struct CalculationButton {
    const char* objectName;
    unsigned readers;
    CommandOutcome (*run)(Scene& scene, const exact::ExactScene& exact, OutputLog& log);
};

// Every output, clear, incidence and measure button of the input window.
const std::vector<CalculationButton>& calculationButtons();
