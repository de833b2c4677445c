#pragma once
// A worksheet as a complete LaTeX document for pdflatex: A4, the title, the
// figure as the picture's TikZ code, the given objects and (solution) the
// results, each item through latexOfItem / latexOfSegment. It needs only
// inputenc, geometry, amsmath and tikz. A block of the solution stays on
// one page when it fits on one (TeX measures it); only a longer block is
// broken. Core: no Qt.
#include <string>

#include "core/sheet/Worksheet.h"

// `figure`: the tikzpicture (with the comment lines before it) of the
// picture at its width; empty for a sheet without the figure.
std::string worksheetLatex(const Worksheet& sheet, const std::string& figure);
