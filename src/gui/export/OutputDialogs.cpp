#include "gui/export/OutputDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/canvas/PictureRecorder.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/plot/PlotWindow.h"
#include "gui/canvas/QImageCanvas.h"
#include "gui/plot/WindowServices.h"

namespace {

struct TypeFilter {
    PictureFormat format;
    const char* filter;
    const char* extension;
};
constexpr TypeFilter kTypes[] = {
    {PictureFormat::Png, "PNG-Bild (*.png)", ".png"},
    {PictureFormat::Svg, "SVG-Grafik (*.svg)", ".svg"},
    {PictureFormat::Pdf, "PDF-Dokument (*.pdf)", ".pdf"},
    {PictureFormat::Tikz, "LaTeX/TikZ (*.tex)", ".tex"},
};

const TypeFilter& typeOf(PictureFormat format) {
    for (const TypeFilter& t : kTypes)
        if (t.format == format) return t;
    return kTypes[0];
}

QRect chosenPart(const OutputChoices& choices, QRect marked) {
    return choices.markedPart && !marked.isEmpty() ? marked : QRect();
}

QSize pictureSize(PlotWindow& plotWindow) { return {plotWindow.imageCanvas().width(), plotWindow.imageCanvas().height()}; }

QString sizeText(QSize size) { return QStringLiteral("%1 × %2 Pixel").arg(size.width()).arg(size.height()); }

// The busy cursor while a large image is drawn, encoded or printed.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

OutputDialogServices defaultOutputDialogServices() {
    OutputDialogServices s;
    s.saveFileName = [](QWidget* parent, const QString& caption, const QString& proposal, const QString& filters,
                        QString* chosenFilter) {
        return QFileDialog::getSaveFileName(parent, caption, proposal, filters, chosenFilter);
    };
    s.exec = [](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    s.askYesNo = defaultWindowServices().askYesNo;
    return s;
}

QString completedSaveFileName(QWidget* parent, const QString& fileName, const QString& extension,
                              const std::function<bool(QWidget* parent, const QString& text)>& askYesNo) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) return fileName;
    const QString completed = fileName + extension;
    return mayReplaceFile(parent, completed, askYesNo) ? completed : QString();
}

bool mayReplaceFile(QWidget* parent, const QString& fileName,
                    const std::function<bool(QWidget* parent, const QString& text)>& askYesNo) {
    const QFileInfo target(fileName);
    if (!target.exists()) return true;
    const QString question = QStringLiteral("„%1“ ist bereits vorhanden.\nSoll die Datei ersetzt werden?")
                                 .arg(target.fileName());
    return askYesNo && askYesNo(parent, question);
}

PictureOptions::PictureOptions(QSize pictureSize, OptionRows rows, QRect markedPart, const OutputChoices& choices,
                               QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(QStringLiteral("Bild"));
    auto* form = new QFormLayout(this);
    if (rows.scale) {
        scale_ = new QComboBox(this);
        scale_->setObjectName(QStringLiteral("ComboBox_Massstab"));
        for (int s = kMinExportScale; s <= kMaxExportScale; ++s)
            scale_->addItem(QStringLiteral("%1 (%2)").arg(s).arg(sizeText(pictureSize * s)), s);
        scale_->setCurrentIndex(std::clamp(choices.scale, kMinExportScale, kMaxExportScale) - kMinExportScale);
        form->addRow(QStringLiteral("Maßstab:"), scale_);
    }
    if (rows.width) {
        width_ = new QDoubleSpinBox(this);
        width_->setObjectName(QStringLiteral("Edit_BreiteCm"));
        width_->setDecimals(1);
        width_->setRange(kMinWidthCm, kMaxWidthCm);
        width_->setSingleStep(0.5);
        width_->setSuffix(QStringLiteral(" cm"));
        width_->setValue(choices.widthCm);
        form->addRow(QStringLiteral("Breite:"), width_);
    }
    if (rows.tikzStandalone) {
        standalone_ = new QCheckBox(QStringLiteral("Vollständiges LaTeX-Dokument (eigenständig übersetzbar)"), this);
        standalone_->setObjectName(QStringLiteral("CheckBox_LaTeXDokument"));
        standalone_->setChecked(choices.tikzStandalone);
        form->addRow(QStringLiteral("LaTeX:"), standalone_);
    }
    whole_ = new QRadioButton(QStringLiteral("Ganzes Bild (%1)").arg(sizeText(pictureSize)), this);
    whole_->setObjectName(QStringLiteral("RadioButton_GanzesBild"));
    part_ = new QRadioButton(markedPart.isEmpty()
                                 ? QStringLiteral("Markierter Ausschnitt (noch keiner markiert)")
                                 : QStringLiteral("Markierter Ausschnitt (%1)").arg(sizeText(markedPart.size())),
                             this);
    part_->setObjectName(QStringLiteral("RadioButton_Ausschnitt"));
    part_->setEnabled(!markedPart.isEmpty());
    (choices.markedPart && !markedPart.isEmpty() ? part_ : whole_)->setChecked(true);
    auto* parts = new QVBoxLayout;
    parts->addWidget(whole_);
    parts->addWidget(part_);
    form->addRow(QStringLiteral("Umfang:"), parts);
}

