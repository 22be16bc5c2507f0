#pragma once
// The wizard's input dialogs answered from scripts: each call takes the next scripted answer, and
// an empty script means the teacher cancelled.

#include <deque>
#include <functional>
#include <vector>

#include "wizard/wizard_model.h"

namespace kwtest {

struct PupilInput {
    const char* number;
    const char* surname;
};
struct AssessmentInput {
    const char* number;
    int kind;
    const char* name;
};

class ScriptedDialogs : public kw::WizardDialogs {
public:
    std::deque<wxString> classNames, openPaths, savePaths;
    std::deque<PupilInput> pupils;
    std::deque<AssessmentInput> assessments;
    bool introOk = true;
    int saveDialogs = 0;
    // The folders the file dialogs started in, and the one the save intro named.
    std::vector<wxString> openFolders, saveFolders;
    wxString introFolder;
    // Runs when the new-class dialog would show.
    std::function<void()> onAskClassName;

    bool AskClassName(wxString& name) override {
        if (onAskClassName) onAskClassName();
        return Pop(classNames, name);
    }
    bool AskPupil(wxString& number, wxString& surname) override {
        if (pupils.empty()) return false;
        number = wxString::FromUTF8(pupils.front().number);
        surname = wxString::FromUTF8(pupils.front().surname);
        pupils.pop_front();
        return true;
    }
    bool AskAssessment(wxString& number, int& kind, wxString& name) override {
        if (assessments.empty()) return false;
        number = wxString::FromUTF8(assessments.front().number);
        kind = assessments.front().kind;
        name = wxString::FromUTF8(assessments.front().name);
        assessments.pop_front();
        return true;
    }
    bool AskOpenPath(const wxString& folder, wxString& path) override {
        openFolders.push_back(folder);
        return Pop(openPaths, path);
    }
    bool AskSaveIntro(const wxString& classesFolder) override {
        introFolder = classesFolder;
        return introOk;
    }
    bool AskSavePath(const wxString& folder, const wxString&, wxString& path) override {
        saveFolders.push_back(folder);
        ++saveDialogs;
        return Pop(savePaths, path);
    }

private:
    static bool Pop(std::deque<wxString>& q, wxString& out) {
        if (q.empty()) return false;
        out = q.front();
        q.pop_front();
        return true;
    }
};

}  // namespace kwtest
