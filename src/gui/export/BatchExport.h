#pragma once
// The export of a command line such as
//   spatium --export OUT.svg|OUT.pdf|OUT.png|OUT.tex [--scale N] [--width-cm W]
//           [--tikz-standalone] SCENE
//   spatium --export OUT.pdf|OUT.tex --sheet aufgabe|loesung [--title TEXT]
//           [--width-cm W] SCENE
// once the scene is read and drawn: the option values as typed, the file
// written, an exit status and a German message.
#include <QString>

struct PictureSource;
struct SceneState;
struct Scene;

constexpr int kBatchExportWritten = 0;
constexpr int kBatchExportWriteFailed = 1;  // the file could not be written
constexpr int kBatchExportBadOption = 2;    // OUT, --scale or --width-cm not usable

struct BatchExportOptions {
    QString outFile;
    QString scale;    // as typed; empty: 1
    QString widthCm;  // as typed, decimal comma or point; empty: 12
    bool tikzStandalone = false;  // --tikz-standalone: OUT.tex a complete document
    QString sheet{};  // --sheet as typed: a worksheet instead of the picture; empty: the picture
    QString title{};  // --title: the worksheet's title; empty: the scene file's name
};

struct BatchExportOutcome {
    int exitStatus = kBatchExportWritten;
    QString message;  // German, for standard error; empty on success
};

// Writes the picture to outFile (nothing half-written on any failure).
BatchExportOutcome runBatchExport(const PictureSource& picture, const BatchExportOptions& options);

// Writes the worksheet of the scene (`state` as typed, `scene` as read,
// `picture` its figure) to outFile; `defaultTitle` when --title is not given.
BatchExportOutcome runBatchWorksheet(const PictureSource& picture, const SceneState& state, const Scene& scene,
                                     const QString& defaultTitle, const BatchExportOptions& options);
