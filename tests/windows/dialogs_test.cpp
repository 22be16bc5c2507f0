// The wizard's own dialogs with real key presses: Enter confirms them as their default button
// does, and the toolkit speaks Polish.

#include <functional>

#include <glib.h>
#include <wx/clipbrd.h>
#include <wx/dialog.h>
#include <wx/stockitem.h>
#include <wx/timer.h>

#include "app/utf8.h"
#include "wizard/wizard_dialogs.h"
#include "window_fixture.h"

namespace {

using kw::U;

using kwtest::WizardWindow;

wxDialog* ShownDialog() {
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsShown()) return d;
    return nullptr;
}

std::vector<wxTextCtrl*> Fields(wxWindow* dialog) {
    std::vector<wxTextCtrl*> out;
    for (wxWindow* child : dialog->GetChildren())
        if (auto* t = dynamic_cast<wxTextCtrl*>(child)) out.push_back(t);
    return out;
}

class Dialogs : public WizardWindow {
protected:
    // While `ask` shows its dialog: types texts[i] into the dialog's text field i and presses
    // Enter in the last one. When Enter does not end the dialog, a key typed after it shows it
    // was handled and the dialog is cancelled. Returns what `ask` returned.
    bool TypeAndPressEnter(std::vector<const char*> texts, std::function<bool()> ask) {
        enterEndedIt_ = true;
        wxTheApp->CallAfter([this, texts] { Script(texts); });
        // Only keeps a broken Enter from hanging the test program.
        wxTimer guard;
        guard.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
            if (wxDialog* d = ShownDialog()) d->EndModal(wxID_CANCEL);
        });
        guard.StartOnce(60000);
        return ask();
    }
    bool enterEndedIt_ = true;

private:
    void Script(const std::vector<const char*>& texts) {
        wxDialog* d = ShownDialog();
        if (!d) {
            wxTheApp->CallAfter([this, texts] { Script(texts); });
            return;
        }
        std::vector<wxTextCtrl*> fields = Fields(d);
        ASSERT_GE(fields.size(), texts.size());
        wxUIActionSimulator sim;
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(Focus(fields[i]));
            sim.Text(texts[i]);
        }
        sim.Char(WXK_RETURN);
        wxTextCtrl* last = fields[texts.size() - 1];
        const wxString typed = last->GetValue();
        sim.Char('x');
        // Still shown once the key after Enter arrived: Enter did not end it.
        for (int i = 0; i < 200 && ShownDialog() == d && last->GetValue() == typed; ++i) {
            wxTheApp->Yield(true);
        }
        if (ShownDialog() == d) {
            enterEndedIt_ = false;
            d->EndModal(wxID_CANCEL);
        }
    }
};

TEST_F(Dialogs, EnterConfirmsTheNewClassPupilAndAssessment) {
    kw::WxWizardDialogs wx(&frame());
    wxString name;
    EXPECT_TRUE(TypeAndPressEnter({"Anna Nowak 3C"}, [&] { return wx.AskClassName(name); }));
    EXPECT_EQ(name, "Anna Nowak 3C");

    wxString number, surname;
    EXPECT_TRUE(TypeAndPressEnter({"12", "Nowak"}, [&] { return wx.AskPupil(number, surname); }));
    EXPECT_EQ(number, "12");
    EXPECT_EQ(surname, "Nowak");

    int kind = -1;
    wxString assessment;
    EXPECT_TRUE(TypeAndPressEnter({"3", "Roczna"}, [&] {
        return wx.AskAssessment(number, kind, assessment);
    }));
    EXPECT_EQ(number, "3");
    EXPECT_EQ(assessment, "Roczna");
    EXPECT_EQ(kind, 0);
}

// A name pasted into the new-class dialog: what a file name cannot hold is dropped, the rest cut
// to 30 characters, and Enter takes it.
TEST_F(Dialogs, APastedClassNameIsCleanedAndCut) {
    kw::WxWizardDialogs wx(&frame());
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(
            U("Anna/Nowak: klasa 3.c ☺ i jeszcze bardzo długi dopisek")));
        wxTheClipboard->Close();
    }
    wxString name;
    wxTheApp->CallAfter([this] {
        wxDialog* d = ShownDialog();
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(Focus(Fields(d).at(0)));
        wxUIActionSimulator sim;
        sim.Char('v', wxMOD_CONTROL);
        wxTextCtrl* field = Fields(d).at(0);
        for (int i = 0; i < 200 && field->GetValue().empty(); ++i) wxTheApp->Yield(true);
        sim.Char(WXK_RETURN);
    });
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        if (wxDialog* d = ShownDialog()) d->EndModal(wxID_CANCEL);
    });
    guard.StartOnce(60000);
    ASSERT_TRUE(wx.AskClassName(name));
    // 30 characters, the last a space that the dialog trims.
    EXPECT_EQ(name, U("AnnaNowak klasa 3c  i jeszcze"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Dialogs, EnterWithAnEmptyFieldKeepsTheDialogOpen) {
    kw::WxWizardDialogs wx(&frame());
    wxString number, surname;
    EXPECT_FALSE(TypeAndPressEnter({"12"}, [&] { return wx.AskPupil(number, surname); }));
    EXPECT_FALSE(enterEndedIt_) << "no surname: OK does nothing";
    wxString name;
    EXPECT_FALSE(TypeAndPressEnter({"   "}, [&] { return wx.AskClassName(name); }));
    EXPECT_FALSE(enterEndedIt_) << "a name of spaces only";
}

TEST_F(Dialogs, EnterInAPageFieldChangesNothing) {
    NewClassWithOneAssessment();
    for (int id : {104, 117}) {
        wxTextCtrl* field = Text(id);
        ASSERT_TRUE(GoToTab(kw::kClassTab));
        ASSERT_TRUE(Focus(field));
        field->SetInsertionPointEnd();
        wxUIActionSimulator sim;
        sim.Text("ab");
        sim.Char(WXK_RETURN);
        sim.Text("c");
        Pump();
        EXPECT_EQ(field->GetValue(), "abc") << id;
    }
}

TEST_F(Dialogs, TheToolkitSpeaksPolish) {
    EXPECT_EQ(wxGetStockLabel(wxID_YES), U("&Tak"));
    EXPECT_EQ(wxGetStockLabel(wxID_NO), U("&Nie"));
    EXPECT_EQ(wxGetStockLabel(wxID_CANCEL), U("&Anuluj"));
    EXPECT_EQ(U(g_dgettext("gtk30", "_Cancel")), U("_Anuluj")) << "GTK's file dialogs";
}

TEST_F(Dialogs, AHelpPageThatCannotBeOpenedIsReportedByTheProgram) {
    // The test program has no help pages next to it.
    Click(6);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(messages.shown.back().text.StartsWith(U("Nie można otworzyć pliku : ")));
    EXPECT_TRUE(messages.shown.back().text.EndsWith("help/szk_faq.htm"));
    EXPECT_EQ(messages.shown.back().caption, U("Kwerlo 6.1.0.0 - Błąd"));
}

}  // namespace
