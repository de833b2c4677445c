// The recent-files list: newest first, each file once, at most eight, kept
// in the settings file it was given (never the user's).
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "document/RecentFiles.h"

TEST(RecentFiles, NewestFirstEachOnceAtMostEightAndKeptAcrossRuns) {
    QTemporaryDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    auto file = [&dir](int i) { return dir.filePath(QStringLiteral("s%1.spatium").arg(i)); };
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        RecentFiles recent(settings);
        EXPECT_TRUE(recent.files().isEmpty());
        for (int i = 1; i <= 10; ++i) recent.add(file(i));
        recent.add(file(5));  // again: to the front, not twice
        recent.remove(file(9));
        EXPECT_EQ(recent.files(),
                  (QStringList{file(5), file(10), file(8), file(7), file(6), file(4), file(3)}));
        // Relative paths are stored as absolute ones.
        recent.add(QStringLiteral("relative.spatium"));
        EXPECT_TRUE(QFileInfo(recent.files().front()).isAbsolute());
    }
    QSettings again(settingsFile, QSettings::IniFormat);
    const QStringList kept = RecentFiles(again).files();
    EXPECT_EQ(kept.size(), RecentFiles::kMaxEntries);
    EXPECT_EQ(kept[1], file(5));
}

TEST(RecentFiles, AHandEditedListIsCleanedUp) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QStringList messy = {"/a", "", "/a", "/b"};
    for (int i = 0; i < 20; ++i) messy << QStringLiteral("/f%1").arg(i);
    settings.setValue(QStringLiteral("recentFiles"), messy);
    const QStringList files = RecentFiles(settings).files();
    EXPECT_EQ(files.size(), RecentFiles::kMaxEntries);
    EXPECT_EQ(files.mid(0, 3), (QStringList{"/a", "/b", "/f0"}));
}
