#include "files/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40; // as the kernel's own limit on a chain of links

std::string Reason(int error) {
    return std::strerror(error);
}

FileResult Failure(const fs::path& path, const std::string& reason) {
    return {false, "Cannot write " + path.string() + ": " + reason};
}

// Closes a descriptor and removes the file at a name when the write did not complete.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::string name) : m_fd(fd), m_name(std::move(name)) {}
    ~TemporaryFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        if (!m_kept) {
            ::unlink(m_name.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd; }
    const std::string& Name() const { return m_name; }
    // Closes the descriptor; false (errno set) when the close reports an error.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void Keep() { m_kept = true; }

private:
    int m_fd;
    std::string m_name;
    bool m_kept = false;
};

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode(bool privateFile) {
    if (privateFile) {
        return 0600;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// What is at the target now: nothing (ENOENT), something we may replace, or something we must
// not touch.
enum class TargetKind { Missing, Regular, Link, Other, Unknown };

TargetKind KindOf(const fs::path& target, struct stat& info, int& error) {
    if (::lstat(target.c_str(), &info) != 0) {
        error = errno;
        return errno == ENOENT ? TargetKind::Missing : TargetKind::Unknown;
    }
    if (S_ISREG(info.st_mode)) {
        return TargetKind::Regular;
    }
    if (S_ISLNK(info.st_mode)) {
        return TargetKind::Link;
    }
    return TargetKind::Other;
}

const char* KindText(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    if (S_ISFIFO(mode)) {
        return "it is a pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket";
    }
    return "it is not a regular file";
}

// The checks before a write: what is at the target may be replaced, and the folder exists.
// `old` receives the target's status (st_mode 0 when there is none to keep).
FileResult CheckTarget(const fs::path& path, const fs::path& target, const fs::path& folder,
                       struct stat& old) {
    int error = 0;
    const TargetKind kind = KindOf(target, old, error);
    if (kind == TargetKind::Other) {
        return Failure(path, std::string(KindText(old.st_mode)) + " and is left as it is");
    }
    if (kind == TargetKind::Unknown) {
        if (error == ENOTDIR) {
            return Failure(path, "the folder " + folder.string() + " is not a folder");
        }
        return Failure(path, Reason(error));
    }
    if (kind != TargetKind::Regular) {
        old = {};
    }
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) {
        return Failure(path, errno == ENOENT ? "the folder " + folder.string() + " does not exist"
                                             : Reason(errno));
    }
    if (!S_ISDIR(folderInfo.st_mode)) {
        return Failure(path, "the folder " + folder.string() + " is not a folder");
    }
    return {};
}

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

} // namespace

FileResult ResolveWriteTarget(const fs::path& path, bool followLink, fs::path& target) {
    target = path;
    if (!followLink) {
        return {};
    }
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {};
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return Failure(path, ec.message());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return Failure(path, Reason(ELOOP));
}

namespace {

// What both writers check first: a file name, and the end of the chain of links.
FileResult NamedWriteTarget(const fs::path& path, const WriteOptions& options, fs::path& target) {
    if (path.empty() || !path.has_filename()) {
        return Failure(path, "no file name");
    }
    return ResolveWriteTarget(path, options.followLink, target);
}

} // namespace

FileResult CheckWritable(const fs::path& path, const WriteOptions& options) {
    fs::path target;
    if (FileResult named = NamedWriteTarget(path, options, target); !named) {
        return named;
    }
    const fs::path folder = FolderOf(target);
    if (options.createFolder && !fs::exists(folder)) {
        return {};
    }
    struct stat old {};
    if (FileResult checked = CheckTarget(path, target, folder, old); !checked) {
        return checked;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return Failure(path, Reason(errno));
    }
    return {};
}

