// Builds the control panel of the main window from tables: the groups, the
// check boxes, the speed buttons, the edits and the colour panels, each with
// its object name, caption, hint and default state.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <array>
#include <vector>

#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "core/canvas/ControlTables.h"
#include "gui/plot/PlotWindow.h"

namespace {

// --- icons of the speed buttons ---------------------------------------------

QPixmap blankIcon(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// The three axes as the given projection draws the unit vectors.
QIcon systemIcon(QPointF x, QPointF y, QPointF z) {
    QPixmap pm = blankIcon(28, 22);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF o(11, 14);
    const qreal s = 10;
    p.setPen(QPen(Qt::black, 1.5));
    for (const QPointF& axis : {x, y, z})
        p.drawLine(o, o + QPointF(axis.x() * s, -axis.y() * s));
    return QIcon(pm);
}

QIcon textIcon(const QString& text, int pointSize, bool bold = true, QColor colour = Qt::black) {
    QPixmap pm = blankIcon(24, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f;
    f.setPointSize(pointSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(pm.rect(), Qt::AlignCenter, text);
    return QIcon(pm);
}

// A coordinate plane (a parallelogram) crossed out.
QIcon planesOffIcon() {
    QPixmap pm = blankIcon(24, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x00, 0x82, 0xBF), 1.5));
    p.drawPolygon(QPolygonF({QPointF(3, 16), QPointF(15, 16), QPointF(21, 5), QPointF(9, 5)}));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(QPointF(5, 3), QPointF(19, 18));
    p.drawLine(QPointF(19, 3), QPointF(5, 18));
    return QIcon(pm);
}

QToolButton* makeToolButton(QWidget* parent, const char* name, const char* hint, QRect geometry) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setFocusPolicy(Qt::NoFocus);  // never takes the focus from a field being typed in
    b->setAutoRaise(false);
    b->setIconSize(QSize(24, 20));
    b->setGeometry(geometry);
    return b;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const char* title, QRect geometry) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(name);
    g->setGeometry(geometry);
    return g;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* e = new QLineEdit(QString::fromUtf8(text), parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setMaxLength(kMaxFieldLength);
    return e;
}

ColourPanel* makeColourPanel(QWidget* parent, const char* name, Colour colour, const char* hint, QRect geometry) {
    auto* p = new ColourPanel(colour, parent);
    p->setObjectName(name);
    p->setToolTip(QString::fromUtf8(hint));
    p->setGeometry(geometry);
    return p;
}

}  // namespace

QCheckBox* PlotWindow::box(const char* name) const {
    for (QCheckBox* b : checkBoxes_)
        if (b->objectName() == QLatin1String(name))
            return b;
    return nullptr;
}

QCheckBox* PlotWindow::box(bool ViewControls::*field) const {
    for (const CheckBoxRow& row : checkBoxTable())
        if (row.field == field)
            return box(row.name);
    return nullptr;
}

