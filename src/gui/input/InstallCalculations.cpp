#include "gui/input/InstallCalculations.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtGlobal>

#include "core/calc/CalcCommands.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "core/working/Working.h"

namespace {

void run(InputWindow& form, const CalculationButton& button) {
    // The field groups are read again so that the calculation sees what the
    // fields show, as the drawers do.
    if (button.readers & ReadLines) form.readLines();
    if (button.readers & ReadPlanes) form.readPlanes();
    // The working and the result compute on one exact reading of the texts
    // as typed.
    const exact::ExactScene exactScene = exact::buildExactScene(form.scene(), form.input().texts);
    // What the click writes is kept as one block, for the results as LaTeX.
    const OutputBlockScope block(form.outputLog(), button.objectName);
    if (form.input().checked("CheckBox_Rechenweg") && working::findWorking(button.objectName))
        working::writeWorking(button.objectName, exactScene, form.outputLog());
    const CommandOutcome outcome = button.run(form.scene(), exactScene, form.outputLog());
    if (!outcome.message.empty())
        form.feedback().showMessage(&form, QString::fromStdString(outcome.message));
    if (outcome.labelsChanged) {
        if (QLabel* r = form.label(QStringLiteral("Label_kompl_r")))
            r->setText(QString::fromStdString(outcome.labelR));
        if (QLabel* t = form.label(QStringLiteral("Label_kompl_t")))
            t->setText(QString::fromStdString(outcome.labelT));
    }
}

const CalculationButton* findButton(const QString& objectName) {
    for (const CalculationButton& button : calculationButtons())
        if (objectName == QLatin1String(button.objectName)) return &button;
    return nullptr;
}

}  // namespace

bool runCalculationButton(InputWindow& form, const QString& objectName) {
    const CalculationButton* button = findButton(objectName);
    if (!button) return false;
    run(form, *button);
    return true;
}

void installCalculations(InputWindow& form) {
    for (const CalculationButton& entry : calculationButtons()) {
        const QString name = QLatin1String(entry.objectName);
        QAbstractButton* button = form.findChild<QAbstractButton*>(name);
        if (!button) {
            qWarning("InstallCalculations: no button %s", entry.objectName);
            continue;
        }
        const CalculationButton* command = &entry;
        QObject::connect(button, &QAbstractButton::clicked, &form,
                         [&form, command]() { run(form, *command); });
    }
}
