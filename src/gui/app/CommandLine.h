#pragma once
// The program's command line, parsed before the QApplication exists, into a
// plain result:
//
//   spatium [DATEI]                      open the scene DATEI after the start-up
//   spatium --export AUSGABE [--scale N] [--width-cm W] [--tikz-standalone] DATEI
//                                        write DATEI's picture to AUSGABE, no window
//   spatium --export BLATT --sheet aufgabe|loesung [--title TEXT] [--width-cm W] DATEI
//                                        write DATEI's task or solution sheet to BLATT
//   spatium -h | --help | -v | --version
//
// Help, version and every error are answered on the terminal alone, so they
// need neither a display nor an application object.
#include <QString>
#include <QStringList>
#include <optional>

#include "gui/export/BatchExport.h"

// Exit statuses: 0 done; 1 the export could not be written; 2 a wrong
// command line, a bad option value or a scene file that cannot be opened.
inline constexpr int kExitDone = kBatchExportWritten;
inline constexpr int kExitWriteFailed = kBatchExportWriteFailed;
inline constexpr int kExitBadCall = kBatchExportBadOption;

struct CommandLine {
    QStringList files;   // the scene file (at most one)
    QStringList errors;  // what was wrong, one German sentence each
    bool help = false;
    bool version = false;
    // --export: the values as typed; checked when the picture is written.
    std::optional<BatchExportOptions> exportOptions;

    // Help, version or errors: answered on the terminal, no window.
    bool endsOnTerminal() const { return help || version || !errors.isEmpty(); }
};

// arguments[0] is the program itself.
CommandLine parseCommandLine(const QStringList& arguments);
// The arguments as main receives them, converted from the local encoding.
CommandLine parseCommandLine(int argc, const char* const* argv);

// The German help text: how to call the program, every argument and option.
QString commandLineHelp();

// For a command line that endsOnTerminal(): the errors on standard error
// (status 2), or else the help or the version on standard output (status 0).
int answerOnTerminal(const CommandLine& commandLine);

// One German message on standard error.
void printError(const QString& message);
