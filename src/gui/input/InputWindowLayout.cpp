// Building the widgets of the input window from the tables. No behaviour
// here except what a widget is by kind (read-only, no focus, ...).
#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/input/InputWindowFields.h"
#include "core/model/InputWindowTables.h"

using namespace inputwindow;

namespace {

constexpr int kFieldWidth = 31;     // room for about five characters at 8 points
constexpr int kNameWidth = 28;      // point names have at most three

QString axisName(int axis) { return QString::fromLatin1(kAxisLetters[std::size_t(axis)]); }

QLineEdit* makeEdit(QWidget* parent, const QString& name, int width = kFieldWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    edit->setMaxLength(kMaxFieldLength);
    return edit;
}

// A derived field: shown, never typed into, and not in the Tab chain (the
// window passes a click on to the field it comes from).
QLineEdit* makeDerivedEdit(QWidget* parent, const QString& name) {
    QLineEdit* edit = makeEdit(parent, name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    // The field is narrow and cannot be scrolled (a click passes on to the
    // source field): the hint shows the whole number.
    QObject::connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
    return edit;
}

std::array<QLineEdit*, 3> makeTriple(QWidget* parent, const QString& prefix, bool derived = false) {
    std::array<QLineEdit*, 3> triple{};
    for (int a = 0; a < 3; ++a) {
        const QString name = QStringLiteral("Edit_") + prefix + axisName(a);
        triple[std::size_t(a)] = derived ? makeDerivedEdit(parent, name) : makeEdit(parent, name);
    }
    return triple;
}

QCheckBox* makeBox(QWidget* parent, const QString& name, const QString& caption = {},
                   const QString& hint = {}) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    if (!hint.isEmpty()) box->setToolTip(hint);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& hint = {}) {
    auto* label = new QLabel(text, parent);
    if (!hint.isEmpty()) label->setToolTip(hint);
    return label;
}

// Speed buttons never take the focus, so pressing one does not commit the
// field being edited.
QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& caption,
                             const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* makeToolButton(QWidget* parent, const ButtonRow& row) {
    return makeToolButton(parent, QString::fromUtf8(row.objectName), QString::fromUtf8(row.caption),
                           QString::fromUtf8(row.hint));
}

ColourPanel* makePanel(QWidget* parent, const PanelRow& row) {
    auto* panel = new ColourPanel(row.colour, parent);
    panel->setObjectName(QString::fromLatin1(row.objectName));
    panel->setToolTip(QString::fromUtf8(row.hint));
    return panel;
}

QGroupBox* makeGroup(QWidget* parent, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    return group;
}

void addTriple(QHBoxLayout* row, const std::array<QLineEdit*, 3>& triple) {
    for (QLineEdit* edit : triple) row->addWidget(edit);
}

QHBoxLayout* makeRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

// Puts the widgets into the Tab chain one after the other, in this order.
void chainTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

// The picture of the draw button: three axes in oblique view.
QIcon drawIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.drawLine(8, 16, 22, 16);   // y axis
    painter.drawLine(8, 16, 8, 2);     // z axis
    painter.drawLine(8, 16, 2, 22);    // x axis
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawLine(4, 9, 20, 5);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(QPointF(15, 10), 2.5, 2.5);
    return QIcon(pixmap);
}

}  // namespace

