#pragma once
// The program's command line, parsed before the QApplication exists, into a
// plain result:
//
//   spatium [FILE]     open the scene FILE after the normal start-up
//
// New options go into ParseCommandLine's parser; the result grows a field
// for each.
#include <QString>
#include <QStringList>

struct CommandLine {
    QStringList files;   // scene files to open after the start-up, in order
    QStringList errors;  // what was wrong, one German sentence each
};

// arguments[0] is the program itself.
CommandLine ParseCommandLine(const QStringList& arguments);
// The arguments as main receives them, converted from the local encoding.
CommandLine ParseCommandLine(int argc, const char* const* argv);
