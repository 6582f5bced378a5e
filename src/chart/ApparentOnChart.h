// Where an apparent place of date (what a mount reports: true equator and equinox of date,
// annual aberration) falls in the frame a sky model draws its chart in. The precise model draws
// apparent places of date, so the place is its own; the classic model draws the catalogue as
// loaded (the J2000 mean equator and equinox), so the place is carried back to the catalogue's
// frame: precession-nutation undone, then the annual aberration. A star the mount points at then
// lies under the reticle in either model.
#pragma once

#include "astro/Instant.h"
#include "astro/SkyModel.h"
#include "astro/Transforms.h"

// raHours [0, 24) and decDegrees of date at the instant; the result in the model's chart frame.
EquatorialPosition ChartPositionOfApparent(double raHours, double decDegrees, SkyModelKind model,
                                           const Instant& instant);
