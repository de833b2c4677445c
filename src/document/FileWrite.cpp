#include "document/FileWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

QString quoted(const QString& text) { return QStringLiteral("„%1“").arg(text); }

bool noPermission(int errorNumber) { return errorNumber == EACCES || errorNumber == EPERM; }

}  // namespace

QString writeFailureReason(const QString& path, QFileDevice::FileError error, int errorNumber) {
    const QFileInfo target(path);
    const QString folder = quoted(QDir::toNativeSeparators(target.absolutePath()));
    if (target.isDir()) return QStringLiteral("%1 ist ein Ordner").arg(quoted(target.fileName()));
    if (!target.absoluteDir().exists()) return QStringLiteral("den Ordner %1 gibt es nicht").arg(folder);
    if (errorNumber == EROFS) return QStringLiteral("der Datenträger ist schreibgeschützt");
    if (target.exists() && (!target.isWritable() || noPermission(errorNumber)))
        return QStringLiteral("keine Schreibberechtigung, die Datei ist schreibgeschützt");
    if (noPermission(errorNumber) || !QFileInfo(target.absolutePath()).isWritable())
        return QStringLiteral("keine Schreibberechtigung für den Ordner %1").arg(folder);
    if (errorNumber == ENOSPC || errorNumber == EDQUOT) return QStringLiteral("der Datenträger ist voll");
    switch (error) {
    case QFileDevice::OpenError:
        return QStringLiteral("in den Ordner %1 kann nicht geschrieben werden").arg(folder);
    case QFileDevice::RenameError:
        return QStringLiteral("die geschriebene Datei konnte nicht an ihren Platz gebracht werden");
    default:
        return QStringLiteral("beim Schreiben trat ein Fehler auf (ist der Datenträger voll?)");
    }
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // errno tells why a call failed, but only when it is cleared before.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return writeFailureReason(path, file.error(), errno);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int errorNumber = errno;
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return writeFailureReason(path, error == QFileDevice::NoError ? QFileDevice::WriteError : error, errorNumber);
    }
    errno = 0;
    if (!file.commit()) return writeFailureReason(path, file.error(), errno);
    return {};
}
