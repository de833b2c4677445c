#include "gui/app/ExportCommand.h"

#include <QDir>
#include <QLineEdit>

#include "gui/app/CommandLine.h"
#include "gui/app/SceneBinding.h"
#include "document/SceneFile.h"
#include "gui/widgets/FieldReaders.h"

namespace {

// Messages on the terminal instead of boxes: a field the reader rejects
// still opens as typed and is reported, as a box would report it.
class TerminalFeedback : public UserFeedback {
public:
    void Beep() override {}
    void ShowMessage(QWidget*, const QString& text) override { PrintError(text); }
};

// "a.spatium: Feld Edit_Punkt1_x „1+*2“: Fehler an Stelle 3": where the
// message belongs, since no field shows it. A long text is cut, and control
// characters would break the line.
QString FieldRejection(const QString& sceneFile, const QLineEdit& field, const QString& message) {
    constexpr int kShownCharacters = 60;
    QString text = field.text();
    for (QChar& ch : text)
        if (ch.category() == QChar::Other_Control) ch = QLatin1Char(' ');
    if (text.size() > kShownCharacters)
        text = text.left(kShownCharacters) + QStringLiteral("… (%1 Zeichen)").arg(field.text().size());
    return QStringLiteral("%1: Feld %2 „%3“: %4")
        .arg(QDir::toNativeSeparators(sceneFile), field.objectName(), text, message);
}

}  // namespace

int RunExportCommand(const CommandLine& commandLine, const AppOptions& options) {
    TerminalFeedback terminal;
    const ScopedUserFeedback scope(terminal);
    SceneState file;
    if (const SceneFileResult read = ReadSceneFile(commandLine.files.front(), file); !read.ok()) {
        PrintError(read.message);
        return kExitBadCall;
    }
    AppWindows windows(options);
    if (windows.aborted()) return kExitBadCall;
    SceneController& scenes = *windows.scenes;
    const QString& sceneFile = commandLine.files.front();
    LoadScene(windows.form1, *windows.form3, file, scenes.startUpState(), scenes.startUpScene(), true,
              [&sceneFile](const QLineEdit& field, const QString& message) {
                  if (!message.isEmpty()) PrintError(FieldRejection(sceneFile, field, message));
              });
    const BatchExportOutcome outcome = RunBatchExport(windows.form1, *commandLine.exportOptions);
    if (!outcome.message.isEmpty()) PrintError(outcome.message);
    return outcome.exitStatus;
}
