#include "document/SceneFile.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <limits>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include "document/FileWrite.h"
#include "core/canvas/ViewState.h"

namespace {

// JSON names of the groups.
constexpr char kTexts[] = "texts";
constexpr char kChecks[] = "checks";
constexpr char kColours[] = "colours";
constexpr char kChoices[] = "choices";
constexpr char kFonts[] = "fonts";
constexpr char kOutputs[] = "outputs";
constexpr char kView[] = "view";
constexpr char kParameters[] = "parameters";

// The view values a file may hold, with the range each must lie in.
struct ViewValueRule {
    const char* name;
    double min;
    double max;
    bool whole;             // a whole number
    const char* otherwise;  // what the value is when it is not good
};
constexpr ViewValueRule kViewValues[] = {
    {ViewValueNames::OffsetX, -kMaxPanOffset, kMaxPanOffset, true, "keine ganze Zahl von -1000000 bis 1000000"},
    {ViewValueNames::OffsetY, -kMaxPanOffset, kMaxPanOffset, true, "keine ganze Zahl von -1000000 bis 1000000"},
    {ViewValueNames::RotationX, -720, 720, false, "keine Zahl von -720 bis 720"},
    {ViewValueNames::RotationY, -720, 720, false, "keine Zahl von -720 bis 720"},
    {ViewValueNames::RotationZ, -720, 720, false, "keine Zahl von -720 bis 720"},
};

constexpr int kMaxFontPointSize = 1000;
// The family's t comes from t1 + k·Δt with fields of at most 1E100 or so;
// no good file holds more.
constexpr long double kMaxParameter = 1E100L;
constexpr int kMaxChoice = 9999;

QString quoted(const QString& text) { return QStringLiteral("„%1“").arg(text); }

bool isWholeNumber(const QJsonValue& v, double min, double max) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    return std::isfinite(d) && std::floor(d) == d && d >= min && d <= max;
}

// Reading one group: every value must have the group's type. Sets `reason`
// and returns false at the first value that has not.
class GroupReader {
public:
    explicit GroupReader(QString& reason) : reason_(reason) {}

    // The group's object, or nullptr when the file has no such group
    // (then its entries keep their start-up values). False: not an object.
    bool object(const QJsonObject& top, const char* name, QJsonObject& group, bool& present) {
        const QJsonValue v = top.value(QLatin1String(name));
        present = !v.isUndefined();
        if (!present) return true;
        if (!v.isObject()) return fail(QStringLiteral("%1 ist kein JSON-Objekt").arg(quoted(QLatin1String(name))));
        group = v.toObject();
        return true;
    }

    bool wrongType(const char* group, const QString& key, const char* expected) {
        return fail(QStringLiteral("der Wert von %1 in %2 ist %3")
                        .arg(quoted(key), quoted(QLatin1String(group)), QString::fromUtf8(expected)));
    }

    bool fail(const QString& reason) {
        reason_ = reason;
        return false;
    }

private:
    QString& reason_;
};

bool readColour(const QJsonValue& v, Colour& colour) { return v.isString() && colourFromText(v.toString(), colour); }

bool readFont(const QJsonValue& value, TextFont& font) {
    if (!value.isObject()) return false;
    const QJsonObject o = value.toObject();
    const QJsonValue family = o.value(QLatin1String("family"));
    const QJsonValue size = o.value(QLatin1String("pointSize"));
    if (!family.isString() || !isWholeNumber(size, 1, kMaxFontPointSize)) return false;
    font.family = family.toString().toStdString();
    font.pointSize = size.toInt();
    const std::pair<const char*, bool*> flags[] = {
        {"bold", &font.bold}, {"italic", &font.italic}, {"underline", &font.underline}, {"strikeOut", &font.strikeOut}};
    for (const auto& [name, target] : flags) {
        const QJsonValue flag = o.value(QLatin1String(name));
        if (!flag.isBool()) return false;
        *target = flag.toBool();
    }
    return readColour(o.value(QLatin1String("colour")), font.colour);
}

