// The input window: start-up, defaults, colour panels, layout, focus.
#include <QColorDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "InputTestSupport.h"
#include "core/output/OutputLog.h"
#include "gui/output/RichEditOutputLog.h"
#include "core/numbers/Evaluator.h"

namespace {

QString fieldText(InputWindow& w, const char* name) { return w.edit(QString::fromLatin1(name))->text(); }

TEST_F(InputWindowTest, StartupShowsDerivedFields) {
    const std::pair<const char*, const char*> expected[] = {
        {"Edit_ADx", "2"},  {"Edit_ADy", "0"},  {"Edit_ADz", "7"},
        {"Edit_p5x", "4"},  {"Edit_p5y", "0"},  {"Edit_p5z", "0"},
        {"Edit_u5x", "-4"}, {"Edit_u5y", "6"},  {"Edit_u5z", "0"},
        {"Edit_v5x", "-4"}, {"Edit_v5y", "0"},  {"Edit_v5z", "8"},
        {"Edit_ug1x", "5"}, {"Edit_ug1y", "0"}, {"Edit_ug1z", "2"},
        {"Edit_vg1x", "-5"}, {"Edit_vg1y", "6"}, {"Edit_vg1z", "5"},
        {"Edit_vgz", "1,5t"}, {"Edit_Delta_t", "0,5"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(fieldText(*inputWindow, name), QString::fromUtf8(text)) << name;
}

TEST_F(InputWindowTest, StartupFillsTheScene) {
    const Scene& s = scene();
    EXPECT_EQ(s.points[PointA].x, 4);
    EXPECT_EQ(s.points[PointE].y, -3);
    EXPECT_EQ(s.points[PointQ].z, 7);
    EXPECT_EQ(s.points[PointS].name, "S");
    EXPECT_EQ(s.points[PointB].color, Colours::Blue);
    EXPECT_EQ(s.vectorAD.name, "AD");
    EXPECT_EQ(s.vectorAD.z, 7);
    // g at the start of its family, t = 1.
    EXPECT_EQ(s.lineDirection[LineG].z, 1.5L);
    EXPECT_EQ(s.lineSupport[LineG2].name, "P");
    EXPECT_EQ(s.lineDirection[LineG2].x, -5);
    EXPECT_EQ(s.planeCoeffs[PlaneE1][3], 60);
    EXPECT_EQ(s.planeSpanV[PlaneE5].z, 8);
    EXPECT_EQ(s.e3SpanCopyU.y, -2);
    EXPECT_EQ(s.familyStep, 0.5L);
    EXPECT_EQ(s.parallelPlaneX, 6.5L);
    EXPECT_EQ(s.origin.name, "O");
    EXPECT_EQ(s.planeColor[PlaneE5], Colour(0x55AAFF));
    EXPECT_EQ(s.lineColor[LineH], Colours::Teal);
    EXPECT_FALSE(scene().drawBlocked);
    EXPECT_EQ(plotWindow->viewState().pointMarkerSize, 3);
    EXPECT_EQ(plotWindow->viewState().pointLabelSize, 10);
    EXPECT_TRUE(feedback.messages.isEmpty());
    // A fresh Scene holds the same values the start-up reads.
    const Scene fresh;
    for (int i = 0; i < PointCount; ++i)
        for (int a = 0; a < 3; ++a)
            EXPECT_EQ(axisValue(fresh.points[std::size_t(i)], a), axisValue(s.points[std::size_t(i)], a));
    EXPECT_EQ(fresh.lineDirection[LineG].z, s.lineDirection[LineG].z);
}

TEST_F(InputWindowTest, OutputAreaStartsWithItsHeading) {
    const QString text = inputWindow->outputArea()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("       Ausgaben im Textformat"))) << text.toStdString();
    inputWindow->outputArea()->append(QStringLiteral("Rest"));
    inputWindow->resetToDefaults();
    EXPECT_FALSE(inputWindow->outputArea()->toPlainText().contains(QStringLiteral("Rest")));
}

TEST_F(InputWindowTest, DefaultsButtonRestoresTextsButKeepsNamesColoursAndSomeBoxes) {
    typeAndLeave("Edit_Punkt1", QStringLiteral("Ecke"));
    typeAndLeave("Edit_Punkt1_x", QStringLiteral("9"));
    typeAndLeave("Edit_a1", QStringLiteral("1"));
    typeAndLeave("Edit_vgz", QStringLiteral("2t"));
    for (const char* name : {"CheckBox_Dreieck", "CheckBox_Dreieck2", "CheckBox_Spatvektoren_zeichnen",
                             "CheckBox_komplanar_grafisch", "CheckBox_Punkt1_zeichnen", "CheckBox_Gerade_h",
                             "CheckBox_Punkt2_KO_Zuege", "CheckBox_Geradenschar"})
        inputWindow->checkBox(QString::fromLatin1(name))->setChecked(true);
    nextColour = Colours::Lime;
    inputWindow->choosePanelColour(inputWindow->panel(QStringLiteral("Panel_KoerperFarbe")));
    plotWindow->viewState().pointLabelSize = 16;

    QTest::mouseClick(inputWindow->button(QStringLiteral("SpeedButton_Standardwerte3D2")), Qt::LeftButton);

    EXPECT_EQ(fieldText(*inputWindow, "Edit_Punkt1_x"), QStringLiteral("4"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_a1"), QStringLiteral("15"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_vgz"), QStringLiteral("1,5t"));
    EXPECT_EQ(fieldText(*inputWindow, "Edit_p5x"), QStringLiteral("4"));
    EXPECT_EQ(scene().points[PointA].x, 4);
    EXPECT_EQ(scene().planeCoeffs[PlaneE1][0], 15);
    EXPECT_EQ(scene().lineDirection[LineG].z, 1.5L) << "g holds its value at t = 1 again";
    EXPECT_EQ(fieldText(*inputWindow, "Edit_Punkt1"), QStringLiteral("Ecke"));
    EXPECT_EQ(scene().points[PointA].name, "Eck");
    EXPECT_EQ(inputWindow->panel(QStringLiteral("Panel_KoerperFarbe"))->colour(), Colours::Lime);
    EXPECT_EQ(scene().bodyColor, Colours::Lime);
    for (const char* kept : {"CheckBox_Dreieck2", "CheckBox_Spatvektoren_zeichnen", "CheckBox_komplanar_grafisch"})
        EXPECT_TRUE(inputWindow->checkBox(QString::fromLatin1(kept))->isChecked()) << kept;
    for (const char* reset : {"CheckBox_Dreieck", "CheckBox_Punkt1_zeichnen", "CheckBox_Gerade_h",
                              "CheckBox_Punkt2_KO_Zuege", "CheckBox_Geradenschar"})
        EXPECT_FALSE(inputWindow->checkBox(QString::fromLatin1(reset))->isChecked()) << reset;
    EXPECT_TRUE(scene().drawBodyFlag[BodyTriangleDEF]);
    EXPECT_FALSE(scene().drawBodyFlag[BodyTriangleABC]);
    EXPECT_FALSE(scene().points[PointB].coordinatePaths);
    EXPECT_FALSE(scene().familyEnabled);
    EXPECT_EQ(plotWindow->viewState().pointLabelSize, 10);
}

TEST_F(InputWindowTest, DefaultsButtonClearsTheEvaluatorFlag) {
    scene().drawBlocked = true;
    inputWindow->resetToDefaults();
    EXPECT_FALSE(scene().drawBlocked);
}

TEST_F(InputWindowTest, PointColourRecoloursPointsButNotAD) {
    nextColour = Colours::Green;
    QTest::mouseClick(inputWindow->panel(QStringLiteral("Panel_Punkt3DFarbe")), Qt::LeftButton);
    ASSERT_EQ(offeredColours.size(), 1u);
    EXPECT_EQ(offeredColours[0], Colours::Black) << "the dialog starts black";
    for (const Vector3& p : scene().points) EXPECT_EQ(p.color, Colours::Green) << p.name;
    EXPECT_EQ(scene().pointColor, Colours::Green);
    EXPECT_EQ(scene().vectorAD.color, Colours::Blue);
    EXPECT_EQ(inputWindow->panel(QStringLiteral("Panel_Punkt3DFarbe"))->colour(), Colours::Green);
}

TEST_F(InputWindowTest, ColourDialogOpensWithLastConfirmedColourAndCancelChangesNothing) {
    nextColour = Colours::Yellow;
    inputWindow->choosePanelColour(inputWindow->panel(QStringLiteral("Panel_EbenenFarbe3")));
    EXPECT_EQ(scene().planeColor[PlaneE3], Colours::Yellow);
    nextColour.reset();  // Cancel
    inputWindow->choosePanelColour(inputWindow->panel(QStringLiteral("Panel_GeradehFarbe")));
    ASSERT_EQ(offeredColours.size(), 2u);
    EXPECT_EQ(offeredColours[1], Colours::Yellow) << "not the panel's own teal";
    EXPECT_EQ(scene().lineColor[LineH], Colours::Teal);
    EXPECT_EQ(inputWindow->panel(QStringLiteral("Panel_GeradehFarbe"))->colour(), Colours::Teal);
    EXPECT_EQ(inputWindow->lastConfirmedColour(), Colours::Yellow);

    // Each panel writes its own colour.
    const std::pair<const char*, Colour*> panels[] = {
        {"Panel_KoerperFarbe", &scene().bodyColor},     {"Panel_Geradenscharfarbe", &scene().lineColor[LineG]},
        {"Panel_Geradeg1Farbe", &scene().lineColor[LineG2]}, {"Panel_EbenenFarbe1", &scene().planeColor[PlaneE1]},
        {"Panel_EbenenFarbe5", &scene().planeColor[PlaneE5]},
    };
    Colour c = 0x123456;
    for (const auto& [name, target] : panels) {
        nextColour = ++c;
        inputWindow->choosePanelColour(inputWindow->panel(QString::fromLatin1(name)));
        EXPECT_EQ(*target, c) << name;
    }
}

TEST_F(InputWindowTest, CheckBoxesReachTheScene) {
    inputWindow->checkBox(QStringLiteral("CheckBox_Punkt3_KO_Zuege"))->click();
    EXPECT_TRUE(scene().points[PointC].coordinatePaths) << "coordinate-path boxes commit at once";
    const std::pair<const char*, bool*> boxes[] = {
        {"CheckBox_VektorPQ", &scene().drawVectorFlag[VectorPQ]},
        {"CheckBox_Strecke_statt_Vektor", &scene().segmentsInsteadOfVectors},
        {"CheckBox_Gerade_g2", &scene().drawLineFlag[LineG2]},
        {"CheckBox_Ebene4_zeichnen", &scene().drawPlaneFlag[PlaneE4]},
        {"CheckBox_Spat_zeichnen", &scene().drawBodyFlag[BodySpat]},
        {"CheckBox_PunktQ_zeichnen", &scene().drawPointFlag[PointQ]},
        {"CheckBox_Spatvektoren_zeichnen", &scene().drawSpatVectors},
        {"CheckBox_komplanar_grafisch", &scene().coplanarGraphic},
        {"CheckBox_Geradenschar", &scene().familyEnabled},
    };
    for (const auto& [name, flag] : boxes) {
        inputWindow->checkBox(QString::fromLatin1(name))->setChecked(true);
        EXPECT_TRUE(*flag) << name;
    }
}

TEST_F(InputWindowTest, EnteringDerivedFieldsMovesToTheirSource) {
    const std::pair<const char*, const char*> moves[] = {
        {"Edit_ADy", "Edit_Punkt3_x"}, {"Edit_ADz", "Edit_Punkt3_x"}, {"Edit_v5x", "Edit_Punkt3_x"},
        {"Edit_p5y", "Edit_Punkt1_y"}, {"Edit_u5z", "Edit_Punkt2_z"}, {"Edit_ug1x", "Edit_PunktP_x"},
        {"Edit_vg1y", "Edit_PunktQ_y"},
    };
    for (const auto& [from, to] : moves) {
        leaveFocusedField();
        QLineEdit* field = edit(from);
        EXPECT_TRUE(field->isReadOnly()) << from;
        QTest::mouseClick(field, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(edit(to)->hasFocus()) << from << " -> " << to;
    }
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST_F(InputWindowTest, SpeedButtonsDoNotTakeTheFocusNorCommit) {
    QLineEdit* ax = edit("Edit_Punkt1_x");
    enter(ax);
    ax->setText(QStringLiteral("7"));
    for (const char* name : {"SpeedButton_OK_zeichne", "SpeedButton_Winkel_AOC", "SpeedButton_E1_mit_E2",
                             "SpeedButton_g_ausgeben", "SpeedButton_ClearRichEdit"}) {
        QAbstractButton* b = inputWindow->button(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(ax->hasFocus()) << name;
    }
    EXPECT_EQ(scene().points[PointA].x, 4);
    EXPECT_EQ(fieldText(*inputWindow, "Edit_p5x"), QStringLiteral("4"));
    // Clicking a colour panel does not commit either.
    nextColour.reset();
    QTest::mouseClick(inputWindow->panel(QStringLiteral("Panel_KoerperFarbe")), Qt::LeftButton);
    EXPECT_TRUE(ax->hasFocus());
    EXPECT_EQ(scene().points[PointA].x, 4);
}

TEST_F(InputWindowTest, EveryNamedWidgetExists) {
    const char* edits[] = {"Edit_Punkt1", "Edit_PunktQ", "Edit_Punkt7_z", "Edit_PunktP_y", "Edit_ADx",
                           "Edit_ugx", "Edit_vgz", "Edit_uhy", "Edit_vhz", "Edit_ug1x", "Edit_vg1z", "Edit_t1",
                           "Edit_t2", "Edit_Delta_t", "Edit_a1", "Edit_d2", "Edit_p3x", "Edit_v4z", "Edit_p5x",
                           "Edit_u5y", "Edit_v5z"};
    for (const char* name : edits) EXPECT_NE(inputWindow->edit(QString::fromLatin1(name)), nullptr) << name;
    const std::pair<const char*, const char*> captions[] = {
        {"CheckBox_Gerade_g", "g"}, {"CheckBox_Gerade_h", "h:  x ="}, {"CheckBox_Gerade_g2", "g"},
        {"CheckBox_Geradenschar", "Schar zeichnen / t verwenden"}, {"CheckBox_Ebene1_zeichnen", "E1:"},
        {"CheckBox_Ebene3_zeichnen", "E3:   x ="}, {"CheckBox_Ebene5_zeichnen", "E5:  x ="},
        {"CheckBox_PrismaABCS", "Prisma mit Grundfl.  ABC und Kante AS"},
        {"CheckBox_Spat_zeichnen", "Spat mit SpannVektoren  AB, AC, AS"},
        {"CheckBox_komplanar_grafisch", "Komplanarität AD=rAB+tAC grafisch"},
    };
    for (const auto& [name, caption] : captions) {
        QCheckBox* box = inputWindow->checkBox(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), QString::fromUtf8(caption)) << name;
    }
    const std::pair<const char*, const char*> hints[] = {
        {"SpeedButton_Standardwerte3D2", "auf Standardwerte zurückstellen"},
        {"SpeedButton_ClearRichEdit", "Ausgabefenster löschen"},
        {"SpeedButton_E4_ausgeben", "E4 in das Ausgabefenster übertragen"},
        {"SpeedButton_g1_ausgeben", "g2 in das Ausgabefenster übertragen"},
        {"SpeedButton_komplanarOAOBOC", "Vektoren AB, AC, AD komplanar ?"},
        {"SpeedButton_Dreiecksflaeche", "Dreieck ABC:  Flächeninhalt, Innenwinkel, ..."},
        {"SpeedButton_S_mit_E3", nullptr}, {"SpeedButton_E5_mit_g", nullptr}, {"SpeedButton_OK_zeichne", nullptr},
    };
    for (const auto& [name, hint] : hints) {
        QAbstractButton* b = inputWindow->button(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        if (hint) {
            EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
        }
    }
    EXPECT_EQ(inputWindow->panel(QStringLiteral("Panel_Punkt3DFarbe"))->toolTip(), QStringLiteral("Punktefarbe"));
    EXPECT_EQ(inputWindow->checkBox(QStringLiteral("CheckBox_VektorFS"))->toolTip(), QStringLiteral("von F nach S"));
    EXPECT_NE(inputWindow->label(QStringLiteral("Label_kompl_r")), nullptr);
    EXPECT_NE(inputWindow->label(QStringLiteral("Label_kompl_t")), nullptr);
    EXPECT_EQ(inputWindow->outputArea()->objectName(), QStringLiteral("RichEditOut"));
    EXPECT_EQ(inputWindow->windowTitle(), QStringLiteral("3D-System"));
    EXPECT_TRUE(inputWindow->windowFlags().testFlag(Qt::Tool));
}

TEST_F(InputWindowTest, WindowFitsTheSmallestScreen) {
    const QSize size = inputWindow->minimumSizeHint();
    EXPECT_LE(size.width(), 1024);
    EXPECT_LE(size.height(), 560) << "room for the title bar on a 600 pixel screen";
    inputWindow->resize(QSize(1024, 560));
    if (qEnvironmentVariableIsSet("SPATIUM_LAYOUT_DEBUG"))
        for (QWidget* w : inputWindow->findChildren<QWidget*>())
            if (w->sizeHint().width() > 200)
                qDebug() << w->metaObject()->className() << w->objectName() << w->sizeHint() << w->minimumSizeHint();
    if (qEnvironmentVariableIsSet("SPATIUM_SCREENSHOT")) {
        inputWindow->grab().save(QStringLiteral("/tmp/input-window.png"));
        // Both windows as the user first sees them.
        plotWindow->show();
        inputWindow->close();
        inputWindow->show();
        inputWindow->raise();
        QTest::qWait(300);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QStringLiteral("/tmp/input-screen.png"));
    }
}

// Where the screen allows, the window starts wide enough for the output
// area to show its widest lines (60 characters) without scrolling.
TEST_F(InputWindowTest, StartSizeShowsSixtyColumnsOfOutput) {
    inputWindow->resize(inputWindow->preferredSize());
    inputWindow->show();
    QApplication::processEvents();
    const QFontMetricsF metrics(RichEditOutputLog::outputFont());
    const qreal sixty = metrics.horizontalAdvance(QString(kOutputColumns, QChar('x')));
    QTextEdit* out = inputWindow->outputArea();
    EXPECT_GE(out->viewport()->width() - 2 * out->document()->documentMargin(), sixty);
    EXPECT_LE(inputWindow->preferredSize().width(), 1280) << "still fits a common 1280 pixel screen";
}

// The window's own colour dialog, answered as a user would. When it closes
// the input window must be active again with the cursor where it was, or
// the next keys the user types go nowhere.
TEST_F(InputWindowTest, RealColourDialogGivesTheWindowBackAndOpensWithTheLastColour) {
    inputWindow.reset();
    inputWindow = std::make_unique<InputWindow>(*plotWindow);  // with its own colour dialog
    inputWindow->show();
    inputWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(inputWindow.get()));
    QLineEdit* ax = edit("Edit_Punkt1_x");
    enter(ax);
    ASSERT_TRUE(ax->hasFocus());

    std::vector<QColor> opened;
    QColor answer(0x12, 0x34, 0x56);
    bool accept = true;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            opened.push_back(dialog->currentColor());
            if (accept) {
                dialog->setCurrentColor(answer);
                dialog->accept();
            } else {
                dialog->reject();
            }
        }
    });
    answerer.start(20);

    inputWindow->choosePanelColour(inputWindow->panel(QStringLiteral("Panel_EbenenFarbe2")));
    EXPECT_EQ(scene().planeColor[PlaneE2], makeColour(0x12, 0x34, 0x56));
    EXPECT_TRUE(QTest::qWaitForWindowActive(inputWindow.get(), 2000)) << "window given back after OK";
    // The focus comes back with the activation, which a loaded machine may deliver late.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ax->hasFocus(); }, 2000));

    accept = false;
    inputWindow->choosePanelColour(inputWindow->panel(QStringLiteral("Panel_KoerperFarbe")));
    answerer.stop();
    EXPECT_EQ(scene().bodyColor, Colours::Purple);
    EXPECT_TRUE(QTest::qWaitForWindowActive(inputWindow.get(), 2000)) << "window given back after Cancel";
    EXPECT_TRUE(QTest::qWaitFor([&] { return ax->hasFocus(); }, 2000));
    EXPECT_EQ(scene().points[PointA].x, 4) << "choosing a colour commits no field";
    EXPECT_TRUE(feedback.messages.isEmpty());

    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QColor(Qt::black));
    EXPECT_EQ(opened[1], answer) << "the dialog opens with the colour last confirmed in it";
}

