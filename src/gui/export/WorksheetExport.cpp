#include "gui/export/WorksheetExport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/numbers/NumberTools.h"
#include "core/sheet/WorksheetLatex.h"
#include "document/FileWrite.h"

namespace {

QString quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

QString qt(const std::string& text) { return QString::fromStdString(text); }

// --- the PDF's page ------------------------------------------------------------

constexpr double kMarginMm = 20;
constexpr int kResolution = 1200;  // QPdfWriter's units per inch

double mm(double millimetres) { return millimetres / 25.4 * kResolution; }

QFont sheetFont(double points, bool bold = false, bool mono = false) {
    QFont font(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: "fl" in "Grundfläche" stays two letters when the text
    // is searched or copied.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// One line of a page: its height, and how it is painted with its top at y.
struct PageLine {
    double height = 0;
    std::function<void(QPainter&, double y)> paint;
};

// Lines a page keeps together when they fit on one; `group` is the
// solution's ResultGroup they show, -1 for the rest.
struct Chunk {
    std::vector<PageLine> lines;
    double gapBefore = 0;
    bool keep = true;
    int group = -1;
};

// `text` broken at blanks into lines no wider than `width` (a word wider
// than that is broken between characters).
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString line;
    auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
    for (QString word : text.split(QLatin1Char(' '))) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fits(joined) || (line.isEmpty() && word.isEmpty())) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) lines << line;
        line.clear();
        while (!fits(word) && word.size() > 1) {
            qsizetype n = word.size() - 1;
            while (n > 1 && !fits(word.left(n))) --n;
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    lines << line;
    return lines;
}

// Lays a formula's pieces out on one or more lines: texts on the middle
// row, a name with its arrow, columns between parentheses, determinants
// between bars. A formula wider than the text breaks before a text piece.
class FormulaSetter {
public:
    FormulaSetter(const QFont& font, const QFontMetricsF& metrics) : font_(font), m_(metrics) {}

    std::vector<PageLine> lines(const std::vector<FormulaPiece>& pieces, double width) const {
        std::vector<std::vector<const FormulaPiece*>> rows(1);
        double used = 0;
        const double indent = 2 * m_.height();
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            // A text piece and what follows it up to the next text stay together.
            double run = pieceWidth(pieces[i]);
            for (std::size_t j = i + 1; j < pieces.size() && pieces[j].kind != FormulaPiece::Kind::Text; ++j)
                run += pieceWidth(pieces[j]);
            if (pieces[i].kind == FormulaPiece::Kind::Text && !rows.back().empty() && used + run > width) {
                rows.emplace_back();
                used = indent;
            }
            rows.back().push_back(&pieces[i]);
            used += pieceWidth(pieces[i]);
        }
        std::vector<PageLine> out;
        for (std::size_t r = 0; r < rows.size(); ++r) out.push_back(line(rows[r], r == 0 ? 0 : indent));
        return out;
    }

private:
    static bool tall(const FormulaPiece& p) {
        return p.kind == FormulaPiece::Kind::Column || p.kind == FormulaPiece::Kind::Determinant;
    }
    double advance(const std::string& text) const { return m_.horizontalAdvance(qt(text)); }
    double bracket() const { return 0.45 * m_.height(); }
    // Between a parenthesis and the widest cell.
    double padding() const { return 0.15 * m_.height(); }
    double cellGap() const { return 0.6 * m_.height(); }

    // The widths of a column's or determinant's cells, column by column.
    std::vector<double> cellWidths(const FormulaPiece& p) const {
        const std::size_t columns = p.kind == FormulaPiece::Kind::Determinant ? 3 : 1;
        std::vector<double> widths(columns, 0.0);
        for (std::size_t i = 0; i < p.texts.size(); ++i)
            widths[i % columns] = std::max(widths[i % columns], advance(p.texts[i]));
        return widths;
    }

