// The ten catalogue loaders. Each reads a fixed number of records (the files carry no header and
// no count) into its part of the CatalogStore. Start-up runs them in the order of CatalogFile
// through LoadCatalogs; a file that cannot be opened stops the sequence with the program's
// message for it.
//
// Bad input: a short file leaves the records it does not supply zero; a longer file is read only
// up to the fixed count; a record holding non-finite or absurd numbers reads as all zero
// (Records.h). None of this is reported: only a file that cannot be opened is an error.
#pragma once

#include "catalog/CatalogStore.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The catalogue files in start-up order.
enum class CatalogFile {
    Stars,      // bsc5.big
    Figures,    // cnstline.bin
    Boundaries, // constell.bin
    Messier,    // messier.bin
    Ngc,        // deepsky.bin
    StarNames,  // names.bin
    Ecliptic,   // eclip.dat (text)
    MilkyWay,   // milky.bin
    Magellan,   // magellan.bin
    Locations,  // location.bin
};

inline constexpr std::array<CatalogFile, 10> kCatalogLoadOrder = {
    CatalogFile::Stars,    CatalogFile::Figures,   CatalogFile::Boundaries, CatalogFile::Messier,
    CatalogFile::Ngc,      CatalogFile::StarNames, CatalogFile::Ecliptic,   CatalogFile::MilkyWay,
    CatalogFile::Magellan, CatalogFile::Locations,
};

// The bare file name, e.g. "bsc5.big".
std::string_view CatalogFileName(CatalogFile file);

// "Couldn't open file <name> !    " (with its four trailing blanks).
std::string CannotOpenMessage(std::string_view fileName);

// Where the files are looked for: the current working directory first, then the program
// directory. An empty program directory is skipped.
class CatalogLocator {
public:
    // The start-up search: the current working directory, then programDir.
    explicit CatalogLocator(const std::filesystem::path& programDir = {});
    // An explicit list of directories, searched in order (tests).
    explicit CatalogLocator(std::vector<std::filesystem::path> directories);

    // The first existing regular file of that name, or nothing.
    std::optional<std::filesystem::path> Find(std::string_view fileName) const;
    const std::vector<std::filesystem::path>& Directories() const { return m_directories; }

private:
    std::vector<std::filesystem::path> m_directories;
};

// Reads one file's records from a stream (binary, or text for eclip.dat) into the store. Never
// fails: missing bytes leave zero records.
void LoadCatalogStream(CatalogFile file, std::istream& in, CatalogStore& store);

// Loads one file from the first directory of the locator where it can be opened (one that is
// there but unreadable is passed over); false when none can be, and the store is then unchanged.
bool LoadCatalogFile(CatalogFile file, const CatalogLocator& locator, CatalogStore& store);

// The outcome of the start-up loading: the first file that could not be opened, if any.
struct CatalogLoadResult {
    std::optional<CatalogFile> failedFile; // empty when every file loaded
    std::string message;                   // CannotOpenMessage of that file, else empty

    bool ok() const { return !failedFile.has_value(); }
};

// The ten loaders in start-up order. Stops at the first file that cannot be opened: the files
// before it are loaded, none after it. When all ten load, the places' time zones
// (placezones.tab, optional) are read too.
CatalogLoadResult LoadCatalogs(CatalogStore& store, const CatalogLocator& locator);
