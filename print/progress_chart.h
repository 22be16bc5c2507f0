#pragma once
// The periodic report's progress chart: nine small bar charts, behaviour and eight education
// areas, one bar per charted assessment from the oldest on the left.

#include <algorithm>
#include <vector>

#include "print/chart_data.h"
#include "print/page_painter.h"

namespace kw {

// Where each panel lies from the chart's origin, and its label lines.
struct ChartPanel {
    int x, y;
    struct Line {
        int x, y;
        const char* text;  // UTF-8
    };
    std::vector<Line> labels;
};
const std::vector<ChartPanel>& ChartPanels();

constexpr int kPlotLeft = 20000;    // the plot area from the panel's origin
constexpr int kPlotWidth = 65000;
constexpr int kPlotHeight = 15000;
// A bar: its left edge from the panel's origin in slot s, and its height for a score.
constexpr int kBarWidth = 3000;
constexpr int BarLeft(int slot) { return 21000 + 5000 * slot; }
constexpr int BarHeight(int score) {
    return static_cast<int>(std::clamp(score, 0, 100) / 100.0 * kPlotHeight);
}

// The chart with its origin at (x0, y0); nothing when there is nothing to chart.
void DrawProgressChart(PagePainter& p, int x0, int y0, const ChartData& chart);

}  // namespace kw
