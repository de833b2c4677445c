// The SVG file. QSvgGenerator writes a flat list of graphics-state groups
// and has no notion of objects, so every object bracket of the picture is
// drawn as a marker text with a pen the picture never uses: the generator
// then puts each marker into a state group of its own, which is replaced
// afterwards by the opening or closing tag of the object's named group.
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "document/SceneFile.h"
#include "gui/picture/PictureExport.h"
#include "core/canvas/PictureRecorder.h"
#include "gui/canvas/QPainterCanvas.h"

namespace {

const QByteArray kBeginMarker = "spatium-object-";
const QByteArray kEndMarker = "spatium-object-end";

class SvgObjectMarkers : public QPainterCanvas::ObjectSink {
public:
    void beginObject(QPainter& painter, ObjectKind, const std::string& name) override {
        mark(painter, kBeginMarker + QByteArray::number(qsizetype(names_.size())));
        names_.push_back(name);
    }
    void endObject(QPainter& painter) override { mark(painter, kEndMarker); }
    const std::vector<std::string>& names() const { return names_; }

private:
    static void mark(QPainter& painter, const QByteArray& marker) {
        painter.save();
        // Nearly transparent and a quarter of a unit wide: no drawing of the
        // picture uses this pen, so the state changes before and after.
        painter.setPen(QPen(QColor(1, 2, 3, 4), 0.25));
        painter.drawText(QPointF(0, 0), QString::fromLatin1(marker));
        painter.restore();
    }

    std::vector<std::string> names_;
};

// XML 1.0 allows no control character but tab, line feed and carriage
// return, not even as a reference, and neither U+FFFE nor U+FFFF; labels
// and names from a file may hold them, so the SVG leaves them out.
bool isXmlChar(QChar ch) {
    const char16_t c = ch.unicode();
    return (c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') && c != 0xFFFE && c != 0xFFFF;
}

QString xmlText(const std::string& text) {
    QString xml = QString::fromStdString(text);
    xml.removeIf([](QChar ch) { return !isXmlChar(ch); });
    return xml;
}

// The same test on the UTF-8 bytes (bytes that are no UTF-8 become U+FFFD,
// which XML allows).
bool isXmlText(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
        if (b == 0xEF && i + 2 < text.size() && text[i + 1] == '\xBF' && (text[i + 2] == '\xBE' || text[i + 2] == '\xBF'))
            return false;  // U+FFFE, U+FFFF
    }
    return true;
}

QByteArray xmlEscaped(const std::string& text) { return xmlText(text).toHtmlEscaped().toUtf8(); }

// The calls as the SVG may paint them: QSvgGenerator writes texts and font
// families as they are, so texts lose what XML cannot hold and a family
// that could break out of its attribute becomes the default one. The
// calls themselves are copied only when one of them needs it.
std::span<const CanvasCall> svgSafeCalls(std::span<const CanvasCall> calls, std::vector<CanvasCall>& copy) {
    std::string family = kDefaultFontName;  // the family last looked at, and whether it is usable
    bool usable = true;
    auto usableFamily = [&](const std::string& name) {
        if (name != family) {
            family = name;
            usable = isUsableFontFamily(QString::fromStdString(name));
        }
        return usable;
    };
    auto safe = [&](const CanvasCall& c) { return isXmlText(c.text) && usableFamily(c.attributes.font.name); };
    if (std::all_of(calls.begin(), calls.end(), safe)) return calls;
    copy.assign(calls.begin(), calls.end());
    for (CanvasCall& c : copy) {
        if (!isXmlText(c.text)) c.text = xmlText(c.text).toStdString();
        if (!usableFamily(c.attributes.font.name)) c.attributes.font.name = kDefaultFontName;
    }
    return copy;
}

// An XML name made of the object's name: letters, digits and single "_"
// ("Ebene E1" -> "Ebene_E1", "Würfel" -> "Wuerfel"), unique in the file.
QByteArray groupId(const std::string& name, std::set<QByteArray>& used) {
    QByteArray id;
    const QString text = QString::fromStdString(name);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        QByteArray piece;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) piece = QByteArray(1, char(c));
        else if (c == u'ä') piece = "ae";
        else if (c == u'ö') piece = "oe";
        else if (c == u'ü') piece = "ue";
        else if (c == u'Ä') piece = "Ae";
        else if (c == u'Ö') piece = "Oe";
        else if (c == u'Ü') piece = "Ue";
        else if (c == u'ß') piece = "ss";
        else if (!id.endsWith('_')) piece = "_";
        id += piece;
    }
    while (id.endsWith('_')) id.chop(1);
    if (id.isEmpty() || (id[0] >= '0' && id[0] <= '9')) id.prepend("Objekt_");
    QByteArray unique = id;
    for (int n = 2; used.count(unique); ++n) unique = id + '_' + QByteArray::number(n);
    used.insert(unique);
    return unique;
}

