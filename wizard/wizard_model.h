#pragma once
// The wizard's flows without windows: the class, pupils and assessments pages' buttons, their
// lists and the selectors of the three windows, the page-change checks and the exit prompts.
// Dialogs that ask for input come from the front end through WizardDialogs; messages go
// through the message interface.

#include <functional>
#include <vector>

#include <wx/string.h>

namespace kw {

class Core;
class Ocena;
class Uczen;

class WizardDialogs {
public:
    virtual ~WizardDialogs() = default;
    // The new-class dialog: a trimmed, non-empty name, or false.
    virtual bool AskClassName(wxString& name) = 0;
    // The new-pupil dialog: a register number and a surname, both trimmed and non-empty.
    virtual bool AskPupil(wxString& number, wxString& surname) = 0;
    // The new-assessment dialog: number, kind index and name.
    virtual bool AskAssessment(wxString& number, int& kind, wxString& name) = 0;
    // "Odczytywanie klasy": a class file to read, starting in folder, or false.
    virtual bool AskOpenPath(const wxString& folder, wxString& path) = 0;
    // "Zapisywanie klasy": first the dialog with "Wybierz folder" / "Anuluj", which says where
    // classes are kept, then the file, starting in folder.
    virtual bool AskSaveIntro(const wxString& classesFolder) = 0;
    virtual bool AskSavePath(const wxString& folder, const wxString& defaultName,
                             wxString& path) = 0;
};

enum WizardTab { kClassTab = 0, kPupilsTab = 1, kAssessmentsTab = 2 };

class WizardModel {
public:
    WizardModel(Core& core, WizardDialogs& dialogs);

    // Runs after every change of the lists, selectors, class name or enabled fields.
    void SetChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }
    // The class-number choice gets the keyboard focus (after the page-change warning).
    void SetFocusClassNumber(std::function<void()> focus) { focusClassNumber_ = std::move(focus); }

    // ---- class page
    void NewClass();   // button 8
    void ReadClass();  // button 9
    bool SaveFlow();   // button 10, and the exit prompts
    // Reads a class file as the read button does once the file is chosen.
    bool OpenClassFile(const wxString& path);

    // ---- pupils page
    void NewPupil();     // button 12
    void DeletePupil();  // button 13
    void SelectPupilRow(int row);
    void SelectPupil(Uczen* pupil);
    void PupilListRefresh();  // the register number or the surname changed

    // ---- assessments page
    void NewAssessment(bool duplicate);  // buttons 14 and 15
    void ClearAssessment();              // button 17
    void DeleteAssessment();             // button 18
    void SelectAssessmentRow(int row);
    void AssessmentRefresh();  // number, kind or name changed

    // ---- frame
    bool AllowPageChange(int targetTab);
    // The exit button and the close box: true when the program may close.
    bool ExitRequested();
    // The end-of-session query: true when the system may go on (the program then closes).
    bool QueryEndSession(bool canRefuse);
    // Uninstall: true when the uninstaller may run and the program close.
    bool UninstallRequested();

    // ---- what the windows show
    const wxString& ClassName() const { return className_; }
    const std::vector<Uczen*>& PupilRows() const { return pupilRows_; }
    const std::vector<Ocena*>& AssessmentRows() const { return assessmentRows_; }
    std::vector<wxString> PupilSelectorEntries() const;
    std::vector<wxString> AssessmentSelectorEntries() const;
    int PupilRow() const;       // the current pupil's row, -1 for none
    int AssessmentRow() const;  // the current assessment's row, -1 for none
    bool PupilFieldsEnabled() const;
    bool AssessmentFieldsEnabled() const;
    bool ClassFieldsEnabled() const;
    bool Option123() const { return option123_; }

    // The classes folder (created when first needed).
    static wxString ClassesFolder();

private:
    void Changed();
    bool AskToSave(const wxString& caption, const wxString& text);
    void CloseClass();
    void RefillPupilList();
    void RefillAssessmentList();
    // Where the file dialogs start: the open class's folder, else the classes folder.
    wxString DialogFolder() const;

    Core& core_;
    WizardDialogs& dialogs_;
    std::function<void()> changed_, focusClassNumber_;
    wxString className_;
    wxString classFile_;  // the file the open class was read from or saved to
    bool option123_ = false;
    std::vector<Uczen*> pupilRows_;
    std::vector<Ocena*> assessmentRows_;
};

}  // namespace kw
