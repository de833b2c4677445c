#pragma once
// The scene as typed, without widgets, and its reading into the Scene.
//
// SceneInput holds what the input window's controls and the main window's
// parallel-plane fields show: every field's text exactly as typed, every
// box, every colour panel, each by its control's object name. ReadScene
// reads it as the input window's start-up does (InputWindow::readAllFields), in
// the same order, and returns the Scene, the texts of the derived read-only
// fields and the fields whose text was rejected. What reading keeps from
// earlier (the value of a field whose text is rejected, the family's t at
// which g was last taken, the coplanarity result, E3's spans) comes from the
// Scene the reading starts from. Core type: no Qt.
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Scene.h"

struct SceneInput {
    std::map<std::string, std::string> texts;   // fields: the text as typed (UTF-8)
    std::map<std::string, bool> checks;         // check boxes
    std::map<std::string, Colour> colours;      // colour panels

    // A field the input does not hold reads as an empty field, a box it
    // does not hold as unchecked, a panel it does not hold as `fallback`.
    const std::string& text(const std::string& name) const;
    bool checked(const std::string& name) const;
    Colour colour(const std::string& name, Colour fallback) const;
};

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
// start-up reads its fields into its Scene. Leaves the evaluator's error
// flag as it found it (the window's reading clears it).
SceneReading ReadScene(const SceneInput& input, Scene start);

// The text a derived read-only field shows for `value`: the number as
// DerivedFieldText writes it, or "Überlauf" when the value is not finite
// (reading that text back fails, so the Scene keeps its value).
std::string DerivedFieldShownText(Real value);

// The value of g's field i (support x, y, z, then direction x, y, z, the
// order of Scene::lineGParameters).
Real& LineGValue(Scene& scene, std::size_t i);

// Takes each of g's six formulas (same order) at the family parameter t:
// a formula defined there stores its value and t as the field's parameter,
// one that fails keeps both. False when any failed.
bool TakeLineGAt(Scene& scene, const std::array<std::string, 6>& texts, Real t);

// g as leaving each of its fields stores it (at t = 0), then at t1 where
// the formula is defined there: what the start-up and an opened file read.
// A formula undefined at t1 keeps its own value at t = 0, never one of an
// earlier text or t. False when a formula failed at t1.
bool ReadLineGAtStart(Scene& scene, const std::array<std::string, 6>& texts);
