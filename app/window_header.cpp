#include "app/window_header.h"

#include "wizard/wizard_model.h"

namespace kw {
namespace {

wxString U(const char* s) { return wxString::FromUTF8(s); }

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
    new wxStaticText(parent, wxID_ANY, U("Klasa :"), wxPoint(4, 8));
    className_ = new wxStaticText(parent, wxID_ANY, "", wxPoint(40, 8));
    className_->SetForegroundColour(*wxBLUE);
    new wxStaticText(parent, wxID_ANY, U("Uczeń :"), wxPoint(228, 8));
    pupils_ = new wxChoice(parent, wxID_ANY, wxPoint(268, 4), wxSize(173, 21));
    pupils_->SetToolTip(U("Pokazuje numer w dzienniku i nazwisko oraz pozwala wybrać aktualnego "
                          "ucznia w klasie\nUczniowie są uporządkowani według ich numerów w "
                          "dzienniku"));
    new wxStaticText(parent, wxID_ANY, U("Ocena :"), wxPoint(464, 8));
    assessments_ = new wxChoice(parent, wxID_ANY, wxPoint(508, 4), wxSize(277, 21));
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
