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
std::string CoordinateText(const LineInput& g, int i) { return LinearText({{g.p[i], ""}, {g.u[i], "λ"}}); }

}  // namespace

WorkingOutcome LinePlaneWorking(const ExactScene& scene, Sheet& sheet, int planeNumber) {
    const PlaneInput e = PlaneOf(scene, planeNumber);
    const LineInput g = LineOf(scene, LineG);
    if (const std::string problem = PlaneProblem(e); !problem.empty()) return Stop(sheet, problem);
    if (const std::string problem = LineProblem(g); !problem.empty()) return Stop(sheet, problem);
    WriteCoordinateForm(sheet, e);
    WriteLine(sheet, g);

    // a·(p1 + u1·λ) + b·(p2 + u2·λ) + c·(p3 + u3·λ) = d, then multiplied out.
    sheet.Line("g in " + e.name + " einsetzen: x = " + CoordinateText(g, 0) + ", y = " + CoordinateText(g, 1) +
               ", z = " + CoordinateText(g, 2));
    const Vec n = e.Normal();
    std::string substituted;
    std::vector<Term> expanded;
    for (int i = 0; i < 3; ++i) {
        if (n[i].IsZero()) continue;
        std::string factor = CoordinateText(g, i);
        if (factor.find(' ') != std::string::npos || factor.find('/') != std::string::npos || factor.front() == '-')
            factor = "(" + factor + ")";
        const std::string term = Text(n[i]) + "·" + factor;
        if (substituted.empty())
            substituted = term;
        else
            substituted += term.front() == '-' ? " - " + term.substr(1) : " + " + term;
        expanded.push_back({n[i] * g.p[i], ""});
        expanded.push_back({n[i] * g.u[i], "λ"});
    }
    sheet.Line(substituted + " = " + Text(e.d));
    sheet.Line(LinearText(expanded) + " = " + Text(e.d));
    const Number nu = Dot(n, g.u);
    const Number np = Dot(n, g.p);
    const std::string collected = LinearText({{nu, "λ"}, {np, ""}}) + " = " + Text(e.d);

    WorkingOutcome outcome;
    if (nu.IsZero()) {
        if (SameValue(np, e.d)) {
            sheet.Line(collected + "  wahr für jedes λ: g liegt in " + e.name);
            outcome.status = 0;
            return outcome;
        }
        sheet.Line(collected + "  falsch: kein gemeinsamer Punkt, g ist parallel zu " + e.name);
        sheet.Line("Abstand von p zu " + e.name + ": d = |n·p - d| / |n|");
        const Number s = WriteLength(sheet, "n", n);
        outcome.status = 1;
        outcome.values["d"] = std::sqrt(WriteDistance(sheet, "|" + Text(np) + " - " + SubtrahendText(e.d) + "| / |n|",
                                                      np - e.d, s)
                                            .ToReal());
        return outcome;
    }
    const Number lambda = (e.d - np) / nu;
    sheet.Line(collected + "  ⇔  " + SolvedText(nu, "λ", e.d - np));
    const Vec S = g.p + lambda * g.u;
    sheet.Line("S = p + λ·u = " + Text(g.p) + " + " + FactorText(lambda) + "·" + Text(g.u) + " = " + Text(S));
    sheet.Line(e.name + " und g schneiden sich in S" + Text(S));
    outcome.status = 2;
    outcome.vectors["S"] = ToReals(S);
    sheet.Line("Schnittwinkel:");
    const Number dot = WriteDot(sheet, "n", "u", n, g.u);
    const Number nn = WriteLength(sheet, "n", n);
    const Number uu = WriteLength(sheet, "u", g.u);
    outcome.values["α"] = WriteAngle(sheet, AngleKind::AbsoluteSine, "|n·u| / (|n|·|u|)", dot, nn, uu);
    return outcome;
}

}  // namespace working
