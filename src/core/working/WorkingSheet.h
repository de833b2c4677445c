#pragma once
// Where the working is written: lines kept to the output area's width
// (wrapped at blanks, continued with an indent), vector equations as typeset
// column vectors, determinants with their bars. The working has a colour of
// its own; the colour in force before it is given back when the sheet ends,
// so the result block below is written as it would be without the working.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/OutputLog.h"
#include "core/exact/ExactVector.h"

namespace working {

// The working writes out the exact numbers and vectors it computes with.
using namespace exact;

inline constexpr int kWorkingWidth = kOutputColumns;
inline constexpr Colour kWorkingColour = Colours::Teal;

// The text cut at blanks into lines of at most `width` characters; breaks
// go preferably before an operator or after a comma or colon, continuation
// lines are indented by four blanks.
std::vector<std::string> wrapLine(const std::string& text, int width = kWorkingWidth);

// A piece of a vector equation: text in the middle row, or a column vector.
struct Piece {
    Piece(const char* t) : text(t) {}          // NOLINT: pieces are listed as they read
    Piece(std::string t) : text(std::move(t)) {}  // NOLINT
    Piece(const Vec& v) : vector(v) {}          // NOLINT
    std::string text;
    std::optional<Vec> vector;
};

// The lines are collected and written into the log together when the sheet
// ends.
class Sheet {
public:
    // Starts with the title line "Rechenweg: ...".
    Sheet(OutputLog& log, std::string_view title);
    // Writes the lines in the working's colour, then gives the log its
    // previous colour back.
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    void line(const std::string& text);
    // Three rows with the vectors as columns; written on one line with
    // "(x|y|z)" vectors when the rows would be too wide.
    void vectorEquation(const std::vector<Piece>& pieces);
    // "name = |...|" with the three vectors as rows between bars.
    void determinant(const std::string& name, const Vec& first, const Vec& second, const Vec& third);

private:
    OutputLog& log_;
    std::vector<WrittenItem> items_;
};

}  // namespace working