    double pieceWidth(const FormulaPiece& p) const {
        if (p.texts.empty()) return 0;
        if (!tall(p)) return advance(p.texts[0]);
        const std::vector<double> cells = cellWidths(p);
        double w = 2 * (bracket() + padding());
        for (const double c : cells) w += c;
        return w + cellGap() * double(cells.size() - 1) + 0.3 * m_.height();
    }

    PageLine line(const std::vector<const FormulaPiece*>& pieces, double indent) const {
        const bool isTall = std::any_of(pieces.begin(), pieces.end(), [](const FormulaPiece* p) { return tall(*p); });
        const bool arrow = std::any_of(pieces.begin(), pieces.end(),
                                       [](const FormulaPiece* p) { return p->kind == FormulaPiece::Kind::Vector; });
        const double row = m_.lineSpacing();
        const double above = isTall ? row + 0.15 * row : arrow ? 0.35 * row : 0;
        const double below = isTall ? row + 0.15 * row : 0;
        PageLine line;
        line.height = above + row + below;
        line.paint = [this, pieces, indent, above](QPainter& painter, double y) {
            painter.setFont(font_);
            double x = indent;
            const double baseline = y + above + m_.ascent();
            for (const FormulaPiece* p : pieces) {
                paintPiece(painter, *p, x, baseline);
                x += pieceWidth(*p);
            }
        };
        return line;
    }

    void paintPiece(QPainter& painter, const FormulaPiece& p, double x, double baseline) const {
        if (p.texts.empty()) return;
        const QPen pen(Qt::black, 0.06 * m_.height(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (p.kind == FormulaPiece::Kind::Text) {
            painter.drawText(QPointF(x, baseline), qt(p.texts[0]));
            return;
        }
        if (p.kind == FormulaPiece::Kind::Vector) {
            const double w = advance(p.texts[0]);
            painter.drawText(QPointF(x, baseline), qt(p.texts[0]));
            const double y = baseline - m_.capHeight() - 0.18 * m_.height();
            const double head = 0.16 * m_.height();
            painter.save();
            painter.setPen(pen);
            painter.drawLine(QPointF(x + 0.05 * w, y), QPointF(x + w, y));
            painter.drawLine(QPointF(x + w - head, y - 0.6 * head), QPointF(x + w, y));
            painter.drawLine(QPointF(x + w - head, y + 0.6 * head), QPointF(x + w, y));
            painter.restore();
            return;
        }
        const double row = m_.lineSpacing();
        const double top = baseline - row - m_.ascent() + 0.1 * row;
        const double bottom = baseline + row + m_.descent();
        const double left = x + 0.1 * m_.height();
        const double right = x + pieceWidth(p) - 0.2 * m_.height();
        const std::vector<double> cells = cellWidths(p);
        std::vector<double> cellX(cells.size(), left + bracket() + padding());
        for (std::size_t c = 1; c < cells.size(); ++c) cellX[c] = cellX[c - 1] + cells[c - 1] + cellGap();
        // Row by row, as the text reads (and as a copy from the PDF gives it).
        for (std::size_t r = 0; r < 3; ++r)
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const std::string& text = p.texts.size() > r * cells.size() + c ? p.texts[r * cells.size() + c] : p.texts[0];
                const double w = advance(text);
                painter.drawText(QPointF(cellX[c] + (cells[c] - w) / 2, baseline + (double(r) - 1) * row), qt(text));
            }
        painter.save();
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (p.kind == FormulaPiece::Kind::Determinant) {
            painter.drawLine(QPointF(left + 0.3 * bracket(), top), QPointF(left + 0.3 * bracket(), bottom));
            painter.drawLine(QPointF(right - 0.3 * bracket(), top), QPointF(right - 0.3 * bracket(), bottom));
        } else {
            const double h = bottom - top;
            QPainterPath path;
            path.moveTo(left + 0.8 * bracket(), top);
            path.cubicTo(left, top + 0.3 * h, left, bottom - 0.3 * h, left + 0.8 * bracket(), bottom);
            path.moveTo(right - 0.8 * bracket(), top);
            path.cubicTo(right, top + 0.3 * h, right, bottom - 0.3 * h, right - 0.8 * bracket(), bottom);
            painter.drawPath(path);
        }
        painter.restore();
    }

    QFont font_;
    QFontMetricsF m_;
};

class PdfSheet {
public:
    PdfSheet(QPdfWriter& writer, const Worksheet& sheet)
        : writer_(writer), sheet_(sheet), text_(sheetFont(11)), bold_(sheetFont(11, true)),
          title_(sheetFont(16, true)), mono_(sheetFont(9, false, true)), small_(sheetFont(9)),
          textMetrics_(text_, &writer), formulas_(text_, textMetrics_) {}

