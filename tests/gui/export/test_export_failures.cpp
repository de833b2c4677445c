// Every way an export can fail gives a German message and leaves no file
// (or the file that was there) behind, and the picture as it was; the same
// for the command-line export, which also answers with its exit status.
#include <QDirIterator>
#include <sys/resource.h>
#include <csignal>
#include <unistd.h>

#include "ExportTestSupport.h"
#include "gui/export/BatchExport.h"

namespace {

class ExportFailures : public ExportTest {
protected:
    void SetUp() override {
        drawBusyScene();
        callsBefore = form.pictureCalls().size();
        screenBefore = screen();
    }
    // The request fails with a message containing `expected`, writes
    // nothing and changes nothing.
    void expectRefused(const ExportRequest& request, const QString& expected) {
        SCOPED_TRACE(request.fileName.toStdString());
        const QString message = exportPicture(picture(), request);
        EXPECT_TRUE(message.contains(expected)) << message.toStdString();
        EXPECT_EQ(form.pictureCalls().size(), callsBefore);
        EXPECT_EQ(screen(), screenBefore);
        // No new file, no temporary one, and what was there is unchanged.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), kept);
        for (const QString& name : kept) EXPECT_EQ(readAll(path(name)), QByteArray("alt")) << name.toStdString();
    }
    void keep(const QString& name, const QByteArray& content) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        kept << name;
    }

    std::size_t callsBefore = 0;
    QImage screenBefore;
    QStringList kept;
};

TEST_F(ExportFailures, BadNamesScalesAndWidths) {
    expectRefused({path("bild.bmp")}, QStringLiteral("Die Endung „.bmp“ ist unbekannt."));
    expectRefused({path("bild")}, QStringLiteral("Der Dateiname „bild“ hat keine Endung."));
    expectRefused({QString()}, QStringLiteral("kein Dateiname"));
    for (int scale : {0, 5, -1})
        expectRefused({path("bild.png"), scale}, QStringLiteral("Der Maßstab %1 ist nicht möglich").arg(scale));
    expectRefused({path("bild.pdf"), 1, 0}, QStringLiteral("Die Breite 0 cm ist nicht möglich."));
    expectRefused({path("bild.pdf"), 1, -2.5}, QStringLiteral("Die Breite -2,5 cm ist nicht möglich."));
    expectRefused({path("bild.pdf"), 1, 0.2}, QStringLiteral("Die Breite 0,2 cm ist nicht möglich."));
    expectRefused({path("bild.pdf"), 1, 100.5}, QStringLiteral("zwischen 1 cm und 100 cm"));
    expectRefused({path("bild.pdf"), 1, std::nan("")}, QStringLiteral("Die Breite muss zwischen 1 cm und 100 cm liegen."));
    expectRefused({path("bild.tex"), 1, 0}, QStringLiteral("Die Breite 0 cm ist nicht möglich."));
    expectRefused({path("bild.tex"), 1, 101}, QStringLiteral("Die Breite 101 cm ist nicht möglich."));
    // Taller than TeX can measure: the document would not compile.
    expectRefused({path("hoch.tex"), 1, 80, QRect(0, 0, 100, 721)},
                  QStringLiteral("Bei 80 cm Breite wäre der Ausschnitt 577 cm hoch; LaTeX setzt höchstens 500 cm."));
    expectRefused({path("bild.svg"), 1, 12, QRect(800, 10, 50, 50)},
                  QStringLiteral("Der markierte Ausschnitt liegt außerhalb des Bildes."));
    // What only other formats use does not matter.
    EXPECT_EQ(exportPicture(picture(), {path("gut.svg"), 9, -1}), QString());
}

