#pragma once
// An output area as LaTeX that compiles with amsmath alone: each recorded
// block item by item (column vectors as pmatrix, roots as \sqrt, fractions
// as \frac, the program's symbols as TeX commands, German words in \text{},
// the decimal comma as {,}), every other line as escaped plain text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/OutputBlocks.h"

// A text as the calculations write it (λ, ·, √(…), 3,5, 5/4, P(1|2|3))
// as the inside of a math formula.
std::string latexMath(std::string_view text);

// One sentence or formula as one paragraph of LaTeX, ending in "\n".
std::string latexOfItem(const OutputItem& item);

// One segment of `text` (see segmentOutput): a block item by item, a plain
// line escaped.
std::string latexOfSegment(std::string_view text, const OutputSegment& segment);

// The whole area, every segment in order, after a comment line naming the
// package it needs.
std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks);
// Only the segments that overlap the bytes [from, to) of the text (a
// selection).
std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks, std::size_t from,
                        std::size_t to);
