#pragma once
// "Bild exportieren …", "Drucken …" and "Druckvorschau …" of the main
// window: the dialogs around the exporters, as functions the menu calls.
// The choices (folder, scale, width, whole picture or marked part) are kept
// for the rest of the run.
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

#include "gui/picture/PictureExport.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QPrinter;
class QRadioButton;
class PlotWindow;

// What the dialogs ask of the desktop; tests answer at once.
struct OutputDialogServices {
    // A save-file dialog (QFileDialog::getSaveFileName): the chosen name, or
    // empty when cancelled; chosenFilter comes in preselected and goes out
    // as the filter the user chose.
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposal,
                          const QString& filters, QString* chosenFilter)>
        saveFileName;
    // Runs a modal dialog; true when it was accepted.
    std::function<bool(QDialog& dialog)> exec;
    // A Yes/No question (WindowServices::askYesNo); true for "Ja".
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
};
OutputDialogServices defaultOutputDialogServices();

// A name chosen in a save-file dialog, typed without extension, gets
// `extension` (".png"). The dialog asked about replacing only the name as
// typed: when the completed name is an existing file, askYesNo asks first.
// Empty when the answer is no (or there is no one to ask).
QString completedSaveFileName(QWidget* parent, const QString& fileName, const QString& extension,
                              const std::function<bool(QWidget* parent, const QString& text)>& askYesNo);
// True when fileName is no existing file, or when askYesNo agrees to
// replace it ("„x.pdf“ ist bereits vorhanden. …").
bool mayReplaceFile(QWidget* parent, const QString& fileName,
                    const std::function<bool(QWidget* parent, const QString& text)>& askYesNo);

struct OutputChoices {
    QString folder;                    // empty: the user's picture folder
    PictureFormat format = PictureFormat::Png;
    int scale = 1;
    double widthCm = kDefaultWidthCm;
    bool tikzStandalone = false;       // TikZ: a complete document
    bool markedPart = false;           // the part last marked, when there is one
};

// The rows an output asks for besides the whole picture or marked part.
struct OptionRows {
    bool scale = false;           // PNG
    bool width = false;           // PDF, TikZ, printing
    bool tikzStandalone = false;  // TikZ
};

// The settings of one output: scale (PNG), width in centimetres (PDF,
// TikZ, printing), complete LaTeX document or picture only (TikZ) and
// whole picture or the marked part, each row only when asked for. Tests
// find the fields by their object names "ComboBox_Massstab",
// "Edit_BreiteCm", "CheckBox_LaTeXDokument", "RadioButton_GanzesBild" and
// "RadioButton_Ausschnitt".
class PictureOptions : public QWidget {
    Q_OBJECT
public:
    // markedPart: the part last marked (empty: only the whole picture).
    PictureOptions(QSize pictureSize, OptionRows rows, QRect markedPart, const OutputChoices& choices,
                   QWidget* parent = nullptr);
    // Writes the values shown into choices (only the rows shown).
    void store(OutputChoices& choices) const;

private:
    QComboBox* scale_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QCheckBox* standalone_ = nullptr;
    QRadioButton* whole_ = nullptr;
    QRadioButton* part_ = nullptr;
};

// "Bild exportieren …": a save-file dialog with one filter per type (PNG,
// SVG, PDF, LaTeX/TikZ), then, when there is something to choose, the options of that
// type, then the export. A failure shows its German message; the picture
// and the scene stay as they are.
// `choices` are the session's: what the dialogs show first and keep.
void exportPictureWithDialogs(PlotWindow& plotWindow, OutputChoices& choices,
                              const OutputDialogServices& services = defaultOutputDialogServices());

// "Drucken …": Qt's print dialog with a tab "Bild" for the width and the
// part, then the picture as vectors, centred at the top of the page.
void printPictureWithDialog(PlotWindow& plotWindow, OutputChoices& choices,
                            const OutputDialogServices& services = defaultOutputDialogServices());

// "Druckvorschau …": Qt's print preview of the same page, with the width
// and part last chosen.
void previewPicturePrint(PlotWindow& plotWindow, const OutputChoices& choices,
                         const OutputDialogServices& services = defaultOutputDialogServices());

// The page itself: the part of the picture at the width (never beyond the
// printable area), centred across the sheet at the top of the printable
// area. False when the printer could not be started.
bool printPictureOn(QPrinter& printer, const PictureSource& source, QRect part, double widthCm);
