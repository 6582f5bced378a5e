#include "files/SafeFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

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

FileResult WriteFileReplacing(const fs::path& path, std::string_view bytes,
                              const WriteOptions& options) {
    fs::path target;
    if (FileResult named = NamedWriteTarget(path, options, target); !named) {
        return named;
    }
    const fs::path folder = FolderOf(target);
    if (options.createFolder) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) {
            return Failure(path,
                           "cannot create the folder " + folder.string() + ": " + ec.message());
        }
    }

    struct stat old {};
    if (FileResult checked = CheckTarget(path, target, folder, old); !checked) {
        return checked;
    }
    const TargetKind kind = S_ISREG(old.st_mode) ? TargetKind::Regular : TargetKind::Missing;
    int error = 0;

    // A unique new name beside the target, made with O_EXCL: a link or file already at that
    // name makes mkostemp try another name, never write through it.
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failure(path, Reason(errno));
    }
    TemporaryFile temporary(fd, pattern);
    const bool existing = kind == TargetKind::Regular;
    const mode_t mode = existing ? (old.st_mode & 07777) : NewFileMode(options.privateNewFile);
    if (existing && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Root replacing another user's file keeps its owner; anyone else cannot, which is fine.
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        return Failure(path, Reason(errno));
    }
    if (!temporary.Close()) {
        return Failure(path, Reason(errno));
    }
    // The target may have changed while we wrote: look again just before the rename.
    struct stat now {};
    if (KindOf(target, now, error) == TargetKind::Other) {
        return Failure(path, std::string(KindText(now.st_mode)) + " and is left as it is");
    }
    if (::rename(temporary.Name().c_str(), target.c_str()) != 0) {
        return Failure(path, Reason(errno));
    }
    temporary.Keep();
    // Make the rename itself durable.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
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
