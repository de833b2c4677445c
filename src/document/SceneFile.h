#pragma once
// Scene files: UTF-8 JSON with "format": "spatium-scene" and "version": 1
// at the top and one object per group of SceneState (see
// docs/scene-format.md). Reading is all or nothing: a file that fails leaves
// the caller's value as it was and says why, in German. Writing goes through
// QSaveFile, so a failed or interrupted write leaves the previous file whole.
//
// Needs Qt Core only.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "core/model/SceneState.h"

inline constexpr char kSceneFormatName[] = "spatium-scene";
inline constexpr int kSceneFormatVersion = 1;
inline constexpr char kSceneFileSuffix[] = "spatium";
// Larger files are refused without being parsed.
inline constexpr qint64 kMaxSceneFileBytes = 10 * 1024 * 1024;

enum class SceneFileStatus {
    Ok,
    Missing,       // there is no such file
    Unreadable,    // it exists but cannot be read, or cannot be written
    NotAScene,     // empty, too large, not JSON, wrong shape or value types
    NewerVersion,  // a format version this program does not know yet
};

struct SceneFileResult {
    SceneFileStatus status = SceneFileStatus::Ok;
    // Empty on success; otherwise one German sentence that names the file
    // and the reason.
    QString message;
    bool ok() const { return status == SceneFileStatus::Ok; }
};

// The bytes of a scene file for `state`.
QByteArray sceneToJson(const SceneState& state);

// Parses the bytes of a scene file. On success `state` becomes exactly the
// file's entries (unknown groups and view values are skipped). On failure
// `state` is untouched and `reason` holds why (German, without the file
// name); the status is NotAScene or NewerVersion.
SceneFileStatus sceneFromJson(const QByteArray& bytes, SceneState& state, QString& reason);

// Reads a scene file of at most kMaxSceneFileBytes. All or nothing, as
// sceneFromJson; the message names the file.
SceneFileResult readSceneFile(const QString& path, SceneState& state);

// Writes `state` to path through QSaveFile: the file is replaced only when
// everything was written. On failure the previous file is left as it was.
SceneFileResult writeSceneFile(const QString& path, const SceneState& state);

// Reads from device until its end, but at most maxBytes. The buffer grows
// with what the device holds: a small file never costs a buffer of maxBytes.
QByteArray readUpTo(QIODevice& device, qint64 maxBytes);

// "#rrggbb" for a Colour (0x00BBGGRR) and back; false for any other text.
QString colourToText(Colour colour);
bool colourFromText(const QString& text, Colour& colour);

// False for a font family holding a quote, "<", ">", "&" or a control
// character: a file naming one is refused, and no output passes one on.
bool isUsableFontFamily(const QString& family);
