#include "gui/app/ExportCommand.h"

#include <QDir>

#include "gui/app/CommandLine.h"
#include "document/SceneFile.h"
#include "gui/export/BatchExport.h"
#include "gui/picture/PictureExport.h"
#include "core/canvas/PictureRecorder.h"
#include "core/render/DrawCommand.h"
#include "core/model/SceneOpening.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

// The drawing's messages on the terminal.
class TerminalDrawHost : public DrawHost {
public:
    void ShowMessage(const std::string& text) override { PrintError(QString::fromStdString(text)); }
    void HideInputWindow() override {}
    void ReportRejections(const std::vector<FieldRejection>&) override {}
};

// "a.spatium: Feld Edit_Punkt1_x „1+*2“: Fehler an Stelle 3": where the
// message belongs, since no field shows it. A long text is cut, and control
// characters would break the line.
QString RejectionLine(const QString& sceneFile, const FieldRejection& rejection, const std::string& typed) {
    constexpr int kShownCharacters = 60;
    const QString whole = QString::fromStdString(typed);
    QString text = whole;
    for (QChar& ch : text)
        if (ch.category() == QChar::Other_Control) ch = QLatin1Char(' ');
    if (text.size() > kShownCharacters)
        text = text.left(kShownCharacters) + QStringLiteral("… (%1 Zeichen)").arg(whole.size());
    return QStringLiteral("%1: Feld %2 „%3“: %4")
        .arg(QDir::toNativeSeparators(sceneFile), QString::fromStdString(rejection.field), text,
             QString::fromStdString(rejection.message));
}

}  // namespace

int RunExportCommand(const CommandLine& commandLine) {
    const QString& sceneFile = commandLine.files.front();
    SceneState file;
    if (const SceneFileResult read = ReadSceneFile(sceneFile, file); !read.ok()) {
        PrintError(read.message);
        return kExitBadCall;
    }
    OpenedScene opened = OpenScene(file);
    QImageCanvas screen(opened.view.imagePixelWidth, opened.view.imagePixelHeight);
    PictureRecorder picture(screen);
    TerminalDrawHost host;
    DrawOpenedScene(picture, opened, host);
    for (const FieldRejection& r : opened.rejections)
        if (!r.message.empty()) PrintError(RejectionLine(sceneFile, r, opened.input.text(r.field)));
    const BatchExportOutcome outcome = RunBatchExport({picture.Calls(), screen.picture()}, *commandLine.exportOptions);
    if (!outcome.message.isEmpty()) PrintError(outcome.message);
    return outcome.exitStatus;
}
