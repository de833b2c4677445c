#include "core/sheet/Worksheet.h"

#include <array>
#include <cctype>
#include <sstream>
#include <utility>

#include "core/exact/ExactScene.h"
#include "core/model/InputWindowTables.h"
#include "core/numbers/NumberTools.h"
#include "core/output/OutputLog.h"
#include "core/working/WorkingTexts.h"

namespace {

using namespace inputwindow;

// --- numbers as typed ------------------------------------------------------

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// The raised form of an exponent made of digits, signs and parentheses;
// nothing for any other exponent, which keeps its "^".
std::optional<std::string> superscript(std::string_view exponent) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string out;
    for (const char c : exponent) {
        if (isDigit(c)) out += kDigits[c - '0'];
        else if (c == '-') out += "⁻";
        else if (c == '+') out += "⁺";
        else if (c == '(') out += "⁽";
        else if (c == ')') out += "⁾";
        else return std::nullopt;
    }
    return out;
}

// Where the exponent after a "^" at `at` ends: a parenthesised term, or a
// signed run of digits.
std::size_t exponentEnd(std::string_view s, std::size_t at) {
    std::size_t i = at;
    if (i < s.size() && s[i] == '(') {
        int depth = 0;
        for (; i < s.size(); ++i) {
            if (s[i] == '(') ++depth;
            if (s[i] == ')' && --depth == 0) return i + 1;
        }
        return s.size();
    }
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

}  // namespace

