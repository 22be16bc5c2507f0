#include "oc/text_mode.h"

#include "app/app_state.h"
#include "app/messages.h"
#include "controls/composer.h"
#include "controls/token.h"

namespace kw {

long ChangeStamp(long now, long refreshedAt) { return now <= refreshedAt ? refreshedAt + 1 : now; }

TextMode::TextMode(int modeId, int changedId, int refreshedId, const char* staleWarning)
    : mode_(std::make_unique<CtrNumber>(modeId, kAssessmentEarly, 0)),
      changedAt_(std::make_unique<CtrNumber>(changedId, kAssessmentEarly, 0)),
      refreshedAt_(std::make_unique<CtrNumber>(refreshedId, kAssessmentEarly, 0)),
      staleWarning_(staleWarning) {}

void TextMode::MarkChanged() {
    changedAt_->SetValue(static_cast<int32_t>(ChangeStamp(Now(), refreshedAt_->Value())));
}

void TextMode::MarkRefreshed() {
    staleLabel_ = false;
    // A change stamped ahead within this second must not outlive the refresh.
    refreshedAt_->SetValue(static_cast<int32_t>(std::max<long>(Now(), changedAt_->Value())));
}

bool TextMode::CheckStale() {
    if (!Stale()) return false;
    staleLabel_ = true;
    TheMessages().Show(wxString::FromUTF8(staleWarning_), wxString::FromUTF8("Ostrzeżenie"),
                       Buttons::Ok, Icon::Warning);
    return true;
}

void TextMode::Attach(const CtrBase& page, CtrPanel& automatic, CtrPanel& manual,
                      std::function<void()> compose, std::function<void()> updateSpace) {
    watch_ = ChangeWatch(page);
    automatic_ = &automatic;
    manual_ = &manual;
    compose_ = std::move(compose);
    updateSpace_ = std::move(updateSpace);
    manual_->Show(Manual());
}

void TextMode::Apply() {
    automatic_->Show(!Manual());
    manual_->Show(Manual());
    if (!Manual()) {
        compose_();
        return;
    }
    CheckStale();
    if (updateSpace_) updateSpace_();
}

void TextMode::SwitchToManual() {
    SetManual(true);
    Apply();
}

void TextMode::SwitchToAutomatic() {
    SetManual(false);
    compose_();
    Apply();
}

TextMode::ComposeKey TextMode::Key() const {
    const Token& token = TheToken();
    const TokenContext ctx = token.Context();
    ComposeKey key;
    key.change = watch_.Latest();
    key.grade = ctx.grade;
    key.kind = ctx.kind;
    key.male = ctx.male;
    key.failed = token.Failed();
    return key;
}

wxString TextMode::Finish(const wxString& source) {
    const wxString plain = TheToken().Plain(source);
    wxString print = plain;
    Respace(print);
    if (!Manual()) {
        pendingPlain_ = plain;
        previewPending_ = true;
    }
    MarkComposed();
    return print;
}

const wxString& TextMode::PreviewText() const {
    if (previewPending_) {
        previewPending_ = false;
        const wxString text = WithoutParagraphs(pendingPlain_);
        previewMark_ = ChangeRange(previewText_, text);
        previewText_ = text;
        pendingPlain_.clear();
    }
    return previewText_;
}

std::pair<int, int> TextMode::PreviewMark() const {
    PreviewText();
    return previewMark_;
}

void TextMode::MarkComposed() {
    composed_ = Key();
    hasComposed_ = true;
}

bool TextMode::Composed() const { return hasComposed_ && composed_ == Key(); }

void TextMode::PutBack(const Kept& kept) {
    previewPending_ = false;
    previewText_ = kept.previewText;
    previewMark_ = kept.previewMark;
    if (kept.composed) MarkComposed();
    else hasComposed_ = false;
}

}  // namespace kw
