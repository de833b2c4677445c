// The LaTeX/TikZ file: the picture's calls written by the TikZ canvas, with
// the screen's text metrics for the boxes behind labels.
#include "gui/picture/PictureExport.h"
#include "gui/canvas/QPainterCanvas.h"
#include "core/tikz/TikzCanvas.h"

QByteArray renderTikz(const PictureSource& source, QRect part, double widthCm, bool standalone) {
    const std::string file = tikzFile(source.calls, {part.left(), part.top(), part.width(), part.height()}, widthCm,
                                      standalone, screenTextBox);
    return QByteArray::fromStdString(file);
}
