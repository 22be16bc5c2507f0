#include "oc/behaviour_page.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/registry.h"
#include "controls/token.h"
#include "klasa/klasa.h"

namespace kw {

namespace {
constexpr int kTextLimit = 10000;
}  // namespace

BehaviourPage::BehaviourPage(CtrBase::Callback updateSpace) : updateSpace_(std::move(updateSpace)) {
    page_ = std::make_unique<CtrPanel>(11004, 0, Rect{});
    ParentScope inPage(*page_);
    modes_ = std::make_unique<TextMode>(
        11001, 11002, 11003,
        "Tekst oceny ręcznej z zachowania jest nieaktualny - ocena generowana automatycznie, "
        "numer klasy, płeć ucznia lub rodzaj oceny - zostało zmienione\n\nZaleca się "
        "sporządzenie nowego - aktualnego - tekstu oceny ręcznej");

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
    modes_->Attach(*page_, *autoPanel_, *manualPanel_, [this] { ComposeBehaviour(); },
                   updateSpace_);
}

void BehaviourPage::ComposeBehaviour() {
    if (modes_->Composed()) return;
    automaticText_ = catalogue_->Text();
    sourceText_ = Manual() ? Token::Expand(manualText_->Text())
                           : automaticText_ + Token::Expand(ownText_->Text());
    printText_ = modes_->Finish(sourceText_);
}

const wxString& BehaviourPage::BehaviourPrintText() {
    ComposeBehaviour();
    return printText_;
}

void BehaviourPage::PutBack(const Kept& kept) {
    automaticText_ = kept.automatic;
    sourceText_ = kept.source;
    printText_ = kept.print;
    modes_->PutBack(kept.modes);
}

int BehaviourPage::BehaviourPoints() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa && klasa->CurrentPupil() && klasa->CurrentAssessment(), "oc");
    if (Manual()) return std::clamp(points_->Value(), 0, 100);
    return catalogue_->Score();
}

void BehaviourPage::MarkBehaviourChanged() { modes_->MarkChanged(); }

void BehaviourPage::BehaviourChanged() {
    MarkBehaviourChanged();
    if (updateSpace_) updateSpace_();
}

void BehaviourPage::OwnTextChanged() {
    if (!Loading()) MarkBehaviourChanged();
    if (updateSpace_) updateSpace_();
}

bool BehaviourPage::CheckBehaviourStale() { return modes_->CheckStale(); }

void BehaviourPage::RefreshBehaviourManual() {
    modes_->MarkRefreshed();
    automaticText_ = catalogue_->Text();
    wxString manual = TheToken().Plain(automaticText_ + ownText_->Text());
    Respace(manual);
    manualText_->SetText(manual);
    if (updateSpace_) updateSpace_();
    points_->SetValue(catalogue_->Score());
}

void BehaviourPage::ApplyBehaviourMode() { modes_->Apply(); }
void BehaviourPage::SwitchToManual() { modes_->SwitchToManual(); }
void BehaviourPage::SwitchToAutomatic() { modes_->SwitchToAutomatic(); }

}  // namespace kw
