// The scene file format: what is written is read back unchanged, and every
// file that is not a scene is refused as a whole with a German reason that
// names it, leaving the caller's value as it was.
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/FileWrite.h"
#include "document/SceneFile.h"

namespace {

// A state with entries in every group, including texts a file must keep
// exactly: quotes, backslashes, umlauts, symbols, an empty and a very long one.
SceneState sample() {
    SceneState s;
    s.texts["Edit_Punkt1_x"] = "1/4";
    s.texts["Edit_vgz"] = "1,5t";
    s.texts["Edit_Punkt1"] = "Äö\"\\∠";
    s.texts["Edit_t1"] = std::string();
    s.texts["Edit_a1"] = std::string(100000, '7');
    s.checks["CheckBox_Gerade_g"] = true;
    s.checks["CheckBox_Dreieck"] = false;
    s.colours["Panel_Punkt3DFarbe"] = 0x00123456;
    s.choices["ComboBox_Zoomfaktor"] = 4;
    s.fonts["Edit_Text_in_Grafik"] = TextFont{"DejaVu Serif", 14, true, true, false, true, 0x0000FF00};
    // A block of each kind of item, as a calculation records them.
    using Kind = FormulaPiece::Kind;
    const OutputBlock block{"SpeedButton_Kreuzprodukt", "α · β ⎧3⎫\n",
                            {{0x00FF0000, "S liegt auf g mit λ = 1/2", {}},
                             {0x00008080, {}, {{Kind::Vector, {"OA"}}, {Kind::Text, {" × "}}, {Kind::Column, {"1", "-2", "3/4"}},
                                               {Kind::Determinant, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}}}}}};
    s.outputs["RichEditOut"] =
        OutputText{{{"       Ausgaben\n \n", 0x00FF00FF}, {"α · β ⎧3⎫\n", 0x00FF0000}}, 0x00800000, {block}};
    s.view["offsetX"] = -1000000;
    s.view["offsetY"] = 46;
    s.view["rotationZ"] = -715;
    // A t no double holds: the file keeps every bit of it.
    s.parameters["Edit_vgz"] = 0.1L + 0.1L + 0.1L;
    s.parameters["Edit_ugx"] = -1E100L;
    return s;
}

SceneState sentinel() {
    SceneState s;
    s.texts["untouched"] = "yes";
    return s;
}

QByteArray sampleBytes() { return sceneToJson(sample()); }

QByteArray replaced(QByteArray bytes, const char* from, const char* to) {
    EXPECT_TRUE(bytes.contains(from)) << from;
    return bytes.replace(from, to);
}

}  // namespace

TEST(SceneFileFormat, WritesFormatAndVersionFirstAndReadsEveryGroupBack) {
    const QByteArray bytes = sampleBytes();
    EXPECT_TRUE(bytes.startsWith("{\n    \"format\": \"spatium-scene\",\n    \"version\": 1,\n")) << bytes.left(80).data();
    SceneState read;
    QString reason;
    ASSERT_EQ(sceneFromJson(bytes, read, reason), SceneFileStatus::Ok) << reason.toStdString();
    EXPECT_EQ(read, sample());
    EXPECT_EQ(sceneToJson(read), bytes);  // stable: a second save writes the same bytes
}

TEST(SceneFileFormat, UnknownKeysAreIgnoredAndMissingGroupsAreEmpty) {
    const QByteArray bytes = R"({"version": 1, "format": "spatium-scene", "comment": [1, 2],
        "view": {"offsetX": 12, "zoomLevel": "unknown"}, "future": {"x": true}})";
    SceneState read = sentinel();
    QString reason;
    ASSERT_EQ(sceneFromJson(bytes, read, reason), SceneFileStatus::Ok) << reason.toStdString();
    SceneState expected;
    expected.view["offsetX"] = 12;
    EXPECT_EQ(read, expected);
}

struct BadFile {
    const char* what;
    QByteArray bytes;
    SceneFileStatus status;
};

