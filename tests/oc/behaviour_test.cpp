#include <gtest/gtest.h>

#include <set>

#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "support/core_fixture.h"

namespace {

using kw::U;

using BehaviourTest = kwtest::CoreTest;

TEST_F(BehaviourTest, WorkedExampleBoyPeriodicClass2) {
    SetContext(1, true, 1);
    catalogue().Checks(11100).SetBits((1 << 1) | (1 << 5));  // pracowity, uczynny
    catalogue().Radio(11104).Select(0);                        // punktualność
    catalogue().Radio(11106).Select(1);                        // nie przestrzega
    catalogue().Radio(11110).Select(0);                        // aktywny
    EXPECT_EQ(catalogue().Text(),
              U(" (akapit) Jest{eś} [1]pracowit<y,a> i  [1]uczynn<y,a>.Cechuje <Cię/go,Cię/ją> "
                "[1]punktualność.[-1]Nie przestrzega{sz} norm społecznych i klasowych. Na "
                "zajęciach jest{eś} [2]aktywn<y,a>."));
    EXPECT_EQ(behaviour().BehaviourPrintText(),
              U("(akapit) Jest pracowity i uczynny. Cechuje go punktualność. Nie przestrzega norm "
                "społecznych i klasowych. Na zajęciach jest aktywny."));
    EXPECT_EQ(behaviour().PreviewText(),
              U("Jest pracowity i uczynny. Cechuje go punktualność. Nie przestrzega norm "
                "społecznych i klasowych. Na zajęciach jest aktywny."));
    EXPECT_EQ(behaviour().BehaviourPoints(), 70);
}

TEST_F(BehaviourTest, SentencesByContext) {
    const struct {
        const char* what;
        int grade;
        bool boy;
        int kind;
        std::function<void(kw::BehaviourCatalogue&)> tick;
        const char* text;
        int points;
    } cases[] = {
        {"nothing ticked", 0, false, 1, [](kw::BehaviourCatalogue&) {}, "", 0},
        {"only a zero-point phrase", 0, false, 0,
         [](kw::BehaviourCatalogue& c) { c.Checks(11100).SetTicked(8, true); },
         "Jest zamknięta w sobie.", 0},
        {"two groups make two sentences", 0, false, 0,
         [](kw::BehaviourCatalogue& c) {
             c.Checks(11100).SetTicked(1, true);
             c.Checks(11101).SetTicked(0, true);
         },
         "Jest pracowita. Potrafi być agresywna.", 50},
        {"but between differing points", 0, false, 0,
         [](kw::BehaviourCatalogue& c) {
             c.Radio(11103).Select(0);
             c.Radio(11104).Select(1);
         },
         "Cechuje ją obowiązkowość, ale niepunktualność.", 50},
        {"the same in a letter", 0, false, 2,
         [](kw::BehaviourCatalogue& c) {
             c.Radio(11103).Select(0);
             c.Radio(11104).Select(1);
             c.Radio(11106).Select(0);
         },
         "(akapit) Cechuje Cię obowiązkowość, ale niepunktualność. Przestrzegasz norm społecznych "
         "i klasowych.", 60},
        {"WYŁĄCZ adds nothing", 0, true, 0,
         [](kw::BehaviourCatalogue& c) {
             c.Radio(11103).Select(2);
             c.Radio(11205).Select(0);
         },
         "Jest zawsze przygotowany do zajęć.", 80},
        {"part 2 in its order", 2, true, 0,
         [](kw::BehaviourCatalogue& c) {
             c.Radio(11201).Select(0);
             c.Radio(11204).Select(1);
             c.Radio(11208).Select(0);
             c.Radio(11211).Select(0);
             c.Checks(11206).SetBits(3);
             c.Radio(11215).Select(1);
             c.Radio(11205).Select(1);
         },
         "Obowiązki i zadania podejmuje chętnie, ale na prośbę nauczyciela. Zdarza mu się nie "
         "przygotować do zajęć. Zadania wykonuje dokładnie i sumiennie. Godnie reprezentuje klasę "
         "na konkursach i imprezach. Kulturalnie zwraca się do kolegów i osób dorosłych. Nie "
         "stosuje zwrotów grzecznościowych.",
         (80 + 20 + 80 + 80 + 160 + 20 + 20) / 8},
        {"sentence list of 11111 and part 3", 0, false, 2,
         [](kw::BehaviourCatalogue& c) {
             c.Checks(11111).SetBits(0b1001);
             c.Radio(11301).Select(0);
         },
         "(akapit) Masz problemy z koncentracją i uwagą w czasie lekcji. Umiesz ocenić swoje "
         "postępowanie. Na przejawy zła i agresji reagujesz prawidłowo.",
         (1 + 90 + 80) / 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kw::ClearAssessmentControls(true);
        SetContext(c.grade, c.boy, c.kind);
        c.tick(catalogue());
        EXPECT_EQ(behaviour().BehaviourPrintText(), U(c.text));
        EXPECT_EQ(behaviour().BehaviourPoints(), c.points);
    }
}

// A syntax error would empty every text for the rest of the run: every phrase, caption and
// composed sentence of the catalogue must render cleanly in every context.
TEST_F(BehaviourTest, EveryPhraseRendersInEveryContext) {
    std::vector<wxString> texts;
    for (kw::CtrBase* c : core->Registry().All()) {
        if (auto* r = dynamic_cast<kw::CtrRadioGroup*>(c))
            for (int i = 0; i < r->Count(); ++i) texts.push_back(r->Phrase(i));
        if (auto* g = dynamic_cast<kw::CtrCheckGroup*>(c))
            for (int i = 0; i < g->Count(); ++i) texts.push_back(g->Phrase(i));
        if (auto* ch = dynamic_cast<kw::CtrChoice*>(c))
            for (int i = 0; i < ch->Count(); ++i) texts.push_back(ch->Phrase(i));
        if (auto* k = dynamic_cast<kw::CtrCheck*>(c)) texts.push_back(k->Phrase());
    }
    ASSERT_GT(texts.size(), 80u);
    for (int grade = 0; grade < 3; ++grade)
        for (bool boy : {false, true})
            for (int kind = 0; kind < 3; ++kind) {
                SetContext(grade, boy, kind);
                kw::Token fresh;
                fresh.SetContextSource([] { return kw::TheToken().Context(); });
                for (const wxString& t : texts) {
                    fresh.Plain(t);
                    fresh.Label(t);
                    fresh.Score(t, 0);
                }
                // Every sentence of the catalogue at once: each group's options in turn.
                for (int option = 0; option < 9; ++option) {
                    kw::ClearAssessmentControls(true);
                    for (kw::CtrBase* c : catalogue().PhraseControls()) {
                        if (auto* r = dynamic_cast<kw::CtrRadioGroup*>(c))
                            r->Select(option % r->Count());
                        if (auto* g = dynamic_cast<kw::CtrCheckGroup*>(c))
                            g->SetBits(option == 0 ? -1 : (1 << (option % g->Count())));
                    }
                    const wxString raw = catalogue().Text();
                    fresh.Plain(raw);
                    fresh.Score(raw, 0);
                    EXPECT_FALSE(behaviour().BehaviourPrintText().empty());
                }
                EXPECT_FALSE(fresh.Failed()) << grade << boy << kind;
            }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(kw::TheToken().Failed());
}

TEST_F(BehaviourTest, CatalogueIdsCaptionsAndGeometry) {
    // The three tabs hold 25 phrase groups and 3 boxes.
    const std::vector<kw::CtrBase*>& controls = catalogue().PhraseControls();
    EXPECT_EQ(controls.size(), 25u);
    EXPECT_EQ(core->Registry().Walk(catalogue().Notebook()).size(), 3u + 25u + 3u);
    std::set<int> ids;
    for (kw::CtrBase* c : controls) {
        EXPECT_TRUE(ids.insert(c->Id()).second) << c->Id();
        EXPECT_GE(c->Id(), 11100);
        EXPECT_LE(c->Id(), 11301);
        EXPECT_EQ(c->Flags() & 0xFFFEFFFF, kw::kPhraseScored) << c->Id();
    }
    EXPECT_EQ(ids.count(11202) + ids.count(11203), 0u);
    EXPECT_EQ(catalogue().Checks(11100).OptionCaption(1), U("pracowity/a"));
    EXPECT_EQ(catalogue().Checks(11100).Caption(), U(" Jest "));
    EXPECT_EQ(catalogue().Radio(11110).Count(), 4);
    EXPECT_EQ(catalogue().Radio(11110).OptionCaption(3), U("WYŁĄCZ"));
    auto* box = dynamic_cast<kw::CtrBox*>(core->Registry().Find(11102));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Caption(), U(" Cechuje go/ją "));
    EXPECT_EQ(box->Geometry().w, 153);
    // The radio groups of a box are registered inside it.
    const auto inBox = core->Registry().Walk(*box);
    ASSERT_EQ(inBox.size(), 3u);
    EXPECT_EQ(inBox[0]->Id(), 11103);
    EXPECT_EQ(catalogue().Notebook().PageCount(), 3);
    EXPECT_EQ(catalogue().Notebook().PageLabel(1), U("Część 2."));
}

TEST_F(BehaviourTest, ManualModeAndStaleness) {
    SetContext(0, false, 1);
    // A new assessment switched to manual: empty text, no warning.
    behaviour().SwitchToManual();
    EXPECT_TRUE(behaviour().Manual());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(behaviour().StaleLabelShown());
    EXPECT_EQ(behaviour().BehaviourPrintText(), U(""));
    behaviour().SwitchToAutomatic();

    // Tick a phrase, then go manual without refreshing: stale.
    now += 10;
    catalogue().Checks(11100).UserToggle(1);
    EXPECT_EQ(behaviour().ChangedAt().Value(), now);
    behaviour().SwitchToManual();
    EXPECT_TRUE(behaviour().StaleLabelShown());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, U("Ostrzeżenie"));
    EXPECT_EQ(messages.shown[0].text.Left(43),
              U("Tekst oceny ręcznej z zachowania jest nieak"));

