// The wizard's flows as a teacher goes through them, with scripted dialogs and answers.

#include <gtest/gtest.h>

#include <deque>

#include "app/utf8.h"
#include "support/core_fixture.h"
#include "support/scripted_dialogs.h"
#include "wizard/wizard_model.h"

namespace {

using kw::U;

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        kw::State().clock = [] { return 1000000L; };
        core = std::make_unique<kw::Core>();
        wizard = std::make_unique<kw::WizardModel>(*core, dialogs);
    }
    void TearDown() override {
        wizard.reset();
        core.reset();
        kw::State().clock = nullptr;
    }
    void OpenNewClass() {
        dialogs.classNames.push_back("Anna Nowak 3C");
        wizard->NewClass();
        ASSERT_NE(kw::OpenClass(), nullptr);
    }
    void AddPupil(const char* number, const char* surname) {
        dialogs.pupils.push_back({number, surname});
        wizard->NewPupil();
    }
    void AddAssessment(const char* number, int kind, const char* name, bool duplicate = false) {
        dialogs.assessments.push_back({number, kind, name});
        wizard->NewAssessment(duplicate);
    }
    std::vector<wxString> PupilEntries() { return wizard->PupilSelectorEntries(); }
    std::vector<wxString> AssessmentEntries() { return wizard->AssessmentSelectorEntries(); }

    kwtest::ScriptedMessages messages;
    kwtest::ScriptedDialogs dialogs;
    kwtest::TempDir dir;
    std::unique_ptr<kw::Core> core;
    std::unique_ptr<kw::WizardModel> wizard;
};

TEST_F(WizardTest, PageChangesAreRefusedWithTheirWarnings) {
    bool focused = false;
    wizard->SetFocusClassNumber([&] { focused = true; });
    EXPECT_TRUE(wizard->AllowPageChange(kw::kClassTab));
    EXPECT_FALSE(wizard->AllowPageChange(kw::kPupilsTab));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Brak klasy. Odczytaj lub utwórz nową klasę"));
    EXPECT_EQ(messages.shown[0].caption, U("Ostrzeżenie"));
    dialogs.classNames.push_back("3a");
    wizard->NewClass();
    core->ClassPage().ClassNumber().Select(-1);
    EXPECT_FALSE(wizard->AllowPageChange(kw::kPupilsTab));
    EXPECT_EQ(messages.shown.back().text,
              U("Brak numeru klasy. Wybierz klasę: pierwsza, druga lub trzecia"));
    EXPECT_TRUE(focused);
    core->ClassPage().ClassNumber().Select(2);
    core->ClassPage().SheetOption().SetOn(true);
    EXPECT_TRUE(wizard->AllowPageChange(kw::kPupilsTab));
    EXPECT_TRUE(wizard->Option123());
    EXPECT_FALSE(wizard->AllowPageChange(kw::kAssessmentsTab));
    EXPECT_EQ(messages.shown.back().text, U("Brak ucznia. Utwórz nowego ucznia"));
    AddPupil("1", "Nowak");
    EXPECT_TRUE(wizard->AllowPageChange(kw::kAssessmentsTab));
}

TEST_F(WizardTest, ACancelledNewClassLeavesNoClass) {
    wizard->NewClass();
    EXPECT_EQ(kw::OpenClass(), nullptr);
    EXPECT_FALSE(wizard->ClassFieldsEnabled());
    OpenNewClass();
    EXPECT_EQ(wizard->ClassName(), U("Anna Nowak 3C"));
    EXPECT_TRUE(kw::IsModified());
    EXPECT_TRUE(core->ClassPage().Text(104).Enabled());
    EXPECT_FALSE(core->PupilPage().Text(204).Enabled());
}

