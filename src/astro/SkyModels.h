// The sky model of each kind (SkyModel.h): the one place that knows every model.
#pragma once

#include "astro/SkyModel.h"

// The model of a kind; it lives for the whole run.
const SkyModel& SkyModelFor(SkyModelKind kind);
