// Reading the component fields of the line g (formulas in t). Kept apart
// from the plain-number reader so code that reads only numbers does not
// pull in the formula evaluator.
#include <string>

#include <QLineEdit>

#include "gui/widgets/FieldReaders.h"
#include "core/numbers/Evaluator.h"

namespace {

// The message leaving the field gives for a rejected result (empty: a beep).
QString RejectionMessage(const ReadExpressionResult& result) {
    return result.outcome == ReadExpressionOutcome::SyntaxError ? QString::fromStdString(result.message) : QString();
}

}  // namespace

bool ReadFamilyField(QLineEdit* field, Real& target, UserFeedback& feedback) {
    const std::string text = field->text().toStdString();
    Real value = target;
    const ReadExpressionResult result = ReadExpression(text, value);
    if (result.outcome == ReadExpressionOutcome::Ok) {
        target = value;
        return true;
    }
    const QString message = RejectionMessage(result);
    if (QuietFieldReads::Note(field, message)) return false;
    if (!message.isEmpty())
        feedback.ShowMessage(field->window(), message);
    else
        feedback.Beep();  // a value error: the stored value stays
    ReturnFocusTo(field);
    return false;
}

void NoteFamilyFieldVerdict(QLineEdit* field) {
    if (!QuietFieldReads::IsActive()) return;
    Real ignored = 0;
    const ReadExpressionResult result = ReadExpression(field->text().toStdString(), ignored);
    if (result.outcome != ReadExpressionOutcome::Ok) QuietFieldReads::Note(field, RejectionMessage(result));
}
