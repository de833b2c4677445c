// Two lines: the direction vectors compared, then either the support point
// of the second line tested on the first (parallel or identical) or the
// system p + λ·u = q + μ·v (intersecting or skew); for skew lines the
// distance by the normal vector u × v and the feet of the common
// perpendicular.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

// "p + λ·u = (3|3|4) + (-1/4)·(-4|5|0) = (4|7/4|4)".
Vec WritePointOf(Sheet& sheet, const std::string& name, const std::string& formula, const Vec& p,
                     const Number& k, const Vec& u) {
    const Vec point = p + k * u;
    sheet.Line(name + " = " + formula + " = " + Text(p) + " + " + FactorText(k) + "·" + Text(u) + " = " + Text(point));
    return point;
}

WorkingOutcome WriteParallel(Sheet& sheet, const LineInput& g, const LineInput& h) {
    sheet.Line("2. Liegt q auf " + g.name + "?");
    WorkingOutcome outcome;
    if (WritePointOnLine(sheet, "q", h.p, g).on) {
        sheet.Line(g.name + " und " + h.name + " sind identisch");
        outcome.status = 0;
        return outcome;
    }
    sheet.Line(g.name + " und " + h.name + " sind parallel");
    sheet.Line("Abstand: d = |(q - p) × u| / |u|");
    const Vec w = h.p - g.p;
    sheet.Line("q - p = " + Text(w));
    const Vec c = WriteCross(sheet, "(q - p)", "u", w, g.u);
    const Number cc = Dot(c, c), uu = Dot(g.u, g.u);
    const Number square = cc / uu;
    sheet.Line("d = " + RootText(cc) + " / " + RootText(uu) + " = " + RootWithValue(square));
    outcome.status = 1;
    outcome.values["d"] = std::sqrt(square.ToReal());
    return outcome;
}

WorkingOutcome WriteSkew(Sheet& sheet, const LineInput& g, const LineInput& h) {
    WorkingOutcome outcome;
    outcome.status = 3;
    sheet.Line("Abstand mit dem Normalenvektor n = u × v:");
    const Vec n = WriteCross(sheet, "u", "v", g.u, h.u);
    const Vec w = h.p - g.p;
    sheet.Line("q - p = " + Text(w));
    const Number e = WriteDot(sheet, "n", "(q - p)", n, w);
    const Number s = WriteLength(sheet, "n", n);
    outcome.values["d"] = std::sqrt(WriteDistance(sheet, "|n·(q - p)| / |n|", e, s).ToReal());

    sheet.Line("Lotfußpunkte P = p + λ·u auf " + g.name + " und Q = q + μ·v auf " + h.name + ",");
    sheet.Line("PQ = q - p + μ·v - λ·u senkrecht zu u und zu v:");
    const Number uu = Dot(g.u, g.u), uv = Dot(g.u, h.u), vv = Dot(h.u, h.u);
    const Number wu = Dot(w, g.u), wv = Dot(w, h.u);
    sheet.Line("u·u = " + Text(uu) + ", u·v = " + Text(uv) + ", v·v = " + Text(vv) + ", (q - p)·u = " + Text(wu) +
               ", (q - p)·v = " + Text(wv));
    const Equation first{"I", uu, -uv, wu};
    const Equation second{"II", uv, -vv, wv};
    sheet.Line("I:  PQ·u = 0  ⇔  " + LinearText(first.a, "λ", first.b, "μ") + " = " + Text(first.c));
    sheet.Line("II: PQ·v = 0  ⇔  " + LinearText(second.a, "λ", second.b, "μ") + " = " + Text(second.c));
    const auto [lambda, mu] = WriteSolveTwo(sheet, first, second, "λ", "μ");
    outcome.vectors["P"] = ToReals(WritePointOf(sheet, "P", "p + λ·u", g.p, lambda, g.u));
    outcome.vectors["Q"] = ToReals(WritePointOf(sheet, "Q", "q + μ·v", h.p, mu, h.u));
    return outcome;
}

}  // namespace

WorkingOutcome LineLineWorking(const ExactScene& scene, Sheet& sheet, int line1, int line2) {
    LineInput g = LineOf(scene, line1);
    LineInput h = LineOf(scene, line2);
    for (const LineInput* line : {&g, &h})
        if (const std::string problem = LineProblem(*line); !problem.empty()) return Stop(sheet, problem);
    WriteLine(sheet, g, "p", "u");
    WriteLine(sheet, h, "q", "v");

    sheet.Line("1. Richtungsvektoren:");
    if (WriteMultipleTest(sheet, "u", g.u, "v", h.u)) return WriteParallel(sheet, g, h);

    sheet.Line("2. Gleichungssystem p + λ·u = q + μ·v:");
    sheet.VectorEquation({g.p, " + λ·", g.u, " = ", h.p, " + μ·", h.u});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], g.u[i], -h.u[i], h.p[i] - g.p[i]};
        sheet.Line(RearrangedText(e,
                                  LinearText({{g.p[i], ""}, {g.u[i], "λ"}}) + " = " +
                                      LinearText({{h.p[i], ""}, {h.u[i], "μ"}}),
                                  "λ", "μ"));
    }
    const SystemSolution solution = WriteSolveSystem(sheet, equations, "λ", "μ");
    if (!solution.regular)  // only when decimals put u and v within rounding of parallel
        return Stop(sheet, "u und v sind fast parallel, das System hat keine eindeutige Lösung");
    if (!solution.consistent) {
        sheet.Line("Widerspruch in der " + equations[std::size_t(solution.contradiction)].label + "-Gleichung: " +
                   g.name + " und " + h.name + " sind windschief");
        return WriteSkew(sheet, g, h);
    }
    WorkingOutcome outcome;
    outcome.status = 2;
    const Vec S = WritePointOf(sheet, "S", "p + λ·u", g.p, solution.x, g.u);
    outcome.vectors["S"] = ToReals(S);
    sheet.Line(g.name + " und " + h.name + " schneiden sich in S" + Text(S));
    sheet.Line("Schnittwinkel:");
    const Number dot = WriteDot(sheet, "u", "v", g.u, h.u);
    const Number uu = WriteLength(sheet, "u", g.u);
    const Number vv = WriteLength(sheet, "v", h.u);
    outcome.values["α"] = WriteAngle(sheet, AngleKind::AbsoluteCosine, "|u·v| / (|u|·|v|)", dot, uu, vv);
    return outcome;
}

}  // namespace working
