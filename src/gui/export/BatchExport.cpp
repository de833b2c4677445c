#include "gui/export/BatchExport.h"

#include <optional>

#include "gui/export/WorksheetExport.h"
#include "gui/picture/PictureExport.h"

namespace {

QString quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// --width-cm as typed, decimal comma or point, into widthCm (unchanged when
// not given); the failure when it is no number.
std::optional<BatchExportOutcome> readWidth(const QString& typed, double& widthCm) {
    if (typed.trimmed().isEmpty()) return std::nullopt;
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return BatchExportOutcome{kBatchExportBadOption,
                                  QStringLiteral("Die Breite %1 ist keine Zahl. Sie wird in Zentimetern angegeben, zum "
                                                 "Beispiel 12 oder 8,5.")
                                      .arg(quoted(typed))};
    widthCm = value;
    return std::nullopt;
}

}  // namespace

BatchExportOutcome runBatchExport(const PictureSource& picture, const BatchExportOptions& options) {
    ExportRequest request(options.outFile);
    request.tikzStandalone = options.tikzStandalone;
    bool ok = true;
    if (!options.scale.trimmed().isEmpty()) {
        request.scale = options.scale.trimmed().toInt(&ok);
        if (!ok)
            return {kBatchExportBadOption,
                    QStringLiteral("Der Maßstab %1 ist keine ganze Zahl: erlaubt sind 1, 2, 3 und 4.")
                        .arg(quoted(options.scale))};
    }
    if (std::optional<BatchExportOutcome> bad = readWidth(options.widthCm, request.widthCm)) return *bad;
    if (QString problem = checkExportRequest(request, picture.size()); !problem.isEmpty())
        return {kBatchExportBadOption, problem};
    if (QString problem = exportPicture(picture, request); !problem.isEmpty())
        return {kBatchExportWriteFailed, problem};
    return {};
}

BatchExportOutcome runBatchWorksheet(const PictureSource& picture, const SceneState& state, const Scene& scene,
                                     const QString& defaultTitle, const BatchExportOptions& options) {
    const QString typed = options.sheet.trimmed().toLower();
    SheetKind kind = SheetKind::Task;
    if (typed == QLatin1String("loesung") || typed == QStringLiteral("lösung"))
        kind = SheetKind::Solution;
    else if (typed != QLatin1String("aufgabe"))
        return {kBatchExportBadOption, QStringLiteral("Die Blattart %1 gibt es nicht: erlaubt sind aufgabe und loesung.")
                                           .arg(quoted(options.sheet))};
    WorksheetRequest request{options.outFile};
    if (std::optional<BatchExportOutcome> bad = readWidth(options.widthCm, request.widthCm)) return *bad;
    if (QString problem = checkWorksheetRequest(request); !problem.isEmpty()) return {kBatchExportBadOption, problem};
    const QString title = options.title.isEmpty() ? defaultTitle : options.title;
    const Worksheet sheet = makeWorksheet(state, scene, kind, title.toStdString());
    if (QString problem = exportWorksheet(sheet, picture, request); !problem.isEmpty())
        return {kBatchExportWriteFailed, problem};
    return {};
}
