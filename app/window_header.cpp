#include "app/window_header.h"

#include "app/layout.h"
#include "app/utf8.h"
#include "wizard/wizard_model.h"

namespace kw {
namespace {

void Fill(wxChoice* choice, const std::vector<wxString>& entries, int selection) {
    bool same = choice->GetCount() == entries.size();
    for (size_t i = 0; same && i < entries.size(); ++i) same = choice->GetString(static_cast<unsigned>(i)) == entries[i];
    if (!same) {
        choice->Clear();
        for (const wxString& e : entries) choice->Append(e);
    }
    choice->SetSelection(selection >= 0 ? selection : wxNOT_FOUND);
}

}  // namespace

WindowHeader::WindowHeader(wxWindow* parent, WizardModel& model) : model_(model) {
    new wxStaticText(parent, wxID_ANY, U("Klasa :"), ScaledPoint(4, 8));
    className_ = new wxStaticText(parent, wxID_ANY, "", ScaledPoint(40, 8));
    className_->SetForegroundColour(*wxBLUE);
    new wxStaticText(parent, wxID_ANY, U("Uczeń :"), ScaledPoint(228, 8));
    pupils_ = new wxChoice(parent, wxID_ANY, ScaledPoint(268, 4), ScaledFieldSize(173));
    KeepNeededSize(pupils_);
    pupils_->SetToolTip(U("Pokazuje numer w dzienniku i nazwisko oraz pozwala wybrać aktualnego "
                          "ucznia w klasie\nUczniowie są uporządkowani według ich numerów w "
                          "dzienniku"));
    new wxStaticText(parent, wxID_ANY, U("Ocena :"), ScaledPoint(464, 8));
    assessments_ = new wxChoice(parent, wxID_ANY, ScaledPoint(508, 4), ScaledFieldSize(277));
    KeepNeededSize(assessments_);
    assessments_->SetToolTip(U("Pokazuje oraz pozwala wybrać numer i nazwę aktualnej oceny danego "
                               "ucznia\nOceny są uporządkowane od ostatniej (na górze) do "
                               "najdawniejszej"));
    pupils_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        if (!updating_) model_.SelectPupilRow(pupils_->GetSelection());
    });
    assessments_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        if (!updating_) model_.SelectAssessmentRow(assessments_->GetSelection());
    });
}

void WindowHeader::Update() {
    updating_ = true;
    // The name as typed: an "&" in it is no keyboard mnemonic.
    className_->SetLabelText(model_.ClassName());
    Fill(pupils_, model_.PupilSelectorEntries(), model_.PupilRow());
    Fill(assessments_, model_.AssessmentSelectorEntries(), model_.AssessmentRow());
    updating_ = false;
}

}  // namespace kw
