#pragma once
// A worksheet (core/sheet/Worksheet.h) as a file: a PDF the program sets
// itself on A4 pages (QPdfWriter; the figure drawn as vectors, the text as
// text in DejaVu Sans, column vectors as stacked columns between drawn
// parentheses, determinants between bars), or a LaTeX document whose
// figure is the picture's TikZ code. The suffix of the file name chooses.
// Files are written whole or not at all.
#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "core/sheet/Worksheet.h"
#include "gui/picture/PictureExport.h"

enum class SheetFormat { Pdf, Tex };

// By the file name's suffix, in any case; none for other suffixes.
std::optional<SheetFormat> sheetFormatOfFileName(const QString& fileName);

// The text is 17 cm wide on A4 with its 2 cm margins: no wider figure.
constexpr double kMaxSheetFigureWidthCm = 17;

struct WorksheetRequest {
    QString fileName;  // .pdf or .tex
    bool figure = true;
    double widthCm = kDefaultWidthCm;  // the figure's width
};

// The German message for a request that cannot be carried out (no name, an
// unknown suffix, a width outside 1 … 17 cm); empty when it can.
QString checkWorksheetRequest(const WorksheetRequest& request);

// Where the PDF writer put each group of the solution: pages counted from
// 0, the first and the last page of each ResultGroup.
struct SheetPages {
    int count = 0;
    std::vector<std::pair<int, int>> groups;
};

// The PDF; `figure` null for none. `pages`, when given, receives the page
// of each group.
QByteArray renderWorksheetPdf(const Worksheet& sheet, const PictureSource* figure, double widthCm,
                              SheetPages* pages = nullptr);
// The LaTeX document (UTF-8).
QByteArray renderWorksheetTex(const Worksheet& sheet, const PictureSource* figure, double widthCm);

// Checks the request and writes the file. Empty on success, otherwise the
// German message; nothing half-written is left.
QString exportWorksheet(const Worksheet& sheet, const PictureSource& picture, const WorksheetRequest& request);
