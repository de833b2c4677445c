#pragma once
// What the calculations wrote into an output area, kept as they wrote it:
// one block per click, each a list of sentences and typeset formulas. The
// area itself holds only characters (column vectors as rows of bracket
// glyphs); the blocks keep the structure behind them, so that LaTeX and the
// worksheets set a column vector as a column and a root as a root without
// reading the glyphs back.
//
// The area stays editable: a block counts only while its text still stands
// in the area unchanged (segmentOutput); everything else there is plain text.
// Core type: no Qt.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry/Colour.h"

// A piece of a typeset formula, in reading order.
struct FormulaPiece {
    enum class Kind {
        Text,         // texts[0]: text on the formula's middle row (may hold λ, ·, ×)
        Vector,       // texts[0]: a name with the vector arrow over it ("x", "OA")
        Column,       // texts[0..2]: a column vector, top to bottom
        Determinant,  // texts[0..8]: a 3×3 determinant, row by row
    };
    Kind kind = Kind::Text;
    std::vector<std::string> texts;
    bool operator==(const FormulaPiece&) const = default;
};

// A sentence (one line as the calculation meant it, however many rows the
// area wraps it into) or a typeset formula.
struct OutputItem {
    Colour colour = Colours::Black;
    std::string text;                   // the sentence; empty for a formula
    std::vector<FormulaPiece> formula;  // the formula's pieces; empty for a sentence
    bool isFormula() const { return !formula.empty(); }
    bool operator==(const OutputItem&) const = default;
};

// What one click of a calculation button wrote.
struct OutputBlock {
    std::string source;  // object name of the button that wrote it
    std::string text;  // exactly the characters it wrote, '\n' between paragraphs
    std::vector<OutputItem> items;
    bool operator==(const OutputBlock&) const = default;
};

// A piece of an output area's text: a recorded block, or one line of text
// that no block explains (the heading, the user's typing, the text of a file
// without blocks).
struct OutputSegment {
    std::size_t begin = 0;               // bytes of the area's text
    std::size_t end = 0;                 // one past the last byte, line break included
    const OutputBlock* block = nullptr;  // null: a plain line
};

// The area's text cut into segments, in order: each block whose text stands
// in the area unchanged after the previous block's, the lines between as
// plain segments. Blocks not found (edited or deleted since) are left out.
std::vector<OutputSegment> segmentOutput(std::string_view text, const std::vector<OutputBlock>& blocks);

// The blocks of `blocks` that segmentOutput finds in `text`: what a scene
// file keeps of them.
std::vector<OutputBlock> blocksStillShown(std::string_view text, const std::vector<OutputBlock>& blocks);