TEST_F(WizardTest, PupilsAreListedByRegisterNumber) {
    OpenNewClass();
    AddPupil("5", "Nowak");
    AddPupil("2", "Kowalska");
    AddPupil("5", "Zając");
    AddPupil("x", "Bez numeru");
    EXPECT_EQ(PupilEntries(), (std::vector<wxString>{U("x. Bez numeru"), U("2. Kowalska"),
                                                      U("5. Nowak"), U("5. Zając")}));
    EXPECT_EQ(wizard->PupilRow(), 0) << "the new pupil is selected";
    EXPECT_EQ(core->PupilPage().Sex().Selection(), 0) << "a new pupil starts as Dziewczynka";
    EXPECT_TRUE(core->PupilPage().Text(204).Enabled());

    // Editing the register number moves the row and keeps it selected.
    wizard->SelectPupilRow(1);  // Kowalska
    core->PupilPage().Text(212).UserSetText("12");
    EXPECT_EQ(PupilEntries(), (std::vector<wxString>{U("x. Bez numeru"), U("5. Nowak"),
                                                      U("5. Zając"), U("12. Kowalska")}));
    EXPECT_EQ(wizard->PupilRow(), 3);
    EXPECT_EQ(core->PupilPage().Text(204).Text(), U("Kowalska"));

    // Values typed for one pupil stay with that pupil.
    core->PupilPage().Text(213).UserSetText("E-77");
    wizard->SelectPupilRow(0);
    EXPECT_EQ(core->PupilPage().Text(213).Text(), U(""));
    wizard->SelectPupilRow(3);
    EXPECT_EQ(core->PupilPage().Text(213).Text(), U("E-77"));
}

TEST_F(WizardTest, AddingAndDeletingMarkTheClassModified) {
    OpenNewClass();
    kw::ClearModified();
    AddPupil("1", "Nowak");
    EXPECT_TRUE(kw::IsModified());
    kw::ClearModified();
    AddAssessment("1", 0, "Roczna");
    EXPECT_TRUE(kw::IsModified());
    kw::ClearModified();
    messages.answers = {kw::Answer::Yes};
    wizard->DeleteAssessment();
    EXPECT_TRUE(kw::IsModified());
    kw::ClearModified();
    messages.answers = {kw::Answer::Yes};
    wizard->DeletePupil();
    EXPECT_TRUE(kw::IsModified());
    EXPECT_TRUE(PupilEntries().empty());
    EXPECT_FALSE(wizard->PupilFieldsEnabled());
}

TEST_F(WizardTest, DeletingAsksWithNoAsDefaultAndOnlyYesDeletes) {
    OpenNewClass();
    AddPupil("1", "Nowak");
    messages.answers = {kw::Answer::No};
    wizard->DeletePupil();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, U("Usuwanie ucznia"));
    EXPECT_EQ(messages.shown[0].buttons, kw::Buttons::YesNoCancelNoDefault);
    EXPECT_EQ(PupilEntries().size(), 1u);
}

