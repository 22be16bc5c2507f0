#pragma once
// The whole program without windows: the registry with every control model, built in the order
// of the windows (print preview, assessment editor, wizard), and the class flows that need no
// dialog. The windows attach to it; kwerlo-cli and the tests use it alone.

#include <memory>
#include <vector>

#include <wx/string.h>

#include "controls/registry.h"
#include "oc/editor_model.h"
#include "print/checks.h"
#include "print/print_options.h"
#include "wizard/wizard_fields.h"

namespace kw {

class Uczen;

class Core {
public:
    Core();
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // A new empty class, open and modified.
    void NewClass();
    // Closes the open class (without saving) and empties every field.
    void CloseClass();
    // Reads a class file: the class's fields loaded, the first pupil and its newest assessment
    // current. False (and no class open) when the file could not be read.
    bool ReadClass(const wxString& path);
    // Saves the fields into the records and writes the class file; clears the modified flag on
    // success.
    bool SaveClass(const wxString& path);

    // Every field of a level in its empty state (the class number "pierwsza"; a pupil "Dziewczynka"
    // and "Otrzymał/a promocję").
    void ResetClassFields();
    void ResetPupilFields();

    // The pupils ordered by register number (numerically), as the lists show them.
    std::vector<Uczen*> PupilsByRegisterNumber() const;

    ControlRegistry& Registry() { return registry_; }
    PrintOptions& Print() { return *print_; }
    PrePrintChecks& Checks() { return *checks_; }
    EditorModel& Editor() { return *editor_; }
    ClassFields& ClassPage() { return *classFields_; }
    PupilFields& PupilPage() { return *pupilFields_; }
    AssessmentFields& AssessmentPage() { return *assessmentFields_; }
    CtrPanel& WizardPanel() { return *wizardPanel_; }
    CtrNotebook& WizardNotebook() { return *wizardNotebook_; }

private:
    ControlRegistry registry_;
    std::unique_ptr<PrintOptions> print_;
    std::unique_ptr<PrePrintChecks> checks_;
    std::unique_ptr<EditorModel> editor_;
    std::unique_ptr<CtrPanel> wizardPanel_;
    std::unique_ptr<CtrNotebook> wizardNotebook_;
    std::unique_ptr<ClassFields> classFields_;
    std::unique_ptr<PupilFields> pupilFields_;
    std::unique_ptr<AssessmentFields> assessmentFields_;
};

// The running core, or nullptr.
Core* TheCore();

}  // namespace kw
