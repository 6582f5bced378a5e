#include "astro/Recompute.h"

#include "astro/Ephemeris.h"
#include "catalog/CatalogStore.h"

RecomputeOutcome RecomputeSky(RecomputeForm form, const SkyModel& model, const SkyDate& skyDate,
                              const Place& place, SkyState& sky, CatalogStore& catalog) {
    const RecomputeOutcome outcome = RecomputePlaceAndRange(form, skyDate, place, sky);
    const SkyRequest request = SkyRequestOf(skyDate, place);
    model.CatalogueOfDate(request.instant, catalog);
    model.ComputeSky(form, request, sky);
    return outcome;
}
