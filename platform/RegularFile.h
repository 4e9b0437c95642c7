#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The game's files on disk, read and replaced only where a regular file (or a symbolic link
// to one) stands at their path, so that a FIFO, a device or a directory there is never
// opened for writing, replaced, or waited on.
namespace platform {

struct FileContents {
    enum class Kind {
        Missing,   // nothing at the path
        Read,      // a regular file, read whole into `bytes`
        Unusable,  // something else, or a file that could not be read
    };
    Kind kind = Kind::Missing;
    QByteArray bytes;
};

FileContents ReadRegularFile(const QString& path);

// With a file-size limit, a write past it would otherwise kill the process instead of failing.
// The game calls this first thing; every write calls it too.
void IgnoreFileSizeSignal();

// Reads the file at `path` (empty when missing), lets `edit` change its bytes, and puts them in
// place of the file with one atomic rename, syncing the folder after it: after a crash or a
// failed write the file holds its old bytes or the new ones, never a mix. The whole update
// holds a lock on the folder that every copy of the game takes, so updates by two copies come
// one after the other. Through a symbolic link the file it points to is replaced and the link
// kept. The file keeps its permission bits and its owner; a new file gets the usual ones.
// Removes temporary files that an earlier, interrupted update of the same file left behind.
// Returns false, leaving the old file as it was, when the path holds anything but a regular
// file, the file is read-only (no write permission for its owner), its owner cannot be kept,
// `edit` returns false, or the new file cannot be written in full.
bool UpdateRegularFile(const QString& path, const std::function<bool(QByteArray&)>& edit);

// Whether a new file can be created in `dir`: one of the game's temporary files is made
// there and removed again, under the folder's lock.
bool CanCreateFilesIn(const QString& dir);

}  // namespace platform
