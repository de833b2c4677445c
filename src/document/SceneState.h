#pragma once
// The plain value of a scene: what every control of the two windows shows,
// by the control's object name, plus the few view values that have no
// control of their own. One value serves the scene file, the undo steps and
// the tests; code without widgets can build and compare it.
//
// Needs Qt Core only (QString), never Qt Gui or Widgets.
#include <map>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/geometry/Colour.h"

// The font an edit shows its text in (the text placed into the picture).
struct TextFont {
    QString family;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = Colours::Black;
    bool operator==(const TextFont&) const = default;
};

// A piece of an output area's text in one colour; '\n' ends a paragraph.
struct TextRun {
    QString text;
    Colour colour = Colours::Black;
    bool operator==(const TextRun&) const = default;
};

// An output area: its text with its colours, and the colour the next text
// written into it gets.
struct OutputText {
    std::vector<TextRun> runs;
    Colour colour = Colours::Black;
    bool operator==(const OutputText&) const = default;
};

struct SceneState {
    std::map<QString, QString> texts;        // line edits: the text exactly as typed
    std::map<QString, bool> checks;          // check boxes and the system buttons
    std::map<QString, Colour> colours;       // colour panels
    std::map<QString, int> choices;          // drop-down lists: the selected item
    std::map<QString, TextFont> fonts;       // edits shown in a font of the user's choice
    std::map<QString, OutputText> outputs;   // output areas
    std::map<QString, double> view;          // view values without a control (see ViewValueNames)
    // The family parameter t at which each field of the line g was last
    // taken (its value in the extended precision of the model).
    std::map<QString, long double> parameters;

    bool operator==(const SceneState&) const = default;

    // Every entry of `other` replaces the entry of the same name here or is
    // added; entries only here stay.
    void overlay(const SceneState& other);
    // Number of entries over all groups.
    int size() const;
    // The names of the entries that differ between this and `other` or that
    // only one of them has, sorted, each once.
    QStringList differingNames(const SceneState& other) const;
};

// The entries of `after` that `before` lacks or holds with another value.
SceneState ChangedEntries(const SceneState& before, const SceneState& after);

// The names of the view values a scene keeps besides its controls: the pan
// offsets and the three rotation angles.
namespace ViewValueNames {
inline constexpr char OffsetX[] = "offsetX";
inline constexpr char OffsetY[] = "offsetY";
inline constexpr char RotationX[] = "rotationX";
inline constexpr char RotationY[] = "rotationY";
inline constexpr char RotationZ[] = "rotationZ";
}  // namespace ViewValueNames
