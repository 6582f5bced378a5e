#include "chart/ChartState.h"

#include "catalog/CatalogStore.h"
#include "settings/AppSettings.h"
#include "settings/LayerSwitchList.h"
#include "settings/Profile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

unsigned LevelRadius(int level, int baseRadius) {
    if (level <= kMaxLevel) {
        return static_cast<unsigned>((level + 1) * baseRadius);
    }
    return static_cast<unsigned>(std::lround((kMaxLevel + 1) * static_cast<double>(baseRadius) *
                                             std::pow(1.5, level - kMaxLevel)));
}

ChartState::ChartState(const AppSettings& settings) {
    CopyFromSettings(settings);
}

void ChartState::CopyFromSettings(const AppSettings& settings) {
    m_bHorizonView = settings.HorizonView;
    m_nHorizonViewSetting = settings.HorizonView;
    SetHemisphere(settings.Observer.NS);
    // The profile loader keeps these in range; a record made by hand may not, and a level or
    // tilt outside them would break the scale and the hemisphere table.
    m_nLevel = std::clamp(settings.Level, 0, settings.FaintStars ? kMaxDeepLevel : kMaxLevel);
    m_dTurnX = settings.TurnX;
    m_fTurnXDeg = settings.b;
    m_nTurnY = std::clamp(settings.TurnY, -90, 90);
    m_nTilt = std::abs(m_nTurnY);

#define VN_SWITCH_FROM_SETTINGS(name, setting, field, command, fallback) field = settings.setting;
    VN_LAYER_SWITCHES(VN_SWITCH_FROM_SETTINGS)
#undef VN_SWITCH_FROM_SETTINGS

    m_dStarLimit = StarLimitFromCode(settings.StarLimit);
    m_dDeepSkyLimit = DeepSkyLimitFromCode(settings.DeepSkyLimit);
    m_bColoredSky = settings.ColoredSky;
    m_bAnimate = 0;
    m_bNaturalSky = settings.NaturalSky;
    m_bPreciseModel = settings.PrecisePositions;
}

void ChartState::CopyToSettings(AppSettings& settings) const {
    settings.HorizonView = m_bHorizonView;
    settings.Level = m_nLevel;
    settings.TurnX = m_dTurnX;
    settings.TurnY = m_nTurnY;

#define VN_SWITCH_TO_SETTINGS(name, setting, field, command, fallback) settings.setting = field;
    VN_LAYER_SWITCHES(VN_SWITCH_TO_SETTINGS)
#undef VN_SWITCH_TO_SETTINGS

    settings.StarLimit = StarLimitToCode(m_dStarLimit, m_bFaintStars != 0);
    settings.DeepSkyLimit = DeepSkyLimitToCode(m_dDeepSkyLimit);
    settings.ColoredSky = m_bColoredSky;
    settings.NaturalSky = m_bNaturalSky;
    settings.b = m_fTurnXDeg;
}

void SetClientSize(ChartState& chart, int width, int height) {
    chart.m_rcClient = PixelRect{0, 0, width, height};
    chart.m_nCenterX = width / 2;
    chart.m_nCenterY = height / 2;
}
