// Fuzz target: arbitrary bytes as any of the ten catalogue files. The first byte picks the file,
// the rest is its content. Whatever the bytes, every loaded value must be usable by the chart:
// finite numbers within the sky, text fields that end inside their field.
#include "catalog/DeepSkyObjects.h"
#include "catalog/Loaders.h"
#include "catalog/StarDesignations.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const CatalogFile file = kCatalogLoadOrder[data[0] % kCatalogLoadOrder.size()];
    static auto store = std::make_unique<CatalogStore>();
    *store = CatalogStore{};
    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    LoadCatalogStream(file, in, *store);

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