    // Refresh: the manual text is the automatic one, paragraph mark included.
    behaviour().RefreshBehaviourManual();
    EXPECT_FALSE(behaviour().StaleLabelShown());
    EXPECT_EQ(behaviour().ManualText().Text(), U("(akapit) Jest pracowita."));
    EXPECT_EQ(behaviour().ManualPoints().Value(), 80);
    behaviour().ApplyBehaviourMode();
    EXPECT_EQ(messages.shown.size(), 1u) << "fresh after the refresh";

    // Typing in the manual field never makes it stale; the print text is the manual text.
    behaviour().ManualText().UserSetText(U("(akapit) Jest bardzo pracowita(+)."));
    behaviour().ManualPoints().UserSetValue(95);
    behaviour().ApplyBehaviourMode();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(behaviour().BehaviourPrintText(), U("(akapit) Jest bardzo pracowita."));
    EXPECT_EQ(behaviour().BehaviourPoints(), 95);

    // A change of sex in the same second as the refresh still makes it stale.
    core->PupilPage().Sex().UserSelect(1);
    EXPECT_GT(behaviour().ChangedAt().Value(), behaviour().RefreshedAt().Value());
    behaviour().ApplyBehaviourMode();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(behaviour().StaleLabelShown());
}

TEST_F(BehaviourTest, RefreshingInTheSecondAfterAStampedChangeIsFresh) {
    catalogue().Checks(11100).UserToggle(0);
    behaviour().RefreshBehaviourManual();
    catalogue().Checks(11100).UserToggle(1);  // same second: stamped one later
    behaviour().RefreshBehaviourManual();     // still the same second
    behaviour().SwitchToManual();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(kw::ChangeStamp(100, 100), 101);
    EXPECT_EQ(kw::ChangeStamp(99, 100), 101);
    EXPECT_EQ(kw::ChangeStamp(102, 100), 102);
}

