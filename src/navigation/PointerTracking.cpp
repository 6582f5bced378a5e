#include "navigation/PointerTracking.h"

#include "astro/Angles.h"
#include "chart/Projection.h"

#include <cmath>

namespace {

constexpr double kDegreesPerHour = 15.0;

// Whole part toward zero, and the whole minutes and seconds of the fraction, never negative.
struct PaneParts {
    long whole = 0;
    long minutes = 0;
    long seconds = 0;
};

PaneParts SplitForPane(double x) {
    const double whole = std::trunc(x);
    const double minutes = std::fabs((x - whole) * 60.0);
    const double wholeMinutes = std::trunc(minutes);
    return {static_cast<long>(whole), static_cast<long>(wholeMinutes),
            static_cast<long>(std::trunc(std::fabs((minutes - wholeMinutes) * 60.0)))};
}

// The decimal number, with a leading "0" for 0..9.
std::string TwoDigits(long n) {
    return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

std::string RightAscensionPaneText(double raHours) {
    const PaneParts p = SplitForPane(raHours);
    return "RA " + TwoDigits(p.whole) + "h " + TwoDigits(p.minutes) + "' " + TwoDigits(p.seconds) +
           "\"";
}

std::string DeclinationPaneText(double decDegrees) {
    const PaneParts p = SplitForPane(decDegrees);
    std::string degrees = TwoDigits(std::labs(p.whole));
    if (decDegrees < 0.0) {
        degrees.insert(0, "-");
    }
    return "DEC " + degrees + kDegreeSign + " " + TwoDigits(p.minutes) + "' " +
           TwoDigits(p.seconds) + "\"";
}

std::optional<EquatorialPosition> PointerSkyPosition(const ChartState& chart, const SkyState& sky,
                                                     double x, double y) {
    const std::optional<ChartPosition> onChart = Unproject(chart, x, y);
    if (!onChart || !std::isfinite(onChart->ra) || !std::isfinite(onChart->dec)) {
        return std::nullopt;
    }
    if (chart.m_bHorizonView == kChartEquatorial) {
        return EquatorialPosition{onChart->ra, onChart->dec};
    }
    // The natural chart may draw apparent altitudes; the sky position is the true one.
    const EquatorialPosition position = HorizontalToEquatorial(
        onChart->ra * kDegreesPerHour, TrueAltitudeOnChart(chart, onChart->dec), sky.m_dGST,
        sky.m_dLongitude, sky.m_dLatitude);
    if (!std::isfinite(position.ra) || !std::isfinite(position.dec)) {
        return std::nullopt;
    }
    return position;
}

std::string HorizontalPaneText(const HorizontalPosition& position) {
    const PaneParts az = SplitForPane(position.compassAzimuth);
    const PaneParts alt = SplitForPane(position.altitude);
    std::string altitude = TwoDigits(std::labs(alt.whole));
    if (position.altitude < 0.0) {
        altitude.insert(0, "-");
    }
    std::string azimuth = TwoDigits(az.whole);
    if (az.whole < 100) {
        azimuth.insert(0, "0");
    }
    return "Az " + azimuth + kDegreeSign + " " + TwoDigits(az.minutes) + "'  Alt " + altitude +
           kDegreeSign + " " + TwoDigits(alt.minutes) + "'";
}

PointerPaneTexts PointerTexts(const std::optional<EquatorialPosition>& position) {
    if (!position) {
        return {};
    }
    return {RightAscensionPaneText(position->ra), DeclinationPaneText(position->dec), {}};
}

PointerPaneTexts PointerTexts(const std::optional<EquatorialPosition>& position,
                              const ChartState& chart, const SkyState& sky) {
    PointerPaneTexts texts = PointerTexts(position);
    if (position && chart.m_bHorizonView != kChartEquatorial) {
        texts.horizontal = HorizontalPaneText(EquatorialToHorizontal(
            position->ra, position->dec, sky.m_dGST, sky.m_dLongitude, sky.m_dLatitude));
    }
    return texts;
}
