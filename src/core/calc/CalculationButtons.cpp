// The table of every output, clear, incidence and measure button: its
// objectName, the fields it re-reads, and the command it runs.
#include "core/calc/CalcCommands.h"

namespace {

using exact::ExactScene;

// A measure that decides nothing reads the Scene alone.
template <void (*Command)(const Scene&, OutputLog&)>
CommandOutcome measure(Scene& scene, const ExactScene&, OutputLog& log) {
    Command(scene, log);
    return {};
}

template <auto Command>
CommandOutcome decide(Scene& scene, const ExactScene& exact, OutputLog& log) {
    Command(scene, exact, log);
    return {};
}

template <int Line>
CommandOutcome outputLine(Scene& scene, const ExactScene& exact, OutputLog& log) {
    return outputLineCommand(scene, Line, exact, log);
}

template <int Plane>
CommandOutcome outputPlane(Scene& scene, const ExactScene& exact, OutputLog& log) {
    return outputPlaneCommand(scene, Plane, exact, log);
}

template <int Line>
CommandOutcome pointOnLine(Scene& scene, const ExactScene& exact, OutputLog& log) {
    pointOnLineCommand(scene, Line, exact, log);
    return {};
}

template <int Line1, int Line2>
CommandOutcome lineLine(Scene& scene, const ExactScene& exact, OutputLog& log) {
    lineLineCommand(scene, Line1, Line2, exact, log);
    return {};
}

template <int Plane1, int Plane2>
CommandOutcome planePlane(Scene& scene, const ExactScene& exact, OutputLog& log) {
    planePlaneCommand(scene, Plane1, Plane2, exact, log);
    return {};
}

template <int Plane>
CommandOutcome linePlane(Scene& scene, const ExactScene& exact, OutputLog& log) {
    linePlaneCommand(scene, Plane, exact, log);
    return {};
}

CommandOutcome clearOutput(Scene&, const ExactScene&, OutputLog& log) {
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
        {"SpeedButton_S_mit_E1", ReadPlanes, &decide<pointInE1Command>},
        {"SpeedButton_S_mit_E3", ReadPlanes, &decide<pointInE3Command>},
        {"SpeedButton_g_mit_h", ReadLines, &lineLine<LineG, LineH>},
        {"SpeedButton_g_mit_g1", ReadLines, &lineLine<LineG, LineG2>},
        {"SpeedButton_E1_mit_E2", ReadPlanes, &planePlane<PlaneE1, PlaneE2>},
        {"SpeedButton_E3_mit_E4", ReadPlanes, &planePlane<PlaneE3, PlaneE4>},
        {"SpeedButton_E1_mit_E3", ReadPlanes, &planePlane<PlaneE1, PlaneE3>},
        {"SpeedButton_E1_mit_g", ReadPlanes, &linePlane<PlaneE1>},
        {"SpeedButton_E3_mit_g", ReadPlanes, &linePlane<PlaneE3>},
        {"SpeedButton_E5_mit_g", ReadPlanes, &linePlane<PlaneE5>},
        // Measures
        {"SpeedButton_Winkel_AOC", ReadNothing, &measure<angleAOBCommand>},
        {"SpeedButton_OAxOB", ReadNothing, &measure<vectorProductCommand>},
        {"SpeedButton_OA_mal_OB", ReadNothing, &measure<scalarProductCommand>},
        {"SpeedButton_Dreiecksflaeche", ReadNothing, &measure<triangleCommand>},
        {"SpeedButton_Vierecksflaeche", ReadNothing, &decide<quadrilateralCommand>},
        {"SpeedButton_PrismavolumenABC", ReadNothing, &measure<prismABCCommand>},
        {"SpeedButton_PrismavolumenABCD", ReadNothing, &decide<prismABCDCommand>},
        {"SpeedButton_Pyramidenvolumen1", ReadNothing, &decide<pyramidABCSCommand>},
        {"SpeedButton_Pyramidenvolumen2", ReadNothing, &decide<pyramidABCDSCommand>},
        {"SpeedButton_Spatvolumen", ReadNothing, &measure<spatCommand>},
        {"SpeedButton_komplanarOAOBOC", ReadNothing, &coplanarityCommand},
    };
    return buttons;
}