    double width() const { return writer_.width(); }
    // The height the lines may fill, above the page number.
    double height() const { return writer_.height() - 2 * QFontMetricsF(small_, &writer_).lineSpacing(); }

    void addTitle() {
        const QString kind = QString::fromUtf8(sheetKindName(sheet_.kind));
        const QFontMetricsF titleMetrics(title_, &writer_);
        const QFontMetricsF kindMetrics(text_, &writer_);
        const double kindWidth = kindMetrics.horizontalAdvance(kind);
        QString title = qt(sheet_.title);
        for (QChar& c : title)
            if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
        const QStringList lines = wrapped(title, titleMetrics, width() - kindWidth - mm(5));
        Chunk chunk;
        for (qsizetype i = 0; i < lines.size(); ++i)
            chunk.lines.push_back({titleMetrics.lineSpacing(), [this, line = lines[i], first = i == 0, kind, kindWidth,
                                                                titleMetrics](QPainter& p, double y) {
                                       p.setFont(title_);
                                       p.drawText(QPointF(0, y + titleMetrics.ascent()), line);
                                       if (!first) return;
                                       p.setFont(text_);
                                       p.drawText(QPointF(width() - kindWidth, y + titleMetrics.ascent()), kind);
                                   }});
        chunks_.push_back(std::move(chunk));
    }

    void addFigure(const PictureSource& figure, double widthCm) {
        const QRect part = exportedPart({}, figure.size());
        if (part.isEmpty()) return;
        double w = std::min(mm(widthCm * 10), width());
        const double room = height() - 4 * textMetrics_.lineSpacing();
        if (w * part.height() / part.width() > room) w = room * part.width() / part.height();
        const double h = w * part.height() / part.width();
        Chunk chunk;
        chunk.gapBefore = mm(4);
        chunk.lines.push_back({h + mm(2), [this, &figure, part, w](QPainter& p, double y) {
                                   p.save();
                                   paintPicture(p, figure, part, w / part.width(), QPointF((width() - w) / 2, y));
                                   p.restore();
                               }});
        chunks_.push_back(std::move(chunk));
    }

    void addHeading(const char* heading) {
        const QFontMetricsF metrics(bold_, &writer_);
        pendingHeading_ = PageLine{metrics.lineSpacing() * 1.3, [this, text = QString::fromUtf8(heading),
                                                                  metrics](QPainter& p, double y) {
                                       p.setFont(bold_);
                                       p.drawText(QPointF(0, y + metrics.ascent()), text);
                                   }};
        pendingGap_ = mm(6);
    }

    void addItem(const OutputItem& item, int group = -1) {
        Chunk chunk;
        chunk.lines = itemLines(item);
        chunk.group = group;
        chunk.gapBefore = mm(1.5);
        add(std::move(chunk));
    }

