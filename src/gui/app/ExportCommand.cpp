#include "gui/app/ExportCommand.h"

#include <QDir>
#include <QFileInfo>

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
    void showMessage(const std::string& text) override { printError(QString::fromStdString(text)); }
    void hideInputWindow() override {}
    void reportRejections(const std::vector<FieldRejection>&) override {}
};

// "a.spatium: Feld Edit_Punkt1_x „1+*2“: Fehler an Stelle 3": where the
// message belongs, since no field shows it. A long text is cut, and control
// characters would break the line.
QString rejectionLine(const QString& sceneFile, const FieldRejection& rejection, const std::string& typed) {
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

int runExportCommand(const CommandLine& commandLine) {
    const QString& sceneFile = commandLine.files.front();
    SceneState file;
    if (const SceneFileResult read = readSceneFile(sceneFile, file); !read.ok()) {
        printError(read.message);
        return kExitBadCall;
    }
    OpenedScene opened = openScene(file);
    QImageCanvas screen(opened.view.imagePixelWidth, opened.view.imagePixelHeight);
    PictureRecorder picture(screen);
    TerminalDrawHost host;
    drawOpenedScene(picture, opened, host);
    for (const FieldRejection& r : opened.rejections)
        if (!r.message.empty()) printError(rejectionLine(sceneFile, r, opened.input.text(r.field)));
    const BatchExportOptions& options = *commandLine.exportOptions;
    const PictureSource source{picture.calls(), screen.picture()};
    const BatchExportOutcome outcome =
        options.sheet.isEmpty()
            ? runBatchExport(source, options)
            : runBatchWorksheet(source, opened.input, opened.scene, QFileInfo(sceneFile).completeBaseName(), options);
    if (!outcome.message.isEmpty()) printError(outcome.message);
    return outcome.exitStatus;
}
