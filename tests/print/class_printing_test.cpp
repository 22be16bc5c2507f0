// Printing the whole class page by page onto a target: which pages in which order, the progress
// and its cancelling, a target that fails, and the program left as it was.

#include <gtest/gtest.h>

#include "app/utf8.h"
#include "print/class_printing.h"
#include "print/pango_metrics.h"
#include "support/core_fixture.h"
#include "support/pdf_words.h"
#include "support/program_snapshot.h"

namespace {

using kw::U;

class ClassPrinting : public kwtest::CoreTest {
protected:
    // File order: Zofia (register number 3) with a certificate and a periodic assessment, Adam
    // (1) with a certificate and two periodic ones, Ewa (2) with none. Zofia's periodic one is
    // current, with an edit not yet saved.
    void SetUp() override {
        CoreTest::SetUp();
        metrics = kw::PangoTextMetrics::Create(nullptr);
        ASSERT_TRUE(metrics);
        kw::InstallTextMetrics(metrics.get());
        core->Print().FontSize().Select(1);
        Name("3", "Zofia");
        behaviour().OwnText().SetText(U("Ocena roczna Zofii."));
        AddAssessment(1, "2");
        behaviour().OwnText().SetText(U("Okresowa Zofii."));
        zofia = pupil;
        adam = klasa()->AddPupil();
        kw::SelectPupil(adam);
        Name("1", "Adam");
        AddAssessment(0, "1");
        behaviour().OwnText().SetText(U("Ocena roczna Adama."));
        AddAssessment(1, "2");
        behaviour().Mode().SetValue(1);
        behaviour().ManualPoints().SetValue(40);
        AddAssessment(1, "3");
        behaviour().OwnText().SetText(U("Okresowa Adama."));
        kw::Uczen* ewa = klasa()->AddPupil();
        kw::SelectPupil(ewa);
        Name("2", "Ewa");
        kw::SelectPupil(zofia);
        wxString edited;
        for (int i = 0; i < 20; ++i) edited += U("Okresowa ocena Zofii, zmieniona. ");
        behaviour().OwnText().SetText(edited);
        editor().UpdateSpace();
        kw::SetModified();
    }
    void TearDown() override {
        kw::InstallTextMetrics(nullptr);
        CoreTest::TearDown();
    }
    void Name(const char* number, const char* first) {
        core->PupilPage().Text(212).SetText(number);
        core->PupilPage().Text(203).SetText(U(first));
    }

    struct Run {
        kw::ClassPrintResult result;
        std::vector<kwtest::PdfWord> words;
        std::vector<wxString> events;  // "skipped Ewa", "problems Adam", "3/3"
    };
    Run Print(kw::ClassPrintPlan plan, std::function<bool(int, int)> progress = {},
              int failAtPage = -1) {
        Run run;
        const std::string path = dir.File("class.pdf");
        kw::PdfPages pdf(path, *metrics, kw::PageMode{true, true});
        kw::TextFitter fitter(*metrics);
        kw::ClassPrintEvents events;
        auto first = [&] { return core->PupilPage().Text(203).Text(); };
        events.skipped = [&](const kw::WalkItem&) { run.events.push_back("skipped " + first()); };
        events.problems = [&](const kw::WalkItem&, const std::vector<wxString>& m) {
            EXPECT_FALSE(m.empty());
            run.events.push_back("problems " + first());
        };
        events.progress = [&](int done, int total) {
            run.events.push_back(wxString::Format("%d/%d", done, total));
            return !progress || progress(done, total);
        };
        run.result = kw::PrintClass(
            *core, fitter, plan,
            [&](const kw::PageDrawing& page) {
                return pdf.Pages() != failAtPage && pdf.Add(page);
            },
            events);
        if (pdf.Commit(nullptr)) run.words = kwtest::PdfWords(path);
        return run;
    }
    // The first page that shows the word, 0 when none does.
    static int PageOf(const Run& run, const char* word) {
        for (const auto& w : run.words)
            if (w.text == word) return w.page;
        return 0;
    }