TEST_F(BehaviourTest, OwnTextAndPreviewMarking) {
    SetContext(0, false, 0);
    behaviour().OwnText().UserSetText(U("Lubi rysować(+)."));
    EXPECT_EQ(behaviour().ChangedAt().Value(), now);
    EXPECT_EQ(behaviour().BehaviourPrintText(), U("Lubi rysować."))
        << "no paragraph mark before an own text alone";
    catalogue().Checks(11100).UserToggle(1);
    EXPECT_EQ(behaviour().PreviewText(), U("Jest pracowita. Lubi rysować."));
    EXPECT_EQ(behaviour().PreviewMark(), std::make_pair(0, 3));
    behaviour().OwnText().UserSetText("");
    catalogue().Checks(11100).UserToggle(1);
    EXPECT_EQ(behaviour().PreviewText(), U(""));
    EXPECT_EQ(behaviour().PreviewMark(), std::make_pair(0, 0));
    // Loading an own text does not move the change time.
    const long before = behaviour().ChangedAt().Value();
    now += 50;
    {
        kw::LoadingGuard loading;
        behaviour().OwnText().UserSetText("x");
    }
    EXPECT_EQ(behaviour().ChangedAt().Value(), before);
}

TEST_F(BehaviourTest, UnTickingTheLastPhraseMarksTheEnd) {
    SetContext(0, false, 0);
    catalogue().Checks(11100).UserToggle(0);
    catalogue().Checks(11100).UserToggle(1);
    EXPECT_EQ(behaviour().PreviewText(), U("Jest koleżeńska i pracowita."));
    catalogue().Checks(11100).UserToggle(1);
    EXPECT_EQ(behaviour().PreviewText(), U("Jest koleżeńska."));
    EXPECT_EQ(behaviour().PreviewMark(), std::make_pair(13, 15));
}

