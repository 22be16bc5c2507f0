#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/app_state.h"
#include "app/gui_app.h"
#include "app/utf8.h"
#include "klasa/klasa.h"
#include "oc/editor_frame.h"
#include "print/preview_frame.h"
#include "window_fixture.h"

namespace {

using kw::U;

using kwtest::WizardWindow;

TEST_F(WizardWindow, ATeacherEntersAClassAndItReadsBack) {
    EXPECT_FALSE(Text(104)->IsEnabled()) << "no class yet";
    EXPECT_FALSE(GoToTab(kw::kPupilsTab));
    EXPECT_EQ(messages.shown.back().text, U("Brak klasy. Odczytaj lub utwórz nową klasę"));

    dialogs.classNames.push_back("Anna Nowak 3C");
    Click(8);
    EXPECT_TRUE(Text(104)->IsEnabled());
    EXPECT_EQ(frame().Header().ClassName()->GetLabel(), U("Anna Nowak 3C"));
    Type(104, U("Szkoła Podstawowa nr 5"));
    Choose(Choice(102), 2);
    EXPECT_TRUE(GoToTab(kw::kPupilsTab));
    EXPECT_FALSE(GoToTab(kw::kAssessmentsTab));
    EXPECT_EQ(messages.shown.back().text, U("Brak ucznia. Utwórz nowego ucznia"));

    // Pupils in register-number order; two with the same number both listed.
    dialogs.pupils = {{"5", "Nowak"}, {"2", "Kowalska"}, {"5", "Zając"}};
    for (int i = 0; i < 3; ++i) Click(12);
    wxListCtrl* pupils = frame().PupilsPage().List();
    EXPECT_EQ(Column(pupils, 1), (std::vector<wxString>{U("Kowalska"), U("Nowak"), U("Zając")}));
    EXPECT_EQ(Selected(pupils), 2);
    wxChoice* selector = frame().Header().Pupils();
    ASSERT_EQ(selector->GetCount(), 3u);
    EXPECT_EQ(selector->GetString(0), U("2. Kowalska"));
    EXPECT_EQ(program->Editor()->Header().Pupils()->GetCount(), 3u);

    // Editing the number moves the row and keeps it selected.
    Choose(selector, 0);
    Type(212, "12");
    EXPECT_EQ(Column(pupils, 1), (std::vector<wxString>{U("Nowak"), U("Zając"), U("Kowalska")}));
    EXPECT_EQ(Selected(pupils), 2);
    EXPECT_EQ(Text(204)->GetValue(), U("Kowalska"));
    EXPECT_EQ(program->Preview()->Header().Pupils()->GetSelection(), 2) << "selectors in step";

    // Assessments: 1, 10, 2 are listed 10, 2, 1.
    EXPECT_TRUE(GoToTab(kw::kAssessmentsTab));
    dialogs.assessments = {{"1", 0, "Pierwsza"}, {"10", 0, "Dziesiąta"}, {"2", 0, "Druga"}};
    for (int i = 0; i < 3; ++i) Click(14);
    wxListCtrl* assessments = frame().AssessmentsPage().List();
    EXPECT_EQ(Column(assessments, 0), (std::vector<wxString>{"10", "2", "1"}));
    Type(307, U("notatka o drugiej"));
    dialogs.assessments = {{"3", 0, "Kopia"}};
    Click(15);
    EXPECT_EQ(Column(assessments, 0), (std::vector<wxString>{"10", "3", "2", "1"}));
    EXPECT_EQ(Text(307)->GetValue(), U("notatka o drugiej")) << "the duplicate keeps the content";
    messages.answers = {kw::Answer::Yes};
    Click(17);
    EXPECT_EQ(Text(307)->GetValue(), U(""));
    EXPECT_EQ(Text(306)->GetValue(), U("Kopia"));
    messages.answers = {kw::Answer::Yes};
    Click(18);
    EXPECT_EQ(Column(assessments, 0), (std::vector<wxString>{"10", "2", "1"}));

    // Save, then read back.
    const std::string path = dir.File("3c.kwer");
    dialogs.savePaths.push_back(wxString::FromUTF8(path));
    Click(10);
    EXPECT_FALSE(kw::IsModified());
    EXPECT_EQ(frame().Header().ClassName()->GetLabel(), U("3c"));
    ASSERT_TRUE(program->Model().OpenClassFile(wxString::FromUTF8(path)));
    Pump();
    EXPECT_EQ(Text(104)->GetValue(), U("Szkoła Podstawowa nr 5"));
    EXPECT_EQ(Choice(102)->GetSelection(), 2);
    EXPECT_EQ(Column(pupils, 1), (std::vector<wxString>{U("Nowak"), U("Zając"), U("Kowalska")}));
    Choose(frame().Header().Pupils(), 2);
    EXPECT_EQ(Column(assessments, 0), (std::vector<wxString>{"10", "2", "1"}));
    EXPECT_EQ(frame().Header().Assessments()->GetString(0),
              U("10. - Dziesiąta (Świadectwo/arkusz ocen)"));
}

TEST_F(WizardWindow, ExitPromptPaths) {
    dialogs.classNames.push_back("3a");
    Click(8);
    messages.answers = {kw::Answer::Cancel};
    Click(1);
    EXPECT_FALSE(program->Closed());
    messages.answers = {kw::Answer::Yes};  // then the save dialog is cancelled
    Click(1);
    EXPECT_FALSE(program->Closed());
    EXPECT_TRUE(kw::IsModified());
    messages.answers = {kw::Answer::No};
    Click(1);
    EXPECT_TRUE(program->Closed());
}

TEST_F(WizardWindow, TheHundredthPupilAndAssessmentAreRefused) {
    dialogs.classNames.push_back("3a");
    Click(8);
    dialogs.pupils = {{"1", "Nowak"}};
    Click(12);
    kw::Klasa* klasa = kw::OpenClass();
    for (int i = 0; i < 98; ++i) klasa->AddPupil();
    dialogs.pupils = {{"100", "Za dużo"}};
    Click(12);
    EXPECT_EQ(messages.shown.back().text, U("Przekroczony limit maksymalnej ilości uczniów w klasie"));
    EXPECT_EQ(klasa->PupilCount(), 99);
    for (int i = 0; i < 99; ++i) klasa->CurrentPupil()->AddAssessment();
    dialogs.assessments = {{"100", 0, "Za dużo"}};
    Click(14);
    EXPECT_EQ(messages.shown.back().text,
              U("Przekroczony limit maksymalnej ilości ocen dla jednego ucznia."));
    EXPECT_EQ(klasa->CurrentPupil()->AssessmentCount(), 99);
}

// Real key presses through the X server: the digits filter and the length limit of the
// assessment number, the phrase-language marks refused in a free text.
TEST_F(WizardWindow, KeysAreFiltered) {
    NewClassWithOneAssessment();
    ASSERT_TRUE(GoToTab(kw::kAssessmentsTab));
    frame().Raise();
    wxTextCtrl* number = Text(304);
    number->SetFocus();
    number->SetSelection(-1, -1);
    Pump();
    if (wxWindow::FindFocus() != number) GTEST_SKIP() << "no keyboard focus without a window manager";
    wxUIActionSimulator sim;
    sim.Text("a1b2c3");
    Pump();
    EXPECT_EQ(number->GetValue(), "12");
    EXPECT_EQ(program->GetCore().AssessmentPage().Number().Text(), "12");
    wxTextCtrl* notes = Text(307);
    notes->SetFocus();
    Pump();
    sim.Text("a<b[c");
    Pump();
    EXPECT_EQ(notes->GetValue(), "a<b[c") << "the notes take any character";

    // The editor's own text refuses the marks of the phrase language.
    Click(16);
    auto* own = dynamic_cast<wxTextCtrl*>(program->Editor()->Views().Widget(11008));
    ASSERT_NE(own, nullptr);
    program->Editor()->Raise();
    own->SetFocus();
    Pump();
    sim.Text("a<b[c}d");
    Pump();
    EXPECT_EQ(own->GetValue(), "abcd");
    EXPECT_EQ(program->GetCore().Editor().Behaviour().PreviewText(), U("abcd"));
}

TEST_F(WizardWindow, PageChangeNeedsAClassNumber) {
    dialogs.classNames.push_back("3a");
    Click(8);
    Choose(Choice(102), -1);
    program->GetCore().ClassPage().ClassNumber().Select(-1);
    EXPECT_FALSE(GoToTab(kw::kPupilsTab));
    EXPECT_EQ(messages.shown.back().text,
              U("Brak numeru klasy. Wybierz klasę: pierwsza, druga lub trzecia"));
}

TEST_F(WizardWindow, TheEditorLeadsToThePreviewAndBackToTheWizard) {
    NewClassWithOneAssessment();
    Click(16);
    kw::EditorFrame* editor = program->Editor();
    auto press = [&](wxWindow* top, int id) {
        wxWindow* button = top->FindWindow(id);
        ASSERT_NE(button, nullptr) << id;
        wxCommandEvent e(wxEVT_BUTTON, id);
        e.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(e);
        Pump();
    };
    press(editor, 4);
    EXPECT_TRUE(program->Preview()->IsShown());
    EXPECT_FALSE(editor->IsShown());
    program->Preview()->Close();
    Pump();
    EXPECT_TRUE(editor->IsShown()) << "the preview goes back to the editor";
    press(editor, 1);
    EXPECT_TRUE(frame().IsShown());
    EXPECT_FALSE(editor->IsShown());
}

TEST_F(WizardWindow, TheEditorShowsTheCurrentAssessment) {
    NewClassWithOneAssessment();
    Click(16);
    EXPECT_TRUE(program->Editor()->IsShown());
    EXPECT_FALSE(frame().IsShown());
    auto& catalogue = program->GetCore().Editor().Behaviour().Catalogue();
    catalogue.Checks(11100).UserToggle(1);
    Pump();
    EXPECT_EQ(program->GetCore().Editor().Behaviour().PreviewText(), U("Jest pracowita."));
    program->Editor()->Close();
    Pump();
    EXPECT_TRUE(frame().IsShown());
}

TEST_F(WizardWindow, HeadersShowTheClassNameAsTyped) {
    dialogs.classNames.push_back(U("Kowalska & Nowak 2a"));
    Click(8);
    for (kw::WindowHeader* header : {&frame().Header(), &program->Editor()->Header(),
                                     &program->Preview()->Header()})
        EXPECT_EQ(header->ClassName()->GetLabelText(), U("Kowalska & Nowak 2a"));
}

}  // namespace
