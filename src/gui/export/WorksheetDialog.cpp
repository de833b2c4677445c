#include "gui/export/WorksheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "gui/plot/PlotWindow.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/plot/WindowServices.h"

namespace {

constexpr char kCaption[] = "Arbeitsblatt exportieren";
constexpr char kFilters[] = "PDF-Dokument (*.pdf);;LaTeX-Dokument (*.tex)";

// A title as part of a file name: no folder separators or characters the
// desktops refuse.
QString fileStem(QString title) {
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : title)
        if (refused.contains(c) || c.category() == QChar::Other_Control) c = QLatin1Char('_');
    title = title.trimmed();
    return title.isEmpty() ? QStringLiteral("Arbeitsblatt") : title;
}

}  // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent, const QString& title, const WorksheetChoices& choices,
                                 const OutputDialogServices& services)
    : QDialog(parent), services_(services),
      folder_(choices.folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                       : choices.folder) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setObjectName(QStringLiteral("Dialog_Arbeitsblatt"));
    auto* form = new QFormLayout(this);

    title_ = new QLineEdit(title, this);
    title_->setObjectName(QStringLiteral("Edit_Titel"));
    form->addRow(QStringLiteral("&Titel:"), title_);

    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ComboBox_Blattart"));
    for (const SheetKind k : {SheetKind::Task, SheetKind::Solution})
        kind_->addItem(QString::fromUtf8(sheetKindName(k)), int(k));
    kind_->setCurrentIndex(choices.kind == SheetKind::Task ? 0 : 1);
    form->addRow(QStringLiteral("&Blatt:"), kind_);

    figure_ = new QCheckBox(QStringLiteral("mit der &Figur, Breite:"), this);
    figure_->setObjectName(QStringLiteral("CheckBox_Figur"));
    figure_->setChecked(choices.figure);
    width_ = new QDoubleSpinBox(this);
    width_->setObjectName(QStringLiteral("Edit_FigurBreiteCm"));
    width_->setDecimals(1);
    width_->setRange(kMinWidthCm, kMaxSheetFigureWidthCm);
    width_->setSingleStep(0.5);
    width_->setSuffix(QStringLiteral(" cm"));
    width_->setValue(std::clamp(choices.widthCm, kMinWidthCm, kMaxSheetFigureWidthCm));
    width_->setEnabled(choices.figure);
    connect(figure_, &QCheckBox::toggled, width_, &QWidget::setEnabled);
    auto* figureRow = new QHBoxLayout;
    figureRow->addWidget(figure_);
    figureRow->addWidget(width_);
    figureRow->addStretch();
    form->addRow(QStringLiteral("Figur:"), figureRow);

    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("Edit_Datei"));
    file_->setMinimumWidth(320);
    auto* browseButton = new QPushButton(QStringLiteral("&Durchsuchen …"), this);
    browseButton->setObjectName(QStringLiteral("Button_Durchsuchen"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_);
    fileRow->addWidget(browseButton);
    auto* fileLabel = new QLabel(QStringLiteral("&Datei:"), this);
    fileLabel->setBuddy(file_);
    form->addRow(fileLabel, fileRow);
    lastProposal_ = proposal();
    file_->setText(lastProposal_);
    // The proposed name follows the title and the kind until the user
    // chooses one.
    auto follow = [this] {
        if (file_->text() != lastProposal_) return;
        lastProposal_ = proposal();
        file_->setText(lastProposal_);
    };
    connect(title_, &QLineEdit::textChanged, this, follow);
    connect(kind_, &QComboBox::currentIndexChanged, this, follow);
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Exportieren"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QString WorksheetDialog::title() const { return title_->text(); }

SheetKind WorksheetDialog::kind() const { return SheetKind(kind_->currentData().toInt()); }

WorksheetRequest WorksheetDialog::request() const {
    // A bare name goes into the folder the dialog proposed.
    const QString file = file_->text().trimmed();
    return {file.isEmpty() ? file : QDir(folder_).absoluteFilePath(file), figure_->isChecked(), width_->value()};
}

void WorksheetDialog::store(WorksheetChoices& choices) const {
    choices.kind = kind();
    choices.figure = figure_->isChecked();
    choices.widthCm = width_->value();
    const QString file = request().fileName;
    if (!file.isEmpty()) choices.folder = QFileInfo(file).absolutePath();
}

QString WorksheetDialog::proposal() const {
    return QDir(folder_).filePath(fileStem(title_->text()) + QStringLiteral(" - ") +
                                  QString::fromUtf8(sheetKindName(kind())) + QStringLiteral(".pdf"));
}

void WorksheetDialog::browse() {
    QString filter = sheetFormatOfFileName(file_->text()) == SheetFormat::Tex ? QStringLiteral("LaTeX-Dokument (*.tex)")
                                                                              : QStringLiteral("PDF-Dokument (*.pdf)");
    const QString start = file_->text().trimmed().isEmpty() ? proposal() : file_->text().trimmed();
    QString name = services_.saveFileName(this, QString::fromUtf8(kCaption), start, QString::fromUtf8(kFilters), &filter);
    if (name.isEmpty()) return;
    const QString extension = filter.contains(QLatin1String("*.tex")) ? QStringLiteral(".tex") : QStringLiteral(".pdf");
    name = completedSaveFileName(this, name, extension, services_.askYesNo);
    if (name.isEmpty()) return;
    confirmed_ = name;
    file_->setText(name);
}

void exportWorksheetWithDialog(PlotWindow& plotWindow, const SceneState& state, const Scene& scene,
                               const QString& title, WorksheetChoices& choices, const OutputDialogServices& services) {
    WorksheetDialog dialog(&plotWindow, title, choices, services);
    while (services.exec(dialog)) {
        WorksheetRequest request = dialog.request();
        if (!request.fileName.isEmpty() && QFileInfo(request.fileName).suffix().isEmpty()) {
            request.fileName = completedSaveFileName(&dialog, request.fileName, QStringLiteral(".pdf"), services.askYesNo);
            if (request.fileName.isEmpty()) continue;
        } else if (request.fileName != dialog.confirmedFile() &&
                   !mayReplaceFile(&dialog, request.fileName, services.askYesNo)) {
            continue;
        }
        const Worksheet sheet = makeWorksheet(state, scene, dialog.kind(), dialog.title().toStdString());
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const QString problem = exportWorksheet(sheet, pictureOf(plotWindow), request);
        QGuiApplication::restoreOverrideCursor();
        if (problem.isEmpty()) {
            dialog.store(choices);
            return;
        }
        plotWindow.feedback().showMessage(&dialog, problem);
    }
}
