#include "print/class_printing.h"

#include <algorithm>
#include <optional>

#include "app/core.h"
#include "print/document_data.h"
#include "print/documents.h"

namespace kw {

std::vector<int> ClassPrintDocuments(const ClassPrintPlan& plan) {
    const std::vector<int> offered = DocumentsOfKind(plan.kind);
    if (plan.documents.empty()) return offered;
    for (int d : plan.documents)
        if (std::find(offered.begin(), offered.end(), d) == offered.end()) return {};
    return plan.documents;
}

ClassPrintResult PrintClass(Core& core, TextFitter& fitter, const ClassPrintPlan& plan,
                            const PageTarget& target, const ClassPrintEvents& events) {
    ClassPrintResult result;
    const std::vector<int> documents = ClassPrintDocuments(plan);
    if (documents.empty()) return result;

    WalkPlan walk;
    walk.pupils = core.PupilsByRegisterNumber();
    walk.pick = WalkPick::NewestOfKind;
    walk.kind = plan.kind;
    walk.pupilsWithout = true;

    // The checks set the editor's gauges as they measure; the teacher's are put back, whatever
    // happens.
    struct KeptGauges {
        SpaceGauges& gauges;
        const SpaceGauges kept = gauges;
        ~KeptGauges() { gauges = kept; }
    } keptGauges{core.Editor().Gauges()};
    const WalkEnd end = WalkClass(
        core, walk,
        [&](const WalkItem& item) {
            if (!item.assessment) {
                ++result.skipped;
                if (events.skipped) events.skipped(item);
                return true;
            }
            if (events.problems) {
                // As printing checks: missing values told, every too-long text told.
                const CheckFlags flags{true, true, true};
                std::vector<wxString> messages;
                auto add = [&](const std::optional<std::vector<wxString>>& found) {
                    if (!found) return;
                    for (const wxString& m : *found)
                        if (std::find(messages.begin(), messages.end(), m) == messages.end())
                            messages.push_back(m);
                };
                for (int d : documents) {
                    if (d == 1) add(core.Checks().FrontMessages(flags));
                    else add(core.Checks().AssessmentMessages(plan.kind, flags));
                }
                if (!messages.empty()) events.problems(item, messages);
            }
            const DocumentSources sources = CurrentSources(core, documents, plan.calibration);
            for (int d : documents) {
                if (!target([&](PagePainter& p) { DrawDocument(p, fitter, d, sources); })) {
                    result.end = ClassPrintEnd::TargetFailed;
                    return false;
                }
                ++result.pages;
            }
            ++result.pupils;
            return true;
        },
        events.progress);
    if (end == WalkEnd::Stopped && result.end == ClassPrintEnd::Finished)
        result.end = ClassPrintEnd::Cancelled;
    return result;
}

}  // namespace kw
