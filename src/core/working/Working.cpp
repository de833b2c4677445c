// The table of the buttons that have a working, and writing one.
#include "core/working/Working.h"

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

template <int Line>
WorkingOutcome pointOnLineButton(const ExactScene& scene, Sheet& sheet) { return pointOnLineWorking(scene, sheet, Line); }

template <int Plane>
WorkingOutcome pointInPlaneButton(const ExactScene& scene, Sheet& sheet) { return pointInPlaneWorking(scene, sheet, Plane); }

template <int Line1, int Line2>
WorkingOutcome lineLineButton(const ExactScene& scene, Sheet& sheet) { return lineLineWorking(scene, sheet, Line1, Line2); }

template <int Plane>
WorkingOutcome linePlaneButton(const ExactScene& scene, Sheet& sheet) { return linePlaneWorking(scene, sheet, Plane); }

template <int Plane1, int Plane2>
WorkingOutcome planePlaneButton(const ExactScene& scene, Sheet& sheet) {
    return planePlaneWorking(scene, sheet, Plane1, Plane2);
}

}  // namespace

const std::vector<WorkingEntry>& workingEntries() {
    static const std::vector<WorkingEntry> entries = {
        {"SpeedButton_S_mit_g", "Punktprobe S auf g", &pointOnLineButton<LineG>, true},
        {"SpeedButton_S_mit_h", "Punktprobe S auf h", &pointOnLineButton<LineH>},
        {"SpeedButton_S_mit_E1", "Punktprobe S auf E1", &pointInPlaneButton<PlaneE1>},
        {"SpeedButton_S_mit_E3", "Punktprobe S auf E3", &pointInPlaneButton<PlaneE3>},
        {"SpeedButton_g_mit_h", "Lage von g und h", &lineLineButton<LineG, LineH>, true},
        {"SpeedButton_g_mit_g1", "Lage von g und g2", &lineLineButton<LineG, LineG2>, true},
        {"SpeedButton_E1_mit_E2", "Lage von E1 und E2", &planePlaneButton<PlaneE1, PlaneE2>},
        {"SpeedButton_E3_mit_E4", "Lage von E3 und E4", &planePlaneButton<PlaneE3, PlaneE4>},
        {"SpeedButton_E1_mit_E3", "Lage von E1 und E3", &planePlaneButton<PlaneE1, PlaneE3>},
        {"SpeedButton_E1_mit_g", "Lage von E1 und g", &linePlaneButton<PlaneE1>, true},
        {"SpeedButton_E3_mit_g", "Lage von E3 und g", &linePlaneButton<PlaneE3>, true},
        {"SpeedButton_E5_mit_g", "Lage von E5 und g", &linePlaneButton<PlaneE5>, true},
        {"SpeedButton_Winkel_AOC", "Winkel ∠(OA;OB)", &angleAOBWorking},
        {"SpeedButton_OAxOB", "Vektorprodukt OA × OB", &vectorProductWorking},
        {"SpeedButton_OA_mal_OB", "Skalarprodukt OA·OB", &scalarProductWorking},
        {"SpeedButton_Dreiecksflaeche", "Flächeninhalt des Dreiecks ABC", &triangleWorking},
        {"SpeedButton_Vierecksflaeche", "Flächeninhalt des Vierecks ABCD", &quadrilateralWorking},
        {"SpeedButton_PrismavolumenABC", "Volumen des Prismas ABC_AS", &prismABCWorking},
        {"SpeedButton_PrismavolumenABCD", "Volumen des Prismas ABCD_AS", &prismABCDWorking},
        {"SpeedButton_Pyramidenvolumen1", "Volumen der Pyramide ABCS", &pyramidABCSWorking},
        {"SpeedButton_Pyramidenvolumen2", "Volumen der Pyramide ABCDS", &pyramidABCDSWorking},
        {"SpeedButton_Spatvolumen", "Volumen des Spats AB, AC, AS", &spatWorking},
        {"SpeedButton_komplanarOAOBOC", "Komplanarität von AB, AC, AD", &coplanarityWorking},
    };
    return entries;
}

const WorkingEntry* findWorking(std::string_view objectName) {
    for (const WorkingEntry& entry : workingEntries())
        if (objectName == entry.objectName) return &entry;
    return nullptr;
}

bool writeWorking(std::string_view objectName, const Scene& scene, const FieldTexts& texts, OutputLog& log,
                  WorkingOutcome* outcome) {
    return writeWorking(objectName, buildExactScene(scene, texts), log, outcome);
}

bool writeWorking(std::string_view objectName, const ExactScene& exact, OutputLog& log, WorkingOutcome* outcome) {
    const WorkingEntry* entry = findWorking(objectName);
    if (!entry) return false;
    Sheet sheet(log, entry->title);
    if (entry->usesLineG && exact.lineGBeyondExactBound) sheet.line(kBeyondExactBoundSentence);
    const WorkingOutcome result = entry->write(exact, sheet);
    if (outcome) *outcome = result;
    return true;
}

}  // namespace working
