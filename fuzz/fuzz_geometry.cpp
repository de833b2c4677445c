// Fuzz target: the geometry kernel, the result texts and the working.
//
// The input holds one field text per line, in the order of sceneFields()
// below: the coordinates of the nine points, the family parameter t1, the
// six formula fields of g, then h, E1, E2, E3 and E4, then t2 and delta t.
// Each text goes through the reader of its field, as in the input window: a
// field that fails to read keeps its previous value but shows the text, a
// missing line keeps the start-up text and value. The derived values (E5,
// AD, g2) follow as the window derives them. So every value here is one the
// readers can produce: 1E-4000, 1E4000, whole numbers beyond 32 bits, exact
// zeros, quotients.
//
// Then the chosen work runs on that scene: a calculation button on its own
// copy of the scene, with its working ("Rechenweg") from the field texts
// where it has one, or a group of the kernel's incidence, measure, trace
// and text functions on its values directly, degenerate ones included.
// Checked: no text shows "nan" or "inf", and no scene value becomes NaN.
//
// An input chooses its work in a first line "@..." whose bytes (at most
// kMaxChoices of them) each choose one piece of work by their value modulo
// workCount(); the field texts follow that line. An input without it runs
// every button and every group, as all inputs did before the choice came:
// the seeds and the regression-* inputs are such inputs. The mutator below
// gives every mutated input a choice, so the fuzzer spends its time on many
// inputs with little work each instead of on the full run of the seeds.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/calc/CalcCommands.h"
#include "core/output/OutputLog.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "core/output/TypesetRows.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"
#include "core/model/InputWindowTables.h"
#include "core/model/Scene.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"
#include "core/numbers/NumberTools.h"
#include "core/working/Working.h"