void PictureOptions::store(OutputChoices& choices) const {
    if (scale_) choices.scale = scale_->currentData().toInt();
    if (width_) choices.widthCm = width_->value();
    if (standalone_) choices.tikzStandalone = standalone_->isChecked();
    if (part_->isEnabled()) choices.markedPart = part_->isChecked();
}

void exportPictureWithDialogs(PlotWindow& plotWindow, OutputChoices& choices, const OutputDialogServices& services) {
    QStringList filters;
    for (const TypeFilter& t : kTypes) filters << QString::fromLatin1(t.filter);
    QString filter = QString::fromLatin1(typeOf(choices.format).filter);
    const QString folder = choices.folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : choices.folder;
    const QString proposal =
        QDir(folder).filePath(QStringLiteral("Spatium-Grafik") + QString::fromLatin1(typeOf(choices.format).extension));
    QString fileName = services.saveFileName(&plotWindow, QStringLiteral("Bild exportieren"), proposal,
                                             filters.join(QStringLiteral(";;")), &filter);
    // A name typed without extension gets the one of the chosen type.
    for (const TypeFilter& t : kTypes)
        if (filter == QLatin1String(t.filter))
            fileName = completedSaveFileName(&plotWindow, fileName, QString::fromLatin1(t.extension), services.askYesNo);
    if (fileName.isEmpty()) return;
    choices.folder = QFileInfo(fileName).absolutePath();

    const std::optional<PictureFormat> format = formatOfFileName(fileName);
    if (!format) {
        plotWindow.feedback().showMessage(&plotWindow, checkExportRequest(ExportRequest(fileName), pictureSize(plotWindow)));
        return;
    }
    choices.format = *format;
    const QRect marked = plotWindow.markedPart();
    const bool tikz = *format == PictureFormat::Tikz;
    const OptionRows rows{*format == PictureFormat::Png, *format == PictureFormat::Pdf || tikz, tikz};
    if (rows.scale || rows.width || !marked.isEmpty()) {
        QDialog dialog(&plotWindow);
        dialog.setWindowTitle(QStringLiteral("Bild exportieren"));
        auto* layout = new QVBoxLayout(&dialog);
        auto* options = new PictureOptions(pictureSize(plotWindow), rows, marked, choices, &dialog);
        layout->addWidget(options);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Exportieren"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        if (!services.exec(dialog)) return;
        options->store(choices);
    }
    const ExportRequest request{fileName, choices.scale, choices.widthCm, chosenPart(choices, marked),
                                choices.tikzStandalone};
    QString problem;
    {
        const BusyCursor busy;
        problem = exportPicture(pictureOf(plotWindow), request);
    }
    if (!problem.isEmpty()) plotWindow.feedback().showMessage(&plotWindow, problem);
}

bool printPictureOn(QPrinter& printer, const PictureSource& source, QRect part, double widthCm) {
    part = exportedPart(part, source.size());
    if (part.isEmpty()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpi = printer.resolution();
    const QRectF sheet = printer.pageLayout().fullRectPixels(dpi);
    const QRectF printable = printer.pageLayout().paintRectPixels(dpi);
    double scale = widthCm / 2.54 * dpi / part.width();
    scale = std::min({scale, printable.width() / part.width(), printable.height() / part.height()});
    const double width = scale * part.width();
    // Painter coordinates start at the printable area's corner.
    const double x = std::clamp((sheet.width() - width) / 2 - printable.left(), 0.0, printable.width() - width);
    paintPicture(painter, source, part, scale, QPointF(x, 0));
    return painter.end();
}

namespace {

void reportPrintFailure(PlotWindow& plotWindow) {
    plotWindow.feedback().showMessage(&plotWindow, QStringLiteral("Das Bild konnte nicht gedruckt werden."));
}

}  // namespace

void printPictureWithDialog(PlotWindow& plotWindow, OutputChoices& choices, const OutputDialogServices& services) {
    const QRect marked = plotWindow.markedPart();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &plotWindow);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    auto* options = new PictureOptions(pictureSize(plotWindow), OptionRows{.width = true}, marked, choices);
    dialog.setOptionTabs(QList<QWidget*>{options});
    if (!services.exec(dialog)) return;
    options->store(choices);
    bool printed = false;
    {
        const BusyCursor busy;
        printed = printPictureOn(printer, pictureOf(plotWindow), chosenPart(choices, marked), choices.widthCm);
    }
    if (!printed) reportPrintFailure(plotWindow);
}

void previewPicturePrint(PlotWindow& plotWindow, const OutputChoices& choices, const OutputDialogServices& services) {
    const PictureSource now = pictureOf(plotWindow);
    // The preview may repaint while it is open: it keeps its own copy.
    const std::vector<CanvasCall> calls(now.calls.begin(), now.calls.end());
    const PictureSource source{calls, now.screen};
    const QRect part = chosenPart(choices, plotWindow.markedPart());
    const double width = choices.widthCm;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, &plotWindow);
    dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (!printPictureOn(*target, source, part, width)) failed = true;
    });
    services.exec(dialog);
    if (failed) reportPrintFailure(plotWindow);
}
