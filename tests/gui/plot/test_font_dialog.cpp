// The text font dialog starts with the font it was given, also with Qt's
// German translation loaded (which renames the styles it looks for).
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

#include "gui/plot/FontColourDialog.h"

class FontDialogStart : public ::testing::TestWithParam<std::pair<bool, bool>> {};

TEST_P(FontDialogStart, OffersTheGivenFaceStyleSizeAndColour) {
    QTranslator german;
    const bool loaded = german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QApplication::installTranslator(&german);

    const auto [bold, italic] = GetParam();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(bold);
    font.setItalic(italic);
    FontColourDialog dialog(font, QColor(0, 0, 255));
    const QFont offered = dialog.selectedFont();
    EXPECT_EQ(offered.bold(), bold);
    EXPECT_EQ(offered.italic(), italic);
    EXPECT_EQ(offered.pointSize(), 12);
    EXPECT_EQ(offered.family(), QFontInfo(font).family());
    EXPECT_EQ(dialog.selectedColour(), QColor(0, 0, 255));

    if (loaded)
        QApplication::removeTranslator(&german);
}

INSTANTIATE_TEST_SUITE_P(Styles, FontDialogStart,
                         ::testing::Values(std::make_pair(false, false), std::make_pair(true, false),
                                           std::make_pair(false, true), std::make_pair(true, true)));