TEST(SceneFileFormat, EveryMalformedFileIsRefusedWholeWithAReason) {
    const QByteArray good = sampleBytes();
    const BadFile cases[] = {
        {"empty", "", SceneFileStatus::NotAScene},
        {"blanks", " \n\t ", SceneFileStatus::NotAScene},
        {"not JSON", "Punkte: A(1|2|3)", SceneFileStatus::NotAScene},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), SceneFileStatus::NotAScene},
        {"truncated", good.left(good.size() / 2), SceneFileStatus::NotAScene},
        {"array", "[1, 2, 3]", SceneFileStatus::NotAScene},
        {"no format", R"({"version": 1})", SceneFileStatus::NotAScene},
        {"other format", R"({"format": "kig", "version": 1})", SceneFileStatus::NotAScene},
        {"no version", R"({"format": "spatium-scene"})", SceneFileStatus::NotAScene},
        {"version text", R"({"format": "spatium-scene", "version": "1"})", SceneFileStatus::NotAScene},
        {"version 0", R"({"format": "spatium-scene", "version": 0})", SceneFileStatus::NotAScene},
        {"version 1.5", R"({"format": "spatium-scene", "version": 1.5})", SceneFileStatus::NotAScene},
        {"newer", replaced(good, "\"version\": 1,", "\"version\": 2,"), SceneFileStatus::NewerVersion},
        {"newer, other shape", R"({"format": "spatium-scene", "version": 7, "texts": []})",
         SceneFileStatus::NewerVersion},
        {"texts array", R"({"format": "spatium-scene", "version": 1, "texts": ["4"]})", SceneFileStatus::NotAScene},
        {"text number", replaced(good, "\"1/4\"", "0.25"), SceneFileStatus::NotAScene},
        {"check text", replaced(good, "\"CheckBox_Gerade_g\": true", "\"CheckBox_Gerade_g\": \"ja\""),
         SceneFileStatus::NotAScene},
        {"colour name", replaced(good, "\"#563412\"", "\"blue\""), SceneFileStatus::NotAScene},
        {"colour short", replaced(good, "\"#563412\"", "\"#56341\""), SceneFileStatus::NotAScene},
        {"colour letter", replaced(good, "\"#563412\"", "\"#56341g\""), SceneFileStatus::NotAScene},
        {"choice fraction", replaced(good, "\"ComboBox_Zoomfaktor\": 4", "\"ComboBox_Zoomfaktor\": 4.5"),
         SceneFileStatus::NotAScene},
        {"font without size", replaced(good, "\"pointSize\": 14,", ""), SceneFileStatus::NotAScene},
        {"font size 0", replaced(good, "\"pointSize\": 14", "\"pointSize\": 0"), SceneFileStatus::NotAScene},
        {"output without colour", replaced(good, "\"colour\": \"#000080\",\n            \"runs\"", "\"runs\""),
         SceneFileStatus::NotAScene},
        {"output run without text", replaced(good, "\"text\": \"α · β ⎧3⎫\\n\"", "\"txt\": \"\""),
         SceneFileStatus::NotAScene},
        {"output runs no list", replaced(good, "\"runs\": [", "\"runs\": 5, \"x\": ["), SceneFileStatus::NotAScene},
        {"blocks no list", replaced(good, "\"blocks\": [", "\"blocks\": 5, \"x\": ["), SceneFileStatus::NotAScene},
        {"column of two", replaced(good, "\"-2\",", ""), SceneFileStatus::NotAScene},
        {"piece of two kinds", replaced(good, "\"vector\": \"OA\"", "\"vector\": \"OA\", \"text\": \"x\""),
         SceneFileStatus::NotAScene},
        {"block without text", replaced(good, "\"text\": \"α · β ⎧3⎫\\n\"\n", "\"txt\": \"\"\n"),
         SceneFileStatus::NotAScene},
        {"rotation beyond 720", replaced(good, "-715", "725"), SceneFileStatus::NotAScene},
        {"offset fraction", replaced(good, "\"offsetY\": 46", "\"offsetY\": 46.5"), SceneFileStatus::NotAScene},
        {"offset too far", replaced(good, "\"offsetY\": 46", "\"offsetY\": 1000001"), SceneFileStatus::NotAScene},
        {"bad UTF-8", replaced(good, "1,5t", "1,5\xff"), SceneFileStatus::NotAScene},
    };
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        SceneState state = sentinel();
        QString reason;
        EXPECT_EQ(sceneFromJson(c.bytes, state, reason), c.status);
        EXPECT_EQ(state, sentinel());
        EXPECT_FALSE(reason.isEmpty());
    }
}