TEST_F(BehaviourTest, MarksAndFreeTexts) {
    EXPECT_EQ(editor().Marks().ReligionText(), U(""));
    editor().Marks().Religion().UserSelect(3);
    editor().Marks().Ethics().UserSelect(1);
    EXPECT_EQ(editor().Marks().ReligionText(), U("bardzo dobry"));
    EXPECT_EQ(editor().Marks().EthicsText(), U("(kreska)"));
    editor().Achievements().Field().UserSetText(U("Laureat konkursu:  recytatorskiego ,2010"));
    EXPECT_EQ(editor().Achievements().PrintText(), U("Laureat konkursu: recytatorskiego , 2010"));
    editor().Additional().Field().UserSetText(U("Chór (+) i   koło"));
    EXPECT_EQ(editor().Additional().PrintText(), U("Chór i koło"));
    EXPECT_EQ(editor().Other().Heading(), U("Inne  zajęcia"));
    // The fields refuse the marks of the phrase language and keep 10000 characters.
    EXPECT_FALSE(editor().Other().Field().Filter().AcceptChar('[', 0));
    editor().Other().Field().UserSetText(wxString('x', 10005));
    EXPECT_EQ(editor().Other().Field().Text().length(), 10000u);
}

TEST_F(BehaviourTest, AnAssessmentSavedAndLoadedThroughTheControlsKeepsItsLists) {
    SetContext(1, true, 1);
    catalogue().Checks(11100).SetBits(0b101);
    catalogue().Radio(11104).Select(0);
    catalogue().Radio(11300).Select(2);
    behaviour().OwnText().SetText(U("Lubi śpiewać."));
    behaviour().Mode().SetValue(1);
    behaviour().ManualText().SetText(U("Ręczny tekst"));
    behaviour().ManualPoints().SetValue(77);
    editor().Marks().Ethics().Select(4);
    editor().Individual().Field().SetText(U("Program indywidualny"));
    core->AssessmentPage().Name().SetText(U("Ocena śródroczna"));
    kw::ClearModified();
    kw::SaveAssessmentRecords();
    const std::string state = assessment->StateList().Bytes();
    const std::string num = assessment->NumList().Bytes();
    const std::string txt = assessment->TxtList().Bytes();

    int32_t v;
    EXPECT_TRUE(assessment->Get_state(11100, 1, v));
    EXPECT_EQ(v, 2 * 65536 + 160);
    EXPECT_TRUE(assessment->Get_num(11300, 0, v));
    EXPECT_EQ(v, -1);
    wxString t;
    EXPECT_TRUE(assessment->Get_txt(302, 0, t));
    EXPECT_EQ(t, U("Ocena okresowa + wykres"));

    kw::ClearAssessmentControls(true);
    core->AssessmentPage().Kind().Select(0);
    kw::LoadAssessmentRecords();
    EXPECT_EQ(catalogue().Checks(11100).Bits(), 0b101u);
    EXPECT_EQ(behaviour().ManualText().Text(), U("Ręczny tekst"));
    EXPECT_EQ(core->AssessmentPage().Kind().Selection(), 1);
    EXPECT_EQ(assessment->Name(), U("Ocena śródroczna"));
    kw::SaveAssessmentRecords();
    EXPECT_EQ(assessment->StateList().Bytes(), state);
    EXPECT_EQ(assessment->NumList().Bytes(), num);
    EXPECT_EQ(assessment->TxtList().Bytes(), txt);
    EXPECT_FALSE(kw::IsModified()) << "walks never mark the class changed";
}

