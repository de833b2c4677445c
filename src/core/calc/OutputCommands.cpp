// The output buttons: equations of g, h, g2 and E1 to E5 with their trace
// points and trace lines, and the clear button.
#include "core/calc/CalcCommands.h"
#include "core/output/ResultTexts.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

namespace {

const char* lineName(int line) {
    switch (line) {
        case LineG: return "g";
        case LineH: return "h";
        default: return "g2";
    }
}

std::string planeName(int plane) { return "E" + std::to_string(plane); }

}  // namespace

CommandOutcome outputLineCommand(const Scene& scene, int line, const exact::ExactScene& exact, OutputLog& log) {
    const Vector3& p = scene.lineSupport[static_cast<std::size_t>(line)];
    const Vector3& u = scene.lineDirection[static_cast<std::size_t>(line)];
    if (isNullVector(u) || exact::isNull(exact.lineDirection[static_cast<std::size_t>(line)]))
        return refusedWith(kNullDirectionMessage);
    appendLineEquation(log, p, u, lineName(line));
    appendLineTracePoints(log, p, u, lineName(line));
    return {};
}

CommandOutcome outputPlaneCommand(const Scene& scene, int plane, const exact::ExactScene& exact, OutputLog& log) {
    const std::string name = planeName(plane);
    const exact::ExactPlane exactPlane = exact::planeEquation(exact, plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        const auto& k = scene.planeCoeffs[static_cast<std::size_t>(plane)];
        if (!exactPlane.isPlane || (k[0] == 0 && k[1] == 0 && k[2] == 0)) return refusedWith(kNoPlaneMessage);
        log.setOutputColour(OutputColours::Result);
        appendPlaneCoordinateEquation(log, name, k[0], k[1], k[2], k[3]);
        const ParameterForm form = coordinateToParameterForm(k[0], k[1], k[2], k[3]);
        if (form.ok)
            appendPlaneParameterEquation(log, form.p, form.u, form.v, name);
        else  // the axis point overflowed
            log.appendLine(name + ": Parameterform nicht berechenbar !");
        appendPlaneTraceLines(log, name, k[0], k[1], k[2], k[3]);
        return {};
    }
    const auto index = static_cast<std::size_t>(plane);
    const Vector3& p = scene.planeSupport[index];
    const Vector3& u = scene.planeSpanU[index];
    const Vector3& v = scene.planeSpanV[index];
    if (isNullVector(u) || isNullVector(v) || exact::isNull(exact.planeSpanU[index]) ||
        exact::isNull(exact.planeSpanV[index]))
        return refusedWith(kNullSpanMessage);
    const CoordinateForm k = exact::withExactZeros(parameterToCoordinateForm(p, u, v), exactPlane);
    // Parallel spanning vectors span no plane: there is no coordinate form.
    if (!exactPlane.isPlane || (k.a == 0 && k.b == 0 && k.c == 0)) return refusedWith(kNoPlaneMessage);
    log.setOutputColour(OutputColours::Result);
    appendPlaneParameterEquation(log, p, u, v, name);
    appendPlaneCoordinateEquation(log, name, k.a, k.b, k.c, k.d);
    appendPlaneTraceLines(log, name, k.a, k.b, k.c, k.d);
    return {};
}

void clearOutputCommand(OutputLog& log) { log.clearOutputLog(); }
