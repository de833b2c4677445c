#pragma once
// Qt glue of the calculations: connects the output, clear, incidence and
// measure buttons of the input window (found by objectName) to their
// commands. Each click re-reads the field groups its command needs, writes
// the working first while CheckBox_Rechenweg is checked, runs the command
// into the window's output area, shows a refusal as a modal message
// and updates the coplanarity labels Label_kompl_r and Label_kompl_t.
#include <QString>

class InputWindow;

void installCalculations(InputWindow& form);

// What one button does when clicked (installCalculations connects this).
// Returns false when no button of that name is known.
bool runCalculationButton(InputWindow& form, const QString& objectName);
