#pragma once
// The scene files opened or saved last, newest first, kept in QSettings so
// they outlive the program. Needs Qt Core only.
#include <QString>
#include <QStringList>

class QSettings;

class RecentFiles {
public:
    static constexpr int kMaxEntries = 8;

    // Keeps the list in `settings` (which must outlive this object) under
    // the key "recentFiles"; Qt writes it to the disk when it syncs them.
    explicit RecentFiles(QSettings& settings);

    // Newest first, at most kMaxEntries absolute paths.
    QStringList files() const;
    // Puts path at the front (once), dropping the oldest beyond kMaxEntries.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);

    QSettings& settings_;
};
