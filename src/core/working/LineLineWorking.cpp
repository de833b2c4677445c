// Two lines: the direction vectors compared, then either the support point
// of the second line tested on the first (parallel or identical) or the
// system p + λ·u = q + μ·v (intersecting or skew); for skew lines the
// distance by the normal vector u × v and the feet of the common
// perpendicular.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

WorkingOutcome writeParallel(Sheet& sheet, const LineInput& g, const LineInput& h) {
    sheet.line("2. Liegt q auf " + g.name + "?");
    WorkingOutcome outcome;
    if (writePointOnLine(sheet, "q", h.p, g).on) {
        sheet.line(g.name + " und " + h.name + " sind identisch");
        outcome.status = 0;
        return outcome;
    }
    sheet.line(g.name + " und " + h.name + " sind parallel");
    sheet.line("Abstand: d = |(q - p) × u| / |u|");
    const Vec w = h.p - g.p;
    sheet.line("q - p = " + toText(w));
    const Vec c = writeCross(sheet, "(q - p)", "u", w, g.u);
    const Number cc = dot(c, c), uu = dot(g.u, g.u);
    const Number square = cc / uu;
    sheet.line("d = " + divisorText(rootText(cc)) + " / " + divisorText(rootText(uu)) + " " + equalsRoot(square));
    outcome.status = 1;
    outcome.values["d"] = std::sqrt(square.toReal());
    return outcome;
}

WorkingOutcome writeSkew(Sheet& sheet, const LineInput& g, const LineInput& h) {
    WorkingOutcome outcome;
    outcome.status = 3;
    sheet.line("Abstand mit dem Normalenvektor n = u × v:");
    const Vec n = writeCross(sheet, "u", "v", g.u, h.u);
    const Vec w = h.p - g.p;
    sheet.line("q - p = " + toText(w));
    const Number e = writeDot(sheet, "n", "(q - p)", n, w);
    const Number nn = writeLength(sheet, "n", n);
    outcome.values["d"] = std::sqrt(writeDistance(sheet, "|n·(q - p)| / |n|", toText(e), e, nn).toReal());

    // r and s: λ and μ already name the parameters of the system above.
    sheet.line("Lotfußpunkte P = p + r·u auf " + g.name + " und Q = q + s·v auf " + h.name + ",");
    sheet.line("PQ = q - p + s·v - r·u senkrecht zu u und zu v:");
    const Number uu = dot(g.u, g.u), uv = dot(g.u, h.u), vv = dot(h.u, h.u);
    const Number wu = dot(w, g.u), wv = dot(w, h.u);
    sheet.line("u·u " + equalsText(uu) + ", u·v " + equalsText(uv) + ", v·v " + equalsText(vv) + ", (q - p)·u " +
               equalsText(wu) + ", (q - p)·v " + equalsText(wv));
    const Equation first{"I", uu, -uv, wu};
    const Equation second{"II", uv, -vv, wv};
    sheet.line("I:  PQ·u = 0  ⇔  " + linearText(first.a, "r", first.b, "s") + " = " + toText(first.c));
    sheet.line("II: PQ·v = 0  ⇔  " + linearText(second.a, "r", second.b, "s") + " = " + toText(second.c));
    const auto [r, s] = writeSolveTwo(sheet, first, second, "r", "s");
    outcome.vectors["P"] = toReals(writePointOf(sheet, "P", "p + r·u", g.p, r, g.u));
    outcome.vectors["Q"] = toReals(writePointOf(sheet, "Q", "q + s·v", h.p, s, h.u));
    return outcome;
}

}  // namespace

WorkingOutcome lineLineWorking(const ExactScene& scene, Sheet& sheet, int line1, int line2) {
    LineInput g = lineOf(scene, line1);
    LineInput h = lineOf(scene, line2);
    for (const LineInput* line : {&g, &h})
        if (const std::string problem = lineProblem(*line); !problem.empty()) return stop(sheet, problem);
    writeLine(sheet, g, "p", "u");
    writeLine(sheet, h, "q", "v");

    sheet.line("1. Richtungsvektoren:");
    if (writeMultipleTest(sheet, "u", g.u, "v", h.u)) return writeParallel(sheet, g, h);

    sheet.line("2. Gleichungssystem p + λ·u = q + μ·v:");
    sheet.vectorEquation({g.p, " + λ·", g.u, " = ", h.p, " + μ·", h.u});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], g.u[i], -h.u[i], h.p[i] - g.p[i]};
        sheet.line(rearrangedText(e,
                                  linearText({{g.p[i], ""}, {g.u[i], "λ"}}) + " = " +
                                      linearText({{h.p[i], ""}, {h.u[i], "μ"}}),
                                  "λ", "μ"));
    }
    const SystemSolution solution =
        writeSolveSystem(sheet, equations, "λ", "μ", exact::lineLineStatus(g.p, g.u, h.p, h.u) == 2);
    if (!solution.regular)  // only when decimals put u and v within rounding of parallel
        return stop(sheet, "u und v sind fast parallel, das System hat keine eindeutige Lösung");
    if (!solution.consistent) {
        sheet.line("Widerspruch in der " + equations[std::size_t(solution.contradiction)].label + "-Gleichung: " +
                   g.name + " und " + h.name + " sind windschief");
        return writeSkew(sheet, g, h);
    }
    WorkingOutcome outcome;
    outcome.status = 2;
    const Vec S = writePointOf(sheet, "S", "p + λ·u", g.p, solution.x, g.u);
    outcome.vectors["S"] = toReals(S);
    sheet.line(g.name + " und " + h.name + " schneiden sich in S" + toText(S));
    sheet.line("Schnittwinkel:");
    const Number dot = writeDot(sheet, "u", "v", g.u, h.u);
    const Number uu = writeLength(sheet, "u", g.u);
    const Number vv = writeLength(sheet, "v", h.u);
    outcome.values["α"] = writeAngle(sheet, AngleKind::AbsoluteCosine, "|u·v| / (|u|·|v|)", dot, uu, vv);
    return outcome;
}

}  // namespace working