// The kinds of formula pieces by their JSON key, with the number of texts
// each holds (1: a string, else an array of that many strings).
struct PieceKey {
    const char* key;
    FormulaPiece::Kind kind;
    qsizetype texts;
};
constexpr PieceKey kPieceKeys[] = {
    {"text", FormulaPiece::Kind::Text, 1},
    {"vector", FormulaPiece::Kind::Vector, 1},
    {"column", FormulaPiece::Kind::Column, 3},
    {"determinant", FormulaPiece::Kind::Determinant, 9},
};

bool readPiece(const QJsonValue& value, FormulaPiece& piece) {
    const QJsonObject o = value.toObject();
    if (!value.isObject() || o.size() != 1) return false;
    for (const PieceKey& key : kPieceKeys) {
        const QJsonValue texts = o.value(QLatin1String(key.key));
        if (texts.isUndefined()) continue;
        piece.kind = key.kind;
        if (key.texts == 1) {
            if (!texts.isString()) return false;
            piece.texts = {texts.toString().toStdString()};
            return true;
        }
        if (!texts.isArray() || texts.toArray().size() != key.texts) return false;
        for (const QJsonValue& text : texts.toArray()) {
            if (!text.isString()) return false;
            piece.texts.push_back(text.toString().toStdString());
        }
        return true;
    }
    return false;
}

QJsonValue pieceValue(const FormulaPiece& piece) {
    for (const PieceKey& key : kPieceKeys) {
        if (key.kind != piece.kind) continue;
        if (key.texts == 1) return QJsonObject{{key.key, QString::fromStdString(piece.texts.at(0))}};
        QJsonArray texts;
        for (const std::string& text : piece.texts) texts.append(QString::fromStdString(text));
        return QJsonObject{{key.key, texts}};
    }
    return {};
}

// An item: its colour and either a sentence ("text") or a formula.
bool readItem(const QJsonValue& value, OutputItem& item) {
    const QJsonObject o = value.toObject();
    if (!value.isObject() || !readColour(o.value(QLatin1String("colour")), item.colour)) return false;
    const QJsonValue text = o.value(QLatin1String("text")), formula = o.value(QLatin1String("formula"));
    if (text.isString() && formula.isUndefined()) {
        item.text = text.toString().toStdString();
        return true;
    }
    if (!text.isUndefined() || !formula.isArray() || formula.toArray().isEmpty()) return false;
    for (const QJsonValue& piece : formula.toArray()) {
        if (!readPiece(piece, item.formula.emplace_back())) return false;
    }
    return true;
}

bool readBlock(const QJsonValue& value, OutputBlock& block) {
    const QJsonObject o = value.toObject();
    const QJsonValue source = o.value(QLatin1String("source")), text = o.value(QLatin1String("text")),
                     items = o.value(QLatin1String("items"));
    if (!value.isObject() || !source.isString() || !text.isString() || !items.isArray()) return false;
    block.source = source.toString().toStdString();
    block.text = text.toString().toStdString();
    for (const QJsonValue& item : items.toArray())
        if (!readItem(item, block.items.emplace_back())) return false;
    return true;
}

QJsonValue blocksValue(const std::vector<OutputBlock>& blocks) {
    QJsonArray out;
    for (const OutputBlock& block : blocks) {
        QJsonArray items;
        for (const OutputItem& item : block.items) {
            QJsonObject o{{"colour", colourToText(item.colour)}};
            if (item.isFormula()) {
                QJsonArray formula;
                for (const FormulaPiece& piece : item.formula) formula.append(pieceValue(piece));
                o.insert(QStringLiteral("formula"), formula);
            } else {
                o.insert(QStringLiteral("text"), QString::fromStdString(item.text));
            }
            items.append(o);
        }
        out.append(QJsonObject{{"source", QString::fromStdString(block.source)},
                               {"text", QString::fromStdString(block.text)},
                               {"items", items}});
    }
    return out;
}

