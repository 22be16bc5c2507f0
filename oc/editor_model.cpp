#include "oc/editor_model.h"

#include "app/app_state.h"
#include "app/utf8.h"
#include "controls/registry.h"

namespace kw {

EditorModel::EditorModel() {
    panel_ = std::make_unique<CtrPanel>(10001, 0, Rect{});
    ParentScope inPanel(*panel_);
    notebook_ = std::make_unique<CtrNotebook>(10002, kAssessmentContainer, Rect{0, 32, 794, 453});
    ParentScope inNotebook(*notebook_);
    auto update = [this] { UpdateSpace(); };
    behaviour_ = std::make_unique<BehaviourPage>(update);
    notebook_->AddPage(&behaviour_->Page(), U("Zachowanie"));
    marks_ = std::make_unique<MarksPage>();
    notebook_->AddPage(&marks_->Page(), U("Religia/Etyka"));
    education_ = std::make_unique<EducationPage>(update);
    notebook_->AddPage(&education_->Page(), U("Zajęcia edukacyjne"));
    additional_ = std::make_unique<FreeTextPage>(23000, 23001, U("Dodatkowe zajęcia edukacyjne"),
                                                 update);
    notebook_->AddPage(&additional_->Page(), U("Dodatkowe zajęcia edukacyjne"));
    other_ = std::make_unique<FreeTextPage>(27000, 27001, U("Inne  zajęcia"), update);
    notebook_->AddPage(&other_->Page(), U("Inne zajęcia"));
    individual_ = std::make_unique<FreeTextPage>(24000, 24001,
                                                 U("Indywidualny program lub tok nauki"), update);
    notebook_->AddPage(&individual_->Page(), U("Indywidualny program"));
    achievements_ = std::make_unique<FreeTextPage>(22000, 22001, U("Szczególne osiągnięcia"),
                                                   update);
    notebook_->AddPage(&achievements_->Page(), U("Szczególne osiągnięcia"));
}

void EditorModel::UpdateSpace(bool shown) {
    if (Loading()) return;
    if (!spaceCheck_ || !spaceCheck_(shown)) {
        behaviour_->BehaviourPrintText();
        education_->EducationPrintText();
    }
    if (spaceListener_) spaceListener_();
}

void EditorModel::ContextChanged() {
    behaviour_->MarkBehaviourChanged();
    education_->MarkEducationChanged();
    UpdateSpace();
}

}  // namespace kw
