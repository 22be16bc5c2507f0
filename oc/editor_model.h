#pragma once
// The assessment editor without its window: the panel and notebook of the frame and the pages in
// their tab order, and UpdateSpace, which every change of an editor text runs.

#include <functional>
#include <memory>

#include "oc/behaviour_page.h"
#include "oc/education_page.h"
#include "oc/marks_pages.h"
#include "print/space_gauges.h"

namespace kw {

class EditorModel {
public:
    EditorModel();

    // Brings the composed texts up to date after a change and runs the space check of the
    // assessment's kind, which sets the gauges (nothing while loading). shown: the editor has just
    // been shown, so the check reports missing texts and every too-long one. Listeners (the gauges'
    // views) run afterwards.
    void UpdateSpace(bool shown = false);
    void SetSpaceListener(std::function<void()> listener) { spaceListener_ = std::move(listener); }
    // The check UpdateSpace runs; false when it could not run (the texts are then only composed).
    void SetSpaceCheck(std::function<bool(bool shown)> check) { spaceCheck_ = std::move(check); }
    const SpaceGauges& Gauges() const { return gauges_; }
    SpaceGauges& Gauges() { return gauges_; }
    // The class grade, the pupil's sex or the assessment's kind changed.
    void ContextChanged();

    BehaviourPage& Behaviour() { return *behaviour_; }
    MarksPage& Marks() { return *marks_; }
    EducationPage& Education() { return *education_; }
    FreeTextPage& Achievements() { return *achievements_; }  // 22001
    FreeTextPage& Additional() { return *additional_; }      // 23001
    FreeTextPage& Other() { return *other_; }                // 27001
    FreeTextPage& Individual() { return *individual_; }      // 24001
    CtrNotebook& Notebook() { return *notebook_; }
    CtrPanel& Panel() { return *panel_; }

private:
    std::unique_ptr<CtrPanel> panel_;
    std::unique_ptr<CtrNotebook> notebook_;
    std::unique_ptr<BehaviourPage> behaviour_;
    std::unique_ptr<MarksPage> marks_;
    std::unique_ptr<EducationPage> education_;
    std::unique_ptr<FreeTextPage> achievements_, additional_, other_, individual_;
    std::function<void()> spaceListener_;
    std::function<bool(bool)> spaceCheck_;
    SpaceGauges gauges_;
};

}  // namespace kw