bool readOutput(const QJsonValue& value, OutputText& output) {
    if (!value.isObject()) return false;
    const QJsonObject o = value.toObject();
    // The calculations' blocks behind the text (optional: older files have
    // none, and their text copies as plain lines).
    const QJsonValue blocks = o.value(QLatin1String("blocks"));
    if (!blocks.isUndefined()) {
        if (!blocks.isArray()) return false;
        for (const QJsonValue& block : blocks.toArray())
            if (!readBlock(block, output.blocks.emplace_back())) return false;
    }
    const QJsonValue runs = o.value(QLatin1String("runs"));
    if (!runs.isArray()) return false;
    for (const QJsonValue& run : runs.toArray()) {
        if (!run.isObject()) return false;
        const QJsonValue text = run.toObject().value(QLatin1String("text"));
        TextRun piece;
        if (!text.isString() || !readColour(run.toObject().value(QLatin1String("colour")), piece.colour)) return false;
        piece.text = text.toString().toStdString();
        output.runs.push_back(piece);
    }
    return readColour(o.value(QLatin1String("colour")), output.colour);
}

// Reads the entries of one group with `convert` (JSON value -> entry).
template <class Map, class Convert>
bool readGroup(GroupReader& reader, const QJsonObject& top, const char* name, const char* expected, Map& into,
               Convert convert) {
    QJsonObject group;
    bool present = false;
    if (!reader.object(top, name, group, present)) return false;
    for (auto it = group.begin(); it != group.end(); ++it) {
        typename Map::mapped_type entry{};
        if (!convert(it.value(), entry)) return reader.wrongType(name, it.key(), expected);
        into.insert_or_assign(it.key().toStdString(), entry);
    }
    return true;
}

bool readView(GroupReader& reader, const QJsonObject& top, std::map<std::string, double>& view) {
    QJsonObject group;
    bool present = false;
    if (!reader.object(top, kView, group, present)) return false;
    for (const ViewValueRule& rule : kViewValues) {
        const QJsonValue v = group.value(QLatin1String(rule.name));
        if (v.isUndefined()) continue;
        const double d = v.toDouble();
        const bool inRange = v.isDouble() && std::isfinite(d) && d >= rule.min && d <= rule.max;
        if (!inRange || (rule.whole && std::floor(d) != d))
            return reader.wrongType(kView, QLatin1String(rule.name), rule.otherwise);
        view[rule.name] = v.toDouble();
    }
    return true;
}

// A value of t: a number, or a text holding one in C notation with every
// digit of the extended precision the program computes in.
bool readParameter(const QJsonValue& v, long double& t) {
    if (v.isDouble()) {
        t = v.toDouble();
    } else {
        const QByteArray text = v.toString().toLatin1();
        if (!v.isString() || text.isEmpty()) return false;
        const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), t);
        if (error != std::errc() || end != text.constData() + text.size()) return false;
    }
    return std::isfinite(t) && std::fabs(t) <= kMaxParameter;
}

QJsonValue parameterValue(long double t) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, t);
    return QJsonValue(QString::fromLatin1(text, error == std::errc() ? int(end - text) : 0));
}

// A family reaches other formats' markup (an SVG's attributes) as it is.
bool fontFamiliesUsable(GroupReader& reader, const std::map<std::string, TextFont>& fonts) {
    for (const auto& [name, font] : fonts)
        if (!isUsableFontFamily(QString::fromStdString(font.family)))
            return reader.wrongType(kFonts, QString::fromStdString(name),
                                    "eine Schrift, deren Name ein Anführungszeichen, <, >, & oder ein Steuerzeichen "
                                    "enthält");
    return true;
}

bool readGroups(const QJsonObject& top, SceneState& s, QString& reason) {
    GroupReader r(reason);
    return readGroup(r, top, kTexts, "kein Text", s.texts,
                     [](const QJsonValue& v, std::string& text) {
                         if (!v.isString()) return false;
                         text = v.toString().toStdString();
                         return true;
                     }) &&
           readGroup(r, top, kChecks, "weder true noch false", s.checks,
                     [](const QJsonValue& v, bool& checked) {
                         if (!v.isBool()) return false;
                         checked = v.toBool();
                         return true;
                     }) &&
           readGroup(r, top, kColours, "keine Farbe der Form #rrggbb", s.colours, readColour) &&
           readGroup(r, top, kChoices, "keine Auswahlnummer", s.choices,
                     [](const QJsonValue& v, int& item) {
                         if (!isWholeNumber(v, -1, kMaxChoice)) return false;
                         item = v.toInt();
                         return true;
                     }) &&
           readGroup(r, top, kFonts, "keine vollständige Schriftangabe", s.fonts, readFont) &&
           fontFamiliesUsable(r, s.fonts) &&
           readGroup(r, top, kOutputs, "keine Ausgabe aus Textstücken mit Farben", s.outputs, readOutput) &&
           readView(r, top, s.view) &&
           readGroup(r, top, kParameters, "keine Zahl von -1E100 bis 1E100", s.parameters, readParameter);
}

