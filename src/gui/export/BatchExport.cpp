#include "gui/export/BatchExport.h"

#include "gui/picture/PictureExport.h"
#include "gui/plot/PlotWindow.h"

namespace {

QString quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

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
    if (!options.widthCm.trimmed().isEmpty()) {
        QString text = options.widthCm.trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        request.widthCm = text.toDouble(&ok);
        if (!ok)
            return {kBatchExportBadOption,
                    QStringLiteral("Die Breite %1 ist keine Zahl. Sie wird in Zentimetern angegeben, zum "
                                   "Beispiel 12 oder 8,5.")
                        .arg(quoted(options.widthCm))};
    }
    if (QString problem = checkExportRequest(request, picture.size()); !problem.isEmpty())
        return {kBatchExportBadOption, problem};
    if (QString problem = exportPicture(picture, request); !problem.isEmpty())
        return {kBatchExportWriteFailed, problem};
    return {};
}