    void addGroup(const ResultGroup& group, int index) {
        Chunk chunk;
        chunk.group = index;
        chunk.gapBefore = mm(5);
        for (const OutputSegment& segment : group.segments) {
            if (segment.block) {
                for (const OutputItem& item : segment.block->items) {
                    std::vector<PageLine> lines = itemLines(item);
                    if (!chunk.lines.empty() && item.isFormula()) chunk.lines.push_back({mm(1), {}});
                    chunk.lines.insert(chunk.lines.end(), lines.begin(), lines.end());
                }
                continue;
            }
            std::string_view text = std::string_view(sheet_.outputText).substr(segment.begin, segment.end - segment.begin);
            if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
            std::vector<PageLine> lines = textLines(qt(std::string(text)), mono_);
            chunk.lines.insert(chunk.lines.end(), lines.begin(), lines.end());
        }
        add(std::move(chunk));
    }

    // Places the chunks on pages and paints them; the pages of each group
    // go to `pages`.
    bool paint(SheetPages& pages) {
        struct Placed {
            int page;
            double y;
            const PageLine* line;
        };
        std::vector<Placed> placed;
        int page = 0;
        double y = 0;
        pages.groups.assign(sheet_.results.size(), {-1, -1});
        for (const Chunk& chunk : chunks_) {
            double total = 0;
            for (const PageLine& line : chunk.lines) total += line.height;
            if (y > 0 && chunk.keep && total <= height() && y + chunk.gapBefore + total > height()) {
                ++page;
                y = 0;
            } else if (y > 0) {
                y += chunk.gapBefore;
            }
            for (const PageLine& line : chunk.lines) {
                if (y > 0 && y + line.height > height()) {
                    ++page;
                    y = 0;
                }
                placed.push_back({page, y, &line});
                y += line.height;
                if (chunk.group >= 0) {
                    auto& [first, last] = pages.groups[std::size_t(chunk.group)];
                    if (first < 0) first = page;
                    last = page;
                }
            }
        }
        pages.count = page + 1;

        QPainter painter;
        if (!painter.begin(&writer_)) return false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        int current = 0;
        for (const Placed& p : placed) {
            while (current < p.page) {
                pageNumber(painter, current, pages.count);
                if (!writer_.newPage()) return false;
                ++current;
            }
            if (p.line->paint) {
                painter.save();
                p.line->paint(painter, p.y);
                painter.restore();
            }
        }
        pageNumber(painter, current, pages.count);
        return painter.end();
    }

private:
    void add(Chunk chunk) {
        if (pendingHeading_) {
            chunk.lines.insert(chunk.lines.begin(), *pendingHeading_);
            chunk.gapBefore = pendingGap_;
            pendingHeading_.reset();
        }
        chunks_.push_back(std::move(chunk));
    }

    std::vector<PageLine> textLines(const QString& text, const QFont& font) const {
        const QFontMetricsF metrics(font, &writer_);
        std::vector<PageLine> lines;
        for (const QString& line : wrapped(text, metrics, width()))
            lines.push_back({metrics.lineSpacing(), [font, line, ascent = metrics.ascent()](QPainter& p, double y) {
                                 p.setFont(font);
                                 p.drawText(QPointF(0, y + ascent), line);
                             }});
        return lines;
    }

    std::vector<PageLine> itemLines(const OutputItem& item) const {
        if (item.isFormula()) return formulas_.lines(item.formula, width());
        return textLines(qt(item.text), text_);
    }

    void pageNumber(QPainter& painter, int page, int count) const {
        if (count < 2) return;
        const QFontMetricsF metrics(small_, &writer_);
        const QString text = QStringLiteral("Seite %1 von %2").arg(page + 1).arg(count);
        painter.setFont(small_);
        painter.drawText(QPointF((width() - metrics.horizontalAdvance(text)) / 2, writer_.height() - metrics.descent()),
                         text);
    }

    QPdfWriter& writer_;
    const Worksheet& sheet_;
    QFont text_, bold_, title_, mono_, small_;
    QFontMetricsF textMetrics_;
    FormulaSetter formulas_;
    std::vector<Chunk> chunks_;
    std::optional<PageLine> pendingHeading_;
    double pendingGap_ = 0;
};

QString widthText(double widthCm) { return QString::fromStdString(numberText(Real(widthCm))); }

}  // namespace

