// The table of the buttons that have a working, and writing one.
#include "core/working/Working.h"

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

template <int Line>
WorkingOutcome PointOnLineButton(const ExactScene& scene, Sheet& sheet) { return PointOnLineWorking(scene, sheet, Line); }

template <int Plane>
WorkingOutcome PointInPlaneButton(const ExactScene& scene, Sheet& sheet) { return PointInPlaneWorking(scene, sheet, Plane); }

template <int Line1, int Line2>
WorkingOutcome LineLineButton(const ExactScene& scene, Sheet& sheet) { return LineLineWorking(scene, sheet, Line1, Line2); }

template <int Plane>
WorkingOutcome LinePlaneButton(const ExactScene& scene, Sheet& sheet) { return LinePlaneWorking(scene, sheet, Plane); }

template <int Plane1, int Plane2>
WorkingOutcome PlanePlaneButton(const ExactScene& scene, Sheet& sheet) {
    return PlanePlaneWorking(scene, sheet, Plane1, Plane2);
}

}  // namespace

const std::vector<WorkingEntry>& WorkingEntries() {
    static const std::vector<WorkingEntry> entries = {
        {"SpeedButton_S_mit_g", "Punktprobe S auf g", &PointOnLineButton<LineG>, true},
        {"SpeedButton_S_mit_h", "Punktprobe S auf h", &PointOnLineButton<LineH>},
        {"SpeedButton_S_mit_E1", "Punktprobe S auf E1", &PointInPlaneButton<PlaneE1>},
        {"SpeedButton_S_mit_E3", "Punktprobe S auf E3", &PointInPlaneButton<PlaneE3>},
        {"SpeedButton_g_mit_h", "Lage von g und h", &LineLineButton<LineG, LineH>, true},
        {"SpeedButton_g_mit_g1", "Lage von g und g2", &LineLineButton<LineG, LineG2>, true},
        {"SpeedButton_E1_mit_E2", "Lage von E1 und E2", &PlanePlaneButton<PlaneE1, PlaneE2>},
        {"SpeedButton_E3_mit_E4", "Lage von E3 und E4", &PlanePlaneButton<PlaneE3, PlaneE4>},
        {"SpeedButton_E1_mit_E3", "Lage von E1 und E3", &PlanePlaneButton<PlaneE1, PlaneE3>},
        {"SpeedButton_E1_mit_g", "Lage von E1 und g", &LinePlaneButton<PlaneE1>, true},
        {"SpeedButton_E3_mit_g", "Lage von E3 und g", &LinePlaneButton<PlaneE3>, true},
        {"SpeedButton_E5_mit_g", "Lage von E5 und g", &LinePlaneButton<PlaneE5>, true},
        {"SpeedButton_Winkel_AOC", "Winkel ∠(OA;OB)", &AngleAOBWorking},
        {"SpeedButton_OAxOB", "Vektorprodukt OA × OB", &VectorProductWorking},
        {"SpeedButton_OA_mal_OB", "Skalarprodukt OA·OB", &ScalarProductWorking},
        {"SpeedButton_Dreiecksflaeche", "Flächeninhalt des Dreiecks ABC", &TriangleWorking},
        {"SpeedButton_Vierecksflaeche", "Flächeninhalt des Vierecks ABCD", &QuadrilateralWorking},
        {"SpeedButton_PrismavolumenABC", "Volumen des Prismas ABC_AS", &PrismABCWorking},
        {"SpeedButton_PrismavolumenABCD", "Volumen des Prismas ABCD_AS", &PrismABCDWorking},
        {"SpeedButton_Pyramidenvolumen1", "Volumen der Pyramide ABCS", &PyramidABCSWorking},
        {"SpeedButton_Pyramidenvolumen2", "Volumen der Pyramide ABCDS", &PyramidABCDSWorking},
        {"SpeedButton_Spatvolumen", "Volumen des Spats AB, AC, AS", &SpatWorking},
        {"SpeedButton_komplanarOAOBOC", "Komplanarität von AB, AC, AD", &CoplanarityWorking},
    };
    return entries;
}

const WorkingEntry* FindWorking(std::string_view objectName) {
    for (const WorkingEntry& entry : WorkingEntries())
        if (objectName == entry.objectName) return &entry;
    return nullptr;
}

bool WriteWorking(std::string_view objectName, const Scene& scene, const FieldTexts& texts, OutputLog& log,
                  WorkingOutcome* outcome) {
    const WorkingEntry* entry = FindWorking(objectName);
    if (!entry) return false;
    const ExactScene exact = BuildExactScene(scene, texts);
    Sheet sheet(log, entry->title);
    if (entry->usesLineG && exact.lineGBeyondExactBound) sheet.Line(kBeyondExactBoundSentence);
    const WorkingOutcome result = entry->write(exact, sheet);
    if (outcome) *outcome = result;
    return true;
}

}  // namespace working
