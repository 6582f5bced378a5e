// The core file writer and reader: what is at a path is replaced only when it is a regular file
// (or nothing), no planted link is followed, permissions are kept, read errors are errors.
#include "files/SafeFile.h"
#include "files/Utf8Text.h"

#include <gtest/gtest.h>

#include "TempFiles.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(SafeFile, TargetsThatAreNoRegularFileAreRefusedAndLeftAsTheyAre) {
    TempDir dir;
    const fs::path fifo = dir.path() / "pipe.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = dir.path() / "folder.png";
    fs::create_directory(folder);
    struct Case {
        fs::path path;
        const char* reason;
    };
    const Case cases[] = {{fifo, "pipe"}, {folder, "folder"}, {"/dev/null", "device"}};
    for (const Case& c : cases) {
        const FileResult result = WriteFileReplacing(c.path, "data");
        EXPECT_FALSE(result) << c.path;
        EXPECT_NE(result.error.find(c.path.string()), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
        EXPECT_FALSE(CheckWritable(c.path)) << c.path;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(dir.Entries(), 2u) << "nothing of ours is left behind";

    const FileResult missing = WriteFileReplacing(dir.path() / "no" / "x.png", "data");
    EXPECT_NE(missing.error.find("does not exist"), std::string::npos) << missing.error;
    EXPECT_FALSE(CheckWritable(dir.path() / "no" / "x.png"));
}

TEST(SafeFile, LinksAreNeverFollowedUnlessAskedAndThenTheLinkStays) {
    TempDir dir;
    const fs::path victim = dir.path() / "victim";
    WriteFile(victim, "precious");
    // Links planted at the fixed temporary names that earlier versions used.
    fs::create_symlink(victim, dir.path() / "x.png.part");
    fs::create_symlink(victim, dir.path() / "nocta.ini.tmp");
    ASSERT_TRUE(WriteFileReplacing(dir.path() / "x.png", "chart"));
    ASSERT_TRUE(WriteFileReplacing(dir.path() / "nocta.ini", "profile"));
    EXPECT_EQ(ReadFile(victim), "precious");

    // A link at the target itself: replaced by the new file, what it points to untouched ...
    const fs::path link = dir.path() / "out.json";
    fs::create_symlink(victim, link);
    ASSERT_TRUE(WriteFileReplacing(link, "json"));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(link), "json");
    EXPECT_EQ(ReadFile(victim), "precious");

    // ... unless the caller asks to write through it (the profile): a relative link, kept.
    const fs::path profile = dir.path() / "profile.ini";
    fs::create_symlink("victim", profile);
    WriteOptions through;
    through.followLink = true;
    ASSERT_TRUE(WriteFileReplacing(profile, "settings", through));
    EXPECT_TRUE(fs::is_symlink(profile));
    EXPECT_EQ(ReadFile(victim), "settings");
    EXPECT_EQ(dir.Entries(), 7u); // the seven names made here, no temporary file
}

TEST(SafeFile, ExistingFilesKeepTheirPermissionsNewOnesFollowTheOptions) {
    TempDir dir;
    const fs::path shared = dir.path() / "shared.ini";
    WriteFile(shared, "old");
    ::chmod(shared.c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(shared, "new"));
    EXPECT_EQ(ModeOf(shared), 0640u);
    EXPECT_EQ(ReadFile(shared), "new");

    WriteOptions privateFile;
    privateFile.privateNewFile = true;
    privateFile.createFolder = true;
    ASSERT_TRUE(WriteFileReplacing(dir.path() / "a" / "b" / "new.ini", "x", privateFile));
    EXPECT_EQ(ModeOf(dir.path() / "a" / "b" / "new.ini"), 0600u);

    const mode_t old = ::umask(022);
    ASSERT_TRUE(WriteFileReplacing(dir.path() / "chart.png", "x"));
    ::umask(old);
    EXPECT_EQ(ModeOf(dir.path() / "chart.png"), 0644u);
}

TEST(SafeFile, ReadErrorsAreErrorsNeverExceptions) {
    TempDir dir;
    const fs::path fifo = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteFile(dir.path() / "big", std::string(100, 'x'));
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(dir.path() / "none", 10, bytes).status, ReadStatus::Missing);
    for (const fs::path& bad : {fs::path("/proc/self/mem"), dir.path(), fifo, dir.path() / "big"}) {
        const ReadResult read = ReadWholeFile(bad, 50, bytes);
        EXPECT_EQ(read.status, ReadStatus::Failed) << bad;
        EXPECT_NE(read.error.find(bad.string()), std::string::npos) << read.error;
        EXPECT_TRUE(bytes.empty());
    }
    ASSERT_TRUE(ReadWholeFile(dir.path() / "big", 100, bytes).ok());
    EXPECT_EQ(bytes.size(), 100u);
}

TEST(SafeFile, TwoNamesOfOneFileAreRecognised) {
    TempDir dir;
    const fs::path a = dir.path() / "a.png";
    WriteFile(a, "x");
    fs::create_symlink(a, dir.path() / "link.json");
    fs::create_hard_link(a, dir.path() / "hard.json");
    EXPECT_TRUE(NameSameFile(a, dir.path() / "link.json"));
    EXPECT_TRUE(NameSameFile(a, dir.path() / "hard.json"));
    EXPECT_TRUE(NameSameFile(dir.path() / "new.png", dir.path() / "." / "new.png"));
    EXPECT_FALSE(NameSameFile(dir.path() / "new.png", dir.path() / "new.json"));
    EXPECT_FALSE(NameSameFile(a, dir.path() / "new.json"));
}

