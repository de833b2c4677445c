#pragma once
// Writing a whole file or nothing, shared by the scene files and the picture
// export, and the German reason when it fails. Qt Core only.
#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes bytes to path through QSaveFile: the file is replaced only when
// every byte is on the disk, so on any failure nothing half-written is left
// and an existing file of that name stays as it was. Empty on success,
// otherwise the reason (see writeFailureReason).
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// Why writing path failed, as a German clause that fits after
// "„…“ konnte nicht gespeichert werden: " ("der Datenträger ist voll").
// Looks at the target and its folder as they are now; `error` is the
// QSaveFile's error and errorNumber the errno of the call that failed
// (0 when unknown). A folder in the file's place, a missing folder and a
// missing write permission are named before anything the system reported.
QString writeFailureReason(const QString& path, QFileDevice::FileError error, int errorNumber);
