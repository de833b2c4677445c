// The program's icon: compiled in, drawn by the SVG icon engine at every
// size, and shown by the main, input and help windows.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "gui/app/AppWindows.h"
#include "gui/desktop/AppIcon.h"

TEST(AppIcon, DrawnSharpAtEverySizeAndShownByTheThreeWindows) {
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 48, 256}) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << "no SVG icon engine?";
        // The corners lie outside the rounded square, the middle on the plane.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }

    AppWindows windows;
    ASSERT_FALSE(windows.aborted());
    const QImage expected = icon.pixmap(32).toImage();
    for (QWidget* window : {static_cast<QWidget*>(&windows.plotWindow), static_cast<QWidget*>(windows.helpWindow.get()),
                            static_cast<QWidget*>(windows.inputWindow.get())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), expected);
    }
}