TEST_F(WizardTest, AssessmentsNewDuplicateClearDelete) {
    OpenNewClass();
    AddPupil("1", "Nowak");
    AddAssessment("1", 0, "Pierwsza");
    core->AssessmentPage().Notes().UserSetText(U("notatka"));
    core->Editor().Behaviour().Catalogue().Checks(11100).UserToggle(1);
    AddAssessment("10", 1, "Dziesiąta");
    EXPECT_EQ(core->AssessmentPage().Notes().Text(), U("")) << "a new assessment starts empty";
    AddAssessment("2", 2, "Druga");
    EXPECT_EQ(AssessmentEntries(),
              (std::vector<wxString>{U("10. - Dziesiąta (Ocena okresowa + wykres)"),
                                     U("2. - Druga (List do ucznia)"),
                                     U("1. - Pierwsza (Świadectwo/arkusz ocen)")}));

    // Duplicate the first one as number 3, a letter.
    wizard->SelectAssessmentRow(2);
    EXPECT_EQ(core->AssessmentPage().Notes().Text(), U("notatka"));
    AddAssessment("3", 2, "Kopia", true);
    EXPECT_EQ(wizard->AssessmentRow(), 1);
    EXPECT_EQ(core->AssessmentPage().Notes().Text(), U("notatka"));
    EXPECT_EQ(core->AssessmentPage().Kind().Selection(), 2);
    EXPECT_EQ(core->Editor().Behaviour().Catalogue().Checks(11100).Bits(), 2u);
    wizard->SelectAssessmentRow(3);
    EXPECT_EQ(core->AssessmentPage().Name().Text(), U("Pierwsza")) << "the original is unchanged";
    EXPECT_EQ(core->AssessmentPage().Kind().Selection(), 0);

    // Clear keeps number, kind and name.
    messages.answers = {kw::Answer::Yes};
    wizard->ClearAssessment();
    EXPECT_EQ(messages.shown.back().caption, U("Czyszczenie informacji o ocenie"));
    EXPECT_EQ(core->AssessmentPage().Notes().Text(), U(""));
    EXPECT_EQ(core->Editor().Behaviour().Catalogue().Checks(11100).Bits(), 0u);
    EXPECT_EQ(core->AssessmentPage().Name().Text(), U("Pierwsza"));
    EXPECT_EQ(AssessmentEntries().back(), U("1. - Pierwsza (Świadectwo/arkusz ocen)"));

    // Changing the kind updates the entry at once.
    core->AssessmentPage().Kind().UserSelect(1);
    EXPECT_EQ(AssessmentEntries().back(), U("1. - Pierwsza (Ocena okresowa + wykres)"));

    // Delete down to none.
    for (int i = 0; i < 4; ++i) {
        messages.answers = {kw::Answer::Yes};
        wizard->DeleteAssessment();
    }
    EXPECT_TRUE(AssessmentEntries().empty());
    EXPECT_FALSE(wizard->AssessmentFieldsEnabled());
    EXPECT_FALSE(core->AssessmentPage().Name().Enabled());
}

TEST_F(WizardTest, TheHundredthPupilIsRefused) {
    OpenNewClass();
    for (int i = 1; i <= 99; ++i) {
        kw::Uczen* p = kw::OpenClass()->AddPupil();
        p->Add_txt(201, 0, wxString::Format("%d", i));
    }
    dialogs.pupils.push_back({"100", "Za dużo"});
    wizard->NewPupil();
    EXPECT_EQ(messages.shown.back().text,
              U("Przekroczony limit maksymalnej ilości uczniów w klasie"));
    EXPECT_EQ(kw::OpenClass()->PupilCount(), 99);
    EXPECT_EQ(dialogs.pupils.size(), 1u) << "the dialog is not shown";

}

TEST_F(WizardTest, TheHundredthAssessmentIsRefused) {
    OpenNewClass();
    AddPupil("1", "Nowak");
    kw::Uczen* p = kw::OpenClass()->CurrentPupil();
    for (int i = 0; i < 99; ++i) p->AddAssessment();
    dialogs.assessments.push_back({"100", 0, "Za dużo"});
    wizard->NewAssessment(false);
    EXPECT_EQ(p->AssessmentCount(), 99);
    EXPECT_EQ(messages.shown.back().text,
              U("Przekroczony limit maksymalnej ilości ocen dla jednego ucznia."));
}

TEST_F(WizardTest, SavedClassReadsBackWithTheSameValues) {
    OpenNewClass();
    core->ClassPage().ClassNumber().UserSelect(1);
    core->ClassPage().Text(104).UserSetText(U("Szkoła Podstawowa nr 3"));
    AddPupil("2", "Nowak");
    core->PupilPage().Sex().UserSelect(1);
    AddAssessment("1", 1, "Śródroczna");
    core->Editor().Behaviour().Catalogue().Checks(11100).UserToggle(1);
    AddPupil("1", "Kowalska");
    const std::string path = dir.File("3c.kwer");
    dialogs.savePaths.push_back(dir.File("3c"));  // the extension is added
    EXPECT_TRUE(wizard->SaveFlow());
    EXPECT_EQ(wizard->ClassName(), U("3c")) << "saving under another name renames the class";
    EXPECT_FALSE(kw::IsModified());
    EXPECT_TRUE(wizard->ExitRequested()) << "nothing changed since the save";

    ASSERT_TRUE(wizard->OpenClassFile(path));
    EXPECT_EQ(wizard->ClassName(), U("3c"));
    EXPECT_EQ(PupilEntries(), (std::vector<wxString>{U("1. Kowalska"), U("2. Nowak")}));
    EXPECT_EQ(wizard->PupilRow(), 0);
    EXPECT_EQ(core->ClassPage().Text(104).Text(), U("Szkoła Podstawowa nr 3"));
    wizard->SelectPupilRow(1);
    EXPECT_EQ(core->PupilPage().Sex().Selection(), 1);
    EXPECT_EQ(AssessmentEntries(),
              std::vector<wxString>{U("1. - Śródroczna (Ocena okresowa + wykres)")});
    EXPECT_EQ(core->Editor().Behaviour().BehaviourPrintText(), U("(akapit) Jest pracowity."));
    EXPECT_FALSE(kw::IsModified());
}

