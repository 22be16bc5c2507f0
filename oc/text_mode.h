#pragma once
// What the behaviour and the education page share: a mode (automatic or manual) and two times
// kept with the assessment, the stale-manual-text warning, and the preview with its marking.

#include <functional>
#include <memory>
#include <utility>

#include "controls/phrase_controls.h"
#include "controls/value_controls.h"

namespace kw {

class TextMode {
public:
    // Registers the three hidden holders: mode, changed at, refreshed at.
    TextMode(int modeId, int changedId, int refreshedId, const char* staleWarning);

    bool Manual() const { return mode_->Value() != 0; }
    void SetManual(bool manual) { mode_->SetValue(manual ? 1 : 0); }

    // A change that can alter the automatic text, stamped after the last refresh.
    void MarkChanged();
    // The manual text now equals the automatic text.
    void MarkRefreshed();
    bool Stale() const { return refreshedAt_->Value() < changedAt_->Value(); }
    // Shows the red label and the warning when the manual text is stale; true when it is.
    bool CheckStale();
    bool StaleLabelShown() const { return staleLabel_; }

    // The page's two panels and its steps: compose (the automatic text and preview) and
    // updateSpace (the editor's measurement). The composed texts depend on every control of
    // page.
    void Attach(const CtrBase& page, CtrPanel& automatic, CtrPanel& manual,
                std::function<void()> compose, std::function<void()> updateSpace);
    // Shows the panel of the stored mode and brings it up to date: the automatic text composed,
    // or the manual text checked for staleness.
    void Apply();
    void SwitchToManual();
    void SwitchToAutomatic();

    // The preview of the last automatic composition, made when first asked for: a walk or an
    // export that nobody watches spends nothing on it. The marking compares it with the preview
    // shown before.
    const wxString& PreviewText() const;
    std::pair<int, int> PreviewMark() const;

    // The printed text of a composed source text (paragraph marks kept); in automatic mode also
    // the preview. Both come from one rendering. The page's texts are then composed.
    wxString Finish(const wxString& source);

    // The page's texts were composed from its controls as they are now: until a control of the
    // page, the grade, the sex, the kind or a syntax error changes, they need not be composed
    // again.
    void MarkComposed();
    bool Composed() const;
    // The preview and whether the composed texts were current, to be put back once the controls
    // are back as they were (a walk over the class borrows them).
    struct Kept {
        wxString previewText;
        std::pair<int, int> previewMark;
        bool composed;
    };
    Kept Keep() const { return {PreviewText(), PreviewMark(), Composed()}; }
    void PutBack(const Kept& kept);

    CtrNumber& Mode() { return *mode_; }
    CtrNumber& ChangedAt() { return *changedAt_; }
    CtrNumber& RefreshedAt() { return *refreshedAt_; }

private:
    std::unique_ptr<CtrNumber> mode_, changedAt_, refreshedAt_;
    const char* staleWarning_;
    CtrPanel* automatic_ = nullptr;
    CtrPanel* manual_ = nullptr;
    std::function<void()> compose_, updateSpace_;
    mutable wxString previewText_;
    mutable std::pair<int, int> previewMark_{0, 0};
    mutable wxString pendingPlain_;  // rendered text whose preview is not made yet
    mutable bool previewPending_ = false;
    bool staleLabel_ = false;

    // What a composition depends on besides the page's controls.
    struct ComposeKey {
        uint64_t change = 0;
        int grade = -2, kind = -2;
        bool male = false, failed = false;
        bool operator==(const ComposeKey& o) const {
            return change == o.change && grade == o.grade && kind == o.kind && male == o.male &&
                   failed == o.failed;
        }
    };
    ComposeKey Key() const;
    ChangeWatch watch_;
    ComposeKey composed_;
    bool hasComposed_ = false;
};

// "changed at" for a change made now: never at or before the last refresh, so that a change in
// the same second as a refresh still makes the manual text stale.
long ChangeStamp(long now, long refreshedAt);

}  // namespace kw