QJsonObject fontObject(const TextFont& f) {
    return QJsonObject{{"family", QString::fromStdString(f.family)},       {"pointSize", f.pointSize},
                       {"bold", f.bold},           {"italic", f.italic},
                       {"underline", f.underline}, {"strikeOut", f.strikeOut},
                       {"colour", colourToText(f.colour)}};
}

template <class Map, class Convert>
QJsonObject groupObject(const Map& entries, Convert convert) {
    QJsonObject o;
    for (const auto& [name, value] : entries) o.insert(QString::fromStdString(name), convert(value));
    return o;
}

QString quotedFileName(const QString& path) { return quoted(QDir::toNativeSeparators(path)); }

}  // namespace

QString colourToText(Colour colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colourRed(colour), 2, 16, QLatin1Char('0'))
        .arg(colourGreen(colour), 2, 16, QLatin1Char('0'))
        .arg(colourBlue(colour), 2, 16, QLatin1Char('0'));
}

bool isUsableFontFamily(const QString& family) {
    return std::none_of(family.begin(), family.end(), [](QChar ch) {
        const char16_t c = ch.unicode();
        return c == u'"' || c == u'<' || c == u'>' || c == u'&' || c < 0x20 || (c >= 0x7F && c <= 0x9F);
    });
}

bool colourFromText(const QString& text, Colour& colour) {
    if (text.size() != 7 || text[0] != QLatin1Char('#')) return false;
    for (int i = 1; i < 7; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i].toLatin1()))) return false;
    const uint rgb = text.mid(1).toUInt(nullptr, 16);
    colour = makeColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return true;
}

QByteArray sceneToJson(const SceneState& s) {
    const auto text = [](const std::string& t) { return QJsonValue(QString::fromStdString(t)); };
    const auto flag = [](bool b) { return QJsonValue(b); };
    const auto colour = [](Colour c) { return QJsonValue(colourToText(c)); };
    const auto item = [](int i) { return QJsonValue(i); };
    const auto font = [](const TextFont& f) { return QJsonValue(fontObject(f)); };
    const auto output = [](const OutputText& o) {
        QJsonArray runs;
        for (const TextRun& run : o.runs) runs.append(QJsonObject{{"colour", colourToText(run.colour)}, {"text", QString::fromStdString(run.text)}});
        QJsonObject area{{"colour", colourToText(o.colour)}, {"runs", runs}};
        if (!o.blocks.empty()) area.insert(QStringLiteral("blocks"), blocksValue(o.blocks));
        return QJsonValue(area);
    };
    const auto number = [](double d) { return QJsonValue(d); };
    const QJsonObject groups{
        {kTexts, groupObject(s.texts, text)},     {kChecks, groupObject(s.checks, flag)},
        {kColours, groupObject(s.colours, colour)}, {kChoices, groupObject(s.choices, item)},
        {kFonts, groupObject(s.fonts, font)},      {kOutputs, groupObject(s.outputs, output)},
        {kView, groupObject(s.view, number)},      {kParameters, groupObject(s.parameters, parameterValue)},
    };
    // The format and its version open the file, before the groups that
    // QJsonObject writes in the order of their names.
    QByteArray bytes = QJsonDocument(groups).toJson(QJsonDocument::Indented);
    const QByteArray head = QByteArray("{\n    \"format\": \"") + kSceneFormatName + "\",\n    \"version\": " +
                            QByteArray::number(kSceneFormatVersion) + ",\n";
    return bytes.replace(0, 2, head);
}