// Every field, box and panel the window is known by, built from the naming
// pattern of each kind, so a missing or misspelt objectName is caught.
TEST_F(InputWindowTest, EveryFieldBoxAndPanelOfTheWindowHasItsName) {
    QStringList edits, boxes, panels;
    const char* points[] = {"1", "2", "3", "4", "5", "6", "7", "P", "Q"};
    for (const char* p : points) {
        edits << QStringLiteral("Edit_Punkt%1").arg(QLatin1String(p));
        for (const char* a : {"x", "y", "z"}) edits << QStringLiteral("Edit_Punkt%1_%2").arg(QLatin1String(p), QLatin1String(a));
        boxes << QStringLiteral("CheckBox_Punkt%1_zeichnen").arg(QLatin1String(p));
    }
    for (int i = 1; i <= 7; ++i) boxes << QStringLiteral("CheckBox_Punkt%1_KO_Zuege").arg(i);
    for (const char* prefix : {"AD", "ug", "vg", "uh", "vh", "ug1", "vg1", "p3", "u3", "v3", "p4", "u4", "v4", "p5",
                               "u5", "v5"})
        for (const char* a : {"x", "y", "z"}) edits << QStringLiteral("Edit_%1%2").arg(QLatin1String(prefix), QLatin1String(a));
    for (const char* c : {"a", "b", "c", "d"})
        for (int n = 1; n <= 2; ++n) edits << QStringLiteral("Edit_%1%2").arg(QLatin1String(c)).arg(n);
    edits << QStringLiteral("Edit_t1") << QStringLiteral("Edit_t2") << QStringLiteral("Edit_Delta_t");
    for (const char* v : {"AB", "BC", "CD", "DE", "EF", "FS", "PQ"}) boxes << QStringLiteral("CheckBox_Vektor%1").arg(QLatin1String(v));
    for (int n = 1; n <= 5; ++n) {
        boxes << QStringLiteral("CheckBox_Ebene%1_zeichnen").arg(n);
        panels << QStringLiteral("Panel_EbenenFarbe%1").arg(n);
    }
    for (const char* b : {"CheckBox_Strecke_statt_Vektor", "CheckBox_Gerade_g", "CheckBox_Gerade_h", "CheckBox_Gerade_g2",
                          "CheckBox_Geradenschar", "CheckBox_Dreieck", "CheckBox_Dreieck2", "CheckBox_Viereck",
                          "CheckBox_PrismaABCS", "CheckBox_PrismaABCDS", "CheckBox_PyramideABCS",
                          "CheckBox_PyramideABCDS", "CheckBox_Spat_zeichnen", "CheckBox_Spatvektoren_zeichnen",
                          "CheckBox_komplanar_grafisch", "CheckBox_Rechenweg"})
        boxes << QLatin1String(b);
    for (const char* p : {"Panel_Punkt3DFarbe", "Panel_KoerperFarbe", "Panel_Geradenscharfarbe", "Panel_GeradehFarbe",
                          "Panel_Geradeg1Farbe"})
        panels << QLatin1String(p);

    for (const QString& name : edits) EXPECT_NE(inputWindow->edit(name), nullptr) << name.toStdString();
    for (const QString& name : boxes) {
        QCheckBox* box = inputWindow->checkBox(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        EXPECT_FALSE(box->isChecked()) << name.toStdString() << ": every box starts unchecked";
    }
    for (const QString& name : panels) EXPECT_NE(inputWindow->panel(name), nullptr) << name.toStdString();
    EXPECT_EQ(edits.size(), 9 * 4 + 16 * 3 + 8 + 3);
    // The derived fields are never typed into.
    for (const QString& name : edits) {
        bool derived = false;
        for (const char* prefix : {"Edit_AD", "Edit_p5", "Edit_u5", "Edit_v5", "Edit_ug1", "Edit_vg1"})
            derived = derived || name.startsWith(QLatin1String(prefix));
        EXPECT_EQ(inputWindow->edit(name)->isReadOnly(), derived) << name.toStdString();
    }
}

// Tab walks the window the way it reads: along each row, from a row's draw
// box through its fields to its vector box, then on to the next row.
TEST_F(InputWindowTest, TabFollowsTheRowsOfTheWindow) {
    auto walk = [&](const char* start, int steps) {
        QStringList names;
        enter(edit(start));
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents();
            names << QApplication::focusWidget()->objectName();
        }
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(walk("Edit_Punkt1_y", 8).toStdString(),
              "Edit_Punkt1_z CheckBox_VektorAB CheckBox_Punkt2_KO_Zuege CheckBox_Punkt2_zeichnen Edit_Punkt2 "
              "Edit_Punkt2_x Edit_Punkt2_y Edit_Punkt2_z");
    EXPECT_EQ(walk("Edit_PunktQ_z", 2).toStdString(), "CheckBox_Strecke_statt_Vektor CheckBox_Dreieck");
    EXPECT_EQ(walk("Edit_Delta_t", 9).toStdString(),
              "CheckBox_Gerade_h Edit_uhx Edit_uhy Edit_uhz Edit_vhx Edit_vhy Edit_vhz CheckBox_Gerade_g2 "
              "CheckBox_Ebene1_zeichnen");
    EXPECT_EQ(walk("Edit_d2", 12).toStdString(),
              "CheckBox_Ebene3_zeichnen Edit_p3x Edit_p3y Edit_p3z Edit_u3x Edit_u3y Edit_u3z Edit_v3x Edit_v3y "
              "Edit_v3z CheckBox_Ebene4_zeichnen Edit_p4x");
    EXPECT_EQ(walk("Edit_v4z", 2).toStdString(), "CheckBox_Ebene5_zeichnen CheckBox_komplanar_grafisch");
    EXPECT_TRUE(feedback.messages.isEmpty());
    EXPECT_EQ(scene().points[PointA].x, 4);
}

}  // namespace
