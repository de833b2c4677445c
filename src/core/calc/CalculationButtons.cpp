// The table of every output, clear, incidence and measure button: its
// objectName, the fields it re-reads, and the command it runs.
#include "core/calc/CalcCommands.h"

namespace {

template <void (*Command)(const Scene&, OutputLog&)>
CommandOutcome Run(Scene& scene, OutputLog& log) {
    Command(scene, log);
    return {};
}

template <void (*Command)(Scene&, OutputLog&)>
CommandOutcome RunMutable(Scene& scene, OutputLog& log) {
    Command(scene, log);
    return {};
}

template <int Line>
CommandOutcome OutputLine(Scene& scene, OutputLog& log) { return OutputLineCommand(scene, Line, log); }

template <int Plane>
CommandOutcome OutputPlane(Scene& scene, OutputLog& log) { return OutputPlaneCommand(scene, Plane, log); }

template <int Line>
CommandOutcome PointOnLine(Scene& scene, OutputLog& log) {
    PointOnLineCommand(scene, Line, log);
    return {};
}

template <int Line1, int Line2>
CommandOutcome LineLine(Scene& scene, OutputLog& log) {
    LineLineCommand(scene, Line1, Line2, log);
    return {};
}

template <int Plane1, int Plane2>
CommandOutcome PlanePlane(Scene& scene, OutputLog& log) {
    PlanePlaneCommand(scene, Plane1, Plane2, log);
    return {};
}

template <int Plane>
CommandOutcome LinePlane(Scene& scene, OutputLog& log) {
    LinePlaneCommand(scene, Plane, log);
    return {};
}

CommandOutcome Clear(Scene&, OutputLog& log) {
    ClearOutputCommand(log);
    return {};
}

}  // namespace

const std::vector<CalculationButton>& CalculationButtons() {
    static const std::vector<CalculationButton> buttons = {
        // Equations
        {"SpeedButton_g_ausgeben", ReadNothing, &OutputLine<LineG>},
        {"SpeedButton_h_ausgeben", ReadLines, &OutputLine<LineH>},
        {"SpeedButton_g1_ausgeben", ReadLines, &OutputLine<LineG2>},
        {"SpeedButton_E1_ausgeben", ReadPlanes, &OutputPlane<PlaneE1>},
        {"SpeedButton_E2_ausgeben", ReadPlanes, &OutputPlane<PlaneE2>},
        {"SpeedButton_E3_ausgeben", ReadPlanes, &OutputPlane<PlaneE3>},
        {"SpeedButton_E4_ausgeben", ReadPlanes, &OutputPlane<PlaneE4>},
        {"SpeedButton_E5_ausgeben", ReadPlanes, &OutputPlane<PlaneE5>},
        {"SpeedButton_ClearRichEdit", ReadNothing, &Clear},
        // Incidences and point tests
        {"SpeedButton_S_mit_g", ReadNothing, &PointOnLine<LineG>},
        {"SpeedButton_S_mit_h", ReadLines, &PointOnLine<LineH>},
        {"SpeedButton_S_mit_E1", ReadPlanes, &Run<PointInE1Command>},
        {"SpeedButton_S_mit_E3", ReadPlanes, &Run<PointInE3Command>},
        {"SpeedButton_g_mit_h", ReadLines, &LineLine<LineG, LineH>},
        {"SpeedButton_g_mit_g1", ReadLines, &LineLine<LineG, LineG2>},
        {"SpeedButton_E1_mit_E2", ReadPlanes, &PlanePlane<PlaneE1, PlaneE2>},
        {"SpeedButton_E3_mit_E4", ReadPlanes, &PlanePlane<PlaneE3, PlaneE4>},
        {"SpeedButton_E1_mit_E3", ReadPlanes, &PlanePlane<PlaneE1, PlaneE3>},
        {"SpeedButton_E1_mit_g", ReadPlanes, &LinePlane<PlaneE1>},
        {"SpeedButton_E3_mit_g", ReadPlanes, &LinePlane<PlaneE3>},
        {"SpeedButton_E5_mit_g", ReadPlanes, &LinePlane<PlaneE5>},
        // Measures
        {"SpeedButton_Winkel_AOC", ReadNothing, &Run<AngleAOBCommand>},
        {"SpeedButton_OAxOB", ReadNothing, &Run<VectorProductCommand>},
        {"SpeedButton_OA_mal_OB", ReadNothing, &Run<ScalarProductCommand>},
        {"SpeedButton_Dreiecksflaeche", ReadNothing, &Run<TriangleCommand>},
        {"SpeedButton_Vierecksflaeche", ReadNothing, &RunMutable<QuadrilateralCommand>},
        {"SpeedButton_PrismavolumenABC", ReadNothing, &Run<PrismABCCommand>},
        {"SpeedButton_PrismavolumenABCD", ReadNothing, &RunMutable<PrismABCDCommand>},
        {"SpeedButton_Pyramidenvolumen1", ReadNothing, &Run<PyramidABCSCommand>},
        {"SpeedButton_Pyramidenvolumen2", ReadNothing, &RunMutable<PyramidABCDSCommand>},
        {"SpeedButton_Spatvolumen", ReadNothing, &Run<SpatCommand>},
        {"SpeedButton_komplanarOAOBOC", ReadNothing, &CoplanarityCommand},
    };
    return buttons;
}
