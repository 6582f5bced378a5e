// Whole files read and written without surprises. Every file the program writes goes through
// WriteFileReplacing: the bytes go to a new file with a unique name in the target's folder
// (created exclusively, so a planted link or file at that name is never followed or reused),
// are flushed to the disk, and the new file is renamed over the target. A target that is not a
// regular file (a folder, a device, a pipe) is refused and left as it is; a failure leaves the
// old file whole and nothing of ours behind. Reading never throws: a file that cannot be read is
// an error with a line for the user.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Success, or a one-line error text for the user naming the file.
struct FileResult {
    bool ok = true;
    std::string error;

    explicit operator bool() const { return ok; }
};

struct WriteOptions {
    // A link at the path: true writes the file the link points to and keeps the link (the
    // settings profile); false replaces the link itself, and what it points to is left alone.
    bool followLink = false;
    // A new file is private to the user (0600) when true, else 0666 less the umask. An existing
    // file always keeps its permissions.
    bool privateNewFile = false;
    // The target's folder is created when missing (else a missing folder is an error).
    bool createFolder = false;
};

// The temporary name is "." + the target's name (cut so that the whole fits 255 bytes) +
// ".vn-" + six letters or digits. Temporary files of that pattern for the same target, older
// than a day and of this user, are left-overs of a killed write and are removed first.
FileResult WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                              const WriteOptions& options = {});

struct FileToWrite {
    std::filesystem::path path;
    std::string_view bytes;
};

// Writes every file or none (a chart and its picking tables): all are written to temporary
// files first, then renamed over their targets one after the other. On any failure the files
// already renamed are taken back (an existing file is swapped with its new version, and
// swapped back), so that every target is as it was and nothing of ours is left behind.
FileResult WriteFilesTogether(const std::vector<FileToWrite>& files,
                              const WriteOptions& options = {});

// The checks of WriteFileReplacing without writing: what is at the path may be replaced and its
// folder takes a new file. Lets a command refuse before it writes the first of several files.
FileResult CheckWritable(const std::filesystem::path& path, const WriteOptions& options = {});

// The file a write to `path` replaces: `path` itself, or with followLink the end of its chain
// of links (a relative link read from the link's folder). Fails on a loop of links.
FileResult ResolveWriteTarget(const std::filesystem::path& path, bool followLink,
                              std::filesystem::path& target);

enum class ReadStatus { Ok, Missing, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    std::string error; // for Failed: one line for the user naming the file

    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads the whole regular file (links followed) into `bytes`. Missing: no file at the path.
// Failed: the path is not a regular file (a folder, a pipe, a device), cannot be opened or
// read, or holds more than maxBytes.
ReadResult ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                         std::string& bytes);

// True when writing both paths would write one file: the same existing file (through links or
// hard links) or the same new path.
bool NameSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