namespace {

// ---------------------------------------------------------------------------
// Building the scene from field texts

enum class FieldReader { Number, Formula };

struct SceneField {
    std::string objectName;
    const char* startupText;
    FieldReader reader;
    std::function<Real&(Scene&)> value;
};

void addTriple(std::vector<SceneField>& fields, const std::array<std::string, 3>& names,
               const std::array<const char*, 3>& startup, FieldReader reader,
               std::function<Vector3&(Scene&)> vector) {
    for (int axis = 0; axis < 3; ++axis)
        fields.push_back({names[std::size_t(axis)], startup[std::size_t(axis)], reader,
                          [vector, axis](Scene& s) -> Real& { return axisValue(vector(s), axis); }});
}

const std::vector<SceneField>& sceneFields() {
    using namespace inputwindow;
    using exact::tripleFieldNames;
    static const std::vector<SceneField> fields = [] {
        std::vector<SceneField> f;
        for (std::size_t i = 0; i < PointCount; ++i)
            addTriple(f, exact::pointFieldNames(int(i)), kPoints[i].startup, FieldReader::Number,
                      [i](Scene& s) -> Vector3& { return s.points[i]; });
        f.push_back({"Edit_t1", kStartupT1, FieldReader::Number, [](Scene& s) -> Real& { return s.familyFrom; }});
        addTriple(f, tripleFieldNames(kSupportG.prefix), kSupportG.startup, FieldReader::Formula,
                  [](Scene& s) -> Vector3& { return s.lineSupport[LineG]; });
        addTriple(f, tripleFieldNames(kDirectionG.prefix), kDirectionG.startup, FieldReader::Formula,
                  [](Scene& s) -> Vector3& { return s.lineDirection[LineG]; });
        addTriple(f, tripleFieldNames(kSupportH.prefix), kSupportH.startup, FieldReader::Number,
                  [](Scene& s) -> Vector3& { return s.lineSupport[LineH]; });
        addTriple(f, tripleFieldNames(kDirectionH.prefix), kDirectionH.startup, FieldReader::Number,
                  [](Scene& s) -> Vector3& { return s.lineDirection[LineH]; });
        for (const CoordinatePlaneRow& row : kCoordinatePlanes)
            for (std::size_t k = 0; k < 4; ++k)
                f.push_back({exact::coefficientFieldName(row.number, int(k)), row.startup[k], FieldReader::Number,
                             [plane = std::size_t(row.number), k](Scene& s) -> Real& { return s.planeCoeffs[plane][k]; }});
        for (const ParameterPlaneRow& row : kParameterPlanes) {
            const auto plane = std::size_t(row.number);
            const std::string number = std::to_string(row.number);
            addTriple(f, tripleFieldNames("p" + number), row.p, FieldReader::Number,
                      [plane](Scene& s) -> Vector3& { return s.planeSupport[plane]; });
            addTriple(f, tripleFieldNames("u" + number), row.u, FieldReader::Number,
                      [plane](Scene& s) -> Vector3& { return s.planeSpanU[plane]; });
            addTriple(f, tripleFieldNames("v" + number), row.v, FieldReader::Number,
                      [plane](Scene& s) -> Vector3& { return s.planeSpanV[plane]; });
        }
        f.push_back({"Edit_t2", kStartupT2, FieldReader::Number, [](Scene& s) -> Real& { return s.familyTo; }});
        f.push_back({"Edit_Delta_t", kStartupDeltaT, FieldReader::Number, [](Scene& s) -> Real& { return s.familyStep; }});
        return f;
    }();
    return fields;
}

void readField(const SceneField& field, std::string_view text, Scene& scene) {
    Real& target = field.value(scene);
    if (field.reader == FieldReader::Number) {
        const NumberReadResult r = parseNumberOrFraction(text);
        if (r.ok) target = r.value;
        return;
    }
    // The family fields at the family's start, as the draw command reads them.
    const EvaluationResult r = evaluateExpression(text, 0, scene.familyFrom);
    if (!r.error) target = r.value;
}

// A derived field shows the difference as text and is read back from it;
// a difference that is not finite leaves the field, and so the value, as
// it was.
void derive(Real difference, Real& target) {
    std::string text;
    if (!derivedFieldText(difference, text)) return;
    FUZZ_CHECK_TEXT(text);
    const NumberReadResult r = parseNumberOrFraction(text);
    if (r.ok) target = r.value;
}

void deriveValues(Scene& s) {
    for (int axis = 0; axis < 3; ++axis) {
        auto value = [&](PointIndex p) { return axisValue(s.points[p], axis); };
        axisValue(s.planeSupport[PlaneE5], axis) = value(PointA);
        derive(value(PointB) - value(PointA), axisValue(s.planeSpanU[PlaneE5], axis));
        derive(value(PointC) - value(PointA), axisValue(s.planeSpanV[PlaneE5], axis));
        derive(value(PointD) - value(PointA), axisValue(s.vectorAD, axis));
    }
    setCoordinates(s.lineSupport[LineG2], s.points[PointP]);
    setCoordinates(s.lineDirection[LineG2], vectorFromTo(s.points[PointP], s.points[PointQ]));
    s.e3SpanCopyU = s.planeSpanU[PlaneE3];
    s.e3SpanCopyV = s.planeSpanV[PlaneE3];
}

// The scene and the texts its fields show.
struct FieldScene {
    Scene scene;
    exact::FieldTexts texts;
};

FieldScene sceneFromText(std::string_view text) {
    FieldScene result;
    std::size_t start = 0;
    for (const SceneField& field : sceneFields()) {
        std::string_view line = field.startupText;
        if (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            if (end > start) {
                line = text.substr(start, end - start);
                readField(field, line, result.scene);
            }
            start = end + 1;
        }
        result.texts[field.objectName] = std::string(line);
    }
    deriveValues(result.scene);
    return result;
}

// ---------------------------------------------------------------------------
// Checks

void checkSceneHasNoNaN(const Scene& s) {
    const std::string name = naNValueName(s);
    if (!name.empty()) std::fprintf(stderr, "scene value %s is NaN\n", name.c_str());
    FUZZ_CHECK(name.empty());
}

void checkTexts(const std::array<std::string, 3>& texts) {
    for (const std::string& t : texts) FUZZ_CHECK_TEXT(t);
}

// A number and a vector in both text families: the kernel's 15-digit texts
// and the result texts rounded to decimals. The other text forms are called
// once per input (checkEveryTextForm).
void checkNumberTexts(Real x) {
    FUZZ_CHECK_TEXT(numberText(x));
    FUZZ_CHECK_TEXT(resultText(3, x));
}

void checkVectorTexts(const Vector3& v) {
    FUZZ_CHECK_TEXT(vectorText(v));
    FUZZ_CHECK_TEXT(resultPointText(v, "P"));
}

void checkEveryTextForm(Real x, const Vector3& v) {
    FUZZ_CHECK_TEXT(roundedText(3, x));
    FUZZ_CHECK_TEXT(resultText(2, x));
    FUZZ_CHECK_TEXT(resultNumberText(x));
    std::string derived;
    if (derivedFieldText(x, derived)) FUZZ_CHECK_TEXT(derived);
    FUZZ_CHECK_TEXT(resultVectorText(v));
    FUZZ_CHECK_TEXT(vectorText(roundVector(v, 3)));
    checkTexts(alignComponentTexts(vectorComponentTexts(v)));
    checkTexts(alignedComponentTexts(v));
}

// ---------------------------------------------------------------------------
// The calculation buttons

void runButton(const CalculationButton& button, const FieldScene& fields) {
    Scene copy = fields.scene;
    PlainTextOutputLog log;
    working::writeWorking(button.objectName, copy, fields.texts, log);
    const CommandOutcome outcome = button.run(copy, exact::buildExactScene(fields.scene, fields.texts), log);
    FUZZ_CHECK_TEXT(log.text());
    FUZZ_CHECK_TEXT(outcome.message);
    FUZZ_CHECK_TEXT(outcome.labelR);
    FUZZ_CHECK_TEXT(outcome.labelT);
    checkSceneHasNoNaN(copy);
}

// ---------------------------------------------------------------------------
// The kernel and the texts, called directly

void exerciseNumbers(Real x, Real y) {
    checkNumberTexts(x);
    const Fraction f = toFraction(x);
    if (f.ok) FUZZ_CHECK(f.q > 0);
    isWholeNumber(x);
    Real a = x, b = y;
    if (reduceQuotient(a, b)) checkNumberTexts(a / b);
    const std::int32_t p = f.p, q = f.q;
    gcd3(p, q, gcd(p, -q));
    lcmFits32(lcm3(p, q, lcm(p, q)));
    checkNumberTexts(degToRad(x));
    checkNumberTexts(radToDeg(x));
}

void exerciseVectors(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    for (const Vector3& v : {a, b, c, d}) {
        checkVectorTexts(v);
        checkVectorTexts(unitVector(v));
        checkVectorTexts(integerDirection(v));
        hasIntegerComponents(v);
        checkNumberTexts(squaredLength(v));
        checkNumberTexts(vectorLength(v));
        Vector3 zeroed = v;
        zeroVector(zeroed);
        FUZZ_CHECK(isNullVector(zeroed));
    }
    for (const char* plane : {"XY", "xz", "YZ", "X", "y", "Z", "?"}) {
        const Vector3 projected = projectToCoordinatePlane(plane, a);
        FUZZ_CHECK(projected.name == a.name && (projected.z == a.z || projected.z == 0));
    }
    checkVectorTexts(vectorFromTo(a, b));
    checkVectorTexts(addVectors(a, b));
    checkVectorTexts(scaleVector(a, b.x));
    checkVectorTexts(crossProduct(a, b));
    checkVectorTexts(centroid(a, b, c));
    checkNumberTexts(dotProduct(a, b));
    checkNumberTexts(tripleProduct(a, b, c));
    checkNumberTexts(radToDeg(angleBetween(a, b)));
    areParallel(a, b);
    areCoplanar(a, b, c);
    checkNumberTexts(parallelogramArea(a, b));
    checkNumberTexts(triangleArea(a, b));
    checkNumberTexts(quadrilateralArea(a, b, c));
    checkNumberTexts(spatVolume(a, b, c));
    checkNumberTexts(triangularPrismVolume(a, b, c));
    checkNumberTexts(quadPrismVolume(a, b, c, d));
    checkNumberTexts(triangularPyramidVolume(a, b, c));
    checkNumberTexts(quadPyramidVolume(a, b, c, d));

    Real k[4] = {a.x, a.y, a.z, b.x};
    if (integerCoefficients(k[0], k[1], k[2], k[3]))
        for (Real x : k) checkNumberTexts(x);

    WorkMatrix M;
    setRow(M, 1, {a.x, b.x, c.x, d.x});
    setRow(M, 2, {a.y, b.y, c.y, d.y});
    setRow(M, 3, {a.z, b.z, c.z, d.z});
    swapRows(M, 1, 3, 4);
    solveLinearSystem(M, 3, 4);
}

void checkIncidence(const IncidenceResult& result) {
    PlainTextOutputLog log;
    appendDistanceLine(log, result);
    appendAngleLine(log, result.angleDegrees);
    FUZZ_CHECK_TEXT(log.text());
    checkNumberTexts(distanceFromResult(result));
}

void exerciseLinesAndPlanes(const Scene& s) {
    const Vector3& S = s.points[PointS];
    const Vector3& p = s.lineSupport[LineG];
    const Vector3& u = s.lineDirection[LineG];
    const Vector3& q = s.lineSupport[LineH];
    const Vector3& v = s.lineDirection[LineH];
    const auto& e1 = s.planeCoeffs[PlaneE1];
    const auto& e2 = s.planeCoeffs[PlaneE2];
    const Vector3& p3 = s.planeSupport[PlaneE3];
    const Vector3& u3 = s.planeSpanU[PlaneE3];
    const Vector3& v3 = s.planeSpanV[PlaneE3];

    checkVectorTexts(pointOfPlane(e1[0], e1[1], e1[2], e1[3]));
    satisfiesPlaneEquation(S, e1[0], e1[1], e1[2], e1[3]);

    const ParameterForm form = coordinateToParameterForm(e1[0], e1[1], e1[2], e1[3]);
    for (const Vector3& w : {form.p, form.u, form.v}) checkVectorTexts(w);
    Vector3 fp, fu, fv;
    coordinateToParameterForm(e2[0], e2[1], e2[2], e2[3], fp, fu, fv);
    const CoordinateForm k3 = parameterToCoordinateForm(p3, u3, v3);
    Real a = 0, b = 0, c = 0, d = 0;
    parameterToCoordinateForm(fp, fu, fv, a, b, c, d);
    for (Real x : {k3.a, k3.b, k3.c, k3.d, a, b, c, d}) checkNumberTexts(x);

    Vector3 sp = p3, su = u3, sv = v3;
    if (simplifyParameterForm(sp, su, sv))
        for (const Vector3& w : {sp, su, sv}) checkVectorTexts(w);
    Vector3 ip = q, iu = v;
    integerSupportPoint(ip, iu);
    checkVectorTexts(ip);
    checkVectorTexts(iu);

    const PlaneTraces planeTraces = planeTracePoints(k3.a, k3.b, k3.c, k3.d);
    for (const Vector3& w : {planeTraces.Sx, planeTraces.Sy, planeTraces.Sz}) checkVectorTexts(w);
    const LineTraces lineTraces = lineTracePoints(p, u);
    for (const Vector3& w : {lineTraces.Sxy, lineTraces.Sxz, lineTraces.Syz}) checkVectorTexts(w);

    checkVectorTexts(footOnLine(p, u, S));
    Vector3 m;
    checkNumberTexts(signedDistanceToPlane(p3, u3, v3, S, m));
    checkVectorTexts(m);
    checkVectorTexts(footOnPlane(p3, u3, v3, S));

    // The incidence operations on raw input: null directions and normals
    // take their degenerate path here, the buttons never pass them.
    IncidenceResult result;
    Vector3 F, S2, F1, F2, Fq, P, direction;
    Real t = 0, r = 0, s2 = 0;
    pointOnLineTest(S, p, u, result, F, t);
    checkIncidence(result);
    checkVectorTexts(F);
    checkNumberTexts(t);
    lineLineIncidence(p, u, q, v, result, S2, F1, F2, Fq);
    checkIncidence(result);
    for (const Vector3& w : {S2, F1, F2, Fq}) checkVectorTexts(w);
    pointPlaneTest(S, p3, u3, v3, k3.a, k3.b, k3.c, k3.d, false, result, F, r, s2);
    checkIncidence(result);
    pointPlaneTest(S, fp, fu, fv, e2[0], e2[1], e2[2], e2[3], true, result, F, r, s2);
    checkIncidence(result);
    checkVectorTexts(F);
    checkNumberTexts(r);
    checkNumberTexts(s2);
    linePlaneIncidence(p, u, e1[0], e1[1], e1[2], e1[3], result, S2);
    checkIncidence(result);
    checkVectorTexts(S2);
    planePlaneIncidence(e1[0], e1[1], e1[2], e1[3], e2[0], e2[1], e2[2], e2[3], result, P, direction);
    checkIncidence(result);
    checkVectorTexts(P);
    checkVectorTexts(direction);

    bool noIntersection = true;
    Vector3 diagonals;
    diagonalIntersection(s.points[PointA], s.points[PointB], s.points[PointC], s.points[PointD],
                         noIntersection, diagonals);
    checkVectorTexts(diagonals);
}

// The result texts called directly, also with values the buttons screen out.
void exerciseResultTexts(const Scene& s) {
    const Vector3& p = s.lineSupport[LineH];
    const Vector3& u = s.lineDirection[LineH];
    const auto& e1 = s.planeCoeffs[PlaneE1];
    PlainTextOutputLog log;
    appendPointLine(log, s.points[PointS], "S");
    appendLineEquation(log, p, u, "h");
    appendPlaneParameterEquation(log, s.planeSupport[PlaneE4], s.planeSpanU[PlaneE4], s.planeSpanV[PlaneE4],
                                 "E4");
    appendPlaneCoordinateEquation(log, "E1", e1[0], e1[1], e1[2], e1[3]);
    appendLineTracePoints(log, p, u, "h");
    appendPlaneTraceLines(log, "E1", e1[0], e1[1], e1[2], e1[3]);
    FUZZ_CHECK_TEXT(log.text());

    const auto texts = alignedComponentTexts(s.points[PointA]);
    const auto others = alignedComponentTexts(s.points[PointB]);
    for (const TypesetFormula& formula :
         {lineEquationFormula("g", texts, others), planeEquationFormula("E", texts, others, texts),
          vectorProductFormula(others)})
        checkTexts(formula.plainRows());
}

// ---------------------------------------------------------------------------
// The work an input chooses

// After the buttons, the groups of direct kernel calls.
enum KernelGroup { NumberTexts, Vectors, LinesAndPlanes, ResultTextsGroup, KernelGroupCount };

std::size_t workCount() { return calculationButtons().size() + KernelGroupCount; }

constexpr std::size_t kMaxChoices = 3;

void runKernelGroup(int group, const Scene& scene) {
    const auto& pt = scene.points;
    switch (group) {
    case NumberTexts:
        checkEveryTextForm(pt[PointA].x, pt[PointB]);
        exerciseNumbers(pt[PointA].x, pt[PointB].x);
        exerciseNumbers(pt[PointA].y, pt[PointA].z);
        break;
    case Vectors:
        exerciseVectors(pt[PointA], pt[PointB], pt[PointC], pt[PointD]);
        exerciseVectors(pt[PointE], pt[PointF], pt[PointS], scene.lineDirection[LineG]);
        break;
    case LinesAndPlanes:
        exerciseLinesAndPlanes(scene);
        break;
    case ResultTextsGroup:
        exerciseResultTexts(scene);
        break;
    }
}

void runWork(std::size_t work, const FieldScene& fields) {
    const auto& buttons = calculationButtons();
    if (work < buttons.size())
        runButton(buttons[work], fields);
    else
        runKernelGroup(int(work - buttons.size()), fields.scene);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::size_t> works;
    if (!text.empty() && text.front() == '@') {
        const std::size_t end = std::min(text.find('\n'), text.size());
        for (std::size_t i = 1; i < end && works.size() < kMaxChoices; ++i)
            works.push_back(std::uint8_t(text[i]) % workCount());
        text.remove_prefix(std::min(end + 1, text.size()));
    } else {
        for (std::size_t work = 0; work < workCount(); ++work) works.push_back(work);
    }
    const FieldScene fields = sceneFromText(text);
    checkSceneHasNoNaN(fields.scene);
    for (std::size_t work : works) runWork(work, fields);
    return 0;
}

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// libFuzzer's own mutations, then a choice line "@X" in front of an input
// that has none: X is one of workCount() printable bytes from 'A' on, one
// for each piece of work, chosen by the mutation's seed.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, maxSize);
    constexpr std::size_t header = 3;
    if ((size > 0 && data[0] == '@') || maxSize <= header) return size;
    size = std::min(size, maxSize - header);
    std::memmove(data + header, data, size);
    data[0] = '@';
    data[1] = std::uint8_t('A' + seed % workCount());
    data[2] = '\n';
    return size + header;
}
