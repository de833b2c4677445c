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
        std::string factor = coordinateText(g, i);
        if (factor.find(' ') != std::string::npos || factor.find('/') != std::string::npos || factor.front() == '-')
            factor = "(" + factor + ")";
        const std::string term = toText(n[i]) + "·" + factor;
        if (substituted.empty())
            substituted = term;
        else
            substituted += term.front() == '-' ? " - " + term.substr(1) : " + " + term;
        expanded.push_back({n[i] * g.p[i], ""});
        expanded.push_back({n[i] * g.u[i], "λ"});
    }
    sheet.line(substituted + " = " + toText(e.d));
    sheet.line(linearText(expanded) + " = " + toText(e.d));
    const Number nu = dot(n, g.u);
    const Number np = dot(n, g.p);
    const std::string collected = linearText({{nu, "λ"}, {np, ""}}) + " = " + toText(e.d);

    WorkingOutcome outcome;
    if (nu.isZero()) {
        if (sameValue(np, e.d)) {
            sheet.line(collected + "  wahr für jedes λ: g liegt in " + e.name);
            outcome.status = 0;
            return outcome;
        }
        sheet.line(collected + "  falsch: kein gemeinsamer Punkt, g ist parallel zu " + e.name);
        sheet.line("Abstand von p zu " + e.name + " mit der Hesseschen Normalenform:");
        const Number s = writeLength(sheet, "n", n);
        outcome.status = 1;
        const Number square =
            writeDistance(sheet, minusText("|n·p", e.d) + "| / |n|", minusText(toText(np), e.d), np - e.d, s);
        outcome.values["d"] = std::sqrt(square.toReal());
        return outcome;
    }
    const Number lambda = (e.d - np) / nu;
    sheet.line(collected + "  ⇔  " + solvedText(nu, "λ", e.d - np));
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