std::string schoolNotation(std::string_view typed) {
    const std::string_view s = trimmed(typed);
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool wordStart = i == 0 || !isLetter(s[i - 1]);
        if (c == '*') {
            out += "·";
        } else if ((c == 'w' || c == 'W') && wordStart && i + 1 < s.size() && s[i + 1] == '(') {
            out += "√";
        } else if ((c == 'p' || c == 'P') && wordStart && i + 1 < s.size() && (s[i + 1] == 'i' || s[i + 1] == 'I') &&
                   (i + 2 == s.size() || !isLetter(s[i + 2]))) {
            out += "π";
            ++i;
        } else if (c == '^') {
            const std::size_t end = exponentEnd(s, i + 1);
            std::string_view exponent = s.substr(i + 1, end - i - 1);
            // A parenthesised number is raised without its parentheses.
            if (exponent.size() > 2 && exponent.front() == '(' && exponent.back() == ')' &&
                exponent.find_first_of("()", 1) == exponent.size() - 1)
                exponent = exponent.substr(1, exponent.size() - 2);
            const std::optional<std::string> raised = exponent.empty() ? std::nullopt : superscript(exponent);
            if (raised) {
                out += *raised;
                i = end - 1;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

const char* sheetKindName(SheetKind kind) { return kind == SheetKind::Task ? "Aufgabenblatt" : "Lösungsblatt"; }

namespace {

// --- which objects the sheet gives ------------------------------------------

struct ButtonUse {
    const char* button;
    const char* objects;
};
// The objects each calculation button reads (the points by their first
// names; a result names the user's).
constexpr ButtonUse kButtonUses[] = {
    {"SpeedButton_g_ausgeben", "g"},
    {"SpeedButton_h_ausgeben", "h"},
    {"SpeedButton_g1_ausgeben", "g2"},
    {"SpeedButton_E1_ausgeben", "E1"},
    {"SpeedButton_E2_ausgeben", "E2"},
    {"SpeedButton_E3_ausgeben", "E3"},
    {"SpeedButton_E4_ausgeben", "E4"},
    {"SpeedButton_E5_ausgeben", "E5"},
    {"SpeedButton_S_mit_g", "S g"},
    {"SpeedButton_S_mit_h", "S h"},
    {"SpeedButton_S_mit_E1", "S E1"},
    {"SpeedButton_S_mit_E3", "S E3"},
    {"SpeedButton_g_mit_h", "g h"},
    {"SpeedButton_g_mit_g1", "g g2"},
    {"SpeedButton_E1_mit_E2", "E1 E2"},
    {"SpeedButton_E3_mit_E4", "E3 E4"},
    {"SpeedButton_E1_mit_E3", "E1 E3"},
    {"SpeedButton_E1_mit_g", "E1 g"},
    {"SpeedButton_E3_mit_g", "E3 g"},
    {"SpeedButton_E5_mit_g", "E5 g"},
    {"SpeedButton_Winkel_AOC", "A B"},
    {"SpeedButton_OAxOB", "A B"},
    {"SpeedButton_OA_mal_OB", "A B"},
    {"SpeedButton_Dreiecksflaeche", "A B C"},
    {"SpeedButton_Vierecksflaeche", "A B C D"},
    {"SpeedButton_PrismavolumenABC", "A B C S"},
    {"SpeedButton_PrismavolumenABCD", "A B C D S"},
    {"SpeedButton_Pyramidenvolumen1", "A B C S"},
    {"SpeedButton_Pyramidenvolumen2", "A B C D S"},
    {"SpeedButton_Spatvolumen", "A B C S"},
    {"SpeedButton_komplanarOAOBOC", "A B C D"},
};

// The ends of the seven connections AB … FS, PQ.
constexpr std::array<std::pair<int, int>, VectorCount> kVectorEnds = {{
    {PointA, PointB}, {PointB, PointC}, {PointC, PointD}, {PointD, PointE},
    {PointE, PointF}, {PointF, PointS}, {PointP, PointQ},
}};

// The corners of the bodies, in kBodies' order.
constexpr std::array<std::array<int, 5>, 8> kBodyCorners = {{
    {PointA, PointB, PointC, -1, -1},
    {PointD, PointE, PointF, -1, -1},
    {PointA, PointB, PointC, PointD, -1},
    {PointA, PointB, PointC, PointS, -1},
    {PointA, PointB, PointC, PointD, PointS},
    {PointA, PointB, PointC, PointS, -1},
    {PointA, PointB, PointC, PointD, PointS},
    {PointA, PointB, PointC, PointS, -1},
}};

struct Wanted {
    std::array<bool, PointCount> points{};
    std::array<bool, VectorCount> vectors{};
    std::array<bool, LineSlots> lines{};
    std::array<bool, PlaneSlots> planes{};
    std::array<bool, 8> bodies{};
    std::array<bool, 3> parallelPlanes{};
    bool cube = false;
};

void want(Wanted& wanted, std::string_view name) {
    for (std::size_t i = 0; i < kPoints.size(); ++i)
        if (name == kPoints[i].name) wanted.points[i] = true;
    if (name == "g") wanted.lines[LineG] = true;
    if (name == "h") wanted.lines[LineH] = true;
    if (name == "g2") wanted.lines[LineG2] = true;
    if (name.size() == 2 && name[0] == 'E' && name[1] >= '1' && name[1] <= '5')
        wanted.planes[std::size_t(name[1] - '0')] = true;
}

std::string pointDrawBox(std::size_t i) { return std::string("CheckBox_Punkt") + kPoints[i].suffix + "_zeichnen"; }

Wanted wantedObjects(const SceneState& state) {
    Wanted w;
    for (std::size_t i = 0; i < kPoints.size(); ++i) w.points[i] = state.checked(pointDrawBox(i));
    for (std::size_t i = 0; i < kVectors.size(); ++i)
        w.vectors[i] = state.checked(std::string("CheckBox_Vektor") + kVectors[i].name);
    w.lines[LineG] = state.checked("CheckBox_Gerade_g");
    w.lines[LineH] = state.checked("CheckBox_Gerade_h");
    w.lines[LineG2] = state.checked("CheckBox_Gerade_g2");
    for (int n = PlaneE1; n < PlaneSlots; ++n)
        w.planes[std::size_t(n)] = state.checked("CheckBox_Ebene" + std::to_string(n) + "_zeichnen");
    for (std::size_t i = 0; i < kBodies.size(); ++i) w.bodies[i] = state.checked(kBodies[i].objectName);
    for (std::size_t a = 0; a < 3; ++a)
        w.parallelPlanes[a] = state.checked(std::string("CheckBox_") + kAxisLetters[a] + "_gleich_const");
    w.cube = state.checked("CheckBox_Wuerfel");

    // The objects the shown results read.
    const auto area = state.outputs.find(kOutputAreaName);
    if (area != state.outputs.end()) {
        std::string text;
        for (const TextRun& run : area->second.runs) text += run.text;
        for (const OutputBlock& block : blocksStillShown(text, area->second.blocks)) {
            const std::optional<std::string_view> objects = objectsUsedBy(block.source);
            if (!objects) continue;
            std::istringstream names{std::string(*objects)};
            for (std::string name; names >> name;) want(w, name);
        }
    }

    // The points the other objects are made of.
    for (std::size_t i = 0; i < kVectorEnds.size(); ++i)
        if (w.vectors[i]) w.points[std::size_t(kVectorEnds[i].first)] = w.points[std::size_t(kVectorEnds[i].second)] = true;
    if (w.lines[LineG2]) w.points[PointP] = w.points[PointQ] = true;
    if (w.planes[PlaneE5]) w.points[PointA] = w.points[PointB] = w.points[PointC] = true;
    for (std::size_t b = 0; b < kBodyCorners.size(); ++b)
        for (const int corner : kBodyCorners[b])
            if (w.bodies[b] && corner >= 0) w.points[std::size_t(corner)] = true;
    if (state.checked("CheckBox_komplanar_grafisch"))
        for (const int p : {PointA, PointB, PointC, PointD}) w.points[std::size_t(p)] = true;
    return w;
}

// --- the items ---------------------------------------------------------------

// How many characters of points one sentence holds before the next point
// starts a sentence of its own.
constexpr std::size_t kPointsPerSentence = 48;

OutputItem sentence(std::string text) {
    OutputItem item;
    item.text = std::move(text);
    return item;
}

FormulaPiece textPiece(std::string text) { return {FormulaPiece::Kind::Text, {std::move(text)}}; }
FormulaPiece vectorPiece(std::string name) { return {FormulaPiece::Kind::Vector, {std::move(name)}}; }
FormulaPiece columnPiece(std::array<std::string, 3> texts) {
    return {FormulaPiece::Kind::Column, {std::move(texts[0]), std::move(texts[1]), std::move(texts[2])}};
}

class GivenWriter {
public:
    GivenWriter(const SceneState& state, const Scene& scene) : state_(state), scene_(scene) {}

    std::vector<OutputItem> write(const Wanted& w) {
        points(w);
        vectors(w);
        lines(w);
        planes(w);
        bodies(w);
        return std::move(items_);
    }

private:
    std::string typed(const std::string& field) const { return schoolNotation(state_.text(field)); }

    std::array<std::string, 3> column(const std::string& prefix) const {
        return {typed("Edit_" + prefix + "x"), typed("Edit_" + prefix + "y"), typed("Edit_" + prefix + "z")};
    }

    std::string pointName(int i) const {
        const std::string typedName(trimmed(state_.text(std::string("Edit_Punkt") + kPoints[std::size_t(i)].suffix)));
        return typedName.empty() ? kPoints[std::size_t(i)].name : typedName;
    }

    std::string pointText(std::size_t i) const {
        const std::string field = std::string("Edit_Punkt") + kPoints[i].suffix + "_";
        return pointName(int(i)) + "(" + typed(field + "x") + " | " + typed(field + "y") + " | " + typed(field + "z") +
               ")";
    }

    void points(const Wanted& w) {
        std::string line;
        for (std::size_t i = 0; i < kPoints.size(); ++i) {
            if (!w.points[i]) continue;
            const std::string point = pointText(i);
            if (!line.empty() && line.size() + point.size() > kPointsPerSentence) {
                items_.push_back(sentence(line));
                line.clear();
            }
            line += line.empty() ? point : ",   " + point;
        }
        if (!line.empty()) items_.push_back(sentence(line));
    }

    // A connection as a column: its ends' exact difference.
    void vectors(const Wanted& w) {
        const bool segments = state_.checked("CheckBox_Strecke_statt_Vektor");
        std::vector<std::string> names;
        for (std::size_t i = 0; i < kVectors.size(); ++i)
            if (w.vectors[i]) names.push_back(pointName(kVectorEnds[i].first) + pointName(kVectorEnds[i].second));
        if (names.empty()) return;
        if (segments) {
            std::string list;
            for (std::size_t i = 0; i < names.size(); ++i)
                list += (i == 0 ? "" : i + 1 == names.size() ? " und " : ", ") + names[i];
            items_.push_back(sentence((names.size() == 1 ? "Strecke " : "Strecken ") + list));
            return;
        }
        const exact::ExactScene exactScene = exact::buildExactScene(scene_, state_.texts);
        OutputItem formula;
        int inFormula = 0;
        for (std::size_t i = 0, n = 0; i < kVectors.size(); ++i) {
            if (!w.vectors[i]) continue;
            const exact::Vec v = exactScene.points[std::size_t(kVectorEnds[i].second)] -
                                 exactScene.points[std::size_t(kVectorEnds[i].first)];
            if (inFormula == 3) {
                items_.push_back(std::move(formula));
                formula = {};
                inFormula = 0;
            }
            if (inFormula > 0) formula.formula.push_back(textPiece(",   "));
            formula.formula.push_back(vectorPiece(names[n++]));
            formula.formula.push_back(textPiece(" = "));
            formula.formula.push_back(columnPiece({working::toText(v[0]), working::toText(v[1]), working::toText(v[2])}));
            ++inFormula;
        }
        items_.push_back(std::move(formula));
    }

    // "name: x⃗ = p⃗ + λ·u⃗" with the columns as typed.
    OutputItem lineFormula(const std::string& name, const TripleRow& support, const TripleRow& direction) const {
        OutputItem item;
        item.formula = {textPiece(name + ": "), vectorPiece("x"), textPiece(" = "), columnPiece(column(support.prefix)),
                        textPiece(" + λ · "), columnPiece(column(direction.prefix))};
        return item;
    }

    void lines(const Wanted& w) {
        if (w.lines[LineG]) lineG();
        if (w.lines[LineH]) items_.push_back(lineFormula("h", kSupportH, kDirectionH));
        if (w.lines[LineG2])
            items_.push_back(sentence("g2 durch " + pointName(PointP) + " und " + pointName(PointQ)));
    }

    // g, or the family g with its range of t when g's formulas hold t.
    void lineG() {
        items_.push_back(lineFormula("g", kSupportG, kDirectionG));
        int withT = -1;
        for (std::size_t i = 0; i < 6 && withT < 0; ++i) {
            const TripleRow& row = i < 3 ? kSupportG : kDirectionG;
            const std::string& text = state_.text(std::string("Edit_") + row.prefix + kAxisLetters[i % 3]);
            for (std::size_t k = 0; k < text.size(); ++k)
                if ((text[k] == 't' || text[k] == 'T') && (k == 0 || !isLetter(text[k - 1])) &&
                    (k + 1 == text.size() || !isLetter(text[k + 1])))
                    withT = int(i);
        }
        if (withT < 0) return;
        if (state_.checked("CheckBox_Geradenschar"))
            items_.push_back(sentence("Geradenschar für t von " + typed("Edit_t1") + " bis " + typed("Edit_t2") +
                                      " in Schritten von " + typed("Edit_Delta_t")));
        else
            items_.push_back(sentence("mit t = " + numberText(scene_.lineGParameters[std::size_t(withT)])));
    }

    // "a·x + b·y + c·z = d" as typed: a coefficient 0 leaves its term out, 1
    // and -1 leave only the sign, a term of several parts is bracketed.
    std::string coordinateForm(int n) const {
        std::string left;
        for (std::size_t k = 0; k < 3; ++k) {
            std::string a = typed(std::string("Edit_") + kCoefficientLetters[k] + std::to_string(n));
            const char* variable = kAxisLetters[k];
            bool negative = false;
            if (!a.empty() && (a[0] == '-' || a[0] == '+') && a.find_first_of("+-", 1) == std::string::npos) {
                negative = a[0] == '-';
                a.erase(0, 1);
            }
            const bool number = !a.empty() && a.find_first_not_of("0123456789,.") == std::string::npos;
            if (number && a.find_first_not_of("0,.") == std::string::npos) continue;  // 0
            std::string term;
            const bool one = number && a[0] == '1' &&
                             (a.size() == 1 || ((a[1] == ',' || a[1] == '.') && a.find_first_not_of('0', 2) == std::string::npos));
            if (one)
                term = variable;
            else if (number || a == "π")
                term = a + variable;
            else if (a.find_first_of("+-") == std::string::npos && a.find('/') == std::string::npos &&
                     a.find('^') == std::string::npos)
                term = a + "·" + variable;
            else
                term = "(" + a + ")·" + variable;
            if (left.empty())
                left = (negative ? "-" : "") + term;
            else
                left += (negative ? " - " : " + ") + term;
        }
        return (left.empty() ? "0" : left) + " = " + typed("Edit_d" + std::to_string(n));
    }

    OutputItem parameterFormula(int n) const {
        const std::string k = std::to_string(n);
        OutputItem item;
        item.formula = {textPiece("E" + k + ": "), vectorPiece("x"), textPiece(" = "), columnPiece(column("p" + k)),
                        textPiece(" + λ · "), columnPiece(column("u" + k)), textPiece(" + μ · "),
                        columnPiece(column("v" + k))};
        return item;
    }

    void planes(const Wanted& w) {
        for (const int n : {PlaneE1, PlaneE2})
            if (w.planes[std::size_t(n)]) items_.push_back(sentence("E" + std::to_string(n) + ": " + coordinateForm(n)));
        for (const int n : {PlaneE3, PlaneE4})
            if (w.planes[std::size_t(n)]) items_.push_back(parameterFormula(n));
        if (w.planes[PlaneE5])
            items_.push_back(sentence("E5 durch " + pointName(PointA) + ", " + pointName(PointB) + " und " +
                                      pointName(PointC)));
        for (std::size_t a = 0; a < 3; ++a)
            if (w.parallelPlanes[a])
                items_.push_back(sentence(std::string("Ebene ") + kAxisLetters[a] + " = " +
                                          typed(std::string("Edit_") + kAxisLetters[a] + "_gleich_const")));
    }

    void bodies(const Wanted& w) {
        auto corners = [this](std::initializer_list<int> points) {
            std::string s;
            for (const int p : points) s += pointName(p);
            return s;
        };
        const std::string abc = corners({PointA, PointB, PointC});
        const std::string abcd = corners({PointA, PointB, PointC, PointD});
        const std::string as = corners({PointA, PointS});
        const std::string s = pointName(PointS);
        const std::string names[8] = {
            "Dreieck " + abc,
            "Dreieck " + corners({PointD, PointE, PointF}),
            "Viereck " + abcd,
            "Prisma mit der Grundfläche " + abc + " und der Kante " + as,
            "Prisma mit der Grundfläche " + abcd + " und der Kante " + as,
            "Pyramide mit der Grundfläche " + abc + " und der Spitze " + s,
            "Pyramide mit der Grundfläche " + abcd + " und der Spitze " + s,
            "Spat mit den Spannvektoren " + corners({PointA, PointB}) + ", " + corners({PointA, PointC}) + " und " + as,
        };
        for (std::size_t b = 0; b < 8; ++b)
            if (w.bodies[b]) items_.push_back(sentence(names[b]));
        if (w.cube)
            items_.push_back(sentence("Würfel mit einer Ecke im Ursprung und der Kantenlänge " +
                                      typed("Edit_Kantenlaenge")));
    }

    const SceneState& state_;
    const Scene& scene_;
    std::vector<OutputItem> items_;
};

// --- the results -------------------------------------------------------------

bool blank(std::string_view text) { return trimmed(text).empty(); }

bool blankItem(const OutputItem& item) { return !item.isFormula() && blank(item.text); }

// The lines no block explains, in paragraphs between blank lines; the
// area's heading is no result.
void addPlainLines(Worksheet& sheet, const std::vector<OutputSegment>& lines) {
    ResultGroup group;
    auto close = [&] {
        if (!group.segments.empty()) sheet.results.push_back(std::move(group));
        group = {};
    };
    for (const OutputSegment& line : lines) {
        std::string_view text = std::string_view(sheet.outputText).substr(line.begin, line.end - line.begin);
        if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
        if (blank(text) || text == kOutputHeading) {
            close();
            continue;
        }
        group.segments.push_back(line);
    }
    close();
}

void addResults(Worksheet& sheet, const OutputText& area) {
    for (const TextRun& run : area.runs) sheet.outputText += run.text;
    const std::vector<OutputSegment> segments = segmentOutput(sheet.outputText, area.blocks);
    sheet.blocks.reserve(segments.size());  // the groups point into it
    std::vector<OutputSegment> plain;
    for (const OutputSegment& segment : segments) {
        if (!segment.block) {
            plain.push_back(segment);
            continue;
        }
        addPlainLines(sheet, plain);
        plain.clear();
        OutputBlock block = *segment.block;
        while (!block.items.empty() && blankItem(block.items.back())) block.items.pop_back();
        std::size_t first = 0;
        while (first < block.items.size() && blankItem(block.items[first])) ++first;
        block.items.erase(block.items.begin(), block.items.begin() + std::ptrdiff_t(first));
        if (block.items.empty()) continue;
        sheet.blocks.push_back(std::move(block));
        sheet.results.push_back({{{segment.begin, segment.end, &sheet.blocks.back()}}});
    }
    addPlainLines(sheet, plain);
}

}  // namespace

std::optional<std::string_view> objectsUsedBy(std::string_view button) {
    for (const ButtonUse& use : kButtonUses)
        if (button == use.button) return use.objects;
    return std::nullopt;
}

std::vector<OutputItem> givenObjects(const SceneState& state, const Scene& scene) {
    return GivenWriter(state, scene).write(wantedObjects(state));
}

Worksheet makeWorksheet(const SceneState& state, const Scene& scene, SheetKind kind, std::string title) {
    Worksheet sheet;
    sheet.title = std::move(title);
    sheet.kind = kind;
    sheet.given = givenObjects(state, scene);
    if (kind == SheetKind::Solution)
        if (const auto area = state.outputs.find(kOutputAreaName); area != state.outputs.end())
            addResults(sheet, area->second);
    return sheet;
}
