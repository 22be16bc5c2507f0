// The progress chart's data: which of the pupil's assessments are charted (the periodic rows of
// the assessment list from the current one down), their scores, and that reading them leaves the
// program as it was.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "print/chart_data.h"
#include "print/document_data.h"
#include "support/core_fixture.h"
#include "support/program_snapshot.h"

namespace {

class ChartData : public kwtest::CoreTest {
protected:
    // Numbers 1 to 18, made in a mixed file order: fifteen periodic assessments, and 4 and 17 (the
    // certificate's) and 9 (a letter) between them. Each periodic one has typed points: behaviour
    // 5 × its number, area k its number + 10 k.
    void SetUp() override {
        CoreTest::SetUp();
        const std::map<int, int> otherKinds = {{4, 0}, {9, 2}, {17, 0}};
        bool first = true;
        for (int n : {7, 1, 18, 2, 9, 3, 4, 5, 6, 17, 8, 10, 11, 12, 13, 14, 15, 16}) {
            const auto other = otherKinds.find(n);
            const int kind = other == otherKinds.end() ? 1 : other->second;
            const std::string number = std::to_string(n);
            kw::Ocena* a = first ? assessment : AddAssessment(kind, number.c_str());
            if (first) {
                core->AssessmentPage().Kind().Select(kind);
                core->AssessmentPage().Number().SetText(number);
                first = false;
            }
            if (kind == 1) {
                behaviour().Mode().SetValue(1);
                behaviour().ManualPoints().SetValue(5 * n);
                editor().Education().Modes().SetManual(true);
                for (int k = 0; k < kw::kChartAreas; ++k)
                    editor().Education().ManualPoints(k).SetValue(n + 10 * k);
            }
            byNumber[n] = a;
        }
        Current(18);
    }
    void Current(int number) { kw::SelectAssessment(byNumber.at(number)); }
    std::vector<int> Numbers(const std::vector<kw::Ocena*>& rows) {
        std::vector<int> out;
        for (kw::Ocena* a : rows)
            for (const auto& [n, b] : byNumber)
                if (a == b) out.push_back(n);
        return out;
    }

    std::map<int, kw::Ocena*> byNumber;
};

TEST_F(ChartData, PeriodicRowsRunFromTheCurrentOneTowardsTheOldest) {
    const struct {
        int current;
        int n;
        std::vector<int> rows;
    } cases[] = {
        // 13 of 15: the current one and the twelve before it.
        {18, 13, {18, 16, 15, 14, 13, 12, 11, 10, 8, 7, 6, 5, 3}},
        // Later ones are above the current one in the list: not charted.
        {8, 13, {8, 7, 6, 5, 3, 2, 1}},
        // A letter is current: the periodic ones below it.
        {9, 13, {8, 7, 6, 5, 3, 2, 1}},
        {1, 13, {1}},
        {18, 3, {18, 16, 15}},
        {18, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        Current(c.current);
        EXPECT_EQ(Numbers(kw::PeriodicRows(*core, c.n)), c.rows);
    }
}

TEST_F(ChartData, TheCurrentAssessmentCountsWithItsNumberAndKindAsTheyAreNow) {
    Current(8);
    core->AssessmentPage().Number().SetText("20");  // not saved: now on top of the list
    EXPECT_EQ(Numbers(kw::PeriodicRows(*core, 4)), (std::vector<int>{8, 18, 16, 15}));
    core->AssessmentPage().Kind().Select(0);
    EXPECT_EQ(Numbers(kw::PeriodicRows(*core, 4)), (std::vector<int>{18, 16, 15, 14}));
    klasa()->SetCurrentAssessment(nullptr);
    EXPECT_TRUE(kw::PeriodicRows(*core, 13).empty());
}

TEST_F(ChartData, ScoresOldestFirstAndTheProgramLeftAsItWas) {
    // Unsaved edits of the current assessment are charted as the teacher sees them.
    behaviour().ManualPoints().SetValue(99);
    for (bool modified : {false, true}) {
        if (modified) kw::SetModified();
        else kw::ClearModified();
        const kwtest::ProgramSnapshot before = kwtest::TakeSnapshot(*core);
        const kw::ChartData chart = kw::CollectChart(*core);
        EXPECT_TRUE(kwtest::TakeSnapshot(*core) == before);

        const std::vector<int> numbers = {3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 18};
        ASSERT_EQ(chart.columns.size(), numbers.size());
        for (size_t s = 0; s < numbers.size(); ++s) {
            SCOPED_TRACE(numbers[s]);
            const int n = numbers[s];
            EXPECT_EQ(chart.columns[s].scores[0], n == 18 ? 99 : 5 * n);
            for (int k = 1; k < kw::kChartPanels; ++k)
                EXPECT_EQ(chart.columns[s].scores[static_cast<size_t>(k)], n + 10 * (k - 1)) << k;
        }
    }
    EXPECT_EQ(behaviour().BehaviourPoints(), 99);
}

TEST_F(ChartData, BezWykresuLeavesTheChartOut) {
    core->Print().NoChart().SetOn(true);
    kw::ReportData report = kw::CurrentReportData(*core);
    EXPECT_FALSE(report.withChart);
    EXPECT_TRUE(report.chart.columns.empty());
    core->Print().NoChart().SetOn(false);
    report = kw::CurrentReportData(*core);
    EXPECT_TRUE(report.withChart);
    EXPECT_EQ(report.chart.columns.size(), 13u);
}

}  // namespace
