#include "gui/picture/PictureExport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "document/FileWrite.h"
#include "core/canvas/PictureRecorder.h"
#include "gui/canvas/QPainterCanvas.h"
#include "core/numbers/NumberTools.h"

namespace {

constexpr int kScreenDotsPerMetre = 3780;  // 96 dpi

QString quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// Writes the whole file or nothing (an existing file stays as it was).
QString writeFile(const QString& fileName, const QByteArray& bytes) {
    const QString reason = writeWholeFile(fileName, bytes);
    if (reason.isEmpty()) return {};
    return QStringLiteral("Das Bild konnte nicht als %1 gespeichert werden: %2.").arg(quoted(native(fileName)), reason);
}

QString widthText(double widthCm) { return QString::fromStdString(numberText(Real(widthCm))); }

}  // namespace

std::optional<PictureFormat> formatOfFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    if (suffix == QLatin1String("tex")) return PictureFormat::Tikz;
    return std::nullopt;
}

QRect exportedPart(QRect part, QSize pictureSize) {
    const QRect whole(QPoint(0, 0), pictureSize);
    return part.isEmpty() ? whole : part.intersected(whole);
}

QString checkExportRequest(const ExportRequest& request, QSize pictureSize) {
    if (request.fileName.trimmed().isEmpty())
        return QStringLiteral("Es wurde kein Dateiname angegeben.");
    const std::optional<PictureFormat> format = formatOfFileName(request.fileName);
    if (!format) {
        const QString suffix = QFileInfo(request.fileName).suffix();
        const QString known =
            QStringLiteral("Bilder werden als PNG (.png), SVG (.svg), PDF (.pdf) oder LaTeX/TikZ (.tex) exportiert.");
        if (suffix.isEmpty())
            return QStringLiteral("Der Dateiname %1 hat keine Endung. ").arg(quoted(QFileInfo(request.fileName).fileName())) +
                   known;
        return QStringLiteral("Die Endung %1 ist unbekannt. ").arg(quoted("." + suffix)) + known;
    }
    if (*format == PictureFormat::Png &&
        (request.scale < kMinExportScale || request.scale > kMaxExportScale))
        return QStringLiteral("Der Maßstab %1 ist nicht möglich: erlaubt sind 1, 2, 3 und 4.")
            .arg(request.scale);
    const bool hasWidth = *format == PictureFormat::Pdf || *format == PictureFormat::Tikz;
    if (hasWidth && !(request.widthCm >= kMinWidthCm && request.widthCm <= kMaxWidthCm)) {
        const QString rule = QStringLiteral("Die Breite muss zwischen 1 cm und 100 cm liegen.");
        if (!std::isfinite(request.widthCm)) return rule;
        return QStringLiteral("Die Breite %1 cm ist nicht möglich. ").arg(widthText(request.widthCm)) + rule;
    }
    const QRect part = exportedPart(request.part, pictureSize);
    if (part.isEmpty()) return QStringLiteral("Der markierte Ausschnitt liegt außerhalb des Bildes.");
    if (*format == PictureFormat::Tikz) {
        const double heightCm = request.widthCm * part.height() / part.width();
        if (heightCm > kMaxTikzHeightCm)
            return QStringLiteral("Bei %1 cm Breite wäre der Ausschnitt %2 cm hoch; LaTeX setzt höchstens 500 cm. "
                                  "Bitte eine kleinere Breite oder einen breiteren Ausschnitt wählen.")
                .arg(widthText(request.widthCm), widthText(std::round(heightCm)));
    }
    return {};
}

QString exportPicture(const PictureSource& source, const ExportRequest& request) {
    const QString problem = checkExportRequest(request, source.size());
    if (!problem.isEmpty()) return problem;
    const QRect part = exportedPart(request.part, source.size());
    QByteArray bytes;
    switch (*formatOfFileName(request.fileName)) {
    case PictureFormat::Png:
        bytes = encodePng(renderPictureImage(source, part, request.scale), request.scale);
        break;
    case PictureFormat::Svg: bytes = renderSvg(source, part); break;
    case PictureFormat::Pdf: bytes = renderPdf(source, part, request.widthCm); break;
    case PictureFormat::Tikz: bytes = renderTikz(source, part, request.widthCm, request.tikzStandalone); break;
    }
    if (bytes.isEmpty())
        return QStringLiteral("Das Bild konnte nicht erzeugt werden. Es wurde nichts gespeichert.");
    return writeFile(request.fileName, bytes);
}

QImage renderPictureImage(const PictureSource& source, QRect part, int scale) {
    if (scale <= 1) return source.screen.copy(part);
    QImage image(part.size() * scale, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    // Lines are two to four pixels wide here, so their edges need no
    // smoothing (which would cost seven times the drawing time); the text's
    // small curves do.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    paintPicture(painter, source, part, scale, {});
    painter.end();
    return image;
}

void paintPicture(QPainter& painter, const PictureSource& source, QRect part, double scale, QPointF at) {
    // Lines reach beyond the picture's frame (the screen cuts them there).
    painter.save();
    painter.setClipRect(QRectF(at, QSizeF(part.size()) * scale), Qt::IntersectClip);
    {
        QPainterCanvas canvas(painter, part, scale, at);
        replayCalls(source.calls, canvas);
    }
    painter.restore();
}

QByteArray encodePng(const QImage& image, int scale) {
    if (image.isNull()) return {};
    QImage out = image;
    out.setDotsPerMeterX(kScreenDotsPerMetre * std::max(scale, 1));
    out.setDotsPerMeterY(kScreenDotsPerMetre * std::max(scale, 1));
    out.setText(QStringLiteral("Software"), QStringLiteral("Spatium"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!out.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray renderPdf(const PictureSource& source, QRect part, double widthCm) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Spatium"));
        writer.setTitle(QStringLiteral("Spatium-Grafik"));
        const double widthMm = widthCm * 10;
        const double heightMm = widthMm * part.height() / part.width();
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        // The page measures whole points; the picture fills its width.
        paintPicture(painter, source, part, double(writer.width()) / part.width(), {});
        painter.end();
    }
    return bytes;
}

QMimeData* pictureMimeData(const PictureSource& source, QRect part) {
    auto* data = new QMimeData;
    data->setImageData(source.screen.copy(part));
    data->setData(QStringLiteral("image/svg+xml"), renderSvg(source, part));
    return data;
}