namespace {

// Longest file name of the file systems in use (NAME_MAX).
constexpr std::size_t kMaxNameBytes = 255;
// A temporary file is ".<target name, cut to fit>.vn-XXXXXX": the mark and the six characters
// mkostemp fills in tell our files apart from the user's.
constexpr std::string_view kTemporaryMark = ".vn-";
constexpr std::size_t kUniqueChars = 6;
// A temporary file this old was left by a write that never finished (the program was killed).
constexpr auto kStaleAge = std::chrono::hours(24);

// The start of every temporary name for `targetName`: a dot, the name cut at a character's
// boundary so that the whole temporary name fits kMaxNameBytes, and the mark.
std::string TemporaryPrefix(const std::string& targetName) {
    const std::size_t room = kMaxNameBytes - 1 - kTemporaryMark.size() - kUniqueChars;
    std::size_t keep = std::min(targetName.size(), room);
    // A UTF-8 character is not cut in two (continuation bytes are 10xxxxxx).
    while (keep > 0 && keep < targetName.size() &&
           (static_cast<unsigned char>(targetName[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return "." + targetName.substr(0, keep) + std::string(kTemporaryMark);
}

bool IsUniqueSuffix(std::string_view text) {
    return text.size() == kUniqueChars && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// Removes the temporary files of earlier writes to the same target that never finished: our
// name pattern, a regular file of this user, older than kStaleAge.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    const auto oldest = std::chrono::system_clock::now() - kStaleAge;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) ||
            !IsUniqueSuffix(std::string_view(name).substr(prefix.size()))) {
            continue;
        }
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid()) {
            continue;
        }
        if (std::chrono::system_clock::from_time_t(info.st_mtime) < oldest) {
            ::unlink(it->path().c_str());
        }
    }
}

// One file written completely under a temporary name beside its target, not yet renamed.
struct PreparedWrite {
    fs::path path;   // as the caller named it
    fs::path target; // the file it replaces (the end of the links with followLink)
    fs::path folder;
    bool replacesFile = false; // a regular file is at the target
    std::unique_ptr<TemporaryFile> temporary;
};

FileResult PrepareWrite(const fs::path& path, std::string_view bytes, const WriteOptions& options,
                        PreparedWrite& prepared) {
    prepared.path = path;
    if (FileResult named = NamedWriteTarget(path, options, prepared.target); !named) {
        return named;
    }
    prepared.folder = FolderOf(prepared.target);
    if (options.createFolder) {
        std::error_code ec;
        fs::create_directories(prepared.folder, ec);
        if (ec) {
            return Failure(path, "cannot create the folder " + prepared.folder.string() + ": " +
                                     ec.message());
        }
    }

    struct stat old {};
    if (FileResult checked = CheckTarget(path, prepared.target, prepared.folder, old); !checked) {
        return checked;
    }
    prepared.replacesFile = S_ISREG(old.st_mode);

    // A unique new name beside the target, made with O_EXCL: a link or file already at that
    // name makes mkostemp try another name, never write through it.
    const std::string prefix = TemporaryPrefix(prepared.target.filename().string());
    RemoveStaleTemporaries(prepared.folder, prefix);
    std::string pattern = (prepared.folder / (prefix + std::string(kUniqueChars, 'X'))).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failure(path, Reason(errno));
    }
    prepared.temporary = std::make_unique<TemporaryFile>(fd, pattern);
    const mode_t mode =
        prepared.replacesFile ? (old.st_mode & 07777) : NewFileMode(options.privateNewFile);
    if (prepared.replacesFile && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Root replacing another user's file keeps its owner; anyone else cannot, which is fine.
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        return Failure(path, Reason(errno));
    }
    if (!prepared.temporary->Close()) {
        return Failure(path, Reason(errno));
    }
    return {};
}

// The target may have changed while we wrote: it is looked at again just before the rename.
FileResult CheckStillReplaceable(const PreparedWrite& prepared) {
    struct stat now {};
    int error = 0;
    if (KindOf(prepared.target, now, error) == TargetKind::Other) {
        return Failure(prepared.path, std::string(KindText(now.st_mode)) + " and is left as it is");
    }
    return {};
}

// Makes the renames in a folder durable.
void SyncFolder(const fs::path& folder) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

// How one prepared file was put in place, so that it can be taken back.
enum class Placed { Not, Created, Exchanged, Replaced };

} // namespace

