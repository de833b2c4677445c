#pragma once
// A main window whose picture the test draws with the draw command from a
// scene of its own, files in a temporary folder, and the ways back from an
// exported file to pixels: a PDF through poppler's pdftoppm, an SVG through
// Qt's renderer.
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

#include "BusyScene.h"
#include "QtTestDoubles.h"
#include "gui/picture/PictureExport.h"
#include "core/render/DrawCommand.h"
#include "core/numbers/Evaluator.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

class ExportTest : public ::testing::Test {
protected:
    ExportTest() { EXPECT_TRUE(dir.isValid()); }

    // Makes the draw command, with this test's scene and view controls, the
    // window's redraw, and redraws.
    void drawWith(std::function<void(Scene&, ViewControls&, ViewState&)> setUp) {
        setUp_ = std::move(setUp);
        form.setRedrawHandler([this] {
            Scene fresh;
            scene = fresh;
            ViewState& view = form.viewState();
            ViewControls controls;
            setUp_(scene, controls, view);
            view.controls = controls;
            const SceneState input = inputShowing(scene);
            DrawContext ctx{form.canvas(), view, scene, input, host};
            executeDrawCommand(ctx);
        });
        form.redraw();
    }
    void drawBusyScene() {
        drawWith([](Scene& s, ViewControls& c, ViewState&) { makeBusyScene(s, c); });
    }

    // Places a text with the text mode's right click, as a user does; an
    // empty text keeps the one in the field.
    void placeText(QPoint at, const QString& text = {}) {
        auto* textMode = form.findChild<QCheckBox*>(QStringLiteral("CheckBox_Textmodus"));
        if (!textMode->isChecked()) textMode->click();
        if (!text.isEmpty()) form.findChild<QLineEdit*>(QStringLiteral("Edit_Text_in_Grafik"))->setText(text);
        auto* image = form.findChild<PlotImage*>(QStringLiteral("Image1"));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton;
            QMouseEvent e(type, QPointF(at), image->mapToGlobal(QPointF(at)), Qt::RightButton, held, Qt::NoModifier);
            QApplication::sendEvent(image, &e);
        }
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    PictureSource picture() { return pictureOf(form); }
    QImage screen() { return form.imageCanvas().picture().convertToFormat(QImage::Format_RGB32); }

    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The first page of a PDF as an image of the given size.
    QImage rasterisePdf(const QByteArray& pdf, QSize size) {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) {
            ADD_FAILURE() << "pdftoppm is missing: bash scripts/deps.sh test installs poppler-utils";
            return {};
        }
        const QString in = path(QStringLiteral("raster-in.pdf"));
        QFile f(in);
        if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size()) return {};
        f.close();
        const QString out = path(QStringLiteral("raster-out"));
        QProcess p;
        p.start(pdftoppm, {"-png", "-singlefile", "-scale-to-x", QString::number(size.width()), "-scale-to-y",
                           QString::number(size.height()), in, out});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            ADD_FAILURE() << "pdftoppm failed: " << p.readAllStandardError().toStdString();
            return {};
        }
        return QImage(out + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    // The page size of a one-page PDF in centimetres.
    static QSizeF pdfPageCm(const QByteArray& pdf) {
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
        if (!box.hasMatch()) return {};
        return {box.captured(1).toDouble() / 72 * 2.54, box.captured(2).toDouble() / 72 * 2.54};
    }

    static QImage rasteriseSvg(const QByteArray& svg, QSize size) {
        QSvgRenderer renderer(svg);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        return image;
    }

    RecordingFeedback feedback;
    QTemporaryDir dir;
    PlotWindow form{quietServices(&feedback)};
    Scene scene;
    BusySceneHost host;

private:
    std::function<void(Scene&, ViewControls&, ViewState&)> setUp_;
};
