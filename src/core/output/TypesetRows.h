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

#include "core/output/OutputLog.h"

class TypesetRow {
public:
    TypesetRow& Text(std::string_view text);
    TypesetRow& Glyph(SymbolGlyph glyph);
    TypesetRow& Spaces(int n);
    // Blanks up to the given width (nothing when already that wide).
    TypesetRow& PadTo(int width);

    int Width() const { return width_; }
    std::string PlainText() const;
    // The pieces, then AppendLine(" ").
    void WriteTo(OutputLog& log) const;

private:
    struct Piece {
        bool glyph = false;
        bool spaces = false;
        SymbolGlyph code = SymbolGlyph::RightArrow;
        std::string text;
    };
    std::vector<Piece> pieces_;
    int width_ = 0;
};

class TypesetFormula {
public:
    TypesetRow& Row(int i) { return rows_[static_cast<std::size_t>(i)]; }
    const TypesetRow& Row(int i) const { return rows_[static_cast<std::size_t>(i)]; }

    // Pads all three rows to the width of the widest.
    void AlignRows();
    // AlignRows, then a column vector: upper hooks, bars, lower hooks
    // around the three (already equally long) component texts.
    void AddColumnVector(const std::array<std::string, 3>& texts);
    // The three rows in order, each ended with AppendLine(" ").
    void WriteTo(OutputLog& log) const;
    std::array<std::string, 3> PlainRows() const;

private:
    std::array<TypesetRow, 3> rows_;
};

// "name: x = p + λ·u" with the vector arrow over the x. The name gets a
// leading blank when it has one character (" g").
TypesetFormula LineEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                   const std::array<std::string, 3>& u);
// "name: x = p + λ·u + μ·v".
TypesetFormula PlaneEquationFormula(std::string_view name, const std::array<std::string, 3>& p,
                                    const std::array<std::string, 3>& u,
                                    const std::array<std::string, 3>& v);
// "OA × OB = w" with vector arrows over OA and OB.
TypesetFormula VectorProductFormula(const std::array<std::string, 3>& w);
