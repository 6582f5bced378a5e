#include "chart/ChartSetup.h"

#include "chart/Projection.h"

void InitialUpdate(ChartState& chart, int fullScreenWidth, int fullScreenHeight) {
    chart.m_nFullScreenWidth = fullScreenWidth;
    chart.m_nFullScreenHeight = fullScreenHeight;
    chart.m_nBaseRadius = BaseRadiusForScreenHeight(fullScreenHeight);
    ApplyZoomRadius(chart);
    if (chart.m_rcClient.Width() <= 0 || chart.m_rcClient.Height() <= 0) {
        SetClientSize(chart, fullScreenWidth, fullScreenHeight);
    }
}