void PlotWindow::buildControlPanel(QWidget* panel) {
    // A compact face for the many captions of the 288-pixel panel.
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPointSize(8);
    panel->setFont(panelFont);

    // Top row: help and the input window.
    auto* info = makeGroup(panel, "GroupBox_Info", "  Info  ", {2, 0, 60, 48});
    helpButton_ = makeToolButton(info, "SpeedButton_Hilfe", "Hilfestellung und Info", {13, 17, 34, 26});
    helpButton_->setIcon(textIcon("?", 13, true, QColor(0, 0, 160)));

    auto* toInput = makeGroup(panel, "GroupBox_Eingaben", "  Zu den Eingaben ", {64, 0, 222, 48});
    inputWindowButton_ = makeToolButton(toInput, "SpeedButton_3DSys", "Zu den Eingaben (Punkte,Ebenen,...)",
                                    {10, 17, 202, 26});
    inputWindowButton_->setText(QStringLiteral("Punkte, Geraden, Ebenen …"));
    inputWindowButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);

    // Everything that changes the look of the coordinate system.
    auto* system = makeGroup(panel, "GroupBox_3DSystem", "3DSystem -  Eigenschaften ", {2, 50, 284, 398});

    auto* projection = makeGroup(system, "GroupBox_3DDarstellung", "  3D-Darstellung  ", {6, 18, 132, 48});
    systemButton1_ = makeToolButton(projection, "SpeedButton_3DSys1", "System 1", {8, 17, 36, 26});
    systemButton2_ = makeToolButton(projection, "SpeedButton_3DSys2", "System 2", {48, 17, 36, 26});
    systemButton3_ = makeToolButton(projection, "SpeedButton_3DSys3", "System 3", {88, 17, 36, 26});
    systemButton1_->setIcon(systemIcon({-0.5, -0.5}, {1, 0}, {0, 1}));
    systemButton2_->setIcon(systemIcon({-0.5, -0.25}, {1, 0}, {0, 1}));
    systemButton3_->setIcon(systemIcon({-0.63, -0.36}, {0.81, -0.18}, {0, 0.9}));
    systemGroup_ = new QButtonGroup(this);
    systemGroup_->setExclusive(true);
    int id = 1;
    for (QToolButton* b : {systemButton1_, systemButton2_, systemButton3_}) {
        b->setCheckable(true);
        systemGroup_->addButton(b, id++);
    }
    systemButton1_->setChecked(true);

    auto* zoom = makeGroup(system, "GroupBox_Zoomfaktor", " Zoomfaktor ", {144, 18, 134, 48});
    zoomList_ = new QComboBox(zoom);
    zoomList_->setObjectName("ComboBox_Zoomfaktor");
    zoomList_->setEditable(true);
    zoomList_->setInsertPolicy(QComboBox::NoInsert);
    for (const ZoomItem& item : kZoomItems) zoomList_->addItem(QString::fromLatin1(item.text));
    zoomList_->setCurrentIndex(2);
    zoomList_->setGeometry(10, 18, 112, 24);

    gridColourPanel_ = makeColourPanel(system, "Panel_HintergrundRasterFarbe",
                                         view_.controls.rasterPanelColour,
                                         "Farbe des Hintergrundrasters", {140, rowY(0), 18, 18});
    auto* shrinkLabel = new QLabel(QStringLiteral("System schrumpfen "), system);
    shrinkLabel->setObjectName("Label_schrumpfen");
    shrinkLabel->setGeometry(10, rowY(6), 116, 18);

    auto* rotate = makeGroup(system, "GroupBox_KOSdrehen", "  KOS drehen  ", {6, 206, 272, 52});
    rotateMinusButton_ = makeToolButton(rotate, "SpeedButton_Drehung_z_minus", "Drehwinkel kleiner",
                                              {118, 18, 30, 26});
    rotatePlusButton_ = makeToolButton(rotate, "SpeedButton_Drehung_z_plus", "Drehwinkel größer",
                                             {150, 18, 30, 26});
    rotationResetButton_ = makeToolButton(rotate, "SpeedButton_Drehung_auf_0", "Drehungen zurücknehmen",
                                            {182, 18, 30, 26});
    rotateMinusButton_->setIcon(textIcon(QStringLiteral("↻"), 14));
    rotatePlusButton_->setIcon(textIcon(QStringLiteral("↺"), 14));
    rotationResetButton_->setIcon(textIcon(QStringLiteral("0"), 11));
    rotationAngleEdit_ = makeEdit(rotate, "Edit_Drehwinkel_Achse", "0°", {216, 20, 48, 22});
    rotationAngleEdit_->setReadOnly(true);
    rotationAngleEdit_->setFocusPolicy(Qt::NoFocus);
    rotationAngleEdit_->setAlignment(Qt::AlignRight);

    auto* stretch = makeGroup(system, "GroupBox_Ebenenstrecken", " Ebenen strecken ", {6, 262, 272, 52});
    auto* factorLabel = new QLabel(QStringLiteral("Faktor"), stretch);
    factorLabel->setObjectName("Label_Faktor");
    factorLabel->setGeometry(190, 22, 40, 18);
    stretchFactorEdit_ = makeEdit(stretch, "Edit_Ebenenstreckfaktor", "2,0", {228, 20, 36, 22});

    auto* planes = makeGroup(system, "GroupBox_Koordinatenebenen", " Koordinatenebenen einzeichnen   ",
                         {6, 318, 272, 72});
    coordPlaneColourPanel_ = makeColourPanel(planes, "Panel_Koordinatenebenen", view_.coordPlaneColor,
                                    "Farbe der Koordinatenebenen", {152, 44, 18, 18});
    coordPlanesOffButton_ = makeToolButton(planes, "SpeedButton_KoordEbenen_aus",
                                              "Koordinatenebenen ausschalten", {234, 18, 30, 26});
    coordPlanesOffButton_->setIcon(planesOffIcon());

    auto* cube = makeGroup(panel, "GroupBox_Wuerfel", " Würfel (Ecke im Ursprung)   ", {2, 452, 284, 52});
    cubeEdgeEdit_ = makeEdit(cube, "Edit_Kantenlaenge", "8,0", {114, 20, 50, 22});
    cubeColourPanel_ = makeColourPanel(cube, "Panel_Wuerfelfarbe", view_.cubeColor, "Würfelfarbe", {176, 22, 18, 18});

    auto* parallel = makeGroup(panel, "GroupBox_Parallelebenen", " Parallelebenen  zu den KO-Ebenen ",
                           {2, 508, 284, 52});
    for (int i = 0; i < 3; ++i)
        parallelPlaneEdits_[i] = makeEdit(parallel, kParallelPlaneFields[std::size_t(i)].name,
                                    kParallelPlaneFields[std::size_t(i)].startup, {44 + 84 * i, 20, 40, 22});
    parallelPlaneColourPanel_ = makeColourPanel(parallel, "Panel_Parallelebenen", view_.parallelPlaneColor,
                                 "Farbe der Parallelebenen", {258, 22, 18, 18});

    auto* text = makeGroup(panel, "GroupBox_Text", " Text in die Grafik einfügen  ", {2, 564, 284, 54});
    pictureTextEdit_ = makeEdit(text, "Edit_Text_in_Grafik", "Gerade g", {8, 22, 220, 20});
    fontButton_ = makeToolButton(text, "SpeedButton_FontAuswahl", "Schriftattribute auswählen",
                                          {229, 19, 24, 26});
    fontButton_->setIcon(textIcon(QStringLiteral("A"), 12, true, QColor(0, 0, 200)));

    // The check boxes, in table order (which is also their tab order within a group).
    const std::array<QWidget*, 7> groups = {system, rotate, stretch, planes, cube, parallel, text};
    const ViewControls defaults;
    for (const CheckBoxRow& row : checkBoxTable()) {
        auto* b = new QCheckBox(QString::fromUtf8(row.caption), groups[static_cast<int>(row.group)]);
        b->setObjectName(row.name);
        if (*row.hint)
            b->setToolTip(QString::fromUtf8(row.hint));
        b->setChecked(defaults.*row.field);
        b->setGeometry(row.x, row.y, row.width, 18);
        checkBoxes_.push_back(b);
    }

    // Tab order: down the panel, each edit after the box it belongs to.
    const std::vector<QWidget*> tabOrder = {
        zoomList_, box("CheckBox_3D_Raster_mittel"), box("CheckBox_nur_positive_3D_Achsen"),
        box("CheckBox_keine_Achsen"), box("CheckBox_3DLinien_dick"), box("CheckBox_Vektor_dick"),
        box("CheckBox_Flaechen_schraffieren"), box("CheckBox_Spurpunkte"), box("CheckBox_PunktBeschriftung_gross"),
        box("CheckBox_SchnittModus"), box("CheckBox_schrumpf075"), box("CheckBox_schrumpf05"),
        box("CheckBox_schrumpf025"), box("CheckBox_x_Drehung"), box("CheckBox_y_Drehung"),
        box("CheckBox_z_Drehung"), box("CheckBox_EbenenZoomSx"), box("CheckBox_EbenenZoomSy"),
        box("CheckBox_EbenenZoomSz"), stretchFactorEdit_, box("CheckBox_xy_Ebene"),
        box("CheckBox_xz_Ebene"), box("CheckBox_yz_Ebene"), box("CheckBox_AutoFarben"), box("CheckBox_Wuerfel"),
        cubeEdgeEdit_, box("CheckBox_x_gleich_const"), parallelPlaneEdits_[0], box("CheckBox_y_gleich_const"),
        parallelPlaneEdits_[1], box("CheckBox_z_gleich_const"), parallelPlaneEdits_[2], pictureTextEdit_,
        box("CheckBox_Textmodus")};
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
}
