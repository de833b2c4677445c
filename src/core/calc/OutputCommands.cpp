// The output buttons: equations of g, h, g2 and E1 to E5 with their trace
// points and trace lines, and the clear button.
#include "core/calc/CalcCommands.h"
#include "core/output/ResultTexts.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

namespace {

const char* LineName(int line) {
    switch (line) {
        case LineG: return "g";
        case LineH: return "h";
        default: return "g2";
    }
}

std::string PlaneName(int plane) { return "E" + std::to_string(plane); }

}  // namespace

CommandOutcome OutputLineCommand(const Scene& scene, int line, OutputLog& log) {
    const Vector3& p = scene.lineSupport[static_cast<std::size_t>(line)];
    const Vector3& u = scene.lineDirection[static_cast<std::size_t>(line)];
    if (IsNullVector(u)) return RefusedWith(kNullDirectionMessage);
    AppendLineEquation(log, p, u, LineName(line));
    AppendLineTracePoints(log, p, u, LineName(line));
    return {};
}

CommandOutcome OutputPlaneCommand(const Scene& scene, int plane, OutputLog& log) {
    const std::string name = PlaneName(plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        const auto& k = scene.planeCoeffs[static_cast<std::size_t>(plane)];
        if (k[0] == 0 && k[1] == 0 && k[2] == 0) return RefusedWith(kNoPlaneMessage);
        log.SetOutputColour(OutputColours::Result);
        AppendPlaneCoordinateEquation(log, name, k[0], k[1], k[2], k[3]);
        const ParameterForm form = CoordinateToParameterForm(k[0], k[1], k[2], k[3]);
        if (form.ok)
            AppendPlaneParameterEquation(log, form.p, form.u, form.v, name);
        else  // the axis point overflowed
            log.AppendLine(name + ": Parameterform nicht berechenbar !");
        AppendPlaneTraceLines(log, name, k[0], k[1], k[2], k[3]);
        return {};
    }
    const auto index = static_cast<std::size_t>(plane);
    const Vector3& p = scene.planeSupport[index];
    const Vector3& u = scene.planeSpanU[index];
    const Vector3& v = scene.planeSpanV[index];
    if (IsNullVector(u) || IsNullVector(v)) return RefusedWith(kNullSpanMessage);
    const CoordinateForm k = ParameterToCoordinateForm(p, u, v);
    // Parallel spanning vectors span no plane: there is no coordinate form.
    if (k.a == 0 && k.b == 0 && k.c == 0) return RefusedWith(kNoPlaneMessage);
    log.SetOutputColour(OutputColours::Result);
    AppendPlaneParameterEquation(log, p, u, v, name);
    AppendPlaneCoordinateEquation(log, name, k.a, k.b, k.c, k.d);
    AppendPlaneTraceLines(log, name, k.a, k.b, k.c, k.d);
    return {};
}

void ClearOutputCommand(OutputLog& log) { log.ClearOutputLog(); }