// A font entry that cannot be used is refused whole, naming the entry in
// readable German; so is a family that would break out of another
// format's markup (an SVG attribute) or hold a control character.
TEST(SceneFileFormat, UnusableFontEntriesAreRefusedByName) {
    const QByteArray good = sampleBytes();
    const QString entry = QStringLiteral("der Wert von „Edit_Text_in_Grafik“ in „fonts“ ist ");
    const struct {
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {replaced(good, "\"colour\": \"#00ff00\",", ""), entry + QStringLiteral("keine vollständige Schriftangabe")},
        {replaced(good, "\"DejaVu Serif\"", R"j("Evil\" onload=\"alert(1)")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("<script>")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("Fish & Chips")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("Sans\u0000")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("\u0001")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("Sans\tSerif")j"), {}},
        {replaced(good, "\"DejaVu Serif\"", R"j("Sans\u009b")j"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.mid(c.bytes.indexOf("family"), 40).toStdString());
        SceneState state = sentinel();
        QString reason;
        EXPECT_EQ(sceneFromJson(c.bytes, state, reason), SceneFileStatus::NotAScene);
        EXPECT_EQ(reason, c.reason.isEmpty() ? entry + QStringLiteral("eine Schrift, deren Name ein Anführungszeichen, "
                                                                      "<, >, & oder ein Steuerzeichen enthält")
                                             : c.reason);
        EXPECT_EQ(state, sentinel());
    }
    SceneState state;
    QString reason;
    EXPECT_EQ(sceneFromJson(replaced(good, "\"DejaVu Serif\"", "\"Noto Sans CJK JP (Ärger's 2)\""), state, reason),
              SceneFileStatus::Ok)
        << reason.toStdString();
}

// Mutations of a good file: flipped, dropped, doubled and swapped bytes, cut
// ends and replaced values. Whatever comes out, the reader either takes the
// file whole (and then writes it back unchanged) or refuses it whole.
TEST(SceneFileFormat, ThousandsOfMutatedFilesAreTakenOrRefusedWhole) {
    const QByteArray good = sampleBytes().replace(QByteArray(100000, '7'), "7777");
    std::uint64_t seed = 0x5eed5eedULL;
    auto next = [&seed](std::uint64_t bound) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (seed >> 33) % bound;
    };
    const char* tokens[] = {"true", "false", "null", "0", "-1", "1e400", "\"\"", "{}", "[]", "\"#ffffff\"", "\"",
                            ",", ":", "}", "{", "\\u0000", "\xc3\xa4", "\xff"};
    int taken = 0;
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = good;
        const int edits = 1 + int(next(4));
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const auto at = qsizetype(next(std::uint64_t(bytes.size())));
            switch (next(6)) {
            case 0: bytes[at] = char(bytes[at] ^ (1 << next(8))); break;
            case 1: bytes.remove(at, qsizetype(1 + next(16))); break;
            case 2: bytes.insert(at, bytes.mid(qsizetype(next(std::uint64_t(bytes.size()))), 12)); break;
            case 3: bytes.truncate(at); break;
            case 4: bytes.insert(at, tokens[next(std::size(tokens))]); break;
            default: std::swap(bytes[at], bytes[qsizetype(next(std::uint64_t(bytes.size())))]); break;
            }
        }
        SceneState state = sentinel();
        QString reason;
        const SceneFileStatus status = sceneFromJson(bytes, state, reason);
        if (status == SceneFileStatus::Ok) {
            ++taken;
            SceneState again;
            QString second;
            ASSERT_EQ(sceneFromJson(sceneToJson(state), again, second), SceneFileStatus::Ok) << round;
            ASSERT_EQ(again, state) << round;
        } else {
            ++refused;
            ASSERT_EQ(state, sentinel()) << round;
            ASSERT_FALSE(reason.isEmpty()) << round;
        }
    }
    // Both outcomes occur, or the mutations test nothing.
    EXPECT_GT(taken, 100);
    EXPECT_GT(refused, 1000);
}

