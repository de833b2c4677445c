#include "core/output/TypesetRows.h"

#include <algorithm>

TypesetRow& TypesetRow::text(std::string_view text) {
    text_.append(text);
    width_ += utf8Length(text);
    return *this;
}

TypesetRow& TypesetRow::glyph(SymbolGlyph glyph) { return text(symbolGlyphText(glyph)); }

TypesetRow& TypesetRow::spaces(int n) {
    if (n > 0) text(std::string(static_cast<std::size_t>(n), ' '));
    return *this;
}

TypesetRow& TypesetRow::padTo(int width) { return spaces(width - width_); }

std::string TypesetRow::plainText() const { return text_; }

void TypesetFormula::addText(std::string_view text) {
    if (text.empty()) return;
    if (!pieces_.empty() && pieces_.back().kind == FormulaPiece::Kind::Text)
        pieces_.back().texts[0].append(text);
    else
        pieces_.push_back({FormulaPiece::Kind::Text, {std::string(text)}});
}

TypesetFormula& TypesetFormula::text(std::string_view text) {
    rows_[1].text(text);
    addText(text);
    return *this;
}

TypesetFormula& TypesetFormula::glyph(SymbolGlyph glyph) { return text(symbolGlyphText(glyph)); }

TypesetFormula& TypesetFormula::spaces(int n) {
    if (n > 0) text(std::string(static_cast<std::size_t>(n), ' '));
    return *this;
}

TypesetFormula& TypesetFormula::vectorName(std::string_view name) {
    rows_[0].padTo(rows_[1].width()).glyph(SymbolGlyph::RightArrow);
    rows_[1].text(name);
    pieces_.push_back({FormulaPiece::Kind::Vector, {std::string(name)}});
    return *this;
}

void TypesetFormula::alignRows() {
    int width = 0;
    for (const auto& row : rows_) width = std::max(width, row.width());
    for (auto& row : rows_) row.padTo(width);
}

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void TypesetFormula::addColumnVector(const std::array<std::string, 3>& texts) {
    alignRows();
    rows_[0].glyph(SymbolGlyph::UpperLeftHook).text(texts[0]).glyph(SymbolGlyph::UpperRightHook);
    rows_[1].glyph(SymbolGlyph::LeftBar).text(texts[1]).glyph(SymbolGlyph::RightBar);
    rows_[2].glyph(SymbolGlyph::LowerLeftHook).text(texts[2]).glyph(SymbolGlyph::LowerRightHook);
    alignRows();  // in case the texts differ in length after all
    pieces_.push_back({FormulaPiece::Kind::Column, {trimmed(texts[0]), trimmed(texts[1]), trimmed(texts[2])}});
}

void TypesetFormula::writeTo(OutputLog& log) const {
    WrittenItem written;
    for (const TypesetRow& row : rows_) written.rows.push_back(row.plainText() + " ");
    if (rows_[2].width() == 0) written.rows.pop_back();
    written.item.formula = pieces_;
    log.appendItems({written});
}

std::array<std::string, 3> TypesetFormula::plainRows() const {
    return {rows_[0].plainText(), rows_[1].plainText(), rows_[2].plainText()};
}

namespace {

// "name: x = " with the vector arrow over the x.
TypesetFormula startWithPrefix(std::string_view name) {
    TypesetFormula formula;
    formula.text(std::string(utf8Length(name) == 1 ? " " : "") + std::string(name) + ": ");
    formula.vectorName("x").text(" = ");
    return formula;
}

// "+ λ ·" between two columns (row 2 only; the others are padded).
void addParameterTerm(TypesetFormula& formula, SymbolGlyph parameter) {
    formula.text("+").spaces(1).glyph(parameter).spaces(1).glyph(SymbolGlyph::Dot);
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
    formula.vectorName("OA").spaces(1).glyph(SymbolGlyph::Cross).spaces(1).vectorName("OB").text(" = ");
    formula.addColumnVector(w);
    return formula;
}

TypesetFormula scalarProductFormula(std::string_view value) {
    TypesetFormula formula;
    formula.vectorName("OA").text(" * ").vectorName("OB").text(" = ").text(value);
    return formula;
}
