#pragma once
// The reading of the scene as typed into the Scene, without widgets.
//
// The reading reads the part of the scene value (SceneState) that the
// input window's controls and the main window's parallel-plane fields
// show: every field's text exactly as typed, every box, every colour
// panel, each by its control's object name. readScene reads it as the
// input window's start-up does (InputWindow::readAllFields), in the same
// order, and returns the Scene, the texts of the derived read-only
// fields and the fields whose text was rejected. What reading keeps from
// earlier (the value of a field whose text is rejected, the family's t at
// which g was last taken, the coplanarity result, E3's spans) comes from the
// Scene the reading starts from. Core type: no Qt.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Scene.h"
#include "core/numbers/NumberReader.h"
#include "core/model/SceneState.h"

// A field whose text its reader rejected, with the message leaving it would
// show (empty: a beep alone).
struct FieldRejection {
    std::string field;     // object name
    std::string message;   // UTF-8
    bool operator==(const FieldRejection&) const = default;
};

struct SceneReading {
    Scene scene;
    // Each rejected field once, in the order the reading meets them. The
    // derived fields (AD, p5, u5, v5) are among them when their text fails;
    // their source field then has a rejection of its own.
    std::vector<FieldRejection> rejections;
    // What the derived read-only fields show after the reading, by object
    // name: AD, p5, u5, v5 (E5) and ug1, vg1 (g2).
    std::map<std::string, std::string> derivedTexts;
};

// Reads `input` into a copy of `start` exactly as the input window's
// start-up reads its fields into its Scene (which clears drawBlocked).
SceneReading readScene(const SceneState& input, Scene start);

// The message leaving a plain number field gives for a text its reader
// rejects: "Fehler an Stelle N".
std::string numberRejectionMessage(const NumberReadResult& result);

// Whether a field is one of the derived read-only ones (AD, p5, u5, v5,
// ug1, vg1): its text is written from the points, and when it fails only
// its source field has something to say.
bool isDerivedField(const std::string& name);

// The text a derived read-only field shows for `value`: the number as
// derivedFieldText writes it, or "Überlauf" when the value is not finite
// (reading that text back fails, so the Scene keeps its value).
std::string derivedFieldShownText(Real value);

// The value of g's field i (support x, y, z, then direction x, y, z, the
// order of Scene::lineGParameters).
Real& lineGValue(Scene& scene, std::size_t i);

// Takes each of g's six formulas (same order) at the family parameter t:
// a formula defined there stores its value and t as the field's parameter,
// one that fails keeps both. False when any failed.
bool takeLineGAt(Scene& scene, const std::array<std::string, 6>& texts, Real t);

// g's six texts in the order of Scene::lineGParameters.
std::array<std::string, 6> lineGTexts(const SceneState& input);

// The draw command's rereads of what may have been typed since the fields
// were last read, each reading into `scene` as the full reading does and
// returning the fields it rejected, in reading order (a rejected field
// keeps its value). Lines: g2 from the points P and Q as the Scene holds
// them, then h's fields. Planes: E1 and E2's coefficients, the fields of
// E3 to E5, the three parallel planes.
std::vector<FieldRejection> rereadLines(const SceneState& input, Scene& scene);
std::vector<FieldRejection> rereadPlanes(const SceneState& input, Scene& scene);

// g as leaving each of its fields stores it (at t = 0), then at t1 where
// the formula is defined there: what the start-up and an opened file read.
// A formula undefined at t1 keeps its own value at t = 0, never one of an
// earlier text or t. False when a formula failed at t1.
bool readLineGAtStart(Scene& scene, const std::array<std::string, 6>& texts);

// Takes each of g's fields named in `parameters` (support x, y, z, then
// direction x, y, z) at that t, as the file it comes from had it; a field
// whose formula fails there keeps the value it has.
void takeLineGAtParameters(Scene& scene, const SceneState& input,
                           const std::array<std::optional<Real>, 6>& parameters);

// Whether leaving one of g's fields would reject its text (the formula
// fails at t = 0): typed, that leaves the draw command's gate closed.
bool lineGFieldRejected(const SceneState& input);

// The t of each of g's fields as the value keeps it (`parameters`, by
// field name; none for a field the value does not name), and back.
std::array<std::optional<Real>, 6> lineGParametersOf(const SceneState& state);
void captureLineGParameters(const Scene& scene, SceneState& state);