TEST(SceneFileFormat, DocumentedExampleIsAGoodScene) {
    QFile doc(QStringLiteral(SPATIUM_SOURCE_DIR "/docs/scene-format.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const qsizetype start = text.indexOf("```json\n");
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf("\n```", start + 8);
    ASSERT_GT(end, start);
    SceneState state;
    QString reason;
    ASSERT_EQ(sceneFromJson(text.mid(start + 8, end - start - 8), state, reason), SceneFileStatus::Ok)
        << reason.toStdString();
    // A complete example: the points, a family field, the output and the view.
    EXPECT_EQ(state.texts.at("Edit_Punkt1_x"), "4");
    EXPECT_EQ(state.texts.at("Edit_vgz"), "2t");
    const OutputText& output = state.outputs.at("RichEditOut");
    std::string shown;
    for (const TextRun& run : output.runs) shown += run.text;
    EXPECT_EQ(blocksStillShown(shown, output.blocks).size(), 1u);  // the block stands in the text
    EXPECT_TRUE(state.fonts.count("Edit_Text_in_Grafik"));
    EXPECT_EQ(state.view.size(), 5u);
    EXPECT_EQ(state.parameters.at("Edit_vgz"), 2.0L);
    EXPECT_GT(state.texts.size(), 100u);
}

class SceneFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(SceneFiles, WrittenFileReadsBackAndReplacesTheOldOne) {
    const QString file = path("a.spatium");
    write(file, "old");
    ASSERT_TRUE(writeSceneFile(file, sample()).ok());
    SceneState read;
    ASSERT_TRUE(readSceneFile(file, read).ok());
    EXPECT_EQ(read, sample());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.spatium"});  // no temporary left over
}

TEST_F(SceneFiles, FilesThatAreNoScenesNameTheFileAndTheReason) {
    struct Case {
        const char* what;
        QString path;
        SceneFileStatus status;
        const char* says;
    };
    write(path("empty.spatium"), "");
    write(path("newer.spatium"), R"({"format": "spatium-scene", "version": 2})");
    {
        QFile big(path("big.spatium"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(kMaxSceneFileBytes + 1));
    }
    QDir(dir.path()).mkdir(QStringLiteral("folder.spatium"));
    ASSERT_EQ(mkfifo(path("pipe.spatium").toLocal8Bit().constData(), 0600), 0);
    const Case cases[] = {
        {"missing", path("none.spatium"), SceneFileStatus::Missing, "gibt es nicht"},
        {"empty", path("empty.spatium"), SceneFileStatus::NotAScene, "ist keine Spatium-Szene: die Datei ist leer"},
        {"newer", path("newer.spatium"), SceneFileStatus::NewerVersion, "wurde mit einer neueren Version"},
        {"over 10 MB", path("big.spatium"), SceneFileStatus::NotAScene, "größer als 10 MB"},
        {"folder", path("folder.spatium"), SceneFileStatus::NotAScene, "ist keine Spatium-Szene"},
        // A pipe would block the reader for ever; a device would never end.
        {"pipe", path("pipe.spatium"), SceneFileStatus::NotAScene, "keine gewöhnliche Datei"},
        {"device", QStringLiteral("/dev/zero"), SceneFileStatus::NotAScene, "keine gewöhnliche Datei"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SceneState state = sentinel();
        const SceneFileResult r = readSceneFile(c.path, state);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.message.contains(QStringLiteral("„%1“").arg(c.path))) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.says))) << r.message.toStdString();
        EXPECT_EQ(state, sentinel());
    }
}

TEST_F(SceneFiles, FailedWriteKeepsTheOldFileAndSaysWhy) {
    const QString missingFolder = path("gone/a.spatium");
    const SceneFileResult r = writeSceneFile(missingFolder, sample());
    EXPECT_EQ(r.status, SceneFileStatus::Unreadable);
    EXPECT_TRUE(r.message.contains(QStringLiteral("konnte nicht gespeichert werden"))) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder of that name cannot be replaced by the file.
    QDir(dir.path()).mkdir(QStringLiteral("taken.spatium"));
    const SceneFileResult folder = writeSceneFile(path("taken.spatium"), sample());
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.message.contains(QStringLiteral("„taken.spatium“ ist ein Ordner"))) << folder.message.toStdString();
    EXPECT_TRUE(QFileInfo(path("taken.spatium")).isDir());
}

