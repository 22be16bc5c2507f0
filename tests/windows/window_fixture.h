#pragma once
// The fixture of the window tests: the whole program with its three windows, dialogs and
// messages answered from scripts, and the teacher's clicks, keys and choices sent as events.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/gui_app.h"
#include "support/scripted_dialogs.h"
#include "support/test_support.h"
#include "wizard/wizard_frame.h"

namespace kwtest {

// GTK's warnings and critical messages since the test program started.
std::vector<std::string>& GtkMessages();

class WizardWindow : public ::testing::Test {
protected:
    void SetUp() override { program = std::make_unique<kw::Program>(&dialogs); }
    void TearDown() override {
        // Windows closed by the program are deleted when idle: before the core they show goes.
        Pump();
        program.reset();
        Pump();
    }
    static void Pump() {
        for (int i = 0; i < 5; ++i) {
            wxTheApp->ProcessPendingEvents();
            wxTheApp->Yield(true);
            wxTheApp->ProcessIdle();
        }
    }
    kw::WizardFrame& frame() { return *program->Wizard(); }
    void Click(int id) {
        wxWindow* button = frame().FindWindow(id);
        ASSERT_NE(button, nullptr) << id;
        wxCommandEvent e(wxEVT_BUTTON, id);
        e.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(e);
        Pump();
    }
    wxTextCtrl* Text(int id) { return dynamic_cast<wxTextCtrl*>(frame().Views().Widget(id)); }
    wxChoice* Choice(int id) { return dynamic_cast<wxChoice*>(frame().Views().Widget(id)); }
    // Typing: the widget's text changes and sends its event, as the keyboard would.
    void Type(int id, const wxString& text) {
        wxTextCtrl* t = Text(id);
        ASSERT_NE(t, nullptr) << id;
        t->SetValue(text);
        Pump();
    }
    void Choose(wxChoice* c, int index) {
        c->SetSelection(index);
        wxCommandEvent e(wxEVT_CHOICE, c->GetId());
        e.SetEventObject(c);
        e.SetInt(index);
        c->GetEventHandler()->ProcessEvent(e);
        Pump();
    }
    std::vector<wxString> Column(wxListCtrl* list, int column) {
        std::vector<wxString> out;
        for (int i = 0; i < list->GetItemCount(); ++i) out.push_back(list->GetItemText(i, column));
        return out;
    }
    long Selected(wxListCtrl* list) {
        return list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    }
    // Through the buttons: class "3a", pupil 1 Nowak, assessment 1 "Roczna".
    void NewClassWithOneAssessment() {
        dialogs.classNames.push_back("3a");
        Click(8);
        dialogs.pupils = {{"1", "Nowak"}};
        Click(12);
        dialogs.assessments = {{"1", 0, "Roczna"}};
        Click(14);
    }
    // A click on a tab: the notebook's changing event, then the change when it is allowed.
    bool GoToTab(int tab) {
        wxNotebook* nb = frame().Notebook();
        wxBookCtrlEvent e(wxEVT_NOTEBOOK_PAGE_CHANGING, nb->GetId(), tab, nb->GetSelection());
        e.SetEventObject(nb);
        nb->GetEventHandler()->ProcessEvent(e);
        if (e.IsAllowed()) nb->ChangeSelection(tab);
        Pump();
        return nb->GetSelection() == tab;
    }

    // Gives a field the keyboard focus as a click would; false when the window cannot have it.
    static bool Focus(wxWindow* field) {
        wxWindow* top = wxGetTopLevelParent(field);
        top->Raise();
        // Without a window manager the X server gives the focus to the window under the pointer.
        wxUIActionSimulator().MouseMove(top->GetScreenPosition() + wxPoint(20, 20));
        field->SetFocus();
        Pump();
        return wxWindow::FindFocus() == field;
    }

    kwtest::ScriptedMessages messages;
    kwtest::ScriptedDialogs dialogs;
    kwtest::TempDir dir;
    std::unique_ptr<kw::Program> program;
};

}  // namespace kwtest
