#include "core/output/TypesetRows.h"

#include <algorithm>


TypesetRow& TypesetRow::text(std::string_view text) {
    if (text.empty()) return *this;
    Piece piece;
    piece.text = std::string(text);
    pieces_.push_back(piece);
    width_ += utf8Length(text);
    return *this;
}

TypesetRow& TypesetRow::glyph(SymbolGlyph glyph) {
    Piece piece;
    piece.glyph = true;
    piece.code = glyph;
    pieces_.push_back(piece);
    width_ += 1;
    return *this;
}

TypesetRow& TypesetRow::spaces(int n) {
    if (n <= 0) return *this;
    Piece piece;
    piece.spaces = true;
    piece.text = std::string(static_cast<std::size_t>(n), ' ');
    pieces_.push_back(piece);
    width_ += n;
    return *this;
}

TypesetRow& TypesetRow::padTo(int width) { return spaces(width - width_); }

std::string TypesetRow::plainText() const {
    std::string out;
    for (const auto& piece : pieces_) out += piece.glyph ? std::string(symbolGlyphText(piece.code)) : piece.text;
    return out;
}

void TypesetRow::writeTo(OutputLog& log) const {
    for (const auto& piece : pieces_) {
        if (piece.glyph)
            log.appendSymbol(piece.code);
        else if (piece.spaces)
            log.appendSymbolSpaces(static_cast<int>(piece.text.size()));
        else
            log.appendText(piece.text);
    }
    log.appendLine(" ");
}

void TypesetFormula::alignRows() {
    int width = 0;
    for (const auto& row : rows_) width = std::max(width, row.width());
    for (auto& row : rows_) row.padTo(width);
}

void TypesetFormula::addColumnVector(const std::array<std::string, 3>& texts) {
    alignRows();
    rows_[0].glyph(SymbolGlyph::UpperLeftHook).text(texts[0]).glyph(SymbolGlyph::UpperRightHook);
    rows_[1].glyph(SymbolGlyph::LeftBar).text(texts[1]).glyph(SymbolGlyph::RightBar);
    rows_[2].glyph(SymbolGlyph::LowerLeftHook).text(texts[2]).glyph(SymbolGlyph::LowerRightHook);
    alignRows();  // in case the texts differ in length after all
}

void TypesetFormula::writeTo(OutputLog& log) const {
    for (const auto& row : rows_) row.writeTo(log);
}

std::array<std::string, 3> TypesetFormula::plainRows() const {
    return {rows_[0].plainText(), rows_[1].plainText(), rows_[2].plainText()};
}

namespace {

// Row 1 gets the vector arrow over the x of "name: x = ", row 2 the prefix.
TypesetFormula startWithPrefix(std::string_view name) {
    const std::string prefix =
        std::string(utf8Length(name) == 1 ? " " : "") + std::string(name) + ": x = ";
    TypesetFormula formula;
    const int xColumn = utf8Length(prefix) - 4;  // the prefix ends in "x = "
    formula.row(0).spaces(xColumn).glyph(SymbolGlyph::RightArrow);
    formula.row(1).text(prefix);
    return formula;
}

// "+ λ ·" between two columns (row 2 only; the others are padded).
void addParameterTerm(TypesetFormula& formula, SymbolGlyph parameter) {
    formula.row(1).text("+").spaces(1).glyph(parameter).spaces(1).glyph(SymbolGlyph::Dot);
}

}  // namespace

TypesetFormula lineEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                   const std::array<std::string, 3>& u) {
    TypesetFormula formula = startWithPrefix(name);
    formula.addColumnVector(p);
    addParameterTerm(formula, SymbolGlyph::Lambda);
    formula.addColumnVector(u);
    return formula;
}

TypesetFormula planeEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                    const std::array<std::string, 3>& u,
                                    const std::array<std::string, 3>& v) {
    TypesetFormula formula = startWithPrefix(name);
    formula.addColumnVector(p);
    addParameterTerm(formula, SymbolGlyph::Lambda);
    formula.addColumnVector(u);
    addParameterTerm(formula, SymbolGlyph::Mu);
    formula.addColumnVector(v);
    return formula;
}

TypesetFormula vectorProductFormula(const std::array<std::string, 3>& w) {
    TypesetFormula formula;
    // Arrows over the O of OA and of OB.
    formula.row(0).glyph(SymbolGlyph::RightArrow).spaces(4).glyph(SymbolGlyph::RightArrow);
    formula.row(1).text("OA").spaces(1).glyph(SymbolGlyph::Cross).spaces(1).text("OB = ");
    formula.addColumnVector(w);
    return formula;
}