// The reason a failed write names comes from the target, its folder and
// the system's error, not from a guess: a read-only file is no full disk.
// (Root may write read-only files, so the system's answers are given here.)
TEST_F(SceneFiles, FailedWriteNamesTheRealReason) {
    write(path("alt.spatium"), "alt");
    QDir(dir.path()).mkdir(QStringLiteral("ordner"));
    const struct {
        QString path;
        QFileDevice::FileError error;
        int errorNumber;
        QString reason;
    } cases[] = {
        {path("alt.spatium"), QFileDevice::WriteError, EACCES, "keine Schreibberechtigung, die Datei ist schreibgeschützt"},
        {path("alt.spatium"), QFileDevice::OpenError, EPERM, "keine Schreibberechtigung, die Datei ist schreibgeschützt"},
        {path("neu.spatium"), QFileDevice::OpenError, EACCES,
         QStringLiteral("keine Schreibberechtigung für den Ordner „%1“").arg(dir.path())},
        {path("ordner"), QFileDevice::WriteError, 0, "„ordner“ ist ein Ordner"},
        {path("fehlt/neu.spatium"), QFileDevice::OpenError, ENOENT,
         QStringLiteral("den Ordner „%1“ gibt es nicht").arg(path("fehlt"))},
        {path("alt.spatium"), QFileDevice::WriteError, EROFS, "der Datenträger ist schreibgeschützt"},
        {path("alt.spatium"), QFileDevice::WriteError, ENOSPC, "der Datenträger ist voll"},
        {path("neu.spatium"), QFileDevice::WriteError, EDQUOT, "der Datenträger ist voll"},
        {path("alt.spatium"), QFileDevice::RenameError, EXDEV,
         "die geschriebene Datei konnte nicht an ihren Platz gebracht werden"},
        {path("neu.spatium"), QFileDevice::WriteError, EIO, "beim Schreiben trat ein Fehler auf (ist der Datenträger voll?)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " errno " + std::to_string(c.errorNumber));
        EXPECT_EQ(writeFailureReason(c.path, c.error, c.errorNumber), c.reason);
    }
}

// The disk fills up in the middle of writing, or the program is killed
// there: the file written before stays whole.
TEST_F(SceneFiles, WriteStoppedMidwayLeavesThePreviousFileWhole) {
    const QString file = path("scene.spatium");
    SceneState previous;
    previous.texts["Edit_Punkt1_x"] = "5";
    ASSERT_TRUE(writeSceneFile(file, previous).ok());
    const QByteArray before = contents(file);
    ASSERT_LT(before.size(), 4096);
    ASSERT_GT(sceneToJson(sample()).size(), 8192);

    auto limitFileSize = [] {
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    // Full disk: the write fails and says so.
    EXPECT_EXIT(
        {
            limitFileSize();
            std::signal(SIGXFSZ, SIG_IGN);
            const SceneFileResult r = writeSceneFile(file, sample());
            _exit(!r.ok() && r.message.contains(QStringLiteral("Datenträger voll")) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(contents(file), before);
    // Killed while writing.
    EXPECT_EXIT(
        {
            limitFileSize();
            writeSceneFile(file, sample());
            _exit(0);
        },
        ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(contents(file), before);
    SceneState read;
    ASSERT_TRUE(readSceneFile(file, read).ok());
    EXPECT_EQ(read, previous);
}

// A device that says how large the largest read asked of it was, and can
// hide its size as pipes and files under /proc do.
class ReadRecorder : public QIODevice {
public:
    ReadRecorder(QByteArray data, bool knowsSize) : data_(std::move(data)), knowsSize_(knowsSize) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return !knowsSize_; }
    qint64 size() const override { return knowsSize_ ? data_.size() : 0; }
    qint64 largestRequest = 0;

protected:
    qint64 readData(char* into, qint64 max) override {
        largestRequest = std::max(largestRequest, max);
        const qint64 n = std::min<qint64>(max, data_.size() - at_);
        std::memcpy(into, data_.constData() + at_, std::size_t(n));
        at_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 at_ = 0;
    bool knowsSize_;
};

// Found by fuzzing: every file read reserved a buffer of the whole 10 MB
// limit, however small the file.
TEST(SceneFileFormat, ReadingASmallFileNeverReservesTheWholeLimit) {
    const QByteArray small = sampleBytes();
    for (const bool knowsSize : {true, false}) {
        ReadRecorder device(small, knowsSize);
        EXPECT_EQ(readUpTo(device, kMaxSceneFileBytes + 1), small);
        EXPECT_LE(device.largestRequest, std::max<qint64>(small.size() + 1, 64 * 1024)) << knowsSize;
    }
    // Larger than the limit: one byte beyond it tells, whether or not the
    // device knows its size.
    const QByteArray large(300000, 'x');
    for (const bool knowsSize : {true, false}) {
        ReadRecorder device(large, knowsSize);
        EXPECT_EQ(readUpTo(device, 200001).size(), 200001) << knowsSize;
    }
}

TEST(SceneStateValue, OverlayComparisonAndChangedEntries) {
    SceneState startUp;
    startUp.texts["Edit_Punkt1_x"] = "4";
    startUp.checks["CheckBox_Dreieck"] = false;
    startUp.view["offsetX"] = 90;
    SceneState file;
    file.texts["Edit_Punkt1_x"] = "7";
    file.colours["Panel_KoerperFarbe"] = 0x00FF00;

    SceneState merged = startUp;
    merged.overlay(file);
    EXPECT_EQ(merged.size(), 4);
    EXPECT_EQ(merged.texts.at("Edit_Punkt1_x"), "7");
    EXPECT_FALSE(merged.checks.at("CheckBox_Dreieck"));
    EXPECT_NE(merged, startUp);
    EXPECT_EQ(merged.differingNames(startUp), (std::vector<std::string>{"Edit_Punkt1_x", "Panel_KoerperFarbe"}));

    const SceneState changed = changedEntries(startUp, merged);
    EXPECT_EQ(changed, file);
    EXPECT_EQ(changedEntries(merged, startUp).size(), 1);  // the panel has no start-up entry to go back to
    EXPECT_TRUE(merged.differingNames(merged).empty());
}
