#pragma once
// `spatium --export AUSGABE … DATEI`: the picture of a scene file written
// without any window shown. Every message goes to standard error; no
// message box opens.
#include "gui/app/AppWindows.h"

struct CommandLine;

// Reads the scene file, opens it in windows that are never shown (its view
// included), draws it as the draw button does and writes the picture.
// Needs the QApplication (on the offscreen platform when there is no
// display). Returns the exit status: 0 written, 1 the file could not be
// written, 2 a bad option value or a scene file that cannot be opened;
// nothing half-written is left at AUSGABE.
int RunExportCommand(const CommandLine& commandLine, const AppOptions& options = AppOptions());
