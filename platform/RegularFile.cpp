#include "platform/RegularFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// A temporary file is named after the file it will replace, with this mark and a random
// tail: "Score0.ini.zenkara-x7Gq2B". Only names of exactly this form are taken for leftovers.
constexpr char kTemporaryMark[] = ".zenkara-";
constexpr int kRandomTailLength = 6;
constexpr char kTailCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kCreateAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // less the umask, as for any new file
constexpr mode_t kPermissionBits = 07777;

QByteArray RandomTail()
{
    QByteArray tail(kRandomTailLength, Qt::Uninitialized);
    for (char& c : tail)
        c = kTailCharacters[QRandomGenerator::global()->bounded(int(sizeof kTailCharacters) - 1)];
    return tail;
}

// `name` is one of the temporaries whose names start with `prefix` (a file name and the mark).
bool IsTemporaryName(QByteArrayView name, QByteArrayView prefix)
{
    if (name.size() != prefix.size() + kRandomTailLength || !name.startsWith(prefix))
        return false;
    for (char c : name.sliced(prefix.size()))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The folder of the game's files, open and locked while alive. Every copy of the game takes this
// lock to update a file there, so no two updates interleave and a temporary file found while
// holding it belongs to no running save. A folder that cannot be opened for reading is used
// unlocked: files can still be made in it.
class LockedFolder {
public:
    explicit LockedFolder(const QByteArray& dir) : fd_(open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~LockedFolder()
    {
        if (fd_ >= 0)
            close(fd_);  // releases the lock
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // Makes a rename in the folder durable.
    void Sync() const
    {
        if (fd_ >= 0)
            fsync(fd_);
    }

private:
    int fd_;
};

// A new, empty temporary file for `baseName` in `dir`, open for writing; -1 when none can be made.
int CreateTemporary(const QByteArray& dir, const QByteArray& baseName, QByteArray& tempPath)
{
    const QByteArray stem = dir + '/' + baseName + kTemporaryMark;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        tempPath = stem + RandomTail();
        const int fd = open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, kNewFileMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Temporaries that a save killed between creating and renaming its file left behind.
void RemoveLeftoverTemporaries(const QByteArray& dir, const QByteArray& baseName)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(dir.constData()), closedir);
    if (!listing)
        return;
    const QByteArray prefix = baseName + kTemporaryMark;
    while (const dirent* entry = readdir(listing.get())) {
        if (!IsTemporaryName(QByteArrayView(entry->d_name), prefix))
            continue;
        struct stat info {};
        const QByteArray path = dir + '/' + entry->d_name;
        if (lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            unlink(path.constData());
    }
}

bool WriteAll(int fd, const QByteArray& contents)
{
    const char* data = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Reads `fd` to its end. `size` is the file's size when it was opened: a read that falls short
// once that much is in has met the end, so no further call is needed to find it.
bool ReadAll(int fd, qsizetype size, QByteArray& bytes)
{
    constexpr qsizetype kChunk = 64 * 1024;
    bytes.resize(size + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(filled + kChunk);
        const auto wanted = static_cast<size_t>(bytes.size() - filled);
        const ssize_t got = read(fd, bytes.data() + filled, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        filled += got;
        if (static_cast<size_t>(got) < wanted && filled >= size)
            break;
    }
    bytes.resize(filled);
    return true;
}

// The regular file that a replace of `path` puts its bytes in place of: `path` itself, or the
// file a symbolic link there points to. Empty when something else stands there.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat info {};
};

bool ResolveTarget(const QByteArray& path, Target& target)
{
    target.path = path;
    if (lstat(path.constData(), &target.info) != 0)
        return errno == ENOENT;
    if (S_ISLNK(target.info.st_mode)) {
        const std::unique_ptr<char, void (*)(void*)> real(realpath(path.constData(), nullptr), std::free);
        if (!real || stat(real.get(), &target.info) != 0)
            return false;  // a dangling link: where it would lead is no file of the game's
        target.path = real.get();
    }
    target.exists = true;
    return S_ISREG(target.info.st_mode);
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.first(slash);
}

// Windows refuses to replace a file marked read-only. A file without its owner's write
// permission is such a file, also for root, who could write it anyway.
bool IsReadOnly(const Target& target)
{
    return target.exists && (target.info.st_mode & S_IWUSR) == 0;
}

// Gives the new file the target's owner, its group where the process may set it, and its
// permission bits. A new file that would belong to someone else than the target does (it is
// made by whoever runs the game) is no replacement.
bool TakeOwnerAndMode(int fd, const Target& target)
{
    if (!target.exists)
        return true;
    // The owner first: changing it may clear the set-id bits that the mode then restores.
    const uid_t owner = target.info.st_uid;
    const bool ownerKept = fchown(fd, owner, target.info.st_gid) == 0 || fchown(fd, owner, gid_t(-1)) == 0;
    return ownerKept && fchmod(fd, target.info.st_mode & kPermissionBits) == 0;
}

// Writes the new file next to the target and renames it over it.
bool ReplaceTarget(const Target& target, const LockedFolder& folder, const QByteArray& contents)
{
    const QByteArray dir = FolderOf(target.path);
    const QByteArray baseName = target.path.sliced(target.path.lastIndexOf('/') + 1);
    RemoveLeftoverTemporaries(dir, baseName);

    QByteArray tempPath;
    const int fd = CreateTemporary(dir, baseName, tempPath);
    if (fd < 0)
        return false;
    bool written = TakeOwnerAndMode(fd, target) && WriteAll(fd, contents);
    written = fsync(fd) == 0 && written;
    written = close(fd) == 0 && written;
    if (written && rename(tempPath.constData(), target.path.constData()) == 0) {
        folder.Sync();
        return true;
    }
    unlink(tempPath.constData());
    return false;
}

}  // namespace

void IgnoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

FileContents ReadRegularFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (stat(native.constData(), &info) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? FileContents::Kind::Missing : FileContents::Kind::Unusable, {}};
    if (!S_ISREG(info.st_mode))
        return {FileContents::Kind::Unusable, {}};
    // Non-blocking, in case a FIFO has taken the file's place since the check.
    const int fd = open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {FileContents::Kind::Unusable, {}};
    FileContents contents{FileContents::Kind::Read, {}};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !ReadAll(fd, info.st_size, contents.bytes))
        contents = {FileContents::Kind::Unusable, {}};
    close(fd);
    return contents;
}

bool UpdateRegularFile(const QString& path, const std::function<bool(QByteArray&)>& edit)
{
    IgnoreFileSizeSignal();
    const QByteArray native = QFile::encodeName(path);
    Target target;
    if (!ResolveTarget(native, target))
        return false;
    const LockedFolder folder(FolderOf(target.path));
    // Looked at again under the lock: another copy may have replaced the file meanwhile.
    if (!ResolveTarget(native, target) || IsReadOnly(target))
        return false;
    FileContents contents = ReadRegularFile(QFile::decodeName(target.path));
    if (contents.kind == FileContents::Kind::Unusable || !edit(contents.bytes))
        return false;
    return ReplaceTarget(target, folder, contents.bytes);
}

bool CanCreateFilesIn(const QString& dir)
{
    const QByteArray native = QFile::encodeName(dir);
    const LockedFolder folder(native);
    RemoveLeftoverTemporaries(native, QByteArray());
    QByteArray tempPath;
    const int fd = CreateTemporary(native, QByteArray(), tempPath);
    if (fd < 0)
        return false;
    close(fd);
    unlink(tempPath.constData());
    return true;
}

}  // namespace platform
