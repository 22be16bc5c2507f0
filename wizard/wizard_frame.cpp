#include "wizard/wizard_frame.h"

#include <wx/imaglist.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/utils.h>

#include "app/caption_fit.h"
#include "app/colours.h"
#include "app/core.h"
#include "app/help_pages.h"
#include "app/layout.h"
#include "app/program.h"
#include "app/shipped_data.h"
#include "app/utf8.h"
#include "resources/bitmaps.h"
#include "wizard/wizard_model.h"

namespace kw {

WizardFrame::WizardFrame(Core& core, WizardModel& model, std::function<void()> onEdit,
                         std::function<void()> onClose)
    : TopWindow(model),
      core_(core),
      model_(model),
      onEdit_(std::move(onEdit)),
      onClose_(std::move(onClose)) {
    auto* top = new wxPanel(this, wxID_ANY);
    AddHeader(top);

    notebook_ = new wxNotebook(top, 2, ScaledPoint(0, 32), ScaledSize(794, 449), 0, "notebook");
    notebook_->SetBackgroundColour(LightBlue());
    const wxSize tab = NamedBitmap("bmp_wiz_nb_klasa").GetSize();
    auto* images = new wxImageList(tab.x, tab.y, true);
    images->Add(NamedBitmap("bmp_wiz_nb_klasa"));
    images->Add(NamedBitmap("bmp_wiz_nb_uczn"));
    images->Add(NamedBitmap("bmp_wiz_nb_oceny"));
    notebook_->AssignImageList(images);
    wxPanel* pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = new wxPanel(notebook_, wxID_ANY);
        pages[i]->SetBackgroundColour(LightBlue());
        notebook_->AddPage(pages[i], "", i == 0, i);
    }
    class_ = std::make_unique<ClassPageView>(pages[0], core_, views_);
    pupils_ = std::make_unique<PupilsPageView>(pages[1], core_, views_, model_);
    assessments_ = std::make_unique<AssessmentsPageView>(pages[2], core_, views_, model_);

    auto* bottom = new wxPanel(top, wxID_ANY, ScaledPoint(4, 480), ScaledSize(785, 69));
    bottom->SetBackgroundColour(LightBlue());
    AddBitmapButton(bottom, 1, "bmp_wiz_down_koniec", 620, 40,
                    "Jeśli informacja w  klasie była modyfikowana zapisuje ją na dysku i zamyka "
                    "program");
    wxWindow* about = AddBitmapButton(bottom, 2, "bmp_wiz_down_about", 620, 12,
                                      "Pokazuje nazwę i wersję programu");
    about->SetBackgroundColour(Orange());
    AddBitmapButton(bottom, 3, "bmp_wiz_down_samoucz", 440, 12,
                    "Pokazuje krok po kroku jak wykonać typowe zadania");
    AddBitmapButton(bottom, 5, "bmp_wiz_down_www", 280, 40,
                    "Otwiera stronę internetową programu, na której znajdują się odpowiedzi na "
                    "najczęściej zadawane pytania (FAQ), oraz nowe uaktualnienia programu "
                    "zawierające sugerowane przez Państwa zmiany ułatwiające pracę");
    AddBitmapButton(bottom, 6, "bmp_wiz_down_faq", 280, 12, nullptr);
    AddBitmapButton(bottom, 7, "bmp_wiz_down_odinst", 110, 40,
                    "Usuwa program (oprócz zapisanych klas) z komputera - konieczne przed "
                    "instalacją nowszej wersji programu");

    Bind(wxEVT_BUTTON, &WizardFrame::OnButton, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Exit(); });
    notebook_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING, &WizardFrame::OnPageChanging, this);
    model_.SetFocusClassNumber([this] {
        if (wxWindow* w = views_.Widget(102)) w->SetFocus();
    });
    FitCaptions(this);
    built_ = true;
    Update();
    Centre();
}

void WizardFrame::Update() {
    Header().Update();
    pupils_->Update();
    assessments_->Update();
}

void WizardFrame::Exit() {
    if (model_.ExitRequested() && onClose_) onClose_();
}

void WizardFrame::OnPageChanging(wxBookCtrlEvent& e) {
    if (!built_) return;
    // The tab comes from the event, so the keyboard and any tab width give the right page.
    const int target = e.GetSelection();
    if (!model_.AllowPageChange(target)) {
        e.Veto();
        return;
    }
    if (target == kPupilsTab) pupils_->ApplyVisibility(model_.Option123());
}

void WizardFrame::OnButton(wxCommandEvent& e) {
    switch (e.GetId()) {
        case 1: Exit(); break;
        case 2:
            wxMessageBox(U("Program : " KWERLO_TITLE "\n\nOcena opisowa dla klas I,II,III - Szkoły "
                           "Podstawowej"),
                         U(KWERLO_TITLE " - O programie"), wxOK | wxCENTRE, this);
            break;
        case 3: OpenTutorial(); break;
        case 5: OpenWebPage(); break;
        case 6: OpenQuestions(); break;
        case 7:
            if (model_.UninstallRequested()) {
                // Arguments as a list: no shell sees the folder's name.
                const wxString script = ShippedDataFolder() + "/uninstall.sh";
                const wchar_t* args[] = {L"sh", script.wc_str(), nullptr};
                wxExecute(args, wxEXEC_ASYNC);
                if (onClose_) onClose_();
            }
            break;
        case 8: model_.NewClass(); break;
        case 9: model_.ReadClass(); break;
        case 10: model_.SaveFlow(); break;
        case 12: model_.NewPupil(); break;
        case 13: model_.DeletePupil(); break;
        case 14: model_.NewAssessment(false); break;
        case 15: model_.NewAssessment(true); break;
        case 16:
            if (model_.AssessmentFieldsEnabled() && onEdit_) onEdit_();
            break;
        case 17: model_.ClearAssessment(); break;
        case 18: model_.DeleteAssessment(); break;
        default: e.Skip(); break;
    }
}

}  // namespace kw