TEST_F(WizardTest, ExitPrompt) {
    OpenNewClass();
    // Cancel: stays open and modified.
    messages.answers = {kw::Answer::Cancel};
    EXPECT_FALSE(wizard->ExitRequested());
    EXPECT_EQ(messages.shown.back().text, U("Zapisać wprowadzone zmiany ?"));
    EXPECT_EQ(messages.shown.back().caption, U("Kwerlo 6.1.0.0 - Zamykanie programu"));
    EXPECT_TRUE(kw::IsModified());
    // Yes, then the save dialog cancelled: stays open.
    messages.answers = {kw::Answer::Yes};
    EXPECT_FALSE(wizard->ExitRequested());
    EXPECT_EQ(dialogs.saveDialogs, 1);
    EXPECT_TRUE(kw::IsModified());
    // Yes and saved: closes.
    messages.answers = {kw::Answer::Yes};
    dialogs.savePaths.push_back(dir.File("a.kwer"));
    EXPECT_TRUE(wizard->ExitRequested());
    EXPECT_FALSE(kw::IsModified());
    // No: closes without saving.
    core->ClassPage().Text(103).UserSetText("7");
    messages.answers = {kw::Answer::No};
    EXPECT_TRUE(wizard->ExitRequested());
}

TEST_F(WizardTest, EndOfSession) {
    EXPECT_TRUE(wizard->QueryEndSession(false)) << "no class, nothing asked";
    EXPECT_TRUE(messages.shown.empty());
    OpenNewClass();
    messages.answers = {kw::Answer::Cancel};
    EXPECT_FALSE(wizard->QueryEndSession(true));
    EXPECT_EQ(messages.shown.back().caption, U("Kwerlo 6.1.0.0 - Zamykanie systemu"));
    EXPECT_EQ(messages.shown.back().buttons, kw::Buttons::YesNoCancel);
    messages.answers = {kw::Answer::No};
    EXPECT_TRUE(wizard->QueryEndSession(false));
    EXPECT_EQ(messages.shown.back().buttons, kw::Buttons::YesNo);
    // Yes with a cancelled save closes anyway.
    messages.answers = {kw::Answer::Yes};
    EXPECT_TRUE(wizard->QueryEndSession(true));
}

TEST_F(WizardTest, AFailedSaveIsReportedAndTheClassStaysModified) {
    OpenNewClass();
    dialogs.savePaths.push_back(dir.File("no/such/folder/x.kwer"));
    EXPECT_FALSE(wizard->SaveFlow());
    EXPECT_EQ(wizard->ClassName(), U("Anna Nowak 3C")) << "no name of a file never written";
    EXPECT_EQ(messages.shown.back().text,
              U("Nie można zapisać pliku : ") + wxString::FromUTF8(dir.File("no/such/folder/x.kwer")));
    EXPECT_EQ(messages.shown.back().caption, U("Kwerlo 6.1.0.0 - Błąd"));
    EXPECT_TRUE(kw::IsModified());
    // An exit whose save fails stays open.
    messages.answers = {kw::Answer::Yes};
    dialogs.savePaths.push_back(dir.File("no/such/folder/x.kwer"));
    EXPECT_FALSE(wizard->ExitRequested());
}

