// The program on a screen lower than its window (a virtual X server of
// 1366 x 700 or 1024 x 600, run twice by ctest): the main window with its
// menu bar fits the screen, the whole picture stays in view as a square,
// every control of the panel can be scrolled into view, also with the
// keyboard, and the mouse works in the picture's own 721 x 721 pixels.
// Skipped without an X server.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/app/AppWindows.h"
#include "WindowTestSupport.h"
#include "core/canvas/Projection.h"

namespace {

// The widget lies wholly inside the visible part of the scroll area, which
// lies wholly inside the window.
bool inView(QWidget* w, QScrollArea* area) {
    QWidget* viewport = area->viewport();
    const QRect onViewport(w->mapTo(viewport, QPoint(0, 0)), w->size());
    const QRect viewportOnWindow(viewport->mapTo(w->window(), QPoint(0, 0)), viewport->size());
    return viewport->rect().contains(onViewport) && w->window()->rect().contains(viewportOnWindow);
}

}  // namespace

TEST(SmallScreenX11, WindowFitsAndPictureAndControlsStayUsable) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb";
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LT(available.height(), 740) << "run on a screen lower than the full window";

    RecordingFeedback feedback;
    QTemporaryDir dir;
    AppOptions options;  // the real screen, as the program sees it
    options.services.feedback = &feedback;
    options.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    AppWindows app(options);
    ASSERT_FALSE(app.aborted());
    PlotWindow& form = app.plotWindow;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // The window with its menu bar inside the screen.
    EXPECT_TRUE(available.contains(form.frameGeometry()))
        << form.frameGeometry().width() << "x" << form.frameGeometry().height();
    ASSERT_NE(form.menuWidget(), nullptr);

    // The whole picture in view: a square as high as the client area.
    auto* image = form.findChild<PlotImage*>(QStringLiteral("Image1"));
    const QRect shown = image->shownRect();
    EXPECT_EQ(shown.width(), shown.height());
    EXPECT_EQ(shown.height(), image->height());
    EXPECT_GT(shown.height(), available.height() - 60);  // only the menu bar above it
    EXPECT_TRUE((QRegion(shown) - image->visibleRegion()).isEmpty());
    EXPECT_TRUE(form.rect().contains(QRect(image->mapTo(&form, shown.topLeft()), shown.size())));

    // Every control of the panel can be scrolled into view.
    auto* area = form.findChild<QScrollArea*>(QStringLiteral("ScrollBox_Steuerung"));
    ASSERT_NE(area, nullptr);
    QWidget* panel = form.findChild<QWidget*>(QStringLiteral("Panel_Steuerung"));
    EXPECT_EQ(area->widget(), panel);
    // The panel scrolls where the screen is lower than its controls.
    const bool scrolls = area->height() < panel->minimumHeight();
    EXPECT_EQ(area->verticalScrollBar()->isVisible(), scrolls);
    if (available.height() <= 600) {
        EXPECT_TRUE(scrolls) << "the smallest screen is lower than the controls";
    }
    int controls = 0;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<ColourPanel*>(w))
            continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
            continue;  // the list's own edit
        const QPoint centre = w->mapTo(panel, w->rect().center());
        area->ensureVisible(centre.x(), centre.y(), w->width() / 2 + 1, w->height() / 2 + 1);
        EXPECT_TRUE(inView(w, area)) << w->objectName().toStdString();
        ++controls;
    }
    EXPECT_GT(controls, 45);

    // Tabbing from the top of the panel to its last control keeps each one in view.
    area->verticalScrollBar()->setValue(0);
    QWidget* first = form.findChild<QWidget*>(QStringLiteral("ComboBox_Zoomfaktor"));
    QWidget* last = form.findChild<QWidget*>(QStringLiteral("CheckBox_Textmodus"));
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 60 && QApplication::focusWidget() != last; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        EXPECT_TRUE(inView(now, area)) << now->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), last);
    EXPECT_EQ(area->verticalScrollBar()->value() > 0, scrolls);

    // The mouse in picture pixels: panning moves the origin by the mapped
    // distance, marking copies the mapped part, text lands at the mapped point.
    const double scale = 721.0 / shown.width();
    form.redraw();
    const ViewState& view = form.viewState();
    const PixelPoint origin = pointToPixel(0, 0, 0, view);
    Mouse mouse{image};
    mouse.drag({300, 300}, {340, 330});
    const PixelPoint moved = pointToPixel(0, 0, 0, view);
    EXPECT_NEAR(moved.x - origin.x, 40 * scale, 1);
    EXPECT_NEAR(moved.y - origin.y, 30 * scale, 1);
    mouse.rightClick({100, 100});
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(721, 721));

    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_SchnittModus"))->click();
    const QPoint from(shown.width() / 4, shown.height() / 5), to(shown.width() - 1, shown.height() - 1);
    mouse.drag(from, to);
    const QRect part = form.markedPart();
    EXPECT_NEAR(part.left(), from.x() * scale, 1);
    EXPECT_NEAR(part.top(), from.y() * scale, 1);
    EXPECT_EQ(part.right(), 719);  // the last widget pixel shows the picture's last ones
    EXPECT_EQ(part.bottom(), 719);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), part.size());

    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_Textmodus"))->click();
    mouse.rightClick(image->toWidget({500, 600}));
    const QImage picture = form.imageCanvas().picture();
    int blue = 0;
    for (int y = 600; y < 615; ++y)
        for (int x = 500; x < 560; ++x) blue += picture.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 20);
}
