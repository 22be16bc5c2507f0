#pragma once
// The application: the program-wide objects, the three windows, the way between them, and the
// end of the program.

#include <memory>

#include <wx/app.h>

#include "app/core.h"
#include "app/error_report.h"
#include "app/wx_messages.h"
#include "print/pango_metrics.h"
#include "wizard/wizard_dialogs.h"
#include "wizard/wizard_model.h"

namespace kw {

class EditorFrame;
class PreviewFrame;
class WizardFrame;

// Everything a running program holds, without the wxApp: tests build it too.
class Program {
public:
    // dialogs: the input dialogs to use, the program's own wx dialogs when null.
    explicit Program(WizardDialogs* dialogs = nullptr);
    ~Program();
    // Opens a class file given on the command line.
    void OpenAtStart(const wxString& path);
    // Destroys the three windows; the event loop ends when none is left.
    void CloseApplication();
    void ShowEditor();
    void ShowWizard();
    void ShowPreview();
    void UpdateWindows();

    Core& GetCore() { return *core_; }
    WizardModel& Model() { return *model_; }
    WizardFrame* Wizard() const { return wizard_; }
    EditorFrame* Editor() const { return editor_; }
    PreviewFrame* Preview() const { return preview_; }
    bool Closed() const { return closed_; }

private:
    std::unique_ptr<Core> core_;
    WxWizardDialogs wxDialogs_;
    std::unique_ptr<WizardModel> model_;
    PreviewFrame* preview_ = nullptr;
    EditorFrame* editor_ = nullptr;
    WizardFrame* wizard_ = nullptr;
    bool closed_ = false;
};

class App : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
    // A class file to open at start (from the command line).
    static void SetStartFile(const wxString& path) { StartFile() = path; }

private:
    static wxString& StartFile() {
        static wxString path;
        return path;
    }
    void OnQueryEndSession(wxCloseEvent& e);
    void OnEndSession(wxCloseEvent& e);

    WxMessages messages_;
    // What the space checks and the gauges measure printed text with.
    std::unique_ptr<PangoTextMetrics> metrics_;
    std::unique_ptr<Program> program_;
    wxDECLARE_EVENT_TABLE();
};

}  // namespace kw
