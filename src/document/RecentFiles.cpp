#include "document/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr char kKey[] = "recentFiles";

QString normalised(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

QStringList RecentFiles::files() const {
    QStringList files;
    // Whatever another program version or a hand edit left there: only
    // non-empty texts, each once, at most kMaxEntries.
    for (const QString& path : settings_.value(QLatin1String(kKey)).toStringList())
        if (!path.isEmpty() && !files.contains(path) && files.size() < kMaxEntries) files << path;
    return files;
}

void RecentFiles::add(const QString& path) {
    const QString entry = normalised(path);
    QStringList list = files();
    list.removeAll(entry);
    list.prepend(entry);
    while (list.size() > kMaxEntries) list.removeLast();
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    list.removeAll(normalised(path));
    store(list);
}

void RecentFiles::store(const QStringList& files) {
    // Reopening the newest file changes nothing: no write to the disk. A
    // change reaches the disk when Qt next syncs the settings (from the
    // event loop, and at the latest when they are destroyed), not in the
    // middle of opening a scene.
    if (settings_.value(QLatin1String(kKey)).toStringList() == files) return;
    settings_.setValue(QLatin1String(kKey), files);
}
