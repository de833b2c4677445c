#pragma once
// A task sheet or its solution sheet of one scene, ready for a writer (the
// LaTeX document of core/sheet/WorksheetLatex.h, the PDF of the Qt layer):
// the title, what is given — every object the scene draws and every object
// a shown result uses, in school notation with the numbers as typed — and,
// for the solution, the output area's results and working cut into the
// groups a page keeps together. Both writers set the given objects and the
// results from the same OutputItems. Core: no Qt.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/OutputBlocks.h"
#include "core/model/Scene.h"
#include "core/model/SceneState.h"

enum class SheetKind { Task, Solution };

// "Aufgabenblatt", "Lösungsblatt".
const char* sheetKindName(SheetKind kind);

inline constexpr char kGivenHeading[] = "Gegeben:";
inline constexpr char kSolutionHeading[] = "Lösung:";
inline constexpr char kNothingGivenSentence[] = "In der Szene ist kein Objekt zum Zeichnen angekreuzt.";
inline constexpr char kNoResultsSentence[] = "Noch keine Ergebnisse: Im Ausgabefenster steht noch nichts.";

// What a page keeps together when it fits: one block a calculation wrote
// (one segment), or a paragraph of lines no block explains (one segment
// per line).
struct ResultGroup {
    std::vector<OutputSegment> segments;
};

// Holds pointers into itself (the segments' blocks): it moves, but is never
// copied.
struct Worksheet {
    Worksheet() = default;
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;
    Worksheet(Worksheet&&) = default;
    Worksheet& operator=(Worksheet&&) = default;

    std::string title;
    SheetKind kind = SheetKind::Task;
    std::vector<OutputItem> given;
    // The solution's part: the output area's text, its blocks still shown
    // (without blank items at either end) and the groups in order, without
    // the area's heading and blank lines. Empty on a task sheet.
    std::string outputText;
    std::vector<OutputBlock> blocks;
    std::vector<ResultGroup> results;
};

// The sheet of a scene: `state` as typed (texts, boxes, the output area),
// `scene` as it reads (for the vectors between points, which the scene
// gives by their ends).
Worksheet makeWorksheet(const SceneState& state, const Scene& scene, SheetKind kind, std::string title);

// The objects given on a sheet, in the order the sheet lists them: points,
// vectors, lines, planes, bodies.
std::vector<OutputItem> givenObjects(const SceneState& state, const Scene& scene);

// A typed number or formula as a sheet writes it: "w(2)" as "√(2)", "*" as
// "·", "pi" as "π", a power's exponent raised ("t^2" as "t²"), blanks at
// either end dropped; everything else as typed ("1,5t", "-3/4").
std::string schoolNotation(std::string_view typed);

// The objects a calculation button reads, as the names "A" … "Q", "g", "h",
// "g2", "E1" … "E5" separated by blanks ("S E1"); none for a button that
// reads no object (clearing the output area) or that is not a calculation
// button.
std::optional<std::string_view> objectsUsedBy(std::string_view button);
