#include "oc/behaviour_page.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "app/messages.h"
#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/registry.h"
#include "controls/token.h"
#include "klasa/klasa.h"

namespace kw {

namespace {
constexpr int kTextLimit = 10000;
wxString U(const char* s) { return wxString::FromUTF8(s); }
}  // namespace

long ChangeStamp(long now, long refreshedAt) { return now <= refreshedAt ? refreshedAt + 1 : now; }

BehaviourPage::BehaviourPage(CtrBase::Callback updateSpace) : updateSpace_(std::move(updateSpace)) {
    page_ = std::make_unique<CtrPanel>(11004, 0, Rect{});
    ParentScope inPage(*page_);
    mode_ = std::make_unique<CtrNumber>(11001, kAssessmentEarly, 0);
    changedAt_ = std::make_unique<CtrNumber>(11002, kAssessmentEarly, 0);
    refreshedAt_ = std::make_unique<CtrNumber>(11003, kAssessmentEarly, 0);

    manualPanel_ = std::make_unique<CtrPanel>(11005, 0, Rect{0, 0, 794, 449});
    {
        ParentScope inManual(*manualPanel_);
        manualText_ = std::make_unique<CtrText>(11006, kAssessmentStored, "", Rect{0, 40, 790, 200},
                                                updateSpace_, kTextLimit, 4, kMarkChars, true);
        points_ = std::make_unique<CtrSpin>(11013, kPhraseScored, Rect{726, 252, 50, 21}, 0, 100, 0);
    }
    autoPanel_ = std::make_unique<CtrPanel>(11007, 0, Rect{0, 0, 794, 449});
    {
        ParentScope inAuto(*autoPanel_);
        catalogue_ = std::make_unique<BehaviourCatalogue>([this] { BehaviourChanged(); });
        ownText_ = std::make_unique<CtrText>(11008, kAssessmentStored, "", Rect{0, 308, 785, -1},
                                             [this] { OwnTextChanged(); }, kTextLimit, 4,
                                             kMarkChars);
    }
    manualPanel_->Show(false);
}

void BehaviourPage::ComposeBehaviour() {
    automaticText_ = catalogue_->Text();
    if (Manual()) {
        sourceText_ = Token::Expand(manualText_->Text());
        return;
    }
    sourceText_ = automaticText_ + Token::Expand(ownText_->Text());
    const wxString preview = WithoutParagraphs(TheToken().Plain(sourceText_));
    previewMark_ = ChangeRange(previewText_, preview);
    previewText_ = preview;
}

wxString BehaviourPage::BehaviourPrintText() {
    ComposeBehaviour();
    wxString text = TheToken().Plain(sourceText_);
    Respace(text);
    return text;
}

int BehaviourPage::BehaviourPoints() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa && klasa->CurrentPupil() && klasa->CurrentAssessment(), "oc");
    if (Manual()) return std::clamp(points_->Value(), 0, 100);
    return catalogue_->Score();
}

void BehaviourPage::MarkBehaviourChanged() {
    changedAt_->SetValue(static_cast<int32_t>(ChangeStamp(Now(), refreshedAt_->Value())));
}

void BehaviourPage::BehaviourChanged() {
    MarkBehaviourChanged();
    if (updateSpace_) updateSpace_();
}

void BehaviourPage::OwnTextChanged() {
    if (!Loading()) MarkBehaviourChanged();
    if (updateSpace_) updateSpace_();
}

bool BehaviourPage::CheckBehaviourStale() {
    if (refreshedAt_->Value() >= changedAt_->Value()) return false;
    staleLabel_ = true;
    TheMessages().Show(
        U("Tekst oceny ręcznej z zachowania jest nieaktualny - ocena generowana automatycznie, "
          "numer klasy, płeć ucznia lub rodzaj oceny - zostało zmienione\n\nZaleca się "
          "sporządzenie nowego - aktualnego - tekstu oceny ręcznej"),
        U("Ostrzeżenie"), Buttons::Ok, Icon::Warning);
    return true;
}

void BehaviourPage::RefreshBehaviourManual() {
    staleLabel_ = false;
    refreshedAt_->SetValue(static_cast<int32_t>(Now()));
    // A change stamped in this same second must still count as later than this refresh.
    if (changedAt_->Value() > refreshedAt_->Value())
        refreshedAt_->SetValue(changedAt_->Value());
    automaticText_ = catalogue_->Text();
    wxString manual = TheToken().Plain(automaticText_ + ownText_->Text());
    Respace(manual);
    manualText_->SetText(manual);
    if (updateSpace_) updateSpace_();
    points_->SetValue(catalogue_->Score());
}

void BehaviourPage::ApplyBehaviourMode() {
    autoPanel_->Show(!Manual());
    manualPanel_->Show(Manual());
    if (!Manual()) {
        ComposeBehaviour();
        return;
    }
    CheckBehaviourStale();
    if (updateSpace_) updateSpace_();
}

void BehaviourPage::SwitchToManual() {
    mode_->SetValue(1);
    ApplyBehaviourMode();
}

void BehaviourPage::SwitchToAutomatic() {
    mode_->SetValue(0);
    ComposeBehaviour();
    ApplyBehaviourMode();
}

}  // namespace kw
