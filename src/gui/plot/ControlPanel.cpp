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

QPixmap BlankIcon(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// The three axes as the given projection draws the unit vectors.
QIcon SystemIcon(QPointF x, QPointF y, QPointF z) {
    QPixmap pm = BlankIcon(28, 22);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF o(11, 14);
    const qreal s = 10;
    p.setPen(QPen(Qt::black, 1.5));
    for (const QPointF& axis : {x, y, z})
        p.drawLine(o, o + QPointF(axis.x() * s, -axis.y() * s));
    return QIcon(pm);
}

QIcon TextIcon(const QString& text, int pointSize, bool bold = true, QColor colour = Qt::black) {
    QPixmap pm = BlankIcon(24, 20);
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
QIcon PlanesOffIcon() {
    QPixmap pm = BlankIcon(24, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x00, 0x82, 0xBF), 1.5));
    p.drawPolygon(QPolygonF({QPointF(3, 16), QPointF(15, 16), QPointF(21, 5), QPointF(9, 5)}));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(QPointF(5, 3), QPointF(19, 18));
    p.drawLine(QPointF(19, 3), QPointF(5, 18));
    return QIcon(pm);
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* hint, QRect geometry) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setFocusPolicy(Qt::NoFocus);  // never takes the focus from a field being typed in
    b->setAutoRaise(false);
    b->setIconSize(QSize(24, 20));
    b->setGeometry(geometry);
    return b;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title, QRect geometry) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(name);
    g->setGeometry(geometry);
    return g;
}