TEST_F(ExportFailures, FoldersThatCannotBeWritten) {
    expectRefused({path("fehlt/bild.png")}, QStringLiteral("den Ordner „%1“ gibt es nicht.").arg(path("fehlt")));
    expectRefused({QStringLiteral("/proc/spatium-bild.svg")},
                  QStringLiteral("in den Ordner „/proc“ kann nicht geschrieben werden."));
    expectRefused({QStringLiteral("/proc/spatium-bild.tex")},
                  QStringLiteral("in den Ordner „/proc“ kann nicht geschrieben werden."));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf")));
    expectRefused({path("ordner.pdf")}, QStringLiteral("ist ein Ordner"));
    if (geteuid() != 0) {  // root may write anything
        keep(QStringLiteral("alt.png"), "alt");
        QFile(path("alt.png")).setPermissions(QFile::ReadOwner);
        expectRefused({path("alt.png")}, QStringLiteral("ist schreibgeschützt"));
    }
}

// A full disk, as the kernel reports it when a file may grow no further.
TEST_F(ExportFailures, FullDiskLeavesTheOldFileAsItWas) {
    keep(QStringLiteral("alt.pdf"), "alt");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString message = exportPicture(picture(), {path("alt.pdf")});
    const QString svgMessage = exportPicture(picture(), {path("neu.svg")});
    const QString texMessage = exportPicture(picture(), {path("neu.tex")});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(message.contains(QStringLiteral("beim Schreiben trat ein Fehler auf (ist der Datenträger voll?)")))
        << message.toStdString();
    EXPECT_FALSE(svgMessage.isEmpty());
    EXPECT_FALSE(texMessage.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("neu.tex")));
    EXPECT_EQ(readAll(path("alt.pdf")), QByteArray("alt"));
    EXPECT_FALSE(QFileInfo::exists(path("neu.svg")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), kept);
    EXPECT_EQ(form.pictureCalls().size(), callsBefore);
}

TEST_F(ExportFailures, CommandLineExportAnswersWithStatusAndMessage) {
    BatchExportOutcome done = runBatchExport(pictureOf(form), {path("batch.png"), "2", ""});
    EXPECT_EQ(done.exitStatus, kBatchExportWritten);
    EXPECT_TRUE(done.message.isEmpty());
    EXPECT_EQ(QImage(path("batch.png")).size(), QSize(1442, 1442));
    done = runBatchExport(pictureOf(form), {path("batch.pdf"), "", " 8,5 "});
    EXPECT_EQ(done.exitStatus, kBatchExportWritten);
    EXPECT_TRUE(readAll(path("batch.pdf")).startsWith("%PDF"));
    done = runBatchExport(pictureOf(form), {path("batch.tex"), "", "8", true});
    EXPECT_EQ(done.exitStatus, kBatchExportWritten);
    EXPECT_TRUE(readAll(path("batch.tex")).contains("\\usepackage[paperwidth=8cm, paperheight=8cm, margin=0cm]{geometry}"));
    kept << "batch.pdf" << "batch.png" << "batch.tex";
    kept.sort();

    const struct {
        BatchExportOptions options;
        int status;
        const char* message;
    } bad[] = {
        {{path("x.png"), "zwei", ""}, kBatchExportBadOption, "Der Maßstab „zwei“ ist keine ganze Zahl"},
        {{path("x.png"), "7", ""}, kBatchExportBadOption, "Der Maßstab 7 ist nicht möglich"},
        {{path("x.pdf"), "", "breit"}, kBatchExportBadOption, "Die Breite „breit“ ist keine Zahl."},
        {{path("x.pdf"), "", "0"}, kBatchExportBadOption, "Die Breite 0 cm ist nicht möglich."},
        {{path("x.tex"), "", "-3", true}, kBatchExportBadOption, "Die Breite -3 cm ist nicht möglich."},
        {{path("x.tiff"), "", ""}, kBatchExportBadOption, "Die Endung „.tiff“ ist unbekannt."},
        {{path("nirgends/x.svg"), "", ""}, kBatchExportWriteFailed, "gibt es nicht"},
    };
    for (const auto& b : bad) {
        const BatchExportOutcome outcome = runBatchExport(pictureOf(form), b.options);
        EXPECT_EQ(outcome.exitStatus, b.status) << b.message;
        EXPECT_TRUE(outcome.message.contains(QString::fromUtf8(b.message))) << outcome.message.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), kept);
}

}  // namespace
