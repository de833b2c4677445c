// A line and a plane: the line's coordinates put into the plane's
// coordinate equation (a plane in parameter form first turned into one by
// n = u × v), the equation collected in λ and solved, λ put back; or the
// contradiction or identity of the parallel cases. The angle by
// sin φ = |n·u| / (|n|·|u|).
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

// "3 - 4λ" for one coordinate of p + λ·u.
std::string coordinateText(const LineInput& g, int i) { return linearText({{g.p[i], ""}, {g.u[i], "λ"}}); }

// The forms of an equation, each written once: the first three on lines of
// their own, a fourth joined to the third by "⇔", the conclusion after the
// last.
void writeEquationForms(Sheet& sheet, const std::vector<std::string>& forms, const std::string& conclusion) {
    std::vector<std::string> distinct;
    for (const std::string& form : forms)
        if (distinct.empty() || distinct.back() != form) distinct.push_back(form);
    std::string last;
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (i < 3) {
            if (!last.empty()) sheet.line(last);
            last = distinct[i];
        } else {
            last += "  ⇔  " + distinct[i];
        }
    }
    sheet.line(last + conclusion);
}

}  // namespace

WorkingOutcome linePlaneWorking(const ExactScene& scene, Sheet& sheet, int planeNumber) {
    const PlaneInput e = planeOf(scene, planeNumber);
    const LineInput g = lineOf(scene, LineG);
    if (const std::string problem = planeProblem(e); !problem.empty()) return stop(sheet, problem);
    if (const std::string problem = lineProblem(g); !problem.empty()) return stop(sheet, problem);
    writeCoordinateForm(sheet, e);
    writeLine(sheet, g);

    // a·(p1 + u1·λ) + b·(p2 + u2·λ) + c·(p3 + u3·λ) = d, then multiplied out.
    sheet.line("g in " + e.name + " einsetzen: x = " + coordinateText(g, 0) + ", y = " + coordinateText(g, 1) +
               ", z = " + coordinateText(g, 2));
    const Vec n = e.normal();
    std::string substituted;
    std::vector<Term> expanded;
    for (int i = 0; i < 3; ++i) {
        if (n[i].isZero()) continue;
        // "3·(1 + 2λ)", and for the coefficients 1 and -1 "1/2 - λ", "-(1/2 - λ)".
        const std::string coordinate = coordinateText(g, i);
        const bool single = coordinate.find(' ') == std::string::npos && coordinate.front() != '-';
        const bool one = n[i].isExact() && abs(n[i].rational()) == 1;
        std::string term;
        if (one && n[i].sign() > 0)
            term = coordinate;
        else if (one)
            term = single ? "-" + coordinate : "-(" + coordinate + ")";
        else
            term = toText(n[i]) + "·" + (single && coordinate.find('/') == std::string::npos ? coordinate : "(" + coordinate + ")");
        if (substituted.empty())
            substituted = term;
        else
            substituted += term.front() == '-' ? " - " + term.substr(1) : " + " + term;
        expanded.push_back({n[i] * g.p[i], ""});
        expanded.push_back({n[i] * g.u[i], "λ"});
    }
    const Number nu = dot(n, g.u);
    const Number np = dot(n, g.p);
    const std::string d = " = " + toText(e.d);
    // The forms of the equation as it is multiplied out, collected and
    // brought into the form k·λ = c; each one once.
    std::vector<std::string> forms = {substituted + d, linearText(expanded) + d, linearText({{nu, "λ"}, {np, ""}}) + d};

    WorkingOutcome outcome;
    if (nu.isZero()) {
        const bool inPlane = sameValue(np, e.d);
        writeEquationForms(sheet, forms, inPlane ? "  wahr für jedes λ: g liegt in " + e.name
                                                 : "  falsch: kein gemeinsamer Punkt, g ist parallel zu " + e.name);
        if (inPlane) {
            outcome.status = 0;
            return outcome;
        }
        sheet.line("Abstand von p zu " + e.name + " mit der Hesseschen Normalenform:");
        const Number s = writeLength(sheet, "n", n);
        outcome.status = 1;
        const Number square =
            writeDistance(sheet, minusText("|n·p", e.d) + "| / |n|", minusText(toText(np), e.d), np - e.d, s);
        outcome.values["d"] = std::sqrt(square.toReal());
        return outcome;
    }
    const Number lambda = (e.d - np) / nu;
    forms.push_back(linearText({{nu, "λ"}}) + " = " + toText(e.d - np));
    const bool one = nu.isExact() && nu.rational() == 1;
    writeEquationForms(sheet, forms, one ? "" : "  ⇒  λ " + equalsText(lambda));
    const Vec S = writePointOf(sheet, "S", "p + λ·u", g.p, lambda, g.u);
    sheet.line(e.name + " und g schneiden sich in S" + toText(S));
    outcome.status = 2;
    outcome.vectors["S"] = toReals(S);
    sheet.line("Schnittwinkel:");
    const Number dot = writeDot(sheet, "n", "u", n, g.u);
    const Number nn = writeLength(sheet, "n", n);
    const Number uu = writeLength(sheet, "u", g.u);
    outcome.values["α"] = writeAngle(sheet, AngleKind::AbsoluteSine, "|n·u| / (|n|·|u|)", dot, nn, uu);
    return outcome;
}

}  // namespace working