// The text element of a marker, not a text of the picture that happens to
// read like one: only markers are drawn in the marker colour, nearly
// transparent (the picture's texts are opaque).
bool isMarkerText(const QByteArray& svg, qsizetype textStart, qsizetype contentStart) {
    const QByteArray tag = svg.mid(textStart, contentStart - textStart);
    return tag.contains("fill=\"#010203\"") && !tag.contains("fill-opacity=\"1\"");
}

struct MarkerText {
    qsizetype start = -1;    // "<text"
    qsizetype content = -1;  // the marker's first character
    qsizetype end = -1;      // just after "</text>"
    QByteArray label;
};

// The next marker text at or after pos; start -1 when there is none.
MarkerText nextMarker(const QByteArray& svg, qsizetype pos) {
    for (qsizetype found; (found = svg.indexOf(">" + kBeginMarker, pos)) >= 0; pos = found + 1) {
        MarkerText m;
        m.start = svg.lastIndexOf("<text", found);
        m.content = found + 1;
        const qsizetype close = svg.indexOf("</text>", found);
        if (m.start < 0 || close < 0) break;
        if (!isMarkerText(svg, m.start, m.content)) continue;
        m.end = close + 7;
        m.label = svg.mid(m.content, close - m.content);
        return m;
    }
    return {};
}

QByteArray withoutMarkers(QByteArray svg) {
    for (MarkerText m; (m = nextMarker(svg, 0)).start >= 0;) svg.remove(m.start, m.end - m.start);
    return svg;
}

// Replaces every marker's state group by the tag it stands for. When the
// generator's output does not have the expected shape, only the marker
// texts are taken out, so the file stays valid without groups.
QByteArray groupObjects(const QByteArray& svg, const std::vector<std::string>& names) {
    QByteArray out;
    out.reserve(svg.size());
    std::set<QByteArray> used;
    qsizetype pos = 0;
    for (MarkerText m; (m = nextMarker(svg, pos)).start >= 0;) {
        // The marker's state group holds the marker and nothing else.
        const qsizetype groupStart = svg.lastIndexOf("<g ", m.start);
        const qsizetype groupEnd = svg.indexOf("</g>", m.end);
        if (groupStart < pos || groupEnd < 0 || svg.mid(groupStart + 1, m.start - groupStart - 1).contains('<') ||
            !svg.mid(m.end, groupEnd - m.end).trimmed().isEmpty())
            return withoutMarkers(svg);
        out += svg.mid(pos, groupStart - pos);
        if (m.label == kEndMarker) {
            out += "</g>";
        } else {
            bool ok = false;
            const qsizetype index = m.label.mid(kBeginMarker.size()).toLongLong(&ok);
            const std::string name = ok && index >= 0 && index < qsizetype(names.size()) ? names[index] : std::string();
            out += "<g id=\"" + groupId(name, used) + "\"><title>" + xmlEscaped(name) + "</title>";
        }
        pos = groupEnd + 4;
    }
    out += svg.mid(pos);
    return out;
}

}  // namespace

QByteArray renderSvg(const PictureSource& source, QRect part) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SvgObjectMarkers markers;
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(part.size());
        generator.setViewBox(QRect(QPoint(0, 0), part.size()));
        generator.setResolution(96);
        generator.setTitle(QStringLiteral("Spatium-Grafik"));
        generator.setDescription(QStringLiteral("Erzeugt mit Spatium"));
        QPainter painter;
        if (!painter.begin(&generator)) return {};
        {
            QPainterCanvas canvas(painter, part, 1.0, QPointF(), &markers);
            std::vector<CanvasCall> copy;
            replayCalls(svgSafeCalls(source.calls, copy), canvas);
        }
        painter.end();
    }
    return groupObjects(bytes, markers.names());
}
