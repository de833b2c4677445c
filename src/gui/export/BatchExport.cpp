#include "gui/export/BatchExport.h"

#include "gui/picture/PictureExport.h"
#include "gui/plot/PlotWindow.h"

namespace {

QString Quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

}  // namespace

BatchExportOutcome RunBatchExport(const PictureSource& picture, const BatchExportOptions& options) {
    ExportRequest request(options.outFile);
    request.tikzStandalone = options.tikzStandalone;
    bool ok = true;
    if (!options.scale.trimmed().isEmpty()) {
        request.scale = options.scale.trimmed().toInt(&ok);
        if (!ok)
            return {kBatchExportBadOption,
                    QStringLiteral("Der Maßstab %1 ist keine ganze Zahl: erlaubt sind 1, 2, 3 und 4.")
                        .arg(Quoted(options.scale))};
    }
    if (!options.widthCm.trimmed().isEmpty()) {
        QString text = options.widthCm.trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        request.widthCm = text.toDouble(&ok);
        if (!ok)
            return {kBatchExportBadOption,
                    QStringLiteral("Die Breite %1 ist keine Zahl. Sie wird in Zentimetern angegeben, zum "
                                   "Beispiel 12 oder 8,5.")
                        .arg(Quoted(options.widthCm))};
    }
    if (QString problem = CheckExportRequest(request, picture.size()); !problem.isEmpty())
        return {kBatchExportBadOption, problem};
    if (QString problem = ExportPicture(picture, request); !problem.isEmpty())
        return {kBatchExportWriteFailed, problem};
    return {};
}
