#pragma once
// Multi-row typeset formulas (vectors as columns between curly brackets)
// for the output area. Rows are built piece by piece and then padded so
// that each bracket of a column stands in the same character column of all
// three rows: one character is one column in the output font and in the
// copied plain text.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/OutputBlocks.h"
#include "core/output/OutputLog.h"

class TypesetRow {
public:
    TypesetRow& text(std::string_view text);
    TypesetRow& glyph(SymbolGlyph glyph);
    TypesetRow& spaces(int n);
    // Blanks up to the given width (nothing when already that wide).
    TypesetRow& padTo(int width);

    int width() const { return width_; }
    std::string plainText() const;

private:
    std::string text_;
    int width_ = 0;
};

// Three rows of glyph art and, beside them, the formula they show as
// pieces (FormulaPiece): the area gets the rows, a recorded block the
// pieces.
class TypesetFormula {
public:
    const TypesetRow& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }

    // Text on the middle row.
    TypesetFormula& text(std::string_view text);
    TypesetFormula& glyph(SymbolGlyph glyph);
    TypesetFormula& spaces(int n);
    // A name on the middle row with the vector arrow over its first letter.
    TypesetFormula& vectorName(std::string_view name);

    // Pads all three rows to the width of the widest.
    void alignRows();
    // alignRows, then a column vector: upper hooks, bars, lower hooks
    // around the three (already equally long) component texts.
    void addColumnVector(const std::array<std::string, 3>& texts);
    // The rows in order, each ended with appendLine(" "); an empty last row
    // is left out.
    void writeTo(OutputLog& log) const;
    std::array<std::string, 3> plainRows() const;
    const std::vector<FormulaPiece>& pieces() const { return pieces_; }

private:
    void addText(std::string_view text);

    std::array<TypesetRow, 3> rows_;
    std::vector<FormulaPiece> pieces_;
};

// "name: x = p + λ·u" with the vector arrow over the x. The name gets a
// leading blank when it has one character (" g").
TypesetFormula lineEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                   const std::array<std::string, 3>& u);
// "name: x = p + λ·u + μ·v".
TypesetFormula planeEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                    const std::array<std::string, 3>& u,
                                    const std::array<std::string, 3>& v);
// "OA × OB = w" with vector arrows over OA and OB.
TypesetFormula vectorProductFormula(const std::array<std::string, 3>& w);
// "OA * OB = value" with vector arrows over OA and OB (two rows).
TypesetFormula scalarProductFormula(std::string_view value);