SceneFileStatus sceneFromJson(const QByteArray& bytes, SceneState& state, QString& reason) {
    if (bytes.trimmed().isEmpty()) {
        reason = QStringLiteral("die Datei ist leer");
        return SceneFileStatus::NotAScene;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        reason = QStringLiteral("der Inhalt ist kein gültiges JSON (Fehler bei Byte %1)").arg(error.offset + 1);
        return SceneFileStatus::NotAScene;
    }
    if (!doc.isObject()) {
        reason = QStringLiteral("der Inhalt ist kein JSON-Objekt");
        return SceneFileStatus::NotAScene;
    }
    const QJsonObject top = doc.object();
    if (top.value(QLatin1String("format")) != QJsonValue(QLatin1String(kSceneFormatName))) {
        reason = QStringLiteral("die Angabe \"format\": \"%1\" fehlt").arg(QLatin1String(kSceneFormatName));
        return SceneFileStatus::NotAScene;
    }
    const QJsonValue version = top.value(QLatin1String("version"));
    if (!isWholeNumber(version, 1, std::numeric_limits<double>::max())) {
        reason = QStringLiteral("die Versionsangabe \"version\" fehlt oder ist keine ganze Zahl ab 1");
        return SceneFileStatus::NotAScene;
    }
    if (version.toDouble() > kSceneFormatVersion) {
        reason = QStringLiteral("Format-Version %1").arg(version.toDouble(), 0, 'g', 17);
        return SceneFileStatus::NewerVersion;
    }
    SceneState read;
    if (!readGroups(top, read, reason)) return SceneFileStatus::NotAScene;
    state = std::move(read);
    return SceneFileStatus::Ok;
}

QByteArray readUpTo(QIODevice& device, qint64 maxBytes) {
    // Steps of what the device says it holds, and at least 64 KB for devices
    // that do not know their size: QIODevice::read allocates its whole
    // argument before it reads.
    const qint64 step = std::max<qint64>(device.size() - device.pos() + 1, 64 * 1024);
    QByteArray bytes;
    while (bytes.size() < maxBytes) {
        const QByteArray chunk = device.read(std::min<qint64>(step, maxBytes - bytes.size()));
        if (chunk.isEmpty()) break;
        bytes += chunk;
    }
    return bytes;
}

SceneFileResult readSceneFile(const QString& path, SceneState& state) {
    const QString name = quotedFileName(path);
    const QFileInfo info(path);
    if (!info.exists()) return {SceneFileStatus::Missing, QStringLiteral("Die Datei %1 gibt es nicht.").arg(name)};
    auto notAScene = [&name](const QString& reason) {
        return SceneFileResult{SceneFileStatus::NotAScene,
                               QStringLiteral("%1 ist keine Spatium-Szene: %2.").arg(name, reason)};
    };
    // Devices and pipes are never opened: reading one may never end.
    if (!info.isFile()) return notAScene(QStringLiteral("das ist keine gewöhnliche Datei"));
    const QString tooLarge = QStringLiteral("die Datei ist größer als %1 MB").arg(kMaxSceneFileBytes / (1024 * 1024));
    if (info.size() > kMaxSceneFileBytes) return notAScene(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {SceneFileStatus::Unreadable, QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name)};
    const QByteArray bytes = readUpTo(file, kMaxSceneFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {SceneFileStatus::Unreadable, QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name)};
    if (bytes.size() > kMaxSceneFileBytes) return notAScene(tooLarge);
    QString reason;
    switch (sceneFromJson(bytes, state, reason)) {
    case SceneFileStatus::Ok:
        return {};
    case SceneFileStatus::NewerVersion:
        return {SceneFileStatus::NewerVersion,
                QStringLiteral("%1 wurde mit einer neueren Version von Spatium gespeichert (%2) und kann mit "
                               "dieser Version nicht geöffnet werden.")
                    .arg(name, reason)};
    default:
        return notAScene(reason);
    }
}

SceneFileResult writeSceneFile(const QString& path, const SceneState& state) {
    const QString reason = writeWholeFile(path, sceneToJson(state));
    if (reason.isEmpty()) return {};
    return {SceneFileStatus::Unreadable, QStringLiteral("%1 konnte nicht gespeichert werden: %2. Die Szene bleibt "
                                                        "ungespeichert.")
                                             .arg(quotedFileName(path), reason)};
}
