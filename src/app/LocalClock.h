// The computer's local clock as the chart's instant: each run starts there, and the Date/Time
// dialog's "Now..." takes it.
#pragma once

#include "astro/SkyDate.h"

SkyDate LocalClockSkyDate();
