// Fuzz target: arbitrary bytes as any of the ten catalogue files, loaded from a file as start-up
// loads it. The first byte picks the file, the rest is its content. Whatever the bytes, every
// loaded value must be usable by the chart: finite numbers within the sky, text fields that end
// inside their field and are UTF-8 without control characters; a file of the wrong size is
// warned about, and files that cannot be read are errors, never an exception.
#include "catalog/DeepSkyObjects.h"
#include "catalog/Loaders.h"
#include "catalog/StarDesignations.h"

#include "files/Utf8Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPoint(float ra, float dec) {
    Require(std::isfinite(ra) && std::isfinite(dec));
    Require(ra >= -24.0f && ra <= 48.0f && std::fabs(dec) <= 90.0f);
}

template <std::size_t N> void CheckText(const char (&field)[N]) {
    Require(field[N - 1] == '\0');
    const std::string_view text(field);
    Require(IsValidUtf8(text) && std::none_of(text.begin(), text.end(), IsControlByte));
}

// A catalogue "file" that is a folder's entry that cannot be read: an error, not an exception.
void CheckReadErrors() {
    auto store = std::make_unique<CatalogStore>();
    const CatalogFileResult read =
        LoadCatalogFile(CatalogFile::Stars,
                        CatalogLocator(std::vector<std::filesystem::path>{"/proc/self"}), *store);
    (void)read; // no bsc5.big there: Missing; the point is that nothing throws
    Require(LoadCatalogFile(CatalogFile::Stars,
                            CatalogLocator(std::vector<std::filesystem::path>{"/nonexistent"}),
                            *store)
                .status == CatalogFileStatus::Missing);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const std::string dir = [] {
        CheckReadErrors();
        char pattern[] = "/dev/shm/fuzz-catalog-XXXXXX";
        return std::string(::mkdtemp(pattern));
    }();
    const CatalogFile file = kCatalogLoadOrder[data[0] % kCatalogLoadOrder.size()];
    static auto store = std::make_unique<CatalogStore>();
    *store = CatalogStore{};
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string path = dir + "/" + std::string(CatalogFileName(file));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const CatalogFileResult loaded =
        LoadCatalogFile(file, CatalogLocator(std::vector<std::filesystem::path>{dir}), *store);
    Require(loaded.status == CatalogFileStatus::Loaded);
    if (file != CatalogFile::Ecliptic) {
        Require(loaded.warning.empty() == (bytes.size() == CatalogFileBytes(file)));
    }

    for (const StarRecord& s : store->m_stars) {
        CheckPoint(s.ra, s.dec);
        Require(std::isfinite(s.magnitude) && std::fabs(s.magnitude) <= 30.0f);
        CheckText(s.designation);
        if (s.designation[0] != '\0') {
            const StarDesignations d = DesignationsOf(s);
            Require(d.flamsteed.size() <= 16 && d.bayer.size() <= 16);
        }
    }
    for (const FigurePoint& p : store->m_figurePoints) {
        CheckPoint(p.ra, p.dec);
    }
    for (std::size_t i = 0; i < store->m_deepSky.size(); ++i) {
        const DeepSkyRecord& d = store->m_deepSky[i];
        CheckPoint(d.ra, d.dec);
        Require(std::isfinite(d.magnitude));
        Require(std::abs(d.labelDx) <= 100000 && std::abs(d.labelDy) <= 100000);
        CheckText(d.name);
        Require(DeepSkyCommonName(d).size() < sizeof d.name);
        (void)DeepSkyTitle(i, d);
        (void)DeepSkyTypeName(d.type);
    }
    for (const StarNameRecord& n : store->m_starNames) {
        Require(StarNameOf(*store, n.hr).size() < sizeof n.name);
        CheckPoint(n.ra, n.dec);
        Require(std::isfinite(n.magnitude));
        CheckText(n.name);
    }
    for (const OutlinePoint& p : store->m_outlinePoints) {
        CheckPoint(p.ra, p.dec);
    }
    for (const LocationRecord& l : store->m_locations) {
        Require(std::isfinite(l.latitude) && std::isfinite(l.longitude) &&
                std::isfinite(l.timeZone));
        Require(std::fabs(l.latitude) <= 90.0f && std::fabs(l.longitude) <= 360.0f &&
                std::fabs(l.timeZone) <= 24.0f);
        CheckText(l.name);
    }
    return 0;
}