void InputWindow::buildLayout() {
    Fields& f = *fields_;
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(3, 3, 3, 3);
    columns->setSpacing(3);
    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    left->setSpacing(2);
    middle->setSpacing(2);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right, 1);

    // Points and vectors.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Punkte und Vektoren "));
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(2);
        grid->setVerticalSpacing(1);
        grid->setContentsMargins(4, 2, 4, 2);
        grid->addWidget(makeLabel(group, QStringLiteral("Ko"), QStringLiteral("Koordinatenzüge der Punkte einzeichnen")), 0, 0);
        grid->addWidget(makeLabel(group, QStringLiteral("be"), QStringLiteral("Punkte beschriften")), 0, 1);
        grid->addWidget(makeLabel(group, QStringLiteral("Name")), 0, 2);
        for (int a = 0; a < 3; ++a) grid->addWidget(makeLabel(group, axisName(a)), 0, 3 + a, Qt::AlignHCenter);
        grid->addWidget(makeLabel(group, QStringLiteral("Vektor")), 0, 6);
        f.pointPanel = makePanel(group, kPointPanel);
        grid->addWidget(f.pointPanel, 0, 7);

        for (int i = 0; i < PointCount; ++i) {
            const PointRow& row = kPoints[std::size_t(i)];
            const QString suffix = QString::fromLatin1(row.suffix);
            const QString letter = QString::fromLatin1(row.name);
            const int r = 1 + i;
            if (i < kPointsWithPaths) {
                f.pathBox[std::size_t(i)] = makeBox(group, QStringLiteral("CheckBox_Punkt%1_KO_Zuege").arg(suffix), {},
                                                    QStringLiteral("Koordinatenzug von %1 einzeichnen").arg(letter));
                grid->addWidget(f.pathBox[std::size_t(i)], r, 0);
            }
            f.drawPointBox[std::size_t(i)] = makeBox(group, QStringLiteral("CheckBox_Punkt%1_zeichnen").arg(suffix), {},
                                                     QStringLiteral("Punkt %1 zeichnen und beschriften").arg(letter));
            grid->addWidget(f.drawPointBox[std::size_t(i)], r, 1);
            f.pointName[std::size_t(i)] = makeEdit(group, QStringLiteral("Edit_Punkt%1").arg(suffix), kNameWidth);
            f.pointName[std::size_t(i)]->setText(letter);
            grid->addWidget(f.pointName[std::size_t(i)], r, 2);
            for (int a = 0; a < 3; ++a) {
                QLineEdit* edit = makeEdit(group, QStringLiteral("Edit_Punkt%1_%2").arg(suffix, axisName(a)));
                f.pointCoord[std::size_t(i)][std::size_t(a)] = edit;
                grid->addWidget(edit, r, 3 + a);
            }
        }
        // Each connection sits in the row of its start point.
        const std::array<int, VectorCount> startRow = {PointA, PointB, PointC, PointD, PointE, PointF, PointP};
        for (int v = 0; v < VectorCount; ++v) {
            const VectorRow& row = kVectors[std::size_t(v)];
            f.vectorBox[std::size_t(v)] = makeBox(group, QStringLiteral("CheckBox_Vektor%1").arg(QLatin1String(row.name)),
                                                  QString::fromLatin1(row.name), QString::fromUtf8(row.hint));
            grid->addWidget(f.vectorBox[std::size_t(v)], 1 + startRow[std::size_t(v)], 6, 1, 2);
        }
        // Tab runs along each row, ending at the row's vector box.
        std::vector<QWidget*> tabOrder;
        for (std::size_t i = 0; i < PointCount; ++i) {
            if (f.pathBox[i]) tabOrder.push_back(f.pathBox[i]);
            tabOrder.push_back(f.drawPointBox[i]);
            tabOrder.push_back(f.pointName[i]);
            for (QLineEdit* edit : f.pointCoord[i]) tabOrder.push_back(edit);
            for (std::size_t v = 0; v < VectorCount; ++v)
                if (startRow[v] == int(i)) tabOrder.push_back(f.vectorBox[v]);
        }
        const int adRow = 1 + PointCount;
        grid->addWidget(makeLabel(group, QStringLiteral("AD =")), adRow, 1, 1, 2, Qt::AlignRight);
        f.ad = makeTriple(group, QStringLiteral("AD"), true);
        for (int a = 0; a < 3; ++a) grid->addWidget(f.ad[std::size_t(a)], adRow, 3 + a);
        f.segmentBox = makeBox(group, QStringLiteral("CheckBox_Strecke_statt_Vektor"), QStringLiteral("Strecke"),
                               QStringLiteral("Strecken statt Vektoren zeichnen"));
        grid->addWidget(f.segmentBox, adRow, 6, 1, 2);
        tabOrder.push_back(f.segmentBox);
        chainTabOrder(tabOrder);
        left->addWidget(group);
    }

    // Polygons and bodies.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Vielecke und Körper  "));
        auto* grid = new QGridLayout(group);
        grid->setVerticalSpacing(0);
        grid->setContentsMargins(4, 2, 4, 2);
        for (int b = 1; b < BodySlots; ++b) {
            const BodyRow& row = kBodies[std::size_t(b - 1)];
            f.bodyBox[std::size_t(b)] = makeBox(group, QString::fromLatin1(row.objectName), QString::fromUtf8(row.caption));
            grid->addWidget(f.bodyBox[std::size_t(b)], b - 1, 0);
        }
        f.spatVectorsBox = makeBox(group, QStringLiteral("CheckBox_Spatvektoren_zeichnen"), {},
                                   QStringLiteral("Spatvektoren einzeichnen"));
        grid->addWidget(f.spatVectorsBox, BodySpat - 1, 1);
        f.bodyPanel = makePanel(group, kBodyPanel);
        grid->addWidget(f.bodyPanel, 0, 1);
        grid->setColumnStretch(0, 1);
        left->addWidget(group);
    }

    // Control.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Steuerung  "));
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(4, 2, 4, 2);
        f.drawButton = makeToolButton(group, QStringLiteral("SpeedButton_OK_zeichne"), {},
                                       QStringLiteral("Zeichnen"));
        f.drawButton->setIcon(drawIcon());
        f.drawButton->setIconSize(QSize(24, 24));
        f.defaultsButton = makeToolButton(group, QStringLiteral("SpeedButton_Standardwerte3D2"),
                                           QStringLiteral("Standardwerte"),
                                           QStringLiteral("auf Standardwerte zurückstellen"));
        row->addWidget(f.drawButton);
        row->addWidget(f.defaultsButton);
        row->addStretch(1);
        left->addWidget(group);
    }
    left->addStretch(1);

    // Lines.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Geraden  "));
        auto* box = new QVBoxLayout(group);
        box->setSpacing(1);
        box->setContentsMargins(4, 2, 4, 2);

        QGroupBox* family = makeGroup(group, QStringLiteral("Gerade g / Geradenschar gt "));
        auto* familyRows = new QVBoxLayout(family);
        familyRows->setSpacing(1);
        familyRows->setContentsMargins(4, 2, 4, 2);
        {
            QHBoxLayout* row = makeRow();
            f.lineBox[LineG] = makeBox(family, QStringLiteral("CheckBox_Gerade_g"), QStringLiteral("g"));
            row->addWidget(f.lineBox[LineG]);
            QLabel* caption = makeLabel(family, QStringLiteral("t:  x ="));
            row->addWidget(caption);
            f.ug = makeTriple(family, QString::fromLatin1(kSupportG.prefix));
            f.vg = makeTriple(family, QString::fromLatin1(kDirectionG.prefix));
            row->addWidget(makeLabel(family, QStringLiteral("(")));
            addTriple(row, f.ug);
            row->addWidget(makeLabel(family, QStringLiteral(")+λ(")));
            addTriple(row, f.vg);
            row->addWidget(makeLabel(family, QStringLiteral(")")));
            row->addStretch(1);
            f.linePanel[LineG] = makePanel(family, kLinePanels[LineG]);
            row->addWidget(f.linePanel[LineG]);
            row->addWidget(makeToolButton(family, kLineOutputButtons[0]));
            familyRows->addLayout(row);
        }
        {
            QHBoxLayout* row = makeRow();
            f.familyBox = makeBox(family, QStringLiteral("CheckBox_Geradenschar"),
                                  QStringLiteral("Schar zeichnen / t verwenden"));
            row->addWidget(f.familyBox);
            row->addSpacing(8);
            row->addWidget(makeLabel(family, QStringLiteral("t  von")));
            f.t1 = makeEdit(family, QStringLiteral("Edit_t1"));
            row->addWidget(f.t1);
            row->addWidget(makeLabel(family, QStringLiteral("bis")));
            f.t2 = makeEdit(family, QStringLiteral("Edit_t2"));
            row->addWidget(f.t2);
            row->addWidget(makeLabel(family, QStringLiteral("Δt =")));
            f.deltaT = makeEdit(family, QStringLiteral("Edit_Delta_t"));
            row->addWidget(f.deltaT);
            row->addStretch(1);
            familyRows->addLayout(row);
        }
        box->addWidget(family);

        auto lineRow = [&](int number, const QString& boxName, const QString& caption, const QString& after,
                           const std::array<QLineEdit*, 3>& support, const std::array<QLineEdit*, 3>& direction) {
            QHBoxLayout* row = makeRow();
            row->setContentsMargins(5, 0, 5, 0);
            f.lineBox[std::size_t(number)] = makeBox(group, boxName, caption);
            row->addWidget(f.lineBox[std::size_t(number)]);
            if (!after.isEmpty()) row->addWidget(makeLabel(group, after));
            row->addStretch(1);
            row->addWidget(makeLabel(group, QStringLiteral("(")));
            addTriple(row, support);
            row->addWidget(makeLabel(group, QStringLiteral(")+λ(")));
            addTriple(row, direction);
            row->addWidget(makeLabel(group, QStringLiteral(")")));
            row->addStretch(1);
            f.linePanel[std::size_t(number)] = makePanel(group, kLinePanels[std::size_t(number)]);
            row->addWidget(f.linePanel[std::size_t(number)]);
            row->addWidget(makeToolButton(group, kLineOutputButtons[std::size_t(number - 1)]));
            box->addLayout(row);
        };
        f.uh = makeTriple(group, QString::fromLatin1(kSupportH.prefix));
        f.vh = makeTriple(group, QString::fromLatin1(kDirectionH.prefix));
        lineRow(LineH, QStringLiteral("CheckBox_Gerade_h"), QStringLiteral("h:  x ="), {}, f.uh, f.vh);
        chainTabOrder({f.lineBox[LineH], f.uh[0], f.uh[1], f.uh[2], f.vh[0], f.vh[1], f.vh[2]});
        f.ug1 = makeTriple(group, QStringLiteral("ug1"), true);
        f.vg1 = makeTriple(group, QStringLiteral("vg1"), true);
        lineRow(LineG2, QStringLiteral("CheckBox_Gerade_g2"), QStringLiteral("g"), QStringLiteral("2:  x ="), f.ug1, f.vg1);
        {
            QHBoxLayout* row = makeRow();
            row->addStretch(1);
            row->addWidget(makeLabel(group, QStringLiteral("g2 = Gerade PQ:   OP + λ·PQ")));
            row->addStretch(1);
            box->addLayout(row);
        }
        middle->addWidget(group);
    }

    // Planes.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Ebenen in Koordinaten- und Parameterform  "));
        // One column for the five plane boxes, as wide as the widest caption.
        int captionWidth = 0;
        for (const char* caption : {"E3:   x =", "E5:  x ="})
        {
            QCheckBox probe(QString::fromLatin1(caption));
            probe.setFont(group->font());
            captionWidth = std::max(captionWidth, probe.sizeHint().width());
        }
        auto* box = new QVBoxLayout(group);
        box->setSpacing(1);
        box->setContentsMargins(4, 2, 4, 2);
        for (const CoordinatePlaneRow& plane : kCoordinatePlanes) {
            const int n = plane.number;
            QHBoxLayout* row = makeRow();
            f.planeBox[std::size_t(n)] = makeBox(group, QStringLiteral("CheckBox_Ebene%1_zeichnen").arg(n),
                                                 QStringLiteral("E%1:").arg(n));
            f.planeBox[std::size_t(n)]->setFixedWidth(captionWidth);
            row->addWidget(f.planeBox[std::size_t(n)]);
            const std::array<const char*, 4> after = {" x +", " y +", " z =", ""};
            for (int k = 0; k < 4; ++k) {
                QLineEdit* edit = makeEdit(group, QStringLiteral("Edit_%1%2").arg(QLatin1String(kCoefficientLetters[std::size_t(k)])).arg(n));
                f.planeCoeff[std::size_t(n)][std::size_t(k)] = edit;
                row->addWidget(edit);
                if (*after[std::size_t(k)]) row->addWidget(makeLabel(group, QString::fromLatin1(after[std::size_t(k)])));
            }
            row->addStretch(1);
            f.planePanel[std::size_t(n)] = makePanel(group, kPlanePanels[std::size_t(n)]);
            row->addWidget(f.planePanel[std::size_t(n)]);
            row->addWidget(makeToolButton(group, kPlaneOutputButtons[std::size_t(n - 1)]));
            box->addLayout(row);
        }
        f.p5 = makeTriple(group, QStringLiteral("p5"), true);
        f.u5 = makeTriple(group, QStringLiteral("u5"), true);
        f.v5 = makeTriple(group, QStringLiteral("v5"), true);
        for (const ParameterPlaneRow& plane : kParameterPlanes) {
            const int n = plane.number;
            f.planeP[std::size_t(n)] = makeTriple(group, QStringLiteral("p%1").arg(n));
            f.planeU[std::size_t(n)] = makeTriple(group, QStringLiteral("u%1").arg(n));
            f.planeV[std::size_t(n)] = makeTriple(group, QStringLiteral("v%1").arg(n));
        }
        f.planeP[PlaneE5] = f.p5;
        f.planeU[PlaneE5] = f.u5;
        f.planeV[PlaneE5] = f.v5;
        for (int n = PlaneE3; n <= PlaneE5; ++n) {
            QHBoxLayout* row = makeRow();
            const QString caption = n == PlaneE5 ? QStringLiteral("E5:  x =") : QStringLiteral("E%1:   x =").arg(n);
            f.planeBox[std::size_t(n)] = makeBox(group, QStringLiteral("CheckBox_Ebene%1_zeichnen").arg(n), caption);
            f.planeBox[std::size_t(n)]->setFixedWidth(captionWidth);
            row->addWidget(f.planeBox[std::size_t(n)]);
            row->addWidget(makeLabel(group, QStringLiteral("(")));
            addTriple(row, f.planeP[std::size_t(n)]);
            row->addWidget(makeLabel(group, QStringLiteral(")+λ(")));
            addTriple(row, f.planeU[std::size_t(n)]);
            row->addWidget(makeLabel(group, QStringLiteral(")+μ(")));
            addTriple(row, f.planeV[std::size_t(n)]);
            row->addWidget(makeLabel(group, QStringLiteral(")")));
            row->addStretch(1);
            f.planePanel[std::size_t(n)] = makePanel(group, kPlanePanels[std::size_t(n)]);
            row->addWidget(f.planePanel[std::size_t(n)]);
            row->addWidget(makeToolButton(group, kPlaneOutputButtons[std::size_t(n - 1)]));
            box->addLayout(row);
        }
        {
            // The fields of E3 and E4 were made before their boxes: Tab
            // still goes from each box along its own row.
            std::vector<QWidget*> tabOrder;
            for (int n = PlaneE3; n <= PlaneE5; ++n) {
                tabOrder.push_back(f.planeBox[std::size_t(n)]);
                if (n == PlaneE5) break;
                for (const auto* triple : {&f.planeP[std::size_t(n)], &f.planeU[std::size_t(n)], &f.planeV[std::size_t(n)]})
                    tabOrder.insert(tabOrder.end(), triple->begin(), triple->end());
            }
            chainTabOrder(tabOrder);
        }
        {
            // What E5 is made of, under its three vectors.
            QHBoxLayout* row = makeRow();
            QLabel* abc = makeLabel(group, QStringLiteral("ABC"), QStringLiteral("E5 ist die Ebene durch A, B und C"));
            abc->setFixedWidth(captionWidth);
            abc->setAlignment(Qt::AlignCenter);
            row->addWidget(abc);
            const std::array<const char*, 3> names = {"OA", "AB", "AC"};
            for (const char* name : names) {
                QLabel* label = makeLabel(group, QString::fromLatin1(name));
                label->setFixedWidth(3 * kFieldWidth + 4);
                label->setAlignment(Qt::AlignCenter);
                row->addSpacing(12);
                row->addWidget(label);
            }
            row->addStretch(1);
            box->addLayout(row);
        }
        middle->addWidget(group);
    }

    // Calculations.
    {
        QGroupBox* group = makeGroup(this, QStringLiteral("  Berechnungen durchführen  "));
        auto* grid = new QGridLayout(group);
        grid->setSpacing(2);
        grid->setContentsMargins(4, 2, 4, 2);
        constexpr int kColumns = 4;
        int index = 0;
        auto place = [&](const ButtonRow& row) {
            QToolButton* button = makeToolButton(group, row);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            grid->addWidget(button, index / kColumns, index % kColumns);
            ++index;
        };
        for (const ButtonRow& row : kIncidenceButtons) place(row);
        for (const ButtonRow& row : kMeasureButtons) place(row);
        const int last = (index + kColumns - 1) / kColumns;
        f.coplanarBox = makeBox(group, QStringLiteral("CheckBox_komplanar_grafisch"),
                                QStringLiteral("Komplanarität AD=rAB+tAC grafisch"));
        grid->addWidget(f.coplanarBox, last, 0, 1, 2);
        QLabel* r = makeLabel(group, QString::fromUtf8(kCoplanarLabelR));
        r->setObjectName(QStringLiteral("Label_kompl_r"));
        QLabel* t = makeLabel(group, QString::fromUtf8(kCoplanarLabelT));
        t->setObjectName(QStringLiteral("Label_kompl_t"));
        grid->addWidget(r, last, 2);
        grid->addWidget(t, last, 3);
        // While checked, every button above writes its working first.
        f.workingBox = makeBox(group, QStringLiteral("CheckBox_Rechenweg"), QStringLiteral("Rechenweg anzeigen"),
                               QStringLiteral("Vor jedem Ergebnis den Rechenweg mit exakten Brüchen ausgeben"));
        grid->addWidget(f.workingBox, last + 1, 0, 1, kColumns);
        middle->addWidget(group);
    }
    middle->addStretch(1);

    // Output area.
    {
        QHBoxLayout* row = makeRow();
        row->addWidget(makeLabel(this, QStringLiteral("Ausgaben")));
        row->addStretch(1);
        f.clearOutputButton = makeToolButton(this, QStringLiteral("SpeedButton_ClearRichEdit"),
                                              QStringLiteral("löschen"), QStringLiteral("Ausgabefenster löschen"));
        row->addWidget(f.clearOutputButton);
        right->addLayout(row);
        outputArea_ = new QTextEdit(this);
        outputArea_->setObjectName(QStringLiteral("RichEditOut"));
        outputArea_->setMinimumWidth(220);
        right->addWidget(outputArea_, 1);
    }
}
