// "Bild exportieren …", "Drucken …" and "Druckvorschau …" driven as a user
// would: the answers of the file dialog and the options typed into the
// dialogs reach the file or the printed page.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>

#include "ExportTestSupport.h"
#include "gui/export/OutputDialogs.h"
#include "gui/plot/PlotImage.h"

namespace {

class OutputDialogs : public ExportTest {
protected:
    OutputChoices choices;  // the session's, new for each test

    // A file dialog that answers `name` with `filter` chosen, and option
    // dialogs handled by `answer` (not called: the test fails).
    OutputDialogServices answering(QString name, QString filter, std::function<bool(QDialog&)> answer = {}) {
        OutputDialogServices s;
        s.saveFileName = [this, name, filter](QWidget*, const QString& caption, const QString& proposal,
                                              const QString& filters, QString* chosen) {
            captions << caption;
            proposals << proposal;
            offeredFilters = filters;
            if (!filter.isEmpty()) *chosen = filter;
            return name;
        };
        s.exec = [this, answer](QDialog& dialog) {
            ++dialogs;
            if (!answer) {
                ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
                return false;
            }
            return answer(dialog);
        };
        return s;
    }
    template <class W>
    static W* field(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void markPart(QPoint from, QPoint to) {
        form.findChild<QCheckBox*>(QStringLiteral("CheckBox_SchnittModus"))->setChecked(true);
        auto* image = form.findChild<PlotImage*>(QStringLiteral("Image1"));
        auto send = [image](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(at), image->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
            QApplication::sendEvent(image, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        ASSERT_FALSE(form.markedPart().isEmpty());
    }

    QStringList captions;
    QStringList proposals;
    QString offeredFilters;
    int dialogs = 0;
};

TEST_F(OutputDialogs, ExportOffersOneFilterPerTypeAndAddsTheChosenExtension) {
    exportPictureWithDialogs(form, choices, answering(path("ohne-endung"), QStringLiteral("SVG-Grafik (*.svg)")));
    EXPECT_EQ(captions, QStringList{"Bild exportieren"});
    EXPECT_EQ(offeredFilters,
              QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf);;LaTeX/TikZ (*.tex)"));
    EXPECT_TRUE(proposals.front().endsWith(QStringLiteral("Spatium-Grafik.png")));
    // An SVG has nothing to choose while no part is marked: no second dialog.
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(readAll(path("ohne-endung.svg")).contains("<svg"));
    EXPECT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join("|").toStdString();

    // The next export proposes the folder and type last used.
    exportPictureWithDialogs(form, choices, answering(QString(), QString()));
    EXPECT_EQ(proposals.back(), path("Spatium-Grafik.svg"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // cancelled: nothing written
}

// The file dialog asked about the name as typed; the extension added after
// it may name an existing file, which is replaced only after a "Ja".
TEST_F(OutputDialogs, ExtensionAddedAfterTheDialogAsksBeforeReplacingAFile) {
    QFile old(path("bild.svg"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    QStringList questions;
    bool yes = false;
    OutputDialogServices services = answering(path("bild"), QStringLiteral("SVG-Grafik (*.svg)"));
    services.askYesNo = [&](QWidget* parent, const QString& text) {
        EXPECT_EQ(parent, &form);
        questions << text;
        return yes;
    };
    exportPictureWithDialogs(form, choices, services);
    EXPECT_EQ(questions, QStringList{"„bild.svg“ ist bereits vorhanden.\nSoll die Datei ersetzt werden?"});
    EXPECT_EQ(readAll(path("bild.svg")), QByteArray("alt"));
    yes = true;
    exportPictureWithDialogs(form, choices, services);
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(readAll(path("bild.svg")).contains("<svg"));
    // A new name, and a name typed with its extension (the dialog asked), go without a question.
    for (const char* name : {"neu", "bild.svg"}) {
        services = answering(path(name), QStringLiteral("SVG-Grafik (*.svg)"));
        services.askYesNo = [&](QWidget*, const QString& text) { return questions << text, false; };
        exportPictureWithDialogs(form, choices, services);
    }
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(readAll(path("neu.svg")).contains("<svg"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"bild.svg", "neu.svg"}));
    EXPECT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join("|").toStdString();
}

TEST_F(OutputDialogs, PngScaleAndPdfWidthAndPartAreAskedForAndKept) {
    drawBusyScene();
    exportPictureWithDialogs(form, choices, answering(path("gross.png"), QString(), [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Bild exportieren"));
        auto* scale = field<QComboBox>(d, "ComboBox_Massstab");
        EXPECT_EQ(scale->count(), 4);
        EXPECT_EQ(scale->itemText(2), QStringLiteral("3 (2163 × 2163 Pixel)"));
        scale->setCurrentIndex(2);
        EXPECT_EQ(d.findChild<QDoubleSpinBox*>(), nullptr);  // no width for a PNG
        EXPECT_FALSE(field<QRadioButton>(d, "RadioButton_Ausschnitt")->isEnabled());
        return true;
    }));
    EXPECT_EQ(QImage(path("gross.png")).size(), QSize(2163, 2163));
    EXPECT_EQ(choices.scale, 3);

    markPart({100, 120}, {400, 270});
    exportPictureWithDialogs(form, choices, answering(path("teil.pdf"), QString(), [](QDialog& d) {
        auto* width = field<QDoubleSpinBox>(d, "Edit_BreiteCm");
        EXPECT_EQ(width->value(), 12.0);
        width->setValue(6);
        auto* part = field<QRadioButton>(d, "RadioButton_Ausschnitt");
        EXPECT_EQ(part->text(), QStringLiteral("Markierter Ausschnitt (300 × 150 Pixel)"));
        part->setChecked(true);
        return true;
    }));
    const QSizeF page = pdfPageCm(readAll(path("teil.pdf")));
    EXPECT_NEAR(page.width(), 6, 0.02);
    EXPECT_NEAR(page.height(), 3, 0.02);
    EXPECT_EQ(choices.widthCm, 6.0);

    // Cancelling the options writes nothing; an unknown type is named.
    exportPictureWithDialogs(form, choices, answering(path("nicht.pdf"), QString(), [](QDialog&) { return false; }));
    EXPECT_FALSE(QFileInfo::exists(path("nicht.pdf")));
    exportPictureWithDialogs(form, choices, answering(path("bild.gif"), QString()));
    EXPECT_EQ(feedback.messages.size(), 2);  // the marking's own message, then this one
    EXPECT_TRUE(feedback.messages.back().startsWith(QStringLiteral("Die Endung „.gif“ ist unbekannt.")));
    EXPECT_FALSE(QFileInfo::exists(path("bild.gif")));
}

// TikZ asks for the width and whether to write a complete document; both
// reach the file and are kept for the next export.
TEST_F(OutputDialogs, TikzAsksForWidthAndCompleteDocument) {
    for (const bool complete : {true, false}) {
        const QString name = complete ? QStringLiteral("dokument") : QStringLiteral("bild");
        exportPictureWithDialogs(form, choices, answering(path(name), QStringLiteral("LaTeX/TikZ (*.tex)"), [&](QDialog& d) {
            auto* document = field<QCheckBox>(d, "CheckBox_LaTeXDokument");
            EXPECT_EQ(document->text(), QStringLiteral("Vollständiges LaTeX-Dokument (eigenständig übersetzbar)"));
            EXPECT_EQ(document->isChecked(), !complete);  // as last chosen
            document->setChecked(complete);
            field<QDoubleSpinBox>(d, "Edit_BreiteCm")->setValue(complete ? 10 : 9.5);
            EXPECT_EQ(d.findChild<QComboBox*>(), nullptr);  // no scale for TikZ
            return true;
        }));
        const QByteArray tex = readAll(path(name + ".tex"));
        EXPECT_EQ(tex.contains("\\documentclass{article}"), complete);
        EXPECT_TRUE(tex.contains("\\begin{tikzpicture}"));
        EXPECT_TRUE(tex.contains(complete ? "10 cm breit" : "9.5 cm breit"));
        EXPECT_EQ(choices.tikzStandalone, complete);
    }
    EXPECT_TRUE(feedback.messages.isEmpty()) << feedback.messages.join("|").toStdString();
}

TEST_F(OutputDialogs, ExportFailureIsShownAndWritesNothing) {
    exportPictureWithDialogs(form, choices, answering(path("fehlt/bild.svg"), QString()));
    ASSERT_EQ(feedback.messages.size(), 1);
    EXPECT_TRUE(feedback.messages[0].startsWith(QStringLiteral("Das Bild konnte nicht als „%1“ gespeichert werden: den Ordner").arg(path("fehlt/bild.svg")))) << feedback.messages[0].toStdString();
}

// The picture lies centred across the sheet at the top of the printable
// area, at the width chosen in the print dialog's "Bild" tab; the lines g
// and h, which run out of the picture, end at its edge as on the screen.
TEST_F(OutputDialogs, PrintPutsThePictureCentredAtTheTopOfThePage) {
    drawWith([](Scene& s, ViewControls& c, ViewState&) {
        c.raster = true;  // the raster marks the picture's edges
        s.drawLineFlag[LineG] = s.drawLineFlag[LineH] = true;
    });
    const QString pdf = path("gedruckt.pdf");
    printPictureWithDialog(form, choices, answering(QString(), QString(), [pdf](QDialog& d) {
        auto* print = qobject_cast<QPrintDialog*>(&d);
        EXPECT_NE(print, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Drucken"));
        QPrinter* printer = print->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(15, 20, 15, 20), QPageLayout::Millimeter);
        field<QDoubleSpinBox>(d, "Edit_BreiteCm")->setValue(9);
        return true;
    }));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    // 1 mm = 5 pixels on an A4 page of 1050 x 1485 pixels.
    const QImage page = rasterisePdf(readAll(pdf), {1050, 1485});
    int left = 1050, right = -1, top = 1485, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_NEAR(right - left + 1, 450, 4);  // 9 cm
    EXPECT_NEAR(bottom - top + 1, 450, 4);
    EXPECT_NEAR(left, 1050 - 1 - right, 3);  // centred
    EXPECT_NEAR(top, 100, 3);                 // at the top margin
    EXPECT_EQ(choices.widthCm, 9.0);
}

TEST_F(OutputDialogs, PreviewDrawsThePictureOnOnePage) {
    choices.widthCm = 7;
    int pages = -1;
    previewPicturePrint(form, choices, answering(QString(), QString(), [&pages](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Druckvorschau"));
        auto* preview = d.findChild<QPrintPreviewWidget*>();
        EXPECT_NE(preview, nullptr);
        if (!preview) return false;
        preview->updatePreview();
        pages = preview->pageCount();
        return false;
    }));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

}  // namespace
