#pragma once
// The scene as typed, as one plain value: what every control of the two
// windows shows, by the control's object name, plus the few view values
// that have no control of their own. The scene file, the undo steps, the
// "changed" mark, the reading into the Scene (readScene), the command-line
// export and the tests all work on it; the windows show it and write into
// it. Texts are UTF-8. Core type: no Qt.
#include <map>
#include <string>
#include <vector>

#include "core/geometry/Colour.h"
#include "core/model/OutputBlocks.h"

// The font an edit shows its text in (the text placed into the picture).
struct TextFont {
    std::string family;
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
    std::string text;
    Colour colour = Colours::Black;
    bool operator==(const TextRun&) const = default;
};

// An output area: its text with its colours, the colour the next text
// written into it gets, and the structure of the results in it.
struct OutputText {
    std::vector<TextRun> runs;
    Colour colour = Colours::Black;
    // What the calculations wrote, as they wrote it (see OutputBlocks.h).
    std::vector<OutputBlock> blocks;
    bool operator==(const OutputText&) const = default;
};

struct SceneState {
    std::map<std::string, std::string> texts;   // line edits: the text exactly as typed
    std::map<std::string, bool> checks;         // check boxes and the system buttons
    std::map<std::string, Colour> colours;      // colour panels
    std::map<std::string, int> choices;         // drop-down lists: the selected item
    std::map<std::string, TextFont> fonts;      // edits shown in a font of the user's choice
    std::map<std::string, OutputText> outputs;  // output areas
    std::map<std::string, double> view;         // view values without a control (see ViewValueNames)
    // The family parameter t at which each field of the line g was last
    // taken (its value in the extended precision of the model).
    std::map<std::string, long double> parameters;

    bool operator==(const SceneState&) const = default;

    // A field the value does not hold reads as an empty field, a box it
    // does not hold as unchecked, a panel it does not hold as `fallback`.
    const std::string& text(const std::string& name) const;
    bool checked(const std::string& name) const;
    Colour colour(const std::string& name, Colour fallback) const;

    // Every entry of `other` replaces the entry of the same name here or is
    // added; entries only here stay.
    void overlay(const SceneState& other);
    // Number of entries over all groups.
    int size() const;
    // The names of the entries that differ between this and `other` or that
    // only one of them has, sorted, each once.
    std::vector<std::string> differingNames(const SceneState& other) const;
};

// The entries of `after` that `before` lacks or holds with another value.
SceneState changedEntries(const SceneState& before, const SceneState& after);

// The names of the view values a scene keeps besides its controls: the pan
// offsets and the three rotation angles.
namespace ViewValueNames {
inline constexpr char OffsetX[] = "offsetX";
inline constexpr char OffsetY[] = "offsetY";
inline constexpr char RotationX[] = "rotationX";
inline constexpr char RotationY[] = "rotationY";
inline constexpr char RotationZ[] = "rotationZ";
}  // namespace ViewValueNames

// The names under which the output area and the font of the text placed
// into the picture are kept.
inline constexpr char kOutputAreaName[] = "RichEditOut";
inline constexpr char kTextFontName[] = "Edit_Text_in_Grafik";