QLineEdit* Edit(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* e = new QLineEdit(QString::fromUtf8(text), parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setMaxLength(kMaxFieldLength);
    return e;
}

ColourPanel* Panel(QWidget* parent, const char* name, Colour colour, const char* hint, QRect geometry) {
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
    for (const CheckBoxRow& row : CheckBoxTable())
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
    auto* info = Group(panel, "GroupBox_Info", "  Info  ", {2, 0, 60, 48});
    SpeedButton_Hilfe = SpeedButton(info, "SpeedButton_Hilfe", "Hilfestellung und Info", {13, 17, 34, 26});
    SpeedButton_Hilfe->setIcon(TextIcon("?", 13, true, QColor(0, 0, 160)));

    auto* toInput = Group(panel, "GroupBox_Eingaben", "  Zu den Eingaben ", {64, 0, 222, 48});
    SpeedButton_3DSys = SpeedButton(toInput, "SpeedButton_3DSys", "Zu den Eingaben (Punkte,Ebenen,...)",
                                    {10, 17, 202, 26});
    SpeedButton_3DSys->setText(QStringLiteral("Punkte, Geraden, Ebenen …"));
    SpeedButton_3DSys->setToolButtonStyle(Qt::ToolButtonTextOnly);

    // Everything that changes the look of the coordinate system.
    auto* system = Group(panel, "GroupBox_3DSystem", "3DSystem -  Eigenschaften ", {2, 50, 284, 398});

    auto* projection = Group(system, "GroupBox_3DDarstellung", "  3D-Darstellung  ", {6, 18, 132, 48});
    SpeedButton_3DSys1 = SpeedButton(projection, "SpeedButton_3DSys1", "System 1", {8, 17, 36, 26});
    SpeedButton_3DSys2 = SpeedButton(projection, "SpeedButton_3DSys2", "System 2", {48, 17, 36, 26});
    SpeedButton_3DSys3 = SpeedButton(projection, "SpeedButton_3DSys3", "System 3", {88, 17, 36, 26});
    SpeedButton_3DSys1->setIcon(SystemIcon({-0.5, -0.5}, {1, 0}, {0, 1}));
    SpeedButton_3DSys2->setIcon(SystemIcon({-0.5, -0.25}, {1, 0}, {0, 1}));
    SpeedButton_3DSys3->setIcon(SystemIcon({-0.63, -0.36}, {0.81, -0.18}, {0, 0.9}));
    systemGroup_ = new QButtonGroup(this);
    systemGroup_->setExclusive(true);
    int id = 1;
    for (QToolButton* b : {SpeedButton_3DSys1, SpeedButton_3DSys2, SpeedButton_3DSys3}) {
        b->setCheckable(true);
        systemGroup_->addButton(b, id++);
    }
    SpeedButton_3DSys1->setChecked(true);

    auto* zoom = Group(system, "GroupBox_Zoomfaktor", " Zoomfaktor ", {144, 18, 134, 48});
    ComboBox_Zoomfaktor = new QComboBox(zoom);
    ComboBox_Zoomfaktor->setObjectName("ComboBox_Zoomfaktor");
    ComboBox_Zoomfaktor->setEditable(true);
    ComboBox_Zoomfaktor->setInsertPolicy(QComboBox::NoInsert);
    for (const ZoomItem& item : kZoomItems) ComboBox_Zoomfaktor->addItem(QString::fromLatin1(item.text));
    ComboBox_Zoomfaktor->setCurrentIndex(2);
    ComboBox_Zoomfaktor->setGeometry(10, 18, 112, 24);

    Panel_HintergrundRasterFarbe = Panel(system, "Panel_HintergrundRasterFarbe",
                                         view_.controls.rasterPanelColour,
                                         "Farbe des Hintergrundrasters", {140, RowY(0), 18, 18});
    auto* shrinkLabel = new QLabel(QStringLiteral("System schrumpfen "), system);
    shrinkLabel->setObjectName("Label_schrumpfen");
    shrinkLabel->setGeometry(10, RowY(6), 116, 18);

    auto* rotate = Group(system, "GroupBox_KOSdrehen", "  KOS drehen  ", {6, 206, 272, 52});
    SpeedButton_Drehung_z_minus = SpeedButton(rotate, "SpeedButton_Drehung_z_minus", "Drehwinkel kleiner",
                                              {118, 18, 30, 26});
    SpeedButton_Drehung_z_plus = SpeedButton(rotate, "SpeedButton_Drehung_z_plus", "Drehwinkel größer",
                                             {150, 18, 30, 26});
    SpeedButton_Drehung_auf_0 = SpeedButton(rotate, "SpeedButton_Drehung_auf_0", "Drehungen zurücknehmen",
                                            {182, 18, 30, 26});
    SpeedButton_Drehung_z_minus->setIcon(TextIcon(QStringLiteral("↻"), 14));
    SpeedButton_Drehung_z_plus->setIcon(TextIcon(QStringLiteral("↺"), 14));
    SpeedButton_Drehung_auf_0->setIcon(TextIcon(QStringLiteral("0"), 11));
    Edit_Drehwinkel_Achse = Edit(rotate, "Edit_Drehwinkel_Achse", "0°", {216, 20, 48, 22});
    Edit_Drehwinkel_Achse->setReadOnly(true);
    Edit_Drehwinkel_Achse->setFocusPolicy(Qt::NoFocus);
    Edit_Drehwinkel_Achse->setAlignment(Qt::AlignRight);

    auto* stretch = Group(system, "GroupBox_Ebenenstrecken", " Ebenen strecken ", {6, 262, 272, 52});
    auto* factorLabel = new QLabel(QStringLiteral("Faktor"), stretch);
    factorLabel->setObjectName("Label_Faktor");
    factorLabel->setGeometry(190, 22, 40, 18);
    Edit_Ebenenstreckfaktor = Edit(stretch, "Edit_Ebenenstreckfaktor", "2,0", {228, 20, 36, 22});

    auto* planes = Group(system, "GroupBox_Koordinatenebenen", " Koordinatenebenen einzeichnen   ",
                         {6, 318, 272, 72});
    Panel_Koordinatenebenen = Panel(planes, "Panel_Koordinatenebenen", view_.coordPlaneColor,
                                    "Farbe der Koordinatenebenen", {152, 44, 18, 18});
    SpeedButton_KoordEbenen_aus = SpeedButton(planes, "SpeedButton_KoordEbenen_aus",
                                              "Koordinatenebenen ausschalten", {234, 18, 30, 26});
    SpeedButton_KoordEbenen_aus->setIcon(PlanesOffIcon());

    auto* cube = Group(panel, "GroupBox_Wuerfel", " Würfel (Ecke im Ursprung)   ", {2, 452, 284, 52});
    Edit_Kantenlaenge = Edit(cube, "Edit_Kantenlaenge", "8,0", {114, 20, 50, 22});
    Panel_Wuerfelfarbe = Panel(cube, "Panel_Wuerfelfarbe", view_.cubeColor, "Würfelfarbe", {176, 22, 18, 18});

    auto* parallel = Group(panel, "GroupBox_Parallelebenen", " Parallelebenen  zu den KO-Ebenen ",
                           {2, 508, 284, 52});
    for (int i = 0; i < 3; ++i)
        Edit_gleich_const[i] = Edit(parallel, kParallelPlaneFields[std::size_t(i)].name,
                                    kParallelPlaneFields[std::size_t(i)].startup, {44 + 84 * i, 20, 40, 22});
    Panel_Parallelebenen = Panel(parallel, "Panel_Parallelebenen", view_.parallelPlaneColor,
                                 "Farbe der Parallelebenen", {258, 22, 18, 18});

    auto* text = Group(panel, "GroupBox_Text", " Text in die Grafik einfügen  ", {2, 564, 284, 54});
    Edit_Text_in_Grafik = Edit(text, "Edit_Text_in_Grafik", "Gerade g", {8, 22, 220, 20});
    SpeedButton_FontAuswahl = SpeedButton(text, "SpeedButton_FontAuswahl", "Schriftattribute auswählen",
                                          {229, 19, 24, 26});
    SpeedButton_FontAuswahl->setIcon(TextIcon(QStringLiteral("A"), 12, true, QColor(0, 0, 200)));

    // The check boxes, in table order (which is also their tab order within a group).
    const std::array<QWidget*, 7> groups = {system, rotate, stretch, planes, cube, parallel, text};
    const ViewControls defaults;
    for (const CheckBoxRow& row : CheckBoxTable()) {
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
        ComboBox_Zoomfaktor, box("CheckBox_3D_Raster_mittel"), box("CheckBox_nur_positive_3D_Achsen"),
        box("CheckBox_keine_Achsen"), box("CheckBox_3DLinien_dick"), box("CheckBox_Vektor_dick"),
        box("CheckBox_Flaechen_schraffieren"), box("CheckBox_Spurpunkte"), box("CheckBox_PunktBeschriftung_gross"),
        box("CheckBox_SchnittModus"), box("CheckBox_schrumpf075"), box("CheckBox_schrumpf05"),
        box("CheckBox_schrumpf025"), box("CheckBox_x_Drehung"), box("CheckBox_y_Drehung"),
        box("CheckBox_z_Drehung"), box("CheckBox_EbenenZoomSx"), box("CheckBox_EbenenZoomSy"),
        box("CheckBox_EbenenZoomSz"), Edit_Ebenenstreckfaktor, box("CheckBox_xy_Ebene"),
        box("CheckBox_xz_Ebene"), box("CheckBox_yz_Ebene"), box("CheckBox_AutoFarben"), box("CheckBox_Wuerfel"),
        Edit_Kantenlaenge, box("CheckBox_x_gleich_const"), Edit_gleich_const[0], box("CheckBox_y_gleich_const"),
        Edit_gleich_const[1], box("CheckBox_z_gleich_const"), Edit_gleich_const[2], Edit_Text_in_Grafik,
        box("CheckBox_Textmodus")};
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
}
