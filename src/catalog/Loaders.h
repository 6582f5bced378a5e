// The ten catalogue loaders. Each reads a fixed number of records (the files carry no header and
// no count) into its part of the CatalogStore. Start-up runs them in the order of CatalogFile
// through LoadCatalogs; a file that cannot be opened stops the sequence with the program's
// message for it.
//
// Bad input: a short file leaves the records it does not supply zero; a longer file is read only
// up to the fixed count; a record holding non-finite or absurd numbers reads as all zero
// (Records.h). A file of the wrong size is named in a warning; a file that cannot be opened or
// read is an error.
#pragma once

#include "catalog/CatalogLocator.h"
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

// Reads one file's records from a stream (binary, or text for eclip.dat) into the store. Never
// fails: missing bytes leave zero records.
void LoadCatalogStream(CatalogFile file, std::istream& in, CatalogStore& store);

// The size of a complete binary file (records x record size); 0 for the text file eclip.dat.
std::size_t CatalogFileBytes(CatalogFile file);

enum class CatalogFileStatus { Loaded, Missing, Unreadable };

struct CatalogFileResult {
    CatalogFileStatus status = CatalogFileStatus::Loaded;
    std::string message; // Missing: CannotOpenMessage; Unreadable: the file's path and reason
    std::string warning; // Loaded: a file whose size is not its complete record count, else empty
};

// Loads one file from the first directory of the locator that holds a regular file of that
// name (a folder of that name is passed over). A file that is there but cannot be opened or
// read is an error naming it, and the store is then unchanged. A file of another size than its
// complete records is used as the records it holds, with a warning naming it; for the place
// table (location.bin) a later directory's complete file is used instead when there is one (a
// short copy in the working folder does not hide the installed places), with the warning
// naming both.
CatalogFileResult LoadCatalogFile(CatalogFile file, const CatalogLocator& locator,
                                  CatalogStore& store);

// The outcome of the start-up loading: the first file that could not be opened or read, if
// any, and a warning for every file of the wrong size.
struct CatalogLoadResult {
    std::optional<CatalogFile> failedFile; // empty when every file loaded
    std::string message;                   // the message for that file, else empty
    std::vector<std::string> warnings;     // one line per damaged file (without trailing blanks)

    bool ok() const { return !failedFile.has_value(); }
};

// The ten loaders in start-up order. Stops at the first file that cannot be opened or read: the
// files before it are loaded, none after it. When all ten load, the places' time zones
// (placezones.tab, optional; LoadPlaceZones) are read too, their warnings added to the others.
CatalogLoadResult LoadCatalogs(CatalogStore& store, const CatalogLocator& locator);