std::optional<SheetFormat> sheetFormatOfFileName(const QString& fileName) {
    const std::optional<PictureFormat> format = formatOfFileName(fileName);
    if (format == PictureFormat::Pdf) return SheetFormat::Pdf;
    if (format == PictureFormat::Tikz) return SheetFormat::Tex;
    return std::nullopt;
}

QString checkWorksheetRequest(const WorksheetRequest& request) {
    if (request.fileName.trimmed().isEmpty()) return QStringLiteral("Es wurde kein Dateiname angegeben.");
    if (!sheetFormatOfFileName(request.fileName)) {
        const QString suffix = QFileInfo(request.fileName).suffix();
        const QString known = QStringLiteral("Arbeitsblätter werden als PDF (.pdf) oder LaTeX (.tex) gespeichert.");
        if (suffix.isEmpty())
            return QStringLiteral("Der Dateiname %1 hat keine Endung. ").arg(quoted(QFileInfo(request.fileName).fileName())) +
                   known;
        return QStringLiteral("Die Endung %1 ist unbekannt. ").arg(quoted("." + suffix)) + known;
    }
    if (request.figure && !(request.widthCm >= kMinWidthCm && request.widthCm <= kMaxSheetFigureWidthCm)) {
        const QString rule = QStringLiteral("Die Figur kann zwischen 1 cm und 17 cm breit sein.");
        if (!std::isfinite(request.widthCm)) return rule;
        return QStringLiteral("Die Breite %1 cm ist nicht möglich. ").arg(widthText(request.widthCm)) + rule;
    }
    return {};
}

QByteArray renderWorksheetPdf(const Worksheet& sheet, const PictureSource* figure, double widthCm, SheetPages* pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Spatium"));
        writer.setTitle(qt(sheet.title));
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
        PdfSheet pdf(writer, sheet);
        pdf.addTitle();
        if (figure) pdf.addFigure(*figure, widthCm);
        pdf.addHeading(kGivenHeading);
        if (sheet.given.empty()) pdf.addItem({.text = kNothingGivenSentence, .formula = {}});
        for (const OutputItem& item : sheet.given) pdf.addItem(item);
        if (sheet.kind == SheetKind::Solution) {
            pdf.addHeading(kSolutionHeading);
            if (sheet.results.empty()) pdf.addItem({.text = kNoResultsSentence, .formula = {}});
            for (std::size_t i = 0; i < sheet.results.size(); ++i) pdf.addGroup(sheet.results[i], int(i));
        }
        SheetPages placed;
        if (!pdf.paint(placed)) return {};
        if (pages) *pages = placed;
    }
    return bytes;
}

QByteArray renderWorksheetTex(const Worksheet& sheet, const PictureSource* figure, double widthCm) {
    const QByteArray picture = figure ? renderTikz(*figure, exportedPart({}, figure->size()), widthCm, false) : QByteArray();
    return QByteArray::fromStdString(worksheetLatex(sheet, picture.toStdString()));
}

QString exportWorksheet(const Worksheet& sheet, const PictureSource& picture, const WorksheetRequest& request) {
    if (QString problem = checkWorksheetRequest(request); !problem.isEmpty()) return problem;
    const PictureSource* figure = request.figure ? &picture : nullptr;
    const QByteArray bytes = *sheetFormatOfFileName(request.fileName) == SheetFormat::Pdf
                                 ? renderWorksheetPdf(sheet, figure, request.widthCm)
                                 : renderWorksheetTex(sheet, figure, request.widthCm);
    if (bytes.isEmpty()) return QStringLiteral("Das Arbeitsblatt konnte nicht erzeugt werden. Es wurde nichts gespeichert.");
    const QString reason = writeWholeFile(request.fileName, bytes);
    if (reason.isEmpty()) return {};
    return QStringLiteral("Das Arbeitsblatt konnte nicht als %1 gespeichert werden: %2.")
        .arg(quoted(QDir::toNativeSeparators(request.fileName)), reason);
}