TEST_F(BehaviourTest, SwitchingAssessmentsAndPupilsKeepsEachOnesValues) {
    catalogue().Checks(11100).SetBits(1);
    core->AssessmentPage().Name().SetText("pierwsza");
    kw::Ocena* second = AddAssessment(2, "10");
    EXPECT_EQ(catalogue().Checks(11100).Bits(), 0u);
    catalogue().Checks(11100).SetBits(2);
    core->AssessmentPage().Name().SetText("druga");
    kw::Ocena* third = AddAssessment(1, "2");
    core->AssessmentPage().Name().SetText("trzecia");

    kw::SelectAssessment(assessment);
    EXPECT_EQ(catalogue().Checks(11100).Bits(), 1u);
    EXPECT_EQ(core->AssessmentPage().Name().Text(), "pierwsza");

    // Another pupil, then back: the newest assessment (number 10) becomes current.
    kw::Uczen* other = klasa()->AddPupil();
    kw::SelectPupil(other);
    EXPECT_EQ(klasa()->CurrentAssessment(), nullptr);
    EXPECT_FALSE(catalogue().Checks(11100).Enabled());
    kw::SelectPupil(pupil);
    EXPECT_EQ(klasa()->CurrentAssessment(), second);
    EXPECT_EQ(core->AssessmentPage().Name().Text(), "druga");
    EXPECT_EQ(catalogue().Checks(11100).Bits(), 2u);
    const auto order = kw::AssessmentsNewestFirst(*pupil);
    EXPECT_EQ(order, (std::vector<kw::Ocena*>{second, third, assessment}));
}

TEST_F(BehaviourTest, AClassSavedAndReadBackHasTheSameFieldsAndTexts) {
    kwtest::TempDir dir;
    const std::string path = dir.File("klasa.kwer");
    core->ClassPage().ClassNumber().Select(2);
    core->ClassPage().Text(104).SetText(U("Szkoła Podstawowa nr 7"));
    core->PupilPage().Text(212).SetText("3");
    core->PupilPage().Text(204).SetText(U("Żak"));
    core->PupilPage().Sex().Select(1);
    auto& names = dynamic_cast<kw::CtrCombo&>(core->PupilPage().Text(203));
    names.SetText("Jan");
    names.Remember();
    SetContext(2, true, 0);
    catalogue().Checks(11100).SetBits(2);
    const wxString text = behaviour().BehaviourPrintText();
    EXPECT_EQ(text, U("Jest pracowity."));
    ASSERT_TRUE(core->SaveClass(path));
    EXPECT_FALSE(kw::IsModified());

    core->CloseClass();
    EXPECT_EQ(kw::OpenClass(), nullptr);
    EXPECT_EQ(core->PupilPage().Text(204).Text(), U(""));
    ASSERT_TRUE(core->ReadClass(path));
    EXPECT_EQ(core->ClassPage().ClassNumber().Selection(), 2);
    EXPECT_EQ(core->ClassPage().Text(104).Text(), U("Szkoła Podstawowa nr 7"));
    EXPECT_EQ(core->PupilPage().Text(204).Text(), U("Żak"));
    EXPECT_EQ(klasa()->CurrentPupil()->Surname(), U("Żak"));
    EXPECT_EQ(names.Entries(), std::vector<wxString>{"Jan"});
    EXPECT_EQ(behaviour().BehaviourPrintText(), text);
    EXPECT_FALSE(kw::IsModified());
}

TEST_F(BehaviourTest, AFileThatCannotBeReadLeavesNoClassOpen) {
    kwtest::TempDir dir;
    kwtest::WriteBytes(dir.File("bad.kwer"), "not a class file at all, really not......");
    EXPECT_FALSE(core->ReadClass(dir.File("bad.kwer")));
    EXPECT_EQ(kw::OpenClass(), nullptr);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
