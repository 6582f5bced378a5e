#include "astro/SkyModels.h"

#include "astro/ClassicSkyModel.h"
#include "astro/PreciseSkyModel.h"

const SkyModel& SkyModelFor(SkyModelKind kind) {
    static const ClassicSkyModel classic;
    static const PreciseSkyModel precise;
    switch (kind) {
    case SkyModelKind::Precise:
        return precise;
    case SkyModelKind::Classic:
        break;
    }
    return classic;
}
