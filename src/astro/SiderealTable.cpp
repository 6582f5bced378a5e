#include "astro/SiderealTable.h"

#include <algorithm>
#include <cmath>

#include "astro/SkyModel.h"

namespace {

constexpr double kStepDays = 1.0 / 24.0;

} // namespace

SiderealTable::SiderealTable(const SkyModel& model, double startJd, double endJd)
    : m_model(&model), m_start(startJd) {
    const std::size_t count = std::max<std::size_t>(
        2, static_cast<std::size_t>(std::ceil((endJd - startJd) / kStepDays)) + 1);
    m_degrees.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        double degrees = model.SiderealAngle(InstantOfUniversal(startJd + kStepDays * i));
        // An hour turns the angle by about 15 degrees: add the turns the wrap at 360 took off.
        if (!m_degrees.empty()) {
            degrees += 360.0 * std::round((m_degrees.back() + 15.04 - degrees) / 360.0);
        }
        m_degrees.push_back(degrees);
    }
}

double SiderealTable::DegreesAt(double jd) const {
    const double x = (jd - m_start) / kStepDays;
    if (!(x >= 0.0) || x > static_cast<double>(m_degrees.size() - 1)) {
        return m_model->SiderealAngle(InstantOfUniversal(jd));
    }
    const auto i = std::min(static_cast<std::size_t>(x), m_degrees.size() - 2);
    const double f = x - static_cast<double>(i);
    return m_degrees[i] + f * (m_degrees[i + 1] - m_degrees[i]);
}

SkyPositionFunction FixedPositionOn(const std::shared_ptr<const SiderealTable>& table,
                                    double raHours, double decDegrees, const Place& place) {
    const double longitude = place.longitudeWest;
    const double latitude = place.latitudeNorth;
    return [=](double jd) {
        return PlaceForSidereal(raHours, decDegrees, table->DegreesAt(jd), longitude, latitude,
                                kStarStandardAltitude);
    };
}
