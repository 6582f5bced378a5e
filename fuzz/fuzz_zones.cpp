// Fuzz target: arbitrary bytes as the places' zone table (placezones.tab) or as a compiled zone
// file of the time-zone database. The first byte picks which, the rest is the file. Whatever the
// bytes, reading never throws or aborts; the place table keeps only names without control
// characters and zone names of IANA's characters, and a table that parses with no damage is
// never called damaged; a zone file is either accepted or refused with a reason, the same from
// the bytes as from the file.
#include "astro/ZoneFiles.h"
#include "catalog/PlaceZones.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void FuzzPlaceZones(const std::string& dir, const std::string& bytes) {
    std::ofstream(dir + "/placezones.tab", std::ios::binary | std::ios::trunc) << bytes;
    const PlaceZonesResult loaded =
        LoadPlaceZones(CatalogLocator(std::vector<std::filesystem::path>{dir}));
    std::string problem;
    const PlaceZoneTable parsed = PlaceZoneTable::Parse(bytes, problem);
    Require(loaded.warnings.size() == (problem.empty() ? 0u : 1u));
    Require(problem.size() < 200); // the damage is described, never the line echoed
    // Every line's name looked up: a zone found is one of IANA's characters only.
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string line = bytes.substr(start, end - start);
        const std::string_view zone = parsed.ZoneOf(line.substr(0, line.find('\t')));
        for (const char c : zone) {
            Require((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '/' || c == '_' || c == '+' || c == '-');
        }
        Require(zone.empty() || zone.front() != '/');
        start = end + 1;
    }
}

void FuzzZoneFile(const std::string& dir, const std::string& bytes) {
    const std::optional<std::string> problem = ZoneFileProblem(bytes);
    std::ofstream(dir + "/Europe/Warsaw", std::ios::binary | std::ios::trunc) << bytes;
    SetZoneDatabaseRoot(dir); // forgets the answer for the last input
    const std::optional<std::string> read = ZoneReadProblem("Europe/Warsaw");
    Require(read.has_value() == problem.has_value());
    Require(!problem || problem->size() < 200);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const std::string dir = [] {
        char pattern[] = "/dev/shm/fuzz-zones-XXXXXX";
        const std::string made = ::mkdtemp(pattern);
        std::filesystem::create_directory(made + "/Europe");
        return made;
    }();
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        FuzzPlaceZones(dir, bytes);
    } else {
        FuzzZoneFile(dir, bytes);
    }
    return 0;
}