FileResult WriteFileReplacing(const fs::path& path, std::string_view bytes,
                              const WriteOptions& options) {
    PreparedWrite prepared;
    if (FileResult ready = PrepareWrite(path, bytes, options, prepared); !ready) {
        return ready;
    }
    if (FileResult still = CheckStillReplaceable(prepared); !still) {
        return still;
    }
    if (::rename(prepared.temporary->Name().c_str(), prepared.target.c_str()) != 0) {
        return Failure(path, Reason(errno));
    }
    prepared.temporary->Keep();
    SyncFolder(prepared.folder);
    return {};
}

FileResult WriteFilesTogether(const std::vector<FileToWrite>& files, const WriteOptions& options) {
    std::vector<PreparedWrite> prepared(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (FileResult ready = PrepareWrite(files[i].path, files[i].bytes, options, prepared[i]);
            !ready) {
            return ready; // the temporary files written so far are removed with `prepared`
        }
    }
    std::vector<Placed> placed(files.size(), Placed::Not);
    const auto takeBack = [&] {
        for (std::size_t j = placed.size(); j-- > 0;) {
            const PreparedWrite& p = prepared[j];
            if (placed[j] == Placed::Exchanged) {
                // The old file goes back to its name; the new one is removed with the
                // temporary name.
                ::renameat2(AT_FDCWD, p.temporary->Name().c_str(), AT_FDCWD, p.target.c_str(),
                            RENAME_EXCHANGE);
            } else if (placed[j] == Placed::Created) {
                ::unlink(p.target.c_str());
            }
        }
    };
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        PreparedWrite& p = prepared[i];
        if (FileResult still = CheckStillReplaceable(p); !still) {
            takeBack();
            return still;
        }
        const char* from = p.temporary->Name().c_str();
        // An existing file is swapped with the new one, so that its old bytes stay at hand
        // under the temporary name until every file is in place.
        if (p.replacesFile &&
            ::renameat2(AT_FDCWD, from, AT_FDCWD, p.target.c_str(), RENAME_EXCHANGE) == 0) {
            placed[i] = Placed::Exchanged;
            continue;
        }
        // Without a file to swap (or on a file system that cannot swap, where the old file
        // cannot be kept), a plain rename.
        if ((!p.replacesFile || errno == ENOENT || errno == EINVAL || errno == ENOSYS) &&
            ::rename(from, p.target.c_str()) == 0) {
            placed[i] = p.replacesFile ? Placed::Replaced : Placed::Created;
            p.temporary->Keep();
            continue;
        }
        const int error = errno;
        takeBack();
        return Failure(p.path, Reason(error));
    }
    for (const PreparedWrite& p : prepared) {
        SyncFolder(p.folder); // the old files are removed with their temporary names
    }
    return {};
}

ReadResult ReadWholeFile(const fs::path& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    const auto failed = [&](const std::string& reason) {
        return ReadResult{ReadStatus::Failed, "Cannot read " + path.string() + ": " + reason};
    };
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {ReadStatus::Missing, {}};
        }
        return failed(Reason(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return failed(Reason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return failed(KindText(info.st_mode));
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return failed("larger than " + std::to_string(maxBytes) + " bytes");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int e = errno;
            bytes.clear();
            return failed(Reason(e));
        }
        if (n == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            bytes.clear();
            return failed("larger than " + std::to_string(maxBytes) + " bytes");
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

bool NameSameFile(const fs::path& a, const fs::path& b) {
    struct stat sa {};
    struct stat sb {};
    const bool hasA = ::stat(a.c_str(), &sa) == 0;
    const bool hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA && hasB) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    if (hasA != hasB) {
        return false;
    }
    std::error_code ea;
    std::error_code eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && ca == cb;
}
