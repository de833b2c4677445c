#pragma once
// The program speaks German: Qt's own buttons and dialogs ("Ja", "Nein",
// "Abbrechen", the file dialogs) and the number format (decimal comma).
// Call once after the QApplication exists.
void installGermanLanguage();
