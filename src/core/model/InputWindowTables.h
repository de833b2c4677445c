#pragma once
// Names, captions, hints and start-up texts of the input window's fields,
// one table per kind, shared by the layout and the start-up code.
#include <array>

#include "core/model/Scene.h"

namespace inputwindow {

inline constexpr std::array<const char*, 3> kAxisLetters = {"x", "y", "z"};

struct PointRow {
    const char* suffix;                    // Edit_Punkt<suffix>, Edit_Punkt<suffix>_x ...
    const char* name;                      // the name field's first text
    std::array<const char*, 3> startup;    // x, y, z
};
inline constexpr std::array<PointRow, PointCount> kPoints = {{
    {"1", "A", {"4", "0", "0"}},
    {"2", "B", {"0", "6", "0"}},
    {"3", "C", {"0", "0", "8"}},
    {"4", "D", {"6", "0", "7"}},
    {"5", "E", {"-3", "-3", "0"}},
    {"6", "F", {"-2", "-4", "2"}},
    {"7", "S", {"6", "8", "8"}},
    {"P", "P", {"5", "0", "2"}},
    {"Q", "Q", {"0", "6", "7"}},
}};
// Points A .. S have a coordinate-path box; P and Q have none.
inline constexpr int kPointsWithPaths = 7;

struct VectorRow {
    const char* name;     // CheckBox_Vektor<name>
    const char* hint;
};
inline constexpr std::array<VectorRow, VectorCount> kVectors = {{
    {"AB", "von A nach B"},
    {"BC", "von B nach C"},
    {"CD", "von C nach D"},
    {"DE", "von D nach E"},
    {"EF", "von E nach F"},
    {"FS", "von F nach S"},
    {"PQ", "Vektor PQ zeichnen"},
}};

// Three fields named Edit_<prefix>x, _y, _z.
struct TripleRow {
    const char* prefix;
    std::array<const char*, 3> startup;
};
inline constexpr TripleRow kSupportG = {"ug", {"3", "3", "4"}};
inline constexpr TripleRow kDirectionG = {"vg", {"-4", "5", "1,5t"}};
inline constexpr TripleRow kSupportH = {"uh", {"4", "0", "6"}};
inline constexpr TripleRow kDirectionH = {"vh", {"0", "7", "-6"}};

struct CoordinatePlaneRow {
    int number;                            // 1 or 2: Edit_a<number> ...
    std::array<const char*, 4> startup;    // a, b, c, d
};
inline constexpr std::array<CoordinatePlaneRow, 2> kCoordinatePlanes = {{
    {1, {"15", "12", "10", "60"}},
    {2, {"0", "6", "5", "30"}},
}};
inline constexpr std::array<const char*, 4> kCoefficientLetters = {"a", "b", "c", "d"};

struct ParameterPlaneRow {
    int number;                            // 3 or 4: Edit_p<number>x ...
    std::array<const char*, 3> p, u, v;
};
inline constexpr std::array<ParameterPlaneRow, 2> kParameterPlanes = {{
    {3, {"3", "2", "1"}, {"3", "-2", "1"}, {"-3", "2", "1"}},
    {4, {"2", "1", "2"}, {"-1", "0", "2"}, {"0", "1", "0"}},
}};

// First captions of the coplanarity labels Label_kompl_r and Label_kompl_t.
inline constexpr const char* kCoplanarLabelR = "r=";
inline constexpr const char* kCoplanarLabelT = "t=";

inline constexpr const char* kStartupT1 = "1";
inline constexpr const char* kStartupT2 = "3";
inline constexpr const char* kStartupDeltaT = "0,5";

struct BodyRow {
    const char* objectName;
    const char* caption;
    bool resetByDefaults;
};
// In drawBodyFlag order 1..8.
inline constexpr std::array<BodyRow, 8> kBodies = {{
    {"CheckBox_Dreieck", "Dreieck ABC", true},
    {"CheckBox_Dreieck2", "Dreieck DEF", false},
    {"CheckBox_Viereck", "Viereck ABCD", true},
    {"CheckBox_PrismaABCS", "Prisma mit Grundfl.  ABC und Kante AS", true},
    {"CheckBox_PrismaABCDS", "Prisma mit Grundfl.  ABCD und Kante AS", true},
    {"CheckBox_PyramideABCS", "Pyramide mit Grundfl. ABC und Spitze S", true},
    {"CheckBox_PyramideABCDS", "Pyramide mit Grundfl. ABCD und Spitze S", true},
    {"CheckBox_Spat_zeichnen", "Spat mit SpannVektoren  AB, AC, AS", true},
}};

struct PanelRow {
    const char* objectName;
    const char* hint;
    Colour colour;          // the panel's colour when the window is made
};
inline constexpr PanelRow kPointPanel = {"Panel_Punkt3DFarbe", "Punktefarbe", Colours::Blue};
inline constexpr PanelRow kBodyPanel = {"Panel_KoerperFarbe", "Körperfarbe", Colours::Purple};
// Indexed by line number 1..3 (0 unused).
inline constexpr std::array<PanelRow, LineSlots> kLinePanels = {{
    {nullptr, nullptr, 0},
    {"Panel_Geradenscharfarbe", "Geradenscharfarbe gt", Colours::Red},
    {"Panel_GeradehFarbe", "Geradenfarbe h", Colours::Teal},
    {"Panel_Geradeg1Farbe", "Geradenfarbe g2", Colours::Blue},
}};
// Indexed by plane number 1..5 (0 unused).
inline constexpr std::array<PanelRow, PlaneSlots> kPlanePanels = {{
    {nullptr, nullptr, 0},
    {"Panel_EbenenFarbe1", "Ebenenfarbe E1", Colours::Green},
    {"Panel_EbenenFarbe2", "Ebenenfarbe E2", Colours::Purple},
    {"Panel_EbenenFarbe3", "Ebenenfarbe E3", Colours::Navy},
    {"Panel_EbenenFarbe4", "Ebenenfarbe E4", Colours::Red},
    {"Panel_EbenenFarbe5", "Ebenenfarbe E5", 0x0055AAFF},
}};

// Buttons without an action of their own here: other parts of the program
// connect them by objectName.
struct ButtonRow {
    const char* objectName;
    const char* caption;
    const char* hint;
};
inline constexpr std::array<ButtonRow, 3> kLineOutputButtons = {{
    {"SpeedButton_g_ausgeben", "»", "g in das Ausgabefenster übertragen"},
    {"SpeedButton_h_ausgeben", "»", "h in das Ausgabefenster übertragen"},
    {"SpeedButton_g1_ausgeben", "»", "g2 in das Ausgabefenster übertragen"},
}};
inline constexpr std::array<ButtonRow, 5> kPlaneOutputButtons = {{
    {"SpeedButton_E1_ausgeben", "»", "E1 in das Ausgabefenster übertragen"},
    {"SpeedButton_E2_ausgeben", "»", "E2 in das Ausgabefenster übertragen"},
    {"SpeedButton_E3_ausgeben", "»", "E3 in das Ausgabefenster übertragen"},
    {"SpeedButton_E4_ausgeben", "»", "E4 in das Ausgabefenster übertragen"},
    {"SpeedButton_E5_ausgeben", "»", "E5 in das Ausgabefenster übertragen"},
}};
inline constexpr std::array<ButtonRow, 11> kMeasureButtons = {{
    {"SpeedButton_Winkel_AOC", "∠(OA;OB)", "Winkel OA;OB berechnen"},
    {"SpeedButton_OAxOB", "OA × OB", "OA x OB (Vektorprodukt)"},
    {"SpeedButton_OA_mal_OB", "OA · OB", "OA * OB (Skalarprodukt)"},
    {"SpeedButton_Dreiecksflaeche", "Dreieck ABC", "Dreieck ABC:  Flächeninhalt, Innenwinkel, ..."},
    {"SpeedButton_Vierecksflaeche", "Viereck ABCD", "Viereck ABCD:  Flächeninhalt, Innenwinkel, ..."},
    {"SpeedButton_PrismavolumenABC", "V Prisma ABC", "Prismavolumen ABC_AS"},
    {"SpeedButton_PrismavolumenABCD", "V Prisma ABCD", "Prismavolumen ABCD_AS"},
    {"SpeedButton_Pyramidenvolumen1", "V Pyr. ABCS", "Pyramidenvolumen ABCS"},
    {"SpeedButton_Pyramidenvolumen2", "V Pyr. ABCDS", "Pyramidenvolumen ABCDS"},
    {"SpeedButton_Spatvolumen", "V Spat", "Spatvolumen"},
    {"SpeedButton_komplanarOAOBOC", "AB,AC,AD komplanar?", "Vektoren AB, AC, AD komplanar ?"},
}};
inline constexpr std::array<ButtonRow, 12> kIncidenceButtons = {{
    {"SpeedButton_S_mit_g", "S auf g ?", "Punktprobe S auf g"},
    {"SpeedButton_S_mit_h", "S auf h ?", "Punktprobe S auf h"},
    {"SpeedButton_S_mit_E1", "S auf E1 ?", "Punktprobe S auf E1"},
    {"SpeedButton_S_mit_E3", "S auf E3 ?", "Punktprobe S auf E3"},
    {"SpeedButton_g_mit_h", "g und h", "Lage der Geraden g und h"},
    {"SpeedButton_g_mit_g1", "g und g2", "Lage der Geraden g und g2"},
    {"SpeedButton_E1_mit_E2", "E1 und E2", "Lage der Ebenen E1 und E2"},
    {"SpeedButton_E3_mit_E4", "E3 und E4", "Lage der Ebenen E3 und E4"},
    {"SpeedButton_E1_mit_E3", "E1 und E3", "Lage der Ebenen E1 und E3"},
    {"SpeedButton_E1_mit_g", "E1 und g", "Lage von Ebene E1 und Gerade g"},
    {"SpeedButton_E3_mit_g", "E3 und g", "Lage von Ebene E3 und Gerade g"},
    {"SpeedButton_E5_mit_g", "E5 und g", "Lage von Ebene E5 und Gerade g"},
}};

}  // namespace inputwindow
