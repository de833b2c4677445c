#pragma once
// `spatium --export AUSGABE … DATEI`: the picture of a scene file, or with
// --sheet its worksheet, written without any window. Every message goes to
// standard error.

struct CommandLine;

// Reads the scene file into the scene value, reads that as opening it in
// the program does (its view included), draws it as the draw button does
// onto a canvas of the picture's size and writes the picture (or the
// worksheet with it as the figure). Needs a
// QGuiApplication (for fonts), no widgets. Returns the exit status: 0
// written, 1 the file could not be written, 2 a bad option value or a
// scene file that cannot be opened; nothing half-written is left at
// AUSGABE.
int runExportCommand(const CommandLine& commandLine);
