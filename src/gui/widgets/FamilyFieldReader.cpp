// Reading the component fields of the line g (formulas in t). Kept apart
// from the plain-number reader so code that reads only numbers does not
// pull in the formula evaluator.
#include <string>

#include <QLineEdit>

#include "gui/widgets/FieldReaders.h"
#include "core/numbers/Evaluator.h"

namespace {

// The message leaving the field gives for a rejected result (empty: a beep).
QString rejectionMessage(const ReadExpressionResult& result) {
    return result.outcome == ReadExpressionOutcome::SyntaxError ? QString::fromStdString(result.message) : QString();
}

}  // namespace

bool readFamilyField(QLineEdit* field, Real& target, UserFeedback& feedback) {
    const std::string text = field->text().toStdString();
    Real value = target;
    const ReadExpressionResult result = readExpression(text, value);
    if (result.outcome == ReadExpressionOutcome::Ok) {
        target = value;
        return true;
    }
    const QString message = rejectionMessage(result);
    if (QuietFieldReads::note(field, message)) return false;
    if (!message.isEmpty())
        feedback.showMessage(field->window(), message);
    else
        feedback.beep();  // a value error: the stored value stays
    returnFocusTo(field);
    return false;
}

void noteFamilyFieldVerdict(QLineEdit* field) {
    if (!QuietFieldReads::isActive()) return;
    Real ignored = 0;
    const ReadExpressionResult result = readExpression(field->text().toStdString(), ignored);
    if (result.outcome != ReadExpressionOutcome::Ok) QuietFieldReads::note(field, rejectionMessage(result));
}