TEST_F(WizardTest, FileDialogsStartWhereTheClassesAre) {
    const wxString classes = kw::WizardModel::ClassesFolder();
    const wxString here = wxString::FromUTF8(dir.Path());
    OpenNewClass();
    dialogs.savePaths.push_back(wxString::FromUTF8(dir.File("a.kwer")));
    ASSERT_TRUE(wizard->SaveFlow());
    EXPECT_EQ(dialogs.introFolder, classes) << "the intro says where classes are kept";
    dialogs.savePaths.push_back(wxString::FromUTF8(dir.File("b.kwer")));
    ASSERT_TRUE(wizard->SaveFlow());
    // A new class starts in the classes folder, a saved one in its own folder.
    EXPECT_EQ(dialogs.saveFolders, (std::vector<wxString>{classes, here}));

    wizard->ReadClass();  // cancelled: no class is open afterwards
    EXPECT_EQ(kw::OpenClass(), nullptr);
    wizard->ReadClass();
    EXPECT_EQ(dialogs.openFolders, (std::vector<wxString>{here, classes}));
    dialogs.openPaths.push_back(wxString::FromUTF8(dir.File("b.kwer")));
    wizard->ReadClass();
    dialogs.savePaths.push_back(wxString::FromUTF8(dir.File("c.kwer")));
    ASSERT_TRUE(wizard->SaveFlow());
    EXPECT_EQ(dialogs.saveFolders.back(), here) << "a class read from a file saves next to it";
}

TEST_F(WizardTest, NoClassIsShownWhileTheNewOneIsNamed) {
    OpenNewClass();
    AddPupil("1", "Nowak");
    kw::ClearModified();
    std::vector<wxString> shownNames;
    wizard->SetChangedListener([&] { shownNames.push_back(wizard->ClassName()); });
    dialogs.onAskClassName = [&] {
        ASSERT_FALSE(shownNames.empty()) << "the windows were told the old class is closed";
        EXPECT_EQ(shownNames.back(), U(""));
        EXPECT_TRUE(wizard->PupilSelectorEntries().empty());
    };
    dialogs.classNames.push_back("Nowa 1a");
    wizard->NewClass();
    EXPECT_EQ(shownNames.back(), U("Nowa 1a"));
}

TEST_F(WizardTest, LongClassNamesAreRefusedInTheFileDialogs) {
    OpenNewClass();
    const std::string longName = std::string(31, 'a');
    dialogs.savePaths = {wxString::FromUTF8(dir.File(longName + ".kwer")),
                         wxString::FromUTF8(dir.File("ok.kwer"))};
    EXPECT_TRUE(wizard->SaveFlow());
    EXPECT_EQ(messages.shown.back().text, U("Nazwa klasy jest za długa - maksimum 30 znaków"));
    EXPECT_EQ(wizard->ClassName(), U("ok"));

    kwtest::WriteBytes(dir.File(longName + ".kwer"), kwtest::ReadBytes(dir.File("ok.kwer")));
    dialogs.openPaths = {wxString::FromUTF8(dir.File(longName + ".kwer"))};
    wizard->ReadClass();
    EXPECT_EQ(messages.shown.back().text,
              U("Nazwa klasy jest za długa - maximum 30 znaków.\nNależy zmienić jej nazwę za "
                "krótszą."));
    EXPECT_EQ(kw::OpenClass(), nullptr);
}

TEST_F(WizardTest, AFileThatCannotBeReadLeavesNoClass) {
    kwtest::WriteBytes(dir.File("zly.kwer"), "nie klasa");
    dialogs.openPaths = {wxString::FromUTF8(dir.File("zly.kwer"))};
    wizard->ReadClass();
    EXPECT_EQ(kw::OpenClass(), nullptr);
    EXPECT_EQ(wizard->ClassName(), U(""));
    EXPECT_FALSE(kw::IsModified());
}

}  // namespace
