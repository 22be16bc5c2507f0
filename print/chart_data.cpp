#include "print/chart_data.h"

#include <algorithm>

#include <wx/string.h>

#include "app/app_state.h"
#include "app/class_walk.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"
#include "oc/education_page.h"

namespace kw {
namespace {

constexpr int kPeriodicKind = 1;
static_assert(kChartPanels == kChartAreas + 1, "a panel for behaviour and each charted area");

struct Row {
    Ocena* assessment;
    long number;
    int kind;
};

}  // namespace

std::vector<Ocena*> PeriodicRows(Core& core, int n) {
    std::vector<Ocena*> out;
    Klasa* klasa = OpenClass();
    Uczen* pupil = klasa ? klasa->CurrentPupil() : nullptr;
    Ocena* current = klasa ? klasa->CurrentAssessment() : nullptr;
    if (n <= 0 || !pupil || !current) return out;

    // The list as the assessments page shows it: by number, highest first, equal numbers in file
    // order.
    std::vector<Row> rows;
    for (int i = 0; i < pupil->AssessmentCount(); ++i) {
        Ocena* a = pupil->Assessment(i);
        if (a == current)
            rows.push_back({a, LeadingNumber(core.AssessmentPage().Number().Text()),
                            core.AssessmentPage().Kind().Selection()});
        else
            rows.push_back({a, LeadingNumber(StoredAssessmentNumber(*a)), StoredAssessmentKind(*a)});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.number > b.number; });
    auto row = std::find_if(rows.begin(), rows.end(),
                            [&](const Row& r) { return r.assessment == current; });
    for (; row != rows.end() && static_cast<int>(out.size()) < n; ++row)
        if (row->kind == kPeriodicKind) out.push_back(row->assessment);
    return out;
}

ChartData CollectChart(Core& core) {
    ChartData chart;
    Klasa* klasa = OpenClass();
    const std::vector<Ocena*> rows = PeriodicRows(core, kChartColumns);
    if (rows.empty()) return chart;

    WalkPlan plan;
    plan.pupils = {klasa->CurrentPupil()};
    plan.pick = WalkPick::Listed;
    plan.assessments = rows;
    std::vector<ChartColumn> newestFirst;
    WalkClass(core, plan, [&](const WalkItem&) {
        ChartColumn c;
        c.scores[0] = core.Editor().Behaviour().BehaviourPoints();
        for (int k = 1; k < kChartPanels; ++k)
            c.scores[static_cast<size_t>(k)] = core.Editor().Education().AreaPoints(k - 1);
        newestFirst.push_back(c);
        return true;
    });
    chart.columns.assign(newestFirst.rbegin(), newestFirst.rend());
    return chart;
}

}  // namespace kw
