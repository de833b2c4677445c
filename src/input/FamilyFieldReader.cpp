// Reading the component fields of the line g (formulas in t). Kept apart
// from the plain-number reader so code that reads only numbers does not
// pull in the formula evaluator.
#include <string>

#include <QLineEdit>

#include "input/FieldReaders.h"
#include "numbers/Evaluator.h"

bool ReadFamilyField(QLineEdit* field, Real& target) {
    const std::string text = field->text().toStdString();
    Real value = target;
    const ReadExpressionResult result = ReadExpression(text, value);
    switch (result.outcome) {
    case ReadExpressionOutcome::Ok:
        target = value;
        return true;
    case ReadExpressionOutcome::SyntaxError:
        ActiveUserFeedback().ShowMessage(field->window(), QString::fromStdString(result.message));
        break;
    case ReadExpressionOutcome::ValueError:
        // The stored value stays as it was; the error flag stays set.
        ActiveUserFeedback().Beep();
        break;
    }
    ReturnFocusTo(field);
    return false;
}

