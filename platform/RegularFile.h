#pragma once

#include <QByteArray>
#include <QString>

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

// Puts `contents` in place of the file at `path` with one atomic rename: after a crash or a
// failed write the file holds its old bytes or the new ones, never a mix. Through a symbolic
// link the file it points to is replaced and the link kept. The file keeps its permission
// bits (and its owner, where the process may set it); a new file gets the usual ones. Removes
// temporary files that an earlier, interrupted replace of the same file left behind. Returns
// false, leaving the old file as it was, when the path holds anything but a regular file or
// the new file cannot be written in full.
bool ReplaceRegularFile(const QString& path, const QByteArray& contents);

// Whether a new file can be created in `dir`: one of the game's temporary files is made
// there and removed again.
bool CanCreateFilesIn(const QString& dir);

}  // namespace platform
