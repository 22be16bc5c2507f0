#pragma once
// The "Zachowanie" page: automatic text from the catalogue plus the teacher's own text, or a
// manual text with typed points; the times that tell when the manual text has gone stale.

#include <memory>
#include <utility>

#include "controls/phrase_controls.h"
#include "controls/value_controls.h"
#include "oc/behaviour_catalogue.h"
#include "oc/text_mode.h"

namespace kw {

class BehaviourPage {
public:
    // updateSpace: the editor's space measurement (EditorModel::UpdateSpace).
    explicit BehaviourPage(CtrBase::Callback updateSpace);

    // Recomposes the automatic text, sets the source text and, in automatic mode, the preview;
    // nothing when none of what they depend on changed since the last time.
    void ComposeBehaviour();
    // The finished behaviour text for printing (paragraph marks kept).
    const wxString& BehaviourPrintText();
    // 0-100 for the chart: the typed points in manual mode, else the catalogue's score.
    int BehaviourPoints();

    // A change that can alter the automatic text (a phrase, the own text, grade, sex, kind).
    void MarkBehaviourChanged();
    void BehaviourChanged();  // page callback of the catalogue: mark, then UpdateSpace
    void OwnTextChanged();
    // Shows the red label and the warning when the manual text is older; true when it is.
    bool CheckBehaviourStale();
    void RefreshBehaviourManual();  // "Uaktualnij ocenę ręczną ..."
    void ApplyBehaviourMode();
    void SwitchToManual();     // button 6
    void SwitchToAutomatic();  // button 5

    bool Manual() const { return modes_->Manual(); }
    const wxString& AutomaticText() const { return automaticText_; }
    const wxString& SourceText() const { return sourceText_; }
    const wxString& PreviewText() const { return modes_->PreviewText(); }
    std::pair<int, int> PreviewMark() const { return modes_->PreviewMark(); }
    bool StaleLabelShown() const { return modes_->StaleLabelShown(); }

    CtrNumber& Mode() { return modes_->Mode(); }
    CtrNumber& ChangedAt() { return modes_->ChangedAt(); }
    CtrNumber& RefreshedAt() { return modes_->RefreshedAt(); }
    CtrText& ManualText() { return *manualText_; }
    CtrText& OwnText() { return *ownText_; }
    CtrSpin& ManualPoints() { return *points_; }
    BehaviourCatalogue& Catalogue() { return *catalogue_; }
    CtrPanel& Page() { return *page_; }
    CtrPanel& ManualPanel() { return *manualPanel_; }
    CtrPanel& AutomaticPanel() { return *autoPanel_; }

    // The composed texts and the preview, kept aside while a walk over the class borrows the
    // controls.
    struct Kept {
        wxString automatic, source, print;
        TextMode::Kept modes;
    };
    Kept Keep() const { return {automaticText_, sourceText_, printText_, modes_->Keep()}; }
    void PutBack(const Kept& kept);

private:
    CtrBase::Callback updateSpace_;
    std::unique_ptr<CtrPanel> page_;
    std::unique_ptr<TextMode> modes_;
    std::unique_ptr<CtrPanel> manualPanel_, autoPanel_;
    std::unique_ptr<CtrText> manualText_, ownText_;
    std::unique_ptr<CtrSpin> points_;
    std::unique_ptr<BehaviourCatalogue> catalogue_;

    wxString automaticText_, sourceText_, printText_;
};

}  // namespace kw
