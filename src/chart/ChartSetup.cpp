#include "chart/ChartSetup.h"

#include "astro/Recompute.h"
#include "catalog/CatalogStore.h"
#include "chart/Projection.h"
#include "settings/AppSettings.h"

void InitialUpdate(ChartState& chart, CatalogStore& catalog, const AppSettings& settings,
                   int fullScreenWidth, int fullScreenHeight) {
    RecomputeSky(RecomputeForm::FirstUpdate, SkyModelFor(chart.m_skyModel), settings.SkyDate,
                 settings.Observer, chart, catalog);
    chart.m_nFullScreenWidth = fullScreenWidth;
    chart.m_nFullScreenHeight = fullScreenHeight;
    chart.m_nBaseRadius = BaseRadiusForScreenHeight(fullScreenHeight);
    ApplyZoomRadius(chart);
    if (chart.m_rcClient.Width() <= 0 || chart.m_rcClient.Height() <= 0) {
        SetClientSize(chart, fullScreenWidth, fullScreenHeight);
    }
}
