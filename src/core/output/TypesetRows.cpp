#include "core/output/TypesetRows.h"

#include <algorithm>


TypesetRow& TypesetRow::Text(std::string_view text) {
    if (text.empty()) return *this;
    Piece piece;
    piece.text = std::string(text);
    pieces_.push_back(piece);
    width_ += Utf8Length(text);
    return *this;
}

TypesetRow& TypesetRow::Glyph(SymbolGlyph glyph) {
    Piece piece;
    piece.glyph = true;
    piece.code = glyph;
    pieces_.push_back(piece);
    width_ += 1;
    return *this;
}

TypesetRow& TypesetRow::Spaces(int n) {
    if (n <= 0) return *this;
    Piece piece;
    piece.spaces = true;
    piece.text = std::string(static_cast<std::size_t>(n), ' ');
    pieces_.push_back(piece);
    width_ += n;
    return *this;
}

TypesetRow& TypesetRow::PadTo(int width) { return Spaces(width - width_); }

std::string TypesetRow::PlainText() const {
    std::string out;
    for (const auto& piece : pieces_) out += piece.glyph ? std::string(SymbolGlyphText(piece.code)) : piece.text;
    return out;
}

void TypesetRow::WriteTo(OutputLog& log) const {
    for (const auto& piece : pieces_) {
        if (piece.glyph)
            log.AppendSymbol(piece.code);
        else if (piece.spaces)
            log.AppendSymbolSpaces(static_cast<int>(piece.text.size()));
        else
            log.AppendText(piece.text);
    }
    log.AppendLine(" ");
}

void TypesetFormula::AlignRows() {
    int width = 0;
    for (const auto& row : rows_) width = std::max(width, row.Width());
    for (auto& row : rows_) row.PadTo(width);
}

void TypesetFormula::AddColumnVector(const std::array<std::string, 3>& texts) {
    AlignRows();
    rows_[0].Glyph(SymbolGlyph::UpperLeftHook).Text(texts[0]).Glyph(SymbolGlyph::UpperRightHook);
    rows_[1].Glyph(SymbolGlyph::LeftBar).Text(texts[1]).Glyph(SymbolGlyph::RightBar);
    rows_[2].Glyph(SymbolGlyph::LowerLeftHook).Text(texts[2]).Glyph(SymbolGlyph::LowerRightHook);
    AlignRows();  // in case the texts differ in length after all
}

void TypesetFormula::WriteTo(OutputLog& log) const {
    for (const auto& row : rows_) row.WriteTo(log);
}

std::array<std::string, 3> TypesetFormula::PlainRows() const {
    return {rows_[0].PlainText(), rows_[1].PlainText(), rows_[2].PlainText()};
}

namespace {

// Row 1 gets the vector arrow over the x of "name: x = ", row 2 the prefix.
TypesetFormula StartWithPrefix(std::string_view name) {
    const std::string prefix =
        std::string(Utf8Length(name) == 1 ? " " : "") + std::string(name) + ": x = ";
    TypesetFormula formula;
    const int xColumn = Utf8Length(prefix) - 4;  // the prefix ends in "x = "
    formula.Row(0).Spaces(xColumn).Glyph(SymbolGlyph::RightArrow);
    formula.Row(1).Text(prefix);
    return formula;
}

// "+ λ ·" between two columns (row 2 only; the others are padded).
void AddParameterTerm(TypesetFormula& formula, SymbolGlyph parameter) {
    formula.Row(1).Text("+").Spaces(1).Glyph(parameter).Spaces(1).Glyph(SymbolGlyph::Dot);
}

}  // namespace

TypesetFormula LineEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                   const std::array<std::string, 3>& u) {
    TypesetFormula formula = StartWithPrefix(name);
    formula.AddColumnVector(p);
    AddParameterTerm(formula, SymbolGlyph::Lambda);
    formula.AddColumnVector(u);
    return formula;
}

TypesetFormula PlaneEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                    const std::array<std::string, 3>& u,
                                    const std::array<std::string, 3>& v) {
    TypesetFormula formula = StartWithPrefix(name);
    formula.AddColumnVector(p);
    AddParameterTerm(formula, SymbolGlyph::Lambda);
    formula.AddColumnVector(u);
    AddParameterTerm(formula, SymbolGlyph::Mu);
    formula.AddColumnVector(v);
    return formula;
}

TypesetFormula VectorProductFormula(const std::array<std::string, 3>& w) {
    TypesetFormula formula;
    // Arrows over the O of OA and of OB.
    formula.Row(0).Glyph(SymbolGlyph::RightArrow).Spaces(4).Glyph(SymbolGlyph::RightArrow);
    formula.Row(1).Text("OA").Spaces(1).Glyph(SymbolGlyph::Cross).Spaces(1).Text("OB = ");
    formula.AddColumnVector(w);
    return formula;
}