TEST(SafeFile, PairedFilesAreWrittenBothOrNeither) {
    TempDir dir;
    const fs::path chart = dir.path() / "chart.png";
    const fs::path objects = dir.path() / "objects.json";
    std::ofstream(chart) << "old chart";
    // The second file cannot be written (its folder is missing): the first is not replaced.
    const FileResult refused =
        WriteFilesTogether({{chart, "new chart"}, {dir.path() / "no" / "objects.json", "{}"}});
    EXPECT_FALSE(refused);
    EXPECT_EQ(ReadFile(chart), "old chart");
    EXPECT_EQ(dir.Entries(), 1u) << "nothing of ours is left behind";

    ASSERT_TRUE(WriteFilesTogether({{chart, "new chart"}, {objects, "{}"}}));
    EXPECT_EQ(ReadFile(chart), "new chart");
    EXPECT_EQ(ReadFile(objects), "{}");
    EXPECT_EQ(dir.Entries(), 2u) << "the old chart went with its temporary name";
}

TEST(SafeFile, TemporaryNamesFitLongTargetNamesAndStaleOnesAreRemoved) {
    TempDir dir;
    // 255 bytes is the longest name Linux file systems take (NAME_MAX); two-byte letters test
    // the cut at a character's boundary.
    for (const std::string& name : {std::string(255, 'n'), std::string(120, 'x') + "\xc3\xa9" +
                                                               std::string(127, 'y') + ".png"}) {
        const FileResult written = WriteFileReplacing(dir.path() / name, "chart");
        EXPECT_TRUE(written) << written.error;
        EXPECT_EQ(ReadFile(dir.path() / name), "chart");
    }
    EXPECT_EQ(dir.Entries(), 2u);

    // Left-overs of killed writes to the same target: ours (the pattern, older than a day) go;
    // a fresh one (a write may be under way) and names not of our pattern stay.
    const fs::path target = dir.path() / "sky.png";
    const auto make = [&](const std::string& name, int ageHours) {
        std::ofstream(dir.path() / name) << "x";
        fs::last_write_time(dir.path() / name,
                            fs::file_time_type::clock::now() - std::chrono::hours(ageHours));
    };
    make(".sky.png.vn-a1B2c3", 25);
    make(".sky.png.vn-d4E5f6", 1);
    make(".sky.png.vn-abc", 25);
    make(".sky.png.a1B2c3", 25);
    make(".other.png.vn-a1B2c3", 25);
    ASSERT_TRUE(WriteFileReplacing(target, "chart"));
    EXPECT_FALSE(fs::exists(dir.path() / ".sky.png.vn-a1B2c3"));
    for (const char* kept :
         {".sky.png.vn-d4E5f6", ".sky.png.vn-abc", ".sky.png.a1B2c3", ".other.png.vn-a1B2c3"}) {
        EXPECT_TRUE(fs::exists(dir.path() / kept)) << kept;
    }
}

TEST(Utf8Text, BadBytesAndControlCharactersAreReplaced) {
    // Well-formed sequences after RFC 3629 (section 4): overlong forms and surrogates are not.
    struct Case {
        const char* text;
        const char* sanitized;
    };
    const Case cases[] = {
        {"Z\xc3\xbcrich", "Z\xc3\xbcrich"}, // ü in UTF-8 stays
        {"Z\xfcrich", "Z\xef\xbf\xbdrich"}, // ü in Latin-1 does not
        {"a\x01\x1b[2Jb\x7f", "a\xef\xbf\xbd\xef\xbf\xbd[2Jb\xef\xbf\xbd"},
        {"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},                 // overlong '/'
        {"\xed\xa0\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}, // a surrogate
        {"\xf0\x9f\x8c\x9f", "\xf0\x9f\x8c\x9f"},                 // a four-byte character stays
        {"cut \xe2\x82", "cut \xef\xbf\xbd\xef\xbf\xbd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SanitizedUtf8(c.text), c.sanitized) << c.text;
        EXPECT_TRUE(IsValidUtf8(SanitizedUtf8(c.text)));
    }
    char field[8] = "a\xffz\x07\xc3\xa9";
    SanitizeField(field, sizeof field);
    EXPECT_STREQ(field, "a?z?\xc3\xa9");
}

TEST(Utf8Text, CodePointsDecodeAndEncodeBothWaysAndStrayBytesReadAsLatin1) {
    // Byte forms from the Unicode code charts (U+00E9, U+03B1, U+20AC, U+1F31F).
    struct Case {
        const char* bytes;
        char32_t value;
    };
    const Case wellFormed[] = {
        {"A", U'A'},
        {"\xc3\xa9", 0xE9},
        {"\xce\xb1", 0x3B1},
        {"\xe2\x82\xac", 0x20AC},
        {"\xf0\x9f\x8c\x9f", 0x1F31F},
    };
    for (const Case& c : wellFormed) {
        const Utf8CodePoint decoded = DecodeUtf8(c.bytes);
        EXPECT_EQ(decoded.value, c.value) << c.bytes;
        EXPECT_EQ(decoded.length, std::string_view(c.bytes).size()) << c.bytes;
        std::string encoded;
        AppendUtf8(encoded, c.value);
        EXPECT_EQ(encoded, c.bytes);
    }
    // A byte that starts no valid sequence is one character of its own value.
    const Case stray[] = {
        {"\xe9t", 0xE9}, {"\xc0\xaf", 0xC0}, {"\xed\xa0\x80", 0xED}, {"\xc3", 0xC3}};
    for (const Case& c : stray) {
        const Utf8CodePoint decoded = DecodeUtf8(c.bytes);
        EXPECT_EQ(decoded.value, c.value) << c.bytes;
        EXPECT_EQ(decoded.length, 1u) << c.bytes;
    }
}

} // namespace
