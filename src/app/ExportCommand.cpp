#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/SceneBinding.h"
#include "document/SceneFile.h"
#include "input/FieldReaders.h"

namespace {

// Messages on the terminal instead of boxes: a field the reader rejects
// still opens as typed and is reported, as a box would report it.
class TerminalFeedback : public UserFeedback {
public:
    void Beep() override {}
    void ShowMessage(QWidget*, const QString& text) override { PrintError(text); }
};

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
    LoadScene(windows.form1, *windows.form3, file, scenes.startUpState(), scenes.startUpScene(), true);
    const BatchExportOutcome outcome = RunBatchExport(windows.form1, *commandLine.exportOptions);
    if (!outcome.message.isEmpty()) PrintError(outcome.message);
    return outcome.exitStatus;
}
