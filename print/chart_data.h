#pragma once
// The scores of the periodic report's progress chart: the pupil's periodic assessments from the
// one being printed back towards the oldest, each with its behaviour score and the scores of the
// eight charted education areas.

#include <array>
#include <vector>

namespace kw {

class Core;
class Ocena;

constexpr int kChartPanels = 9;   // behaviour, then the eight charted areas
constexpr int kChartColumns = 13;  // bars per panel

// The current pupil's assessment list (highest number first) from the current assessment's row
// towards the oldest: the rows of kind "Ocena okresowa + wykres", at most n, in list order. The
// current assessment counts with its number and kind as the teacher has them now.
std::vector<Ocena*> PeriodicRows(Core& core, int n);

struct ChartColumn {
    std::array<int, kChartPanels> scores{};  // 0..100
};

struct ChartData {
    // Oldest first: column k is the bar in slot k; the last one is the current assessment.
    std::vector<ChartColumn> columns;
};

// The scores of the periodic rows, read from each assessment as it would be loaded. The current
// pupil and assessment, every control's value and the modified flag are as before, and no record
// changes.
ChartData CollectChart(Core& core);

}  // namespace kw
