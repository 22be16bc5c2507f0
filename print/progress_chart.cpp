#include "print/progress_chart.h"

#include "app/utf8.h"

namespace kw {
namespace {

constexpr int kChartFont = 15;
constexpr int kFramePen = 2;  // device pixels
constexpr int kLevelPen = 1;

}  // namespace

const std::vector<ChartPanel>& ChartPanels() {
    static const std::vector<ChartPanel> kPanels = {
        {0, 0, {{0, 6000, "Zachowanie"}}},
        {0, 15000, {{0, 21000, "Mówienie"}}},
        {0, 30000, {{0, 36000, "Słuchanie"}}},
        {0, 45000, {{0, 50000, "Czytanie"}}},
        {0, 60000, {{0, 66000, "Pisanie"}}},
        {95000, 0, {{95000, 6000, "Matematyka"}}},
        {95000, 15000,
         {{95000, 17000, "Zajęcia"}, {95000, 21000, "społeczno-"}, {95000, 25000, "przyrodnicze"}}},
        {95000, 30000,
         {{95000, 32000, "Zajęcia"}, {95000, 36000, "artystyczno-"}, {95000, 40000, "techniczne"}}},
        {95000, 45000, {{95000, 49000, "Zajęcia"}, {95000, 53000, "ruchowe"}}},
    };
    return kPanels;
}

void DrawProgressChart(PagePainter& p, int x0, int y0, const ChartData& chart) {
    if (chart.columns.empty()) return;
    const std::vector<ChartPanel>& panels = ChartPanels();

    p.SelectFont(kChartFont);
    for (const ChartPanel& panel : panels) {
        const int x = x0 + panel.x, y = y0 + panel.y;
        const char* const levels[] = {"80", "60", "40", "20"};
        for (int i = 0; i < 4; ++i) p.DrawText(x + 17000, y + 1000 + 3000 * i, levels[i]);
        p.Rectangle(x + kPlotLeft, y, kPlotWidth, kPlotHeight, kFramePen);
        p.Line(x, y + kPlotHeight, x + kPlotLeft, y + kPlotHeight, kFramePen);
        for (int v = 3000; v <= 12000; v += 3000)
            p.Line(x + kPlotLeft, y + v, x + kPlotLeft + kPlotWidth, y + v, kLevelPen, true);
    }
    for (const ChartPanel& panel : panels)
        for (const ChartPanel::Line& label : panel.labels)
            p.DrawText(x0 + label.x, y0 + label.y, U(label.text));

    const int count = std::min(static_cast<int>(chart.columns.size()), kChartColumns);
    for (int slot = 0; slot < count; ++slot)
        for (size_t k = 0; k < panels.size() && k < static_cast<size_t>(kChartPanels); ++k) {
            const int h = BarHeight(chart.columns[static_cast<size_t>(slot)].scores[k]);
            const int x = x0 + panels[k].x, y = y0 + panels[k].y;
            p.Rectangle(x + BarLeft(slot), y + kPlotHeight - h, kBarWidth, h, kFramePen);
        }
}

}  // namespace kw