    kwtest::TempDir dir;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
    kw::Uczen* zofia = nullptr;
    kw::Uczen* adam = nullptr;
};

TEST_F(ClassPrinting, PagesInRegisterOrderAndTheProgramAsItWas) {
    const kwtest::ProgramSnapshot before = kwtest::TakeSnapshot(*core);
    const kw::SpaceGauges gauges = editor().Gauges();
    ASSERT_GT(gauges.letterReport, 0);
    auto sameGauges = [&] {
        const kw::SpaceGauges& g = editor().Gauges();
        return g.behaviour == gauges.behaviour && g.education == gauges.education &&
               g.achievements == gauges.achievements && g.letterReport == gauges.letterReport;
    };

    kw::ClassPrintPlan certificates;
    Run run = Print(certificates);
    EXPECT_EQ(run.result.end, kw::ClassPrintEnd::Finished);
    EXPECT_EQ(run.result.pages, 6);
    EXPECT_EQ(run.result.pupils, 2);
    EXPECT_EQ(run.result.skipped, 1);
    EXPECT_EQ(PageOf(run, "Adama."), 2);  // the back, after Adam's front
    EXPECT_EQ(PageOf(run, "Zofii."), 5);
    EXPECT_EQ(run.events, (std::vector<wxString>{"0/3", "problems Adam", "1/3", "skipped Ewa",
                                                  "2/3", "problems Zofia", "3/3"}));
    EXPECT_TRUE(kwtest::TakeSnapshot(*core) == before);
    EXPECT_TRUE(sameGauges()) << "the checks measured other pupils";

    // The periodic reports, the current one with its unsaved edit; each chart reads the pupil's
    // other periodic assessments.
    kw::ClassPrintPlan reports;
    reports.kind = 1;
    run = Print(reports);
    EXPECT_EQ(run.result.pages, 2);
    EXPECT_EQ(PageOf(run, "Adama."), 1);
    EXPECT_EQ(PageOf(run, "zmieniona."), 2);
    EXPECT_TRUE(kwtest::TakeSnapshot(*core) == before);
    EXPECT_TRUE(sameGauges());

    kw::ClassPrintPlan sheetsOnly;
    sheetsOnly.documents = {3};
    run = Print(sheetsOnly);
    EXPECT_EQ(run.result.pages, 2);
    EXPECT_EQ(PageOf(run, "Adama."), 1);
    EXPECT_EQ(PageOf(run, "klasyfikacji"), 1);
}

TEST_F(ClassPrinting, CancelledOrFailingTargetStopsAndStillPutsEverythingBack) {
    const kwtest::ProgramSnapshot before = kwtest::TakeSnapshot(*core);
    kw::ClassPrintPlan plan;
    Run run = Print(plan, [](int done, int) { return done < 1; });
    EXPECT_EQ(run.result.end, kw::ClassPrintEnd::Cancelled);
    EXPECT_EQ(run.result.pages, 3);  // Adam's three pages
    EXPECT_TRUE(kwtest::TakeSnapshot(*core) == before);

    run = Print(plan, {}, 4);
    EXPECT_EQ(run.result.end, kw::ClassPrintEnd::TargetFailed);
    EXPECT_EQ(run.result.pages, 4);
    EXPECT_TRUE(kwtest::TakeSnapshot(*core) == before);
}

TEST_F(ClassPrinting, OnlyTheKindsOwnDocuments) {
    kw::ClassPrintPlan plan;
    plan.documents = {3, 1};
    EXPECT_EQ(kw::ClassPrintDocuments(plan), (std::vector<int>{3, 1}));
    plan.documents = {1, 4};
    EXPECT_TRUE(kw::ClassPrintDocuments(plan).empty());
    plan.kind = 2;
    plan.documents.clear();
    EXPECT_EQ(kw::ClassPrintDocuments(plan), (std::vector<int>{4}));
    plan.documents = {1, 4};
    int pages = 0;
    kw::TextFitter fitter(*metrics);
    const kw::ClassPrintResult r = kw::PrintClass(*core, fitter, plan, [&](const kw::PageDrawing&) {
        return ++pages > 0;
    });
    EXPECT_EQ(pages, 0);
    EXPECT_EQ(r.pages, 0);
}

}  // namespace
