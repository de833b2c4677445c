// The table of every output, clear, incidence and measure button: its
// objectName, the fields it re-reads, and the command it runs.
#include "core/calc/CalcCommands.h"

namespace {

template <void (*Command)(const Scene&, OutputLog&)>
CommandOutcome run(Scene& scene, OutputLog& log) {
    Command(scene, log);
    return {};
}

template <void (*Command)(Scene&, OutputLog&)>
CommandOutcome runMutable(Scene& scene, OutputLog& log) {
    Command(scene, log);
    return {};
}

template <int Line>
CommandOutcome outputLine(Scene& scene, OutputLog& log) { return outputLineCommand(scene, Line, log); }

template <int Plane>
CommandOutcome outputPlane(Scene& scene, OutputLog& log) { return outputPlaneCommand(scene, Plane, log); }

template <int Line>
CommandOutcome pointOnLine(Scene& scene, OutputLog& log) {
    pointOnLineCommand(scene, Line, log);
    return {};
}

template <int Line1, int Line2>
CommandOutcome lineLine(Scene& scene, OutputLog& log) {
    lineLineCommand(scene, Line1, Line2, log);
    return {};
}

template <int Plane1, int Plane2>
CommandOutcome planePlane(Scene& scene, OutputLog& log) {
    planePlaneCommand(scene, Plane1, Plane2, log);
    return {};
}

template <int Plane>
CommandOutcome linePlane(Scene& scene, OutputLog& log) {
    linePlaneCommand(scene, Plane, log);
    return {};
}

CommandOutcome clearOutput(Scene&, OutputLog& log) {
    clearOutputCommand(log);
    return {};
}

}  // namespace

const std::vector<CalculationButton>& calculationButtons() {
    static const std::vector<CalculationButton> buttons = {
        // Equations
        {"SpeedButton_g_ausgeben", ReadNothing, &outputLine<LineG>},
        {"SpeedButton_h_ausgeben", ReadLines, &outputLine<LineH>},
        {"SpeedButton_g1_ausgeben", ReadLines, &outputLine<LineG2>},
        {"SpeedButton_E1_ausgeben", ReadPlanes, &outputPlane<PlaneE1>},
        {"SpeedButton_E2_ausgeben", ReadPlanes, &outputPlane<PlaneE2>},
        {"SpeedButton_E3_ausgeben", ReadPlanes, &outputPlane<PlaneE3>},
        {"SpeedButton_E4_ausgeben", ReadPlanes, &outputPlane<PlaneE4>},
        {"SpeedButton_E5_ausgeben", ReadPlanes, &outputPlane<PlaneE5>},
        {"SpeedButton_ClearRichEdit", ReadNothing, &clearOutput},
        // Incidences and point tests
        {"SpeedButton_S_mit_g", ReadNothing, &pointOnLine<LineG>},
        {"SpeedButton_S_mit_h", ReadLines, &pointOnLine<LineH>},
        {"SpeedButton_S_mit_E1", ReadPlanes, &run<pointInE1Command>},
        {"SpeedButton_S_mit_E3", ReadPlanes, &run<pointInE3Command>},
        {"SpeedButton_g_mit_h", ReadLines, &lineLine<LineG, LineH>},
        {"SpeedButton_g_mit_g1", ReadLines, &lineLine<LineG, LineG2>},
        {"SpeedButton_E1_mit_E2", ReadPlanes, &planePlane<PlaneE1, PlaneE2>},
        {"SpeedButton_E3_mit_E4", ReadPlanes, &planePlane<PlaneE3, PlaneE4>},
        {"SpeedButton_E1_mit_E3", ReadPlanes, &planePlane<PlaneE1, PlaneE3>},
        {"SpeedButton_E1_mit_g", ReadPlanes, &linePlane<PlaneE1>},
        {"SpeedButton_E3_mit_g", ReadPlanes, &linePlane<PlaneE3>},
        {"SpeedButton_E5_mit_g", ReadPlanes, &linePlane<PlaneE5>},
        // Measures
        {"SpeedButton_Winkel_AOC", ReadNothing, &run<angleAOBCommand>},
        {"SpeedButton_OAxOB", ReadNothing, &run<vectorProductCommand>},
        {"SpeedButton_OA_mal_OB", ReadNothing, &run<scalarProductCommand>},
        {"SpeedButton_Dreiecksflaeche", ReadNothing, &run<triangleCommand>},
        {"SpeedButton_Vierecksflaeche", ReadNothing, &runMutable<quadrilateralCommand>},
        {"SpeedButton_PrismavolumenABC", ReadNothing, &run<prismABCCommand>},
        {"SpeedButton_PrismavolumenABCD", ReadNothing, &runMutable<prismABCDCommand>},
        {"SpeedButton_Pyramidenvolumen1", ReadNothing, &run<pyramidABCSCommand>},
        {"SpeedButton_Pyramidenvolumen2", ReadNothing, &runMutable<pyramidABCDSCommand>},
        {"SpeedButton_Spatvolumen", ReadNothing, &run<spatCommand>},
        {"SpeedButton_komplanarOAOBOC", ReadNothing, &coplanarityCommand},
    };
    return buttons;
}
