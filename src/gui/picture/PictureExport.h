#pragma once
// Exporting the picture: a PNG (the screen's own image at scale 1, drawn at
// that resolution at scales 2 to 4), an SVG, a PDF and a LaTeX/TikZ file,
// and the clipboard's picture. Every output replays the picture's kept
// calls onto a canvas of its own (QPainterCanvas, TikzCanvas); a further
// format is one more renderer of that kind.
// Files are written through QSaveFile: on any failure nothing half-written
// is left and an existing file of that name stays as it was.
#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>
#include <span>

#include "core/canvas/RecordingCanvas.h"

class QMimeData;

// What an export draws from.
struct PictureSource {
    std::span<const CanvasCall> calls;  // the picture's calls since its reset
    QImage screen;                      // the screen canvas's image
    QSize size() const { return screen.size(); }
};

enum class PictureFormat { Png, Svg, Pdf, Tikz };

// By the file name's extension, in any case; none for other extensions.
std::optional<PictureFormat> formatOfFileName(const QString& fileName);

constexpr int kMinExportScale = 1;
constexpr int kMaxExportScale = 4;
constexpr double kDefaultWidthCm = 12;
// Narrower pictures could not be read, wider ones fit no printer.
constexpr double kMinWidthCm = 1;
constexpr double kMaxWidthCm = 100;
// TeX measures nothing beyond 575 cm: a taller TikZ picture would not compile.
constexpr double kMaxTikzHeightCm = 500;

struct ExportRequest {
    ExportRequest(QString file, int pngScale = 1, double pdfWidthCm = kDefaultWidthCm, QRect picturePart = {},
                  bool tikzDocument = false)
        : fileName(std::move(file)), scale(pngScale), widthCm(pdfWidthCm), part(picturePart),
          tikzStandalone(tikzDocument) {}
    QString fileName;     // .png, .svg, .pdf or .tex
    int scale;            // PNG only: 1 .. 4
    double widthCm;       // PDF and TikZ only: the picture's width, 1 .. 100
    QRect part;           // picture pixels; empty: the whole picture
    bool tikzStandalone;  // TikZ only: a complete document, not a picture to \input
};

// The German message for a request that cannot be carried out as asked
// (extension, scale, width, part outside the picture); empty when it can.
QString checkExportRequest(const ExportRequest& request, QSize pictureSize);

// Checks the request, draws the picture and writes the file. Empty on
// success, otherwise the German message; the picture is never changed.
QString exportPicture(const PictureSource& source, const ExportRequest& request);

// The part of the picture an export of `part` shows (the whole picture for
// an empty part); empty when the part lies outside the picture.
QRect exportedPart(QRect part, QSize pictureSize);

// --- renderers (part: picture pixels inside the picture) ------------------

class QPainter;

// The part drawn as vectors onto any painter (a page, a printer, an image),
// `scale` painter units per picture pixel, its top left corner at `at`,
// cut at the part's edges.
void paintPicture(QPainter& painter, const PictureSource& source, QRect part, double scale, QPointF at);

// Scale 1: the screen's own pixels. Scales 2 .. 4: drawn at that resolution.
QImage renderPictureImage(const PictureSource& source, QRect part, int scale);
// PNG file contents of an image made at the given scale (its resolution is
// set so that every scale prints at the same size).
QByteArray encodePng(const QImage& image, int scale);
// SVG document: every object of the picture a group named after it, labels
// as text, lines, outlines and hatching as paths.
QByteArray renderSvg(const PictureSource& source, QRect part);
// PDF document of one page: the part at the given width in centimetres.
QByteArray renderPdf(const PictureSource& source, QRect part, double widthCm);
// LaTeX code (UTF-8): one tikzpicture of the part at the given width, after
// a comment naming the packages it needs, or (standalone) a complete
// document whose page is the picture.
QByteArray renderTikz(const PictureSource& source, QRect part, double widthCm, bool standalone);

// The clipboard's contents for the part: the screen's bitmap, exactly as
// before, and beside it the same part as SVG (image/svg+xml). The caller
// owns the result (QClipboard::setMimeData takes it).
QMimeData* pictureMimeData(const PictureSource& source, QRect part);
