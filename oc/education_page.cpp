#include "oc/education_page.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/registry.h"
#include "controls/token.h"
#include "klasa/klasa.h"
#include "oc/education_areas.h"

namespace kw {

std::vector<std::unique_ptr<EducationArea>> BuildEducationAreas(
    const CtrBase::Callback& changed, const CtrBase::Callback& ownTextChanged) {
    static const AreaFactory kTabOrder[kAreaCount] = {
        MakeSpeakingArea,  MakeListeningArea,     MakeReadingArea,   MakeWritingArea,
        MakeForeignLanguageArea, MakeMathematicsArea, MakeSocialNaturalArea, MakeComputingArea,
        MakeArtsTechnicalArea, MakeMovementArea,
    };
    std::vector<std::unique_ptr<EducationArea>> areas;
    for (AreaFactory make : kTabOrder) areas.push_back(make(changed, ownTextChanged));
    return areas;
}

EducationPage::EducationPage(CtrBase::Callback updateSpace) : updateSpace_(std::move(updateSpace)) {
    page_ = std::make_unique<CtrPanel>(12000, 0, Rect{});
    ParentScope inPage(*page_);
    modes_ = std::make_unique<TextMode>(
        12001, 12002, 12003,
        "Tekst oceny ręcznej z zajęć edukacyjnych jest nieaktualny - ocena generowana "
        "automatycznie, numer klasy, płeć ucznia lub rodzaj oceny - zostało zmienione\n\nZaleca "
        "się sporządzenie nowego - aktualnego - tekstu oceny ręcznej");
    manualPanel_ = std::make_unique<CtrPanel>(12005, 0, Rect{0, 0, 794, 449});
    {
        ParentScope inManual(*manualPanel_);
        manualText_ = std::make_unique<CtrText>(12006, kAssessmentStored, "", Rect{0, 40, 790, 200},
                                                updateSpace_, 10000, 4, kMarkChars, true);
        for (int i = 0; i < kChartAreas; ++i) {
            const Rect r = i < 4 ? Rect{508, 292 + 28 * i, 50, 21} : Rect{736, 292 + 28 * (i - 4), 50, 21};
            points_[static_cast<size_t>(i)] =
                std::make_unique<CtrSpin>(12020 + i, kPhraseScored, r, 0, 100, 0);
        }
    }
    autoPanel_ = std::make_unique<CtrPanel>(12007, 0, Rect{0, 0, 794, 449});
    {
        ParentScope inAuto(*autoPanel_);
        areaNotebook_ = std::make_unique<CtrNotebook>(12008, kAssessmentContainer, Rect{0, 5, 785, 337});
        ParentScope inNotebook(*areaNotebook_);
        areas_ = BuildEducationAreas([this] { EducationChanged(); },
                                     [this] { EducationOwnTextChanged(); });
        for (auto& area : areas_)
            areaNotebook_->AddPage(&area->Panel(), wxString::FromUTF8(area->Info().tab));
    }
    modes_->Attach(*page_, *autoPanel_, *manualPanel_, [this] { ComposeEducation(); },
                   updateSpace_);
}

EducationArea& EducationPage::ChartArea(int chartIndex) {
    for (auto& area : areas_)
        if (area->Info().chartIndex == chartIndex) return *area;
    KW_FAIL("oc", "no area at that chart index");
    return *areas_.front();
}

wxString EducationPage::AutomaticEducationText() {
    wxString text;
    for (size_t i = 0; i < areas_.size(); ++i) {
        wxString area = areas_[i]->PartsText() + Token::Expand(areas_[i]->OwnText().Text());
        hasText_[i] = !TheToken().Plain(area).empty();
        if (hasText_[i]) text += ParagraphMark() + area;
    }
    JoinConjunctions(text, -1);
    return text;
}

void EducationPage::ComposeEducation() {
    if (modes_->Composed()) return;
    automaticText_ = AutomaticEducationText();
    sourceText_ = Manual() ? Token::Expand(manualText_->Text()) : automaticText_;
    printText_ = modes_->Finish(sourceText_);
}

const wxString& EducationPage::EducationPrintText() {
    ComposeEducation();
    return printText_;
}

void EducationPage::PutBack(const Kept& kept) {
    automaticText_ = kept.automatic;
    sourceText_ = kept.source;
    printText_ = kept.print;
    hasText_ = kept.hasText;
    modes_->PutBack(kept.modes);
}

int EducationPage::AreaPoints(int chartIndex) {
    Klasa* klasa = OpenClass();
    KW_ASSERT(chartIndex >= 0 && chartIndex < kChartAreas && klasa && klasa->CurrentPupil() &&
                  klasa->CurrentAssessment(),
              "oc");
    if (chartIndex < 0 || chartIndex >= kChartAreas) return 0;
    if (Manual()) return std::clamp(ManualPoints(chartIndex).Value(), 0, 100);
    return ChartArea(chartIndex).Score();
}

void EducationPage::EducationChanged() {
    MarkEducationChanged();
    if (updateSpace_) updateSpace_();
}

void EducationPage::EducationOwnTextChanged() {
    if (!Loading()) MarkEducationChanged();
    if (updateSpace_) updateSpace_();
}

void EducationPage::RefreshEducationManual() {
    modes_->MarkRefreshed();
    automaticText_ = AutomaticEducationText();
    wxString manual = TheToken().Plain(automaticText_);
    Respace(manual);
    manualText_->SetText(manual);
    if (updateSpace_) updateSpace_();
    for (int i = 0; i < kChartAreas; ++i) ManualPoints(i).SetValue(ChartArea(i).Score());
}

void EducationPage::ApplyEducationMode() { modes_->Apply(); }
void EducationPage::SwitchToManual() { modes_->SwitchToManual(); }
void EducationPage::SwitchToAutomatic() { modes_->SwitchToAutomatic(); }

}  // namespace kw
