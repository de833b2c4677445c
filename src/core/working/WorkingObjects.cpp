#include "core/working/WorkingObjects.h"

namespace working {

WorkingOutcome stop(Sheet& sheet, const std::string& reason) {
    sheet.line(reason + "; der Rechenweg endet hier.");
    WorkingOutcome outcome;
    outcome.stopped = true;
    return outcome;
}

LineInput lineOf(const ExactScene& scene, int line) {
    static const char* names[] = {"", "g", "h", "g2"};
    return {names[line], scene.lineSupport[std::size_t(line)], scene.lineDirection[std::size_t(line)]};
}

void writeLine(Sheet& sheet, const LineInput& line, const char* support, const char* direction) {
    sheet.line(line.name + ": " + support + " = " + toText(line.p) + ", " + direction + " = " + toText(line.u));
}

std::string lineProblem(const LineInput& line) {
    if (!isNull(line.u)) return {};
    return "Der Richtungsvektor von " + line.name + " ist der Nullvektor, " + line.name + " ist keine Gerade";
}

Vec writePointOf(Sheet& sheet, const std::string& name, const std::string& formula, const Vec& p, const Number& k,
                 const Vec& u) {
    const Vec point = p + k * u;
    sheet.line(name + " = " + formula + " = " + toText(p) + " + " + factorText(k) + "·" + toText(u) + " " +
               equalsText(point));
    return point;
}

PlaneInput planeOf(const ExactScene& scene, int plane, bool useE3Copies) {
    PlaneInput e;
    e.name = "E" + std::to_string(plane);
    const auto n = std::size_t(plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        e.a = scene.planeCoeffs[n][0];
        e.b = scene.planeCoeffs[n][1];
        e.c = scene.planeCoeffs[n][2];
        e.d = scene.planeCoeffs[n][3];
        return e;
    }
    e.parameterForm = true;
    e.p = scene.planeSupport[n];
    e.u = (useE3Copies && plane == PlaneE3) ? scene.e3SpanCopyU : scene.planeSpanU[n];
    e.v = (useE3Copies && plane == PlaneE3) ? scene.e3SpanCopyV : scene.planeSpanV[n];
    const Vec normal = cross(e.u, e.v);
    e.a = normal[0];
    e.b = normal[1];
    e.c = normal[2];
    e.d = dot(normal, e.p);
    return e;
}

std::string planeProblem(const PlaneInput& plane) {
    if (!plane.parameterForm) {
        if (isNull(plane.normal())) return "In " + plane.name + " ist a = b = c = 0, " + plane.name + " ist keine Ebene";
        return {};
    }
    if (isNull(plane.u) || isNull(plane.v))
        return "Ein Spannvektor von " + plane.name + " ist der Nullvektor, " + plane.name + " ist keine Ebene";
    if (isNull(plane.normal()))
        return "Die Spannvektoren von " + plane.name + " sind parallel (u × v = 0), " + plane.name +
               " ist keine Ebene";
    return {};
}

std::string coordinateEquationText(const PlaneInput& plane) {
    return plane.name + ": " + linearText({{plane.a, "x"}, {plane.b, "y"}, {plane.c, "z"}}) + " = " + toText(plane.d);
}

std::string parameterFormText(const PlaneInput& plane) {
    return plane.name + ": p = " + toText(plane.p) + ", u = " + toText(plane.u) + ", v = " + toText(plane.v);
}

void writeCoordinateForm(Sheet& sheet, const PlaneInput& plane, bool withParameterForm) {
    if (plane.parameterForm) {
        if (withParameterForm) sheet.line(parameterFormText(plane));
        sheet.line("Koordinatenform von " + plane.name + " mit dem Normalenvektor n = u × v:");
        writeCross(sheet, "u", "v", plane.u, plane.v);
        sheet.line("n·p = " + productsText({{plane.a, plane.p[0]}, {plane.b, plane.p[1]}, {plane.c, plane.p[2]}}) +
                   " " + equalsText(plane.d));
    }
    sheet.line(coordinateEquationText(plane));
}

Vec writePointOfPlane(Sheet& sheet, const PlaneInput& plane, const std::string& name) {
    const std::array<Number, 3> k = {plane.a, plane.b, plane.c};
    const int solved = !k[2].isZero() ? 2 : !k[1].isZero() ? 1 : 0;
    Vec point = makeVec(1, 1, 1);
    point[solved] = (plane.d - (k[0] + k[1] + k[2] - k[solved])) / k[solved];
    std::vector<Term> terms;
    std::string fixed;
    for (int i = 0; i < 3; ++i) {
        terms.push_back({k[std::size_t(i)], i == solved ? kAxisNames[std::size_t(i)] : ""});
        if (i != solved) fixed += std::string(fixed.empty() ? "" : ", ") + kAxisNames[std::size_t(i)] + " = 1";
    }
    sheet.line("Punkt " + name + " von " + plane.name + " mit " + fixed + ": " + linearText(terms) + " = " +
               toText(plane.d) + "  ⇒  " + kAxisNames[std::size_t(solved)] + " " + equalsText(point[solved]));
    return point;
}

std::string substitutionText(const PlaneInput& plane, const Vec& point) {
    // The products of the coefficients that are not 0 ("3·2" for 3y = 6).
    std::vector<std::array<Number, 2>> products;
    for (int i = 0; i < 3; ++i)
        if (!plane.normal()[i].isZero()) products.push_back({plane.normal()[i], point[i]});
    return productsText(products);
}

Substitution writeSubstitution(Sheet& sheet, const std::string& pointName, const PlaneInput& plane,
                               const Vec& point) {
    Substitution result;
    result.value = dot(plane.normal(), point);
    result.inside = sameValue(result.value, plane.d);
    std::string text = pointName + " in " + plane.name + " einsetzen: " + substitutionText(plane, point) + " " +
                       equalsText(result.value);
    if (!result.inside)
        text += " ≠ " + toText(plane.d);
    else if (toText(result.value) != toText(plane.d))  // a decimal within rounding of it
        text += " = " + toText(plane.d);
    sheet.line(text + (result.inside ? "  wahr" : ""));
    return result;
}

}  // namespace working
