#pragma once
// "Arbeitsblatt exportieren …": one dialog for a task or solution sheet of
// the scene — title, kind, figure (with its width) and file — then the
// sheet as PDF or LaTeX, by the file name's suffix.
#include <QDialog>
#include <QString>

#include "core/model/Scene.h"
#include "core/model/SceneState.h"
#include "core/sheet/Worksheet.h"
#include "gui/export/OutputDialogs.h"
#include "gui/export/WorksheetExport.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class PlotWindow;

// What the dialog last chose in this run (the title belongs to the scene).
struct WorksheetChoices {
    SheetKind kind = SheetKind::Task;
    bool figure = true;
    double widthCm = kDefaultWidthCm;
    QString folder;  // empty: the user's documents folder
};

// The fields, by object name: "Edit_Titel", "ComboBox_Blattart",
// "CheckBox_Figur", "Edit_FigurBreiteCm", "Edit_Datei",
// "Button_Durchsuchen".
class WorksheetDialog : public QDialog {
public:
    WorksheetDialog(QWidget* parent, const QString& title, const WorksheetChoices& choices,
                    const OutputDialogServices& services);

    QString title() const;
    SheetKind kind() const;
    WorksheetRequest request() const;
    // The file name as the browse dialog confirmed it (replacing included).
    const QString& confirmedFile() const { return confirmed_; }
    void store(WorksheetChoices& choices) const;

private:
    QString proposal() const;
    void browse();

    const OutputDialogServices& services_;
    QString folder_;
    QString lastProposal_;
    QString confirmed_;
    QLineEdit* title_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* figure_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QLineEdit* file_ = nullptr;
};

// Shows the dialog for the scene (`state` as typed, `scene` as read, the
// window's picture as the figure) with `title` proposed, and writes the
// sheet. A name typed without suffix becomes a PDF; an existing file is
// replaced only when the user agrees; a failure shows its German message
// and leaves the dialog open.
void exportWorksheetWithDialog(PlotWindow& plotWindow, const SceneState& state, const Scene& scene,
                               const QString& title, WorksheetChoices& choices,
                               const OutputDialogServices& services = defaultOutputDialogServices());
