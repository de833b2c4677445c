// Fuzz target: reading scene files and the settings file of the recent
// files, the two kinds of file the program turns into values.
//
// The input is the content of a file. It is read
//  - by sceneFromJson into a value that already holds entries: a file the
//    reader refuses must leave that value exactly as it was (compared with a
//    copy) and give a reason; a file it takes replaces the value by the
//    file's entries, which lie in the format's ranges, and writing them out
//    again gives a file that reads back to the same value, so saving what
//    was opened never loses it;
//  - from the disk by readSceneFile, which must come to the same verdict and
//    value, and on failure name the file in its message;
//  - its output area as LaTeX, whose braces all close;
//  - as the settings file (INI) the recent files are kept in: the list
//    holds at most RecentFiles::kMaxEntries non-empty paths, each once.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>

#include "FuzzCheck.h"
#include "document/RecentFiles.h"
#include "document/SceneFile.h"
#include "core/model/SceneState.h"
#include "core/sheet/OutputLatex.h"

namespace {

// What the program holds before a file is opened: an entry in every group,
// some of them under names a file may also hold.
const SceneState& before() {
    static const SceneState before = [] {
        SceneState s;
        s.texts["Edit_Punkt1_x"] = "4";
        s.texts["Edit_vgz"] = "1,5t";
        s.checks["CheckBox_Gerade_g"] = true;
        s.colours["Panel_Punkt3DFarbe"] = 0x00FF0000;
        s.choices["ComboBox_Zoomfaktor"] = 2;
        s.fonts["Edit_Text_in_Grafik"] = TextFont{"DejaVu Sans", 10, false, false, false, false, 0};
        s.outputs["RichEditOut"] = OutputText{{{"Ausgaben\n", 0x00FF00FF}}, 0, {}};
        s.view["offsetX"] = 12;
        return s;
    }();
    return before;
}

// The ranges SceneFile.cpp promises for the values it takes.
void checkRanges(const SceneState& s) {
    static const std::set<std::string> viewNames = {ViewValueNames::OffsetX, ViewValueNames::OffsetY,
                                                ViewValueNames::RotationX, ViewValueNames::RotationY,
                                                ViewValueNames::RotationZ};
    for (const auto& [name, value] : s.view) {
        FUZZ_CHECK(viewNames.count(name));
        FUZZ_CHECK(std::isfinite(value) && std::fabs(value) <= 1000000);
    }
    for (const auto& [name, item] : s.choices) FUZZ_CHECK(item >= -1 && item <= 9999);
    for (const auto& [name, font] : s.fonts) FUZZ_CHECK(font.pointSize >= 1 && font.pointSize <= 1000);
    for (const auto& [name, colour] : s.colours) FUZZ_CHECK((colour & 0xFF000000u) == 0);
}

// An opened output area copies as LaTeX whose groups close: nothing a
// file's blocks hold can open a brace it does not close.
void checkOutputLatex(const SceneState& s) {
    for (const auto& [name, output] : s.outputs) {
        std::string text;
        for (const TextRun& run : output.runs) text += run.text;
        const std::string latex = outputLatex(text, output.blocks);
        int depth = 0;
        for (std::size_t i = 0; i < latex.size(); ++i) {
            if (latex[i] == '\\') ++i;  // a command or an escaped brace
            else if (latex[i] == '{') ++depth;
            else if (latex[i] == '}') FUZZ_CHECK(--depth >= 0);
        }
        FUZZ_CHECK(depth == 0);
    }
}

SceneFileStatus checkSceneReader(const QByteArray& bytes, SceneState& state) {
    state = before();
    QString reason;
    const SceneFileStatus status = sceneFromJson(bytes, state, reason);
    if (status != SceneFileStatus::Ok) {
        FUZZ_CHECK(status == SceneFileStatus::NotAScene || status == SceneFileStatus::NewerVersion);
        FUZZ_CHECK(state == before());
        FUZZ_CHECK(!reason.isEmpty());
        return status;
    }
    checkRanges(state);
    checkOutputLatex(state);
    // Saved again, the file reads back to the same value.
    SceneState again;
    QString second;
    FUZZ_CHECK(sceneFromJson(sceneToJson(state), again, second) == SceneFileStatus::Ok);
    FUZZ_CHECK(again == state);
    return status;
}

// One file of this process's own, written anew for every input and removed
// at the end.
const QString& filePath() {
    static const QString path = [] {
        const QString p = QDir::temp().filePath(QStringLiteral("fuzz_scene_%1.spatium").arg(::getpid()));
        std::atexit([] { QFile::remove(filePath()); });
        return p;
    }();
    return path;
}

void checkFileReader(const QByteArray& bytes, SceneFileStatus expected, const SceneState& expectedState) {
    QFile file(filePath());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    file.close();

    SceneState state = before();
    const SceneFileResult result = readSceneFile(filePath(), state);
    FUZZ_CHECK(result.status == expected);
    if (result.ok()) {
        FUZZ_CHECK(result.message.isEmpty());
        FUZZ_CHECK(state == expectedState);
    } else {
        FUZZ_CHECK(state == before());
        FUZZ_CHECK(result.message.contains(QFileInfo(filePath()).fileName()));
    }

    // The same bytes as the settings file of the recent files.
    QSettings settings(filePath(), QSettings::IniFormat);
    QStringList files = RecentFiles(settings).files();
    FUZZ_CHECK(files.size() <= RecentFiles::kMaxEntries);
    FUZZ_CHECK(files.removeDuplicates() == 0);
    for (const QString& f : files) FUZZ_CHECK(!f.isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SceneState state;
    const SceneFileStatus status = checkSceneReader(bytes, state);
    checkFileReader(bytes, status, state);
    return 0;
}
