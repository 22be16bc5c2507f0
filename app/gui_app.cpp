#include "app/gui_app.h"

#include <csignal>

#include <wx/display.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/tooltip.h>

#include "app/compact_style.h"
#include "app/locale_setup.h"
#include "app/program.h"
#include "oc/editor_frame.h"
#include "print/preview_frame.h"
#include "wizard/wizard_frame.h"

namespace kw {

// ---- Program

Program::Program(WizardDialogs* dialogs) {
    UsePolishToolkitCaptions();
    core_ = std::make_unique<Core>();
    model_ = std::make_unique<WizardModel>(*core_, dialogs ? *dialogs : wxDialogs_);
    // Built in the program's order: print preview, assessment editor, wizard.
    preview_ = new PreviewFrame(*core_, *model_, [this] { ShowEditor(); });
    editor_ = new EditorFrame(*core_, *model_, [this] { ShowWizard(); },
                              [this] { ShowPreview(); });
    wizard_ = new WizardFrame(*core_, *model_, [this] { ShowEditor(); },
                              [this] { CloseApplication(); });
    wxDialogs_.SetParent(wizard_);
    model_->SetChangedListener([this] { UpdateWindows(); });
    UpdateWindows();
    wizard_->Show();
    // On a screen exactly 800 pixels wide the wizard fills it.
    if (wxDisplay(0u).GetGeometry().GetWidth() == 800) wizard_->Maximize();
}

Program::~Program() {
    model_->SetChangedListener({});
    core_->Editor().SetSpaceListener({});
    if (!closed_) {
        // Windows still open (tests): destroy them now, while the core they show still exists.
        delete wizard_;
        delete editor_;
        delete preview_;
    }
}

void Program::OpenAtStart(const wxString& path) { model_->OpenClassFile(path); }

void Program::UpdateWindows() {
    if (closed_) return;
    wizard_->Update();
    editor_->Header().Update();
    editor_->Update();
    preview_->Header().Update();
}

void Program::CloseApplication() {
    if (closed_) return;
    closed_ = true;
    model_->SetChangedListener({});
    core_->Editor().SetSpaceListener({});
    wizard_->Destroy();
    editor_->Destroy();
    preview_->Destroy();
}

void Program::ShowEditor() {
    wxFrame* from = wizard_->IsShown() ? static_cast<wxFrame*>(wizard_) : preview_;
    editor_->SetPosition(from->GetPosition());
    from->Hide();
    editor_->Show();
    editor_->ApplyModes();
    editor_->Raise();
}

void Program::ShowPreview() {
    preview_->SetPosition(editor_->GetPosition());
    editor_->Hide();
    preview_->Show();
    preview_->Raise();
}

void Program::ShowWizard() {
    wizard_->SetPosition(editor_->GetPosition());
    editor_->Hide();
    wizard_->Show();
    UpdateWindows();
}

// ---- App

wxBEGIN_EVENT_TABLE(App, wxApp)
    EVT_QUERY_END_SESSION(App::OnQueryEndSession)
    EVT_END_SESSION(App::OnEndSession)
wxEND_EVENT_TABLE()

namespace {

// A termination request arrives here in the event loop, where dialogs are safe.
void OnTermination(int signal) {
    wxMessageBox(ErrorReport::SignalText(signal), ErrorReport::SignalCaption(), wxOK | wxCENTRE);
    wxMessageBox(ErrorReport::SignalClosingText(), ErrorReport::SignalCaption(), wxOK | wxCENTRE);
    std::_Exit(signal);
}

}  // namespace

bool App::OnInit() {
    ErrorReport::InstallSignalHandlers();
    SetSignalHandler(SIGTERM, OnTermination);
    SetSignalHandler(SIGINT, OnTermination);
    SetMessages(&messages_);
    // The teacher gets the program's own messages; the toolkit's technical log (a file that
    // could not be created, in English) goes to stderr instead of a second message box.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    metrics_ = PangoTextMetrics::Create(nullptr);
    InstallTextMetrics(metrics_.get());
    wxInitAllImageHandlers();
    InstallCompactStyle();
    wxToolTip::SetAutoPop(20000);
    program_ = std::make_unique<Program>();
    if (!StartFile().empty()) program_->OpenAtStart(StartFile());
    return true;
}

int App::OnExit() {
    program_.reset();
    InstallTextMetrics(nullptr);
    SetMessages(nullptr);
    return wxApp::OnExit();
}

void App::OnQueryEndSession(wxCloseEvent& e) {
    if (!program_ || program_->Closed()) return;
    if (program_->Model().QueryEndSession(e.CanVeto())) {
        program_->CloseApplication();
    } else {
        e.Veto();
    }
}

void App::OnEndSession(wxCloseEvent&) {
    if (program_) program_->CloseApplication();
}

}  // namespace kw
