#pragma once
// The widgets of the input window, grouped by kind, as the layout code
// builds them and the handlers use them. Internal to the input window.
#include <array>

#include "gui/input/InputWindow.h"

class QCheckBox;
class QLineEdit;
class QToolButton;

struct InputWindow::Fields {
    using Triple = std::array<QLineEdit*, 3>;

    std::array<QLineEdit*, PointCount> pointName{};
    std::array<Triple, PointCount> pointCoord{};
    std::array<QCheckBox*, PointCount> drawPointBox{};
    std::array<QCheckBox*, PointCount> pathBox{};     // null for P and Q
    std::array<QCheckBox*, VectorCount> vectorBox{};
    QCheckBox* segmentBox = nullptr;

    // Read-only derived fields.
    Triple ad{}, p5{}, u5{}, v5{}, ug1{}, vg1{};

    Triple ug{}, vg{}, uh{}, vh{};
    QLineEdit* t1 = nullptr;
    QLineEdit* t2 = nullptr;
    QLineEdit* deltaT = nullptr;

    std::array<std::array<QLineEdit*, 4>, 3> planeCoeff{};   // [1], [2]: a, b, c, d
    std::array<Triple, PlaneSlots> planeP{}, planeU{}, planeV{};  // [3], [4]; [5] = p5, u5, v5

    QCheckBox* familyBox = nullptr;
    std::array<QCheckBox*, LineSlots> lineBox{};
    std::array<QCheckBox*, PlaneSlots> planeBox{};
    std::array<QCheckBox*, BodySlots> bodyBox{};
    QCheckBox* spatVectorsBox = nullptr;
    QCheckBox* coplanarBox = nullptr;
    QCheckBox* workingBox = nullptr;   // CheckBox_Rechenweg

    ColourPanel* pointPanel = nullptr;
    ColourPanel* bodyPanel = nullptr;
    std::array<ColourPanel*, LineSlots> linePanel{};
    std::array<ColourPanel*, PlaneSlots> planePanel{};

    QToolButton* drawButton = nullptr;
    QToolButton* defaultsButton = nullptr;
    QToolButton* clearOutputButton = nullptr;
};
