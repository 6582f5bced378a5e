// The compiled zone files of the system's time-zone database, read defensively. The date
// library loads a zone's file lazily at its first use and either throws from deep inside a
// conversion or stops the program on its own assertion when the file is damaged. Each zone's
// file is therefore read and checked here first (once per process); only a file that passes is
// left to the library, and every other zone is reported with the reason and not used.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Larger files are not zone files (the largest of the database is a few kilobytes).
inline constexpr std::size_t kMaxZoneFileBytes = 256u << 10;

// Why the bytes are not a zone file the date library reads safely (RFC 8536, versions 1 to 3:
// the header, its counts against the file's size, the indices of the transitions and local
// time types, ascending transition times, offsets within a day, the footer's two line ends), or
// nothing when they are.
std::optional<std::string> ZoneFileProblem(std::string_view bytes);

// The folder of the zone files, /usr/share/zoneinfo unless set. Setting it (tests point it at a
// damaged copy) forgets what was found about each zone. The date library itself reads the
// system's folder only.
void SetZoneDatabaseRoot(const std::filesystem::path& root);
std::filesystem::path ZoneDatabaseRoot();

// Why the zone's file cannot be used (it cannot be read, or ZoneFileProblem), or nothing when
// it can or when no file of that name exists (an unknown zone is not a damaged one). Read once
// per zone and root; later calls answer from memory.
std::optional<std::string> ZoneReadProblem(std::string_view zone);

// Records that using the zone failed all the same (the library threw): later calls of
// ZoneReadProblem return `reason`.
void RecordZoneProblem(std::string_view zone, std::string reason);
