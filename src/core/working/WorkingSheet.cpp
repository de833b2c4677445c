#include "core/working/WorkingSheet.h"

#include <algorithm>

#include "core/output/TypesetRows.h"
#include "core/geometry/VectorOps.h"
#include "core/working/WorkingTexts.h"

namespace working {

namespace {

// The text as Unicode characters (each a UTF-8 piece), so that widths and
// breaks count characters, not bytes.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> chars;
    for (unsigned char ch : text) {
        if ((ch & 0xC0) != 0x80 || chars.empty())
            chars.emplace_back(1, static_cast<char>(ch));
        else
            chars.back().push_back(static_cast<char>(ch));
    }
    return chars;
}

std::string join(const std::vector<std::string>& chars, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < chars.size(); ++i) out += chars[i];
    return out;
}

// How good a break before this character is: best before an implication
// (or after a comma or colon), then before an equals sign, then before a
// plus or minus.
int breakPriority(const std::string& ch) {
    for (const char* op : {"⇒", "⇔", "≈"})
        if (ch == op) return 3;
    if (ch == "=" || ch == "≠") return 2;
    if (ch == "+" || ch == "-") return 1;
    return 0;
}

}  // namespace

std::vector<std::string> wrapLine(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::vector<std::string> rest = characters(text);
    const std::string indent = "    ";
    bool first = true;
    while (true) {
        const std::size_t limit = static_cast<std::size_t>(width) - (first ? 0 : indent.size());
        if (rest.size() <= limit) {
            lines.push_back((first ? "" : indent) + join(rest, 0, rest.size()));
            return lines;
        }
        // The blank of the best kind in the second half of the line (the
        // last of that kind), else the last blank at all.
        // A blank outside parentheses (not right at the start) comes
        // first; among those, the best kind of break in the second half of
        // the line; among equals, the last one.
        std::size_t cut = 0;
        int best = -1;
        int depth = 0;
        for (std::size_t i = 1; i <= limit && i < rest.size(); ++i) {
            if (rest[i - 1] == "(") ++depth;
            if (rest[i - 1] == ")") --depth;
            if (rest[i] != " ") continue;
            int priority = i + 1 < rest.size() ? breakPriority(rest[i + 1]) : 0;
            if (rest[i - 1] == "," || rest[i - 1] == ":") priority = std::max(priority, 3);
            // An operator starts the continued line rather than ending this one.
            const bool afterOperator = breakPriority(rest[i - 1]) > 0;
            const int score =
                (depth == 0 && i > limit / 4 ? 10 : 0) + (i > limit / 2 ? priority : 0) - (afterOperator ? 1 : 0);
            if (score >= best) {
                best = score;
                cut = i;
            }
        }
        std::size_t next = cut + 1;
        if (cut == 0) cut = next = limit;  // no blank at all: cut hard
        std::size_t end = cut;
        while (end > 0 && rest[end - 1] == " ") --end;
        lines.push_back((first ? "" : indent) + join(rest, 0, end));
        rest.erase(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(next));
        while (!rest.empty() && rest.front() == " ") rest.erase(rest.begin());
        first = false;
    }
}

Sheet::Sheet(OutputLog& log, std::string_view title) : log_(log) { line("Rechenweg: " + std::string(title)); }

Sheet::~Sheet() {
    const Colour previous = log_.outputColour();
    log_.setOutputColour(kWorkingColour);
    log_.appendItems(items_);
    log_.setOutputColour(previous);
}

void Sheet::line(const std::string& text) { items_.push_back({wrapLine(text), OutputItem{{}, text, {}}}); }

void Sheet::vectorEquation(const std::vector<Piece>& pieces) {
    TypesetFormula formula;
    std::string oneLine;
    for (const Piece& piece : pieces) {
        if (piece.vector) {
            formula.addColumnVector(columnTexts(*piece.vector));
            oneLine += toText(*piece.vector);
        } else {
            formula.text(piece.text);
            oneLine += piece.text;
        }
    }
    formula.alignRows();
    // Each row ends with one blank of its own, as the result texts' rows.
    if (formula.row(1).width() >= kWorkingWidth) return line(oneLine);
    WrittenItem written{{}, OutputItem{{}, {}, formula.pieces()}};
    for (const std::string& row : formula.plainRows()) written.rows.push_back(row + " ");
    items_.push_back(std::move(written));
}

void Sheet::determinant(const std::string& name, const Vec& first, const Vec& second, const Vec& third) {
    const std::array<const Vec*, 3> rows = {&first, &second, &third};
    // Each column right-aligned over the three rows.
    std::array<std::array<std::string, 3>, 3> cells;
    for (int col = 0; col < 3; ++col) {
        const std::array<std::string, 3> texts =
            alignComponentTexts({toText((*rows[0])[col]), toText((*rows[1])[col]), toText((*rows[2])[col])});
        for (int row = 0; row < 3; ++row) cells[std::size_t(row)][std::size_t(col)] = texts[std::size_t(row)];
    }
    const std::string prefix = name + " = ";
    const std::string blank(static_cast<std::size_t>(utf8Length(prefix)), ' ');
    WrittenItem written{{}, OutputItem{{}, {}, {{FormulaPiece::Kind::Text, {prefix}}, {FormulaPiece::Kind::Determinant, {}}}}};
    for (std::size_t row = 0; row < 3; ++row) {
        written.rows.push_back((row == 1 ? prefix : blank) + "|" + cells[row][0] + " " + cells[row][1] + " " +
                               cells[row][2] + "|");
        for (int col = 0; col < 3; ++col) written.item.formula[1].texts.push_back(toText((*rows[row])[col]));
    }
    if (utf8Length(written.rows[1]) > kWorkingWidth)
        return line(name + " mit den Zeilen " + toText(first) + ", " + toText(second) + ", " + toText(third));
    items_.push_back(std::move(written));
}

}  // namespace working
