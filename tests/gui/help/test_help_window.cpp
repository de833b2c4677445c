// The help window: a tool window with a fixed, read-only German text that
// the main window's help button shows without blocking.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/help/HelpWindow.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/WindowServices.h"

TEST(HelpWindow, IsAReadOnlyScrollingToolWindow) {
    HelpWindow help;
    EXPECT_EQ(help.windowTitle(), "Bedienungshinweise");
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::Tool));
    auto* text = help.findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), HelpWindow::usageText());
    help.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&help));
    // The text is longer than the window: it scrolls vertically, never sideways.
    EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
}

TEST(HelpWindow, TextExplainsBothWindowsAndTheMouseModes) {
    const QString text = HelpWindow::usageText();
    for (const char* phrase : {"Grafikfenster", "Eingabefenster", "Zwischenablage", "Verschieben",
                               "Teilgrafik-Markiermodus ein", "Textmodus", "Zoomfaktor", "Drehungen zurücknehmen",
                               "Dezimalkomma", "Würfel", "Flächen schraffieren", "wirklich beendet", "Rechenweg anzeigen", "ä", "ö", "ü", "ß"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << phrase;
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
}

TEST(HelpWindow, HelpButtonShowsItWithoutBlocking) {
    WindowServices services = defaultWindowServices();
    services.screenSize = [] { return QSize(1280, 1024); };
    PlotWindow form(services);
    HelpWindow help(&form);
    form.setHelpWindow(&help);
    auto* button = form.findChild<QAbstractButton*>("SpeedButton_Hilfe");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(help.isVisible());
    button->click();  // returns at once: the window is not modal
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());
}
