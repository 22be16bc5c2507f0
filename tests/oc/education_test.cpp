#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "support/core_fixture.h"

namespace {

using kw::U;

class EducationTest : public kwtest::CoreTest {
public:
    kw::EducationPage& education() { return editor().Education(); }
    kw::EducationArea& area(int i) { return education().Area(i); }
    kw::CtrRadioGroup& R(int area, int id) { return this->area(area).Controls().Radio(id); }
    kw::CtrCheckGroup& G(int area, int id) { return this->area(area).Controls().Checks(id); }
    kw::CtrCheck& C(int area, int id) { return this->area(area).Controls().Check(id); }
    kw::CtrRadio& B(int area, int id) { return this->area(area).Controls().RadioButton(id); }
    kw::CtrChoice& H(int area, int id) { return this->area(area).Controls().Choice(id); }

    // The finished text of one area alone.
    wxString Finished(int i) {
        wxString t = area(i).PartsText();
        kw::JoinConjunctions(t, -1);
        t = kw::TheToken().Plain(t);
        kw::Respace(t);
        return t;
    }
};

enum Area { kSpeaking, kListening, kReading, kWriting, kLanguage, kMaths, kSocial, kComputing, kArts, kMovement };

TEST_F(EducationTest, WorkedExample) {
    SetContext(1, false, 1);
    R(kSpeaking, 13101).Select(0);
    R(kSpeaking, 13103).Select(0);
    R(kReading, 15100).Select(0);
    EXPECT_EQ(education().EducationPrintText(),
              U("(akapit) Wypowiada się spontanicznie i poprawnie pod względem gramatycznym. "
                "(akapit) Zna litery i poprawnie je odczytuje."));
    EXPECT_EQ(education().PreviewText(),
              U("Wypowiada się spontanicznie i poprawnie pod względem gramatycznym. Zna litery i "
                "poprawnie je odczytuje."));
    for (int i = 0; i < kw::kAreaCount; ++i)
        EXPECT_EQ(education().AreaHasText(i), i == kSpeaking || i == kReading) << i;
    SetContext(1, false, 2);
    EXPECT_EQ(education().EducationPrintText(),
              U("(akapit) Wypowiadasz się spontanicznie i poprawnie pod względem gramatycznym. "
                "(akapit) Znasz litery i poprawnie je odczytujesz."));
    SetContext(1, false, 0);
    EXPECT_EQ(education().EducationPrintText(),
              U("Wypowiada się spontanicznie i poprawnie pod względem gramatycznym. Zna litery i "
                "poprawnie je odczytuje."));
}

TEST_F(EducationTest, ReadingPointsExample) {
    SetContext(1, true, 1);
    R(kReading, 15100).Select(0);
    R(kReading, 15103).Select(0);
    R(kReading, 15105).Select(1);
    G(kReading, 15205).SetBits(0b111);
    EXPECT_EQ(education().AreaPoints(2), 81);
    EXPECT_EQ(education().AreaPoints(0), 0);
}

TEST_F(EducationTest, NothingTickedGivesNothing) {
    EXPECT_EQ(education().EducationPrintText(), U(""));
    for (int i = 0; i < kw::kAreaCount; ++i) EXPECT_FALSE(education().AreaHasText(i));
    for (int i = 0; i < kw::kChartAreas; ++i) EXPECT_EQ(education().AreaPoints(i), 0);
}

TEST_F(EducationTest, OwnTextsBelongToTheirArea) {
    SetContext(0, true, 1);
    area(kMaths).OwnText().UserSetText(U("Liczy w pamięci(+)."));
    EXPECT_EQ(education().Modes().ChangedAt().Value(), now);
    EXPECT_EQ(education().EducationPrintText(), U("(akapit) Liczy w pamięci."));
    EXPECT_TRUE(education().AreaHasText(kMaths));
    EXPECT_EQ(education().AreaPoints(4), 0) << "the own text never counts";
    // On the certificate an own text without a full stop runs into the next area.
    SetContext(0, true, 0);
    area(kMaths).OwnText().SetText(U("Liczy w pamięci"));
    R(kSocial, 18100).Select(0);
    EXPECT_EQ(education().EducationPrintText(),
              U("Liczy w pamięciBardzo dobrze orientuje się w środowisku społeczno-przyrodniczym."));
}

TEST_F(EducationTest, ManualModeScoresAndStaleness) {
    SetContext(0, false, 1);
    R(kSpeaking, 13101).UserSelect(0);
    R(kMovement, 20100).UserSelect(0);
    education().SwitchToManual();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.Left(57),
              U("Tekst oceny ręcznej z zajęć edukacyjnych jest nieaktualny"));
    EXPECT_TRUE(education().StaleLabelShown());
    education().ManualPoints(0).UserSetValue(33);
    EXPECT_EQ(education().AreaPoints(0), 33) << "typed values win in manual mode";
    EXPECT_EQ(education().AreaPoints(7), 0);

    education().RefreshEducationManual();
    EXPECT_FALSE(education().StaleLabelShown());
    EXPECT_EQ(education().ManualText().Text(),
              U("(akapit) Wypowiada się spontanicznie. (akapit) Wykazuje bardzo dobry poziom "
                "sprawności ruchowej."));
    EXPECT_EQ(education().AreaPoints(0), 80);
    EXPECT_EQ(education().AreaPoints(7), 90);

    education().ManualText().UserSetText(U("Tekst ręczny (-) z akapitem."));
    EXPECT_EQ(education().EducationPrintText(), U("Tekst ręczny z akapitem."));
    education().ApplyEducationMode();
    EXPECT_EQ(messages.shown.size(), 1u) << "typing never makes it stale";

    core->PupilPage().Sex().UserSelect(1);  // the wizard's change of sex
    education().ApplyEducationMode();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(education().StaleLabelShown());

    education().SwitchToAutomatic();
    EXPECT_EQ(education().AreaPoints(0), 80);
}

TEST_F(EducationTest, LanguageAndComputingNeverChangeTheChart) {
    SetContext(0, false, 2);
    R(kLanguage, 25101).Select(0);
    R(kComputing, 26202).Select(0);
    R(kComputing, 26204).Select(1);
    EXPECT_EQ(Finished(kComputing),
              U("Potrafisz zalogować się do poczty w celu odbioru i wysłania nowej wiadomości. "
                "Wyszukujesz strony internetowe za pomocą słów kluczowych z pomocą nauczyciela."));
    EXPECT_EQ(area(kComputing).Score(), 80);
    for (int i = 0; i < kw::kChartAreas; ++i) EXPECT_EQ(education().AreaPoints(i), 0);
    education().EducationPrintText();
    EXPECT_TRUE(education().AreaHasText(kLanguage));
    EXPECT_TRUE(education().AreaHasText(kComputing));
}

struct AreaCase {
    const char* what;
    int area;
    int grade;
    bool boy;
    int kind;
    std::function<void(EducationTest&)> tick;
    const char* text;
    int score;
};

class AreaTexts : public EducationTest {
public:
    void Run(const std::vector<AreaCase>& cases) {
        for (const AreaCase& c : cases) {
            SCOPED_TRACE(c.what);
            kw::ClearAssessmentControls(true);
            SetContext(c.grade, c.boy, c.kind);
            c.tick(*this);
            EXPECT_EQ(Finished(c.area), U(c.text));
            EXPECT_EQ(area(c.area).Score(), c.score);
        }
    }
};

TEST_F(AreaTexts, Speaking) {
    Run({
        {"capital after the point mark", kSpeaking, 0, true, 0,
         [](EducationTest& t) { t.R(kSpeaking, 13202).Select(0); },
         "Jest chętnie słuchany przez innych.", 90},
        {"W mowie with both", kSpeaking, 0, false, 0,
         [](EducationTest& t) {
             t.R(kSpeaking, 13201).Select(0);
             t.R(kSpeaking, 13202).Select(0);
         },
         "W mowie stosuje elementy języka mówionego: siłę głosu, pauzę, tempo i jest chętnie "
         "słuchana przez innych.", 85},
        {"the check box alone", kSpeaking, 0, false, 0,
         [](EducationTest& t) { t.C(kSpeaking, 13107).SetOn(true); },
         "Podczas rozmowy udziela precyzyjnych informacji.", 80},
        {"the check box between the groups", kSpeaking, 0, false, 0,
         [](EducationTest& t) {
             t.R(kSpeaking, 13105).Select(0);
             t.C(kSpeaking, 13107).SetOn(true);
             t.R(kSpeaking, 13106).Select(1);
         },
         "Podczas rozmowy kieruje nią, udziela precyzyjnych informacji, ale ma trudności z "
         "wyrażaniem własnego zdania.", 60},
        {"two sentences of 13208 and Posiada", kSpeaking, 2, true, 0,
         [](EducationTest& t) {
             t.G(kSpeaking, 13208).SetBits(3);
             t.R(kSpeaking, 13109).Select(1);
             t.G(kSpeaking, 13203).SetBits(0b11);
         },
         "Posiada wystarczający zasób słownictwa. Wyodrębnia w czytanym tekście postacie główne "
         "oraz drugoplanowe i cechy bohaterów. Chętnie recytuje różnorodne teksty. Posiada wadę "
         "wymowy.", (80 + 80 + 80 + 90 + 20) / 5},
        {"a letter", kSpeaking, 0, false, 2,
         [](EducationTest& t) {
             t.R(kSpeaking, 13101).Select(0);
             t.G(kSpeaking, 13205).SetBits(1);
             t.R(kSpeaking, 13202).Select(1);
         },
         "Wypowiadasz się spontanicznie. Nie pamiętasz, o czym chciałaś mówić. Twoje wypowiedzi "
         "cechuje logiczność.", (80 + 20 + 80) / 3},
        {"the third person of a boy", kSpeaking, 0, true, 0,
         [](EducationTest& t) {
             t.G(kSpeaking, 13205).SetBits(1);
             t.R(kSpeaking, 13206).Select(0);
             t.R(kSpeaking, 13202).Select(1);
         },
         "Nie pamięta, o czym chciał mówić. Jego wypowiedzi cechuje logiczność i oryginalność.",
         (20 + 80 + 80) / 3},
    });
}

TEST_F(AreaTexts, Listening) {
    Run({
        {"listening with understanding", kListening, 0, false, 0,
         [](EducationTest& t) {
             t.B(kListening, 14101).SetOn(true);
             t.G(kListening, 14103).SetBits(3);
         },
         "Słuchając wypowiedzi innych rozumie je i zadaje stosowne pytania.", 80},
        {"first button with nothing ticked", kListening, 0, false, 0,
         [](EducationTest& t) { t.B(kListening, 14101).SetOn(true); }, "", 0},
        {"the other button clears the ticks", kListening, 0, false, 0,
         [](EducationTest& t) {
             t.G(kListening, 14103).SetBits(3);
             t.B(kListening, 14102).SetOn(true);
         },
         "Nieuważnie słucha wypowiedzi innych.", 1},
        {"sounds", kListening, 0, false, 2,
         [](EducationTest& t) { t.G(kListening, 14104).SetBits(0b101); },
         "Rozpoznajesz dźwięki z otoczenia. Słuchasz utworów muzycznych.", 80},
    });
    // The cleared ticks stay cleared.
    EXPECT_EQ(G(kListening, 14103).Bits(), 0u);
    B(kListening, 14101).SetOn(true);
    EXPECT_FALSE(B(kListening, 14102).IsOn()) << "one group of exclusive buttons";
}

TEST_F(AreaTexts, Reading) {
    Run({
        {"sylaby become je", kReading, 0, true, 0,
         [](EducationTest& t) {
             t.R(kReading, 15103).Select(2);
             t.R(kReading, 15104).Select(3);
         },
         "Czyta tekst sylabami, ale zniekształcając je.", (80 + 20) / 2},
        {"wyrazy become je", kReading, 1, true, 0,
         [](EducationTest& t) {
             t.R(kReading, 15103).Select(1);
             t.R(kReading, 15104).Select(2);
         },
         "Czyta tekst wyrazami, ale zniekształcając je.", (80 + 20) / 2},
        {"nothing replaced", kReading, 0, true, 0,
         [](EducationTest& t) {
             t.R(kReading, 15103).Select(0);
             t.R(kReading, 15104).Select(2);
         },
         "Czyta tekst całościowo i zniekształcając wyrazy.", (100 + 80) / 2},
        {"harder words without ticks", kReading, 0, true, 0,
         [](EducationTest& t) { t.R(kReading, 15108).Select(1); }, "", 0},
        {"harder words with ticks", kReading, 0, true, 0,
         [](EducationTest& t) {
             t.R(kReading, 15108).Select(1);
             t.G(kReading, 15109).SetBits(3);
         },
         "Podczas czytania trudniejszych wyrazów zwalnia tempo i myli się.", 80},
        {"first option ignores the ticks in the text", kReading, 1, false, 0,
         [](EducationTest& t) {
             t.R(kReading, 15108).Select(0);
             t.G(kReading, 15109).SetBits(1);
         },
         "Odczytuje bezbłędnie tekst o różnym stopniu trudności.", (90 + 20) / 2},
        {"twórczo alone", kReading, 0, true, 0,
         [](EducationTest& t) { t.R(kReading, 15111).Select(0); }, "Potrafi czytać twórczo.", 100},
        {"the list before the choice", kReading, 2, true, 0,
         [](EducationTest& t) {
             t.R(kReading, 15111).Select(1);
             t.G(kReading, 15112).SetBits(1);
         },
         "Potrafi czytać wyraźnie i krytycznie.", 85},
        {"wskazania once", kReading, 0, true, 0,
         [](EducationTest& t) { t.G(kReading, 15205).SetBits(0b1001); },
         "Odczytuje wskazania miary i temperatury.", 80},
        {"wskazania of three", kReading, 0, true, 0,
         [](EducationTest& t) { t.G(kReading, 15205).SetBits(0b111); },
         "Odczytuje wskazania miary, wagi i czasu.", 80},
        {"part 2", kReading, 0, false, 2,
         [](EducationTest& t) {
             t.R(kReading, 15201).Select(0);
             t.R(kReading, 15202).Select(1);
             t.R(kReading, 15203).Select(0);
             t.G(kReading, 15204).SetBits(0b1010);
         },
         "Książki i czasopisma czytasz chętnie, ale z pomocą dorosłych. Korzystasz z różnych "
         "źródeł informacji, w których zastosowano układ alfabetyczny. Czytasz ze zrozumieniem "
         "różnorodne teksty przyrodnicze i instrukcji.", (80 + 20 + 90 + 160) / 5},
        {"WYŁĄCZ", kReading, 0, true, 0,
         [](EducationTest& t) { t.R(kReading, 15100).Select(3); }, "", 0},
    });
}

TEST_F(AreaTexts, Writing) {
    Run({
        {"dictation and memory", kWriting, 0, false, 0,
         [](EducationTest& t) {
             t.R(kWriting, 16105).Select(0);
             t.R(kWriting, 16106).Select(1);
         },
         "W pisaniu ze słuchu nie popełnia błędów, a z pamięci tylko nieliczne.", (90 + 80) / 2},
        {"memory alone", kWriting, 0, false, 0,
         [](EducationTest& t) {
             t.R(kWriting, 16105).Select(3);
             t.R(kWriting, 16106).Select(2);
         },
         "W pisaniu z pamięci popełnia błędy.", 20},
        {"the shapes make one sentence", kWriting, 0, false, 0,
         [](EducationTest& t) { t.G(kWriting, 16107).SetBits(0b1111); },
         "Nie zachowuje właściwego kształtu liter, łączeń, właściwych odstępów i nie mieści się w "
         "liniaturze.", 20},
        {"only the last shape", kWriting, 0, false, 0,
         [](EducationTest& t) { t.G(kWriting, 16107).SetBits(0b1000); },
         "Nie mieści się w liniaturze.", 20},
        {"written forms", kWriting, 0, true, 0,
         [](EducationTest& t) {
             t.G(kWriting, 16206).SetBits(0b10111);
             t.H(kWriting, 16207).Select(0);
             t.H(kWriting, 16208).Select(0);
             t.H(kWriting, 16209).Select(1);
             t.H(kWriting, 16211).Select(2);
         },
         "Potrafi samodzielnie napisać opowiadanie i opis. Potrafi z pomocą napisać list. Nie "
         "potrafi napisać życzeń.", (90 + 90 + 80 + 20) / 4},
        {"three forms alone", kWriting, 1, true, 0,
         [](EducationTest& t) {
             t.G(kWriting, 16206).SetBits(0b111);
             for (int id : {16207, 16208, 16209}) t.H(kWriting, id).Select(0);
         },
         "Potrafi samodzielnie napisać opowiadanie, opis i list.", 80},
        {"a form without its level", kWriting, 0, true, 0,
         [](EducationTest& t) { t.G(kWriting, 16206).SetBits(1); }, "", 0},
        {"an unticked form clears its level", kWriting, 0, true, 0,
         [](EducationTest& t) { t.H(kWriting, 16210).Select(0); }, "", 0},
        {"part 1 and part 2 heads", kWriting, 0, false, 2,
         [](EducationTest& t) {
             t.R(kWriting, 16101).Select(1);
             t.G(kWriting, 16102).SetBits(0b1001);
             t.R(kWriting, 16104).Select(0);
             t.R(kWriting, 16201).Select(0);
             t.C(kWriting, 16202).SetOn(true);
             t.G(kWriting, 16204).SetBits(0b110);
         },
         "Piszesz w dobrym tempie, czytelnie, ale niestarannie. Odwzorowujesz tekst bezbłędnie. "
         "Poznane zasady ortograficzne znasz i stosujesz. Potrafisz samodzielnie napisać kilka "
         "zdań na dany temat. Rozróżniasz czasowniki i przymiotniki.",
         (80 + 80 + 20 + 80 + 80 + 80 + 80 + 80) / 8},
    });
    EXPECT_EQ(H(kWriting, 16210).Selection(), -1);
}

TEST_F(AreaTexts, Mathematics) {
    Run({
        {"a range alone", kMaths, 0, true, 0,
         [](EducationTest& t) { t.H(kMaths, 17102).Select(3); },
         "Dodaje i odejmuje w zakresie stu.", 90},
        {"range and choices", kMaths, 2, true, 0,
         [](EducationTest& t) {
             t.H(kMaths, 17108).Select(4);
             t.R(kMaths, 17109).Select(0);
             t.R(kMaths, 17111).Select(1);
         },
         "Mnoży i dzieli w zakresie tysiąca w pamięci, ale popełniając błędy w obliczeniach.",
         (100 + 80 + 20) / 3},
        {"WYŁĄCZ empties the range once", kMaths, 0, true, 0,
         [](EducationTest& t) {
             t.H(kMaths, 17102).Select(3);
             t.C(kMaths, 17101).SetOn(true);
         },
         "", 0},
        {"numbers only with their box", kMaths, 0, true, 0,
         [](EducationTest& t) { t.H(kMaths, 17118).Select(2); }, "", 0},
        {"numbers", kMaths, 1, false, 2,
         [](EducationTest& t) {
             t.C(kMaths, 17117).SetOn(true);
             t.H(kMaths, 17118).Select(4);
         },
         "Zapisujesz i odczytujesz liczby do 10 tysięcy.", 100},
        {"word problems to compose", kMaths, 0, true, 0,
         [](EducationTest& t) {
             t.B(kMaths, 17114).SetOn(true);
             t.G(kMaths, 17116).SetBits(3);
         },
         "Potrafi ułożyć zadanie tekstowe do ilustracji i formuły matematycznej.", 80},
        {"cannot compose: the ticks go", kMaths, 0, true, 0,
         [](EducationTest& t) {
             t.G(kMaths, 17116).SetBits(3);
             t.B(kMaths, 17115).SetOn(true);
         },
         "Nie potrafi ułożyć treści zadania.", 20},
        {"algorithm without a range", kMaths, 0, true, 0,
         [](EducationTest& t) { t.G(kMaths, 17202).SetBits(1); },
         "Posiada umiejętność stosowania algorytmu pisemnego dodawania i odejmowania.", 0},
        {"algorithm not had", kMaths, 0, true, 0,
         [](EducationTest& t) {
             t.G(kMaths, 17202).SetBits(1);
             t.H(kMaths, 17203).Select(0);
         },
         "Nie posiada umiejętności stosowania algorytmu pisemnego dodawania i odejmowania.", 0},
        {"two algorithms with ranges: oraz", kMaths, 1, true, 0,
         [](EducationTest& t) {
             t.G(kMaths, 17202).SetBits(3);
             t.H(kMaths, 17203).Select(1);
             t.H(kMaths, 17204).Select(2);
         },
         "Posiada umiejętność stosowania algorytmu pisemnego dodawania i odejmowania w zakresie "
         "stu oraz mnożenia i dzielenia w zakresie tysiąca.", (80 + 90) / 2},
        {"one range missing: two sentences", kMaths, 1, true, 0,
         [](EducationTest& t) {
             t.G(kMaths, 17202).SetBits(3);
             t.H(kMaths, 17203).Select(1);
         },
         "Posiada umiejętność stosowania algorytmu pisemnego dodawania i odejmowania w zakresie "
         "stu. Posiada umiejętność stosowania algorytmu pisemnego mnożenia i dzielenia.", 80},
        {"geometry", kMaths, 1, true, 0,
         [](EducationTest& t) {
             t.R(kMaths, 17301).Select(1);
             t.R(kMaths, 17302).Select(0);
         },
         "Posiada praktyczną znajomość równoległości, lecz nie prostopadłości.", (80 + 90) / 2},
        {"division with remainder in grade 1", kMaths, 0, true, 0,
         [](EducationTest& t) { t.R(kMaths, 17207).Select(0); },
         "Potrafi dzielić z resztą.", 0},
        {"part 2 and 3 sentences", kMaths, 0, false, 0,
         [](EducationTest& t) {
             t.G(kMaths, 17208).SetBits(0b11);
             t.G(kMaths, 17209).SetBits(0b100);
             t.C(kMaths, 17300).SetOn(true);
             t.R(kMaths, 17303).Select(0);
         },
         "Dokonuje użytecznych w życiu obliczeń związanych z mierzeniem i ważeniem. Zna "
         "tabliczkę mnożenia. Potrafi rozwiązać zadania o podwyższonym stopniu trudności. "
         "Rozróżnia i nazywa poznane figury geometryczne.", (80 * 4 + 100) / 5},
    });
    EXPECT_FALSE(C(kMaths, 17101).IsOn());
    EXPECT_EQ(H(kMaths, 17118).Selection(), -1);
}

TEST_F(AreaTexts, SocialArtsMovement) {
    Run({
        {"three skills", kSocial, 0, true, 0,
         [](EducationTest& t) { t.G(kSocial, 18200).SetBits(0b100011); },
         "Potrafi charakteryzować pory roku, wymienić elementy pogody i określić kierunki świata.",
         (80 + 80 + 100) / 3},
        {"negated skills joined by i", kSocial, 0, true, 0,
         [](EducationTest& t) { t.G(kSocial, 18201).SetBits(0b100001); },
         "Nie potrafi charakteryzować pór roku i określić kierunków świata.", 20},
        {"part 1 sentences", kSocial, 0, false, 2,
         [](EducationTest& t) {
             t.R(kSocial, 18101).Select(0);
             t.R(kSocial, 18104).Select(1);
             t.G(kSocial, 18202).SetBits(0b101);
         },
         "Jesteś dobrym obserwatorem i przyjacielem przyrody. Nie znasz warstw lasu. Rozróżniasz "
         "rodzaje transportu lądowego i powietrznego.", 80},
        {"the words once", kArts, 0, true, 0,
         [](EducationTest& t) { t.G(kArts, 19105).SetBits(0b1100); },
         "W pracach plastycznych wyraża swoje otaczającą rzeczywistość przyrodniczą i społeczną.",
         80},
        {"singing correctly", kArts, 0, false, 0,
         [](EducationTest& t) { t.C(kArts, 19202).SetOn(true); },
         "Poznane piosenki śpiewa poprawnie.", 80},
        {"sounds", kArts, 1, false, 0,
         [](EducationTest& t) {
             t.G(kArts, 19205).SetBits(0b1011);
             t.G(kArts, 19206).SetBits(0b1100);
         },
         "Rozróżnia dynamikę, czas trwania i barwę dźwięków. Ma kłopoty z rozróżnianiem "
         "wysokości i barwy dźwięków.", (80 * 3 + 20 * 2) / 5},
        {"sounds in grade 1 do not count against", kArts, 0, false, 0,
         [](EducationTest& t) { t.G(kArts, 19206).SetBits(0b1); },
         "Ma kłopoty z rozróżnianiem dynamiki dźwięków.", 0},
        {"art part 1", kArts, 0, true, 0,
         [](EducationTest& t) {
             t.R(kArts, 19101).Select(0);
             t.R(kArts, 19103).Select(0);
             t.C(kArts, 19108).SetOn(true);
             t.G(kArts, 19106).SetBits(0b11);
         },
         "Prace plastyczne i techniczne wykonuje chętnie i poszukuje oryginalnych rozwiązań. "
         "Sprawnie posługuje się nożyczkami i pędzlem. Celowo dobiera i ekonomicznie "
         "wykorzystuje środki materiałowe.", (80 + 90 + 80 + 80 + 90) / 5},
        {"movement", kMovement, 0, true, 0,
         [](EducationTest& t) {
             t.R(kMovement, 20100).Select(0);
             t.C(kMovement, 20103).SetOn(true);
             t.R(kMovement, 20107).Select(1);
             t.G(kMovement, 20108).SetBits(3);
         },
         "Wykazuje bardzo dobry poziom sprawności ruchowej. Ćwiczenia gimnastyczne objęte "
         "programem wykonuje poprawnie. Często nie przynosi stroju. Wymaga stałej kontroli "
         "nauczyciela. Przyjmuje prawidłową postawę ciała.", (90 + 80 + 1 + 20 + 80) / 5},
    });
}

TEST_F(EducationTest, EveryIdLiesInItsAreasBlock) {
    std::set<int> seen;
    for (int i = 0; i < kw::kAreaCount; ++i) {
        const kw::AreaInfo& info = area(i).Info();
        const int base = info.base;
        size_t count = 0;
        for (kw::CtrBase* c : core->Registry().Walk(area(i).Panel())) {
            EXPECT_GE(c->Id(), base) << info.tab;
            EXPECT_LT(c->Id(), base + 1000) << info.tab;
            EXPECT_TRUE(seen.insert(c->Id()).second) << c->Id();
            ++count;
        }
        EXPECT_GT(count, 5u) << info.tab;
        EXPECT_EQ(area(i).OwnText().Id(), info.ownTextId);
    }
    EXPECT_EQ(education().Areas().PageCount(), 10);
    EXPECT_EQ(education().Areas().PageLabel(4), U("Język obcy"));
    EXPECT_EQ(education().ChartArea(4).Info().tab, std::string("Matematyka"));
    // Scored phrase groups carry the scored flag; the switches do not.
    EXPECT_EQ(C(kMaths, 17101).Flags(), 0u);
    EXPECT_EQ(G(kWriting, 16206).Flags(), kw::kAssessmentStored);
    EXPECT_EQ(B(kListening, 14101).Flags(), kw::kAssessmentStored);
    EXPECT_EQ(R(kMaths, 17301).Caption(), U(" Praktyczna znajomość prostopadłości"));
    EXPECT_EQ(H(kMaths, 17102).OptionCaption(5), U("10 tysięcy"));
}

TEST_F(EducationTest, EveryCatalogueComposesCleanlyInEveryContext) {
    for (int grade = 0; grade < 3; ++grade)
        for (bool boy : {false, true})
            for (int kind = 0; kind < 3; ++kind)
                for (int option = 0; option < 4; ++option) {
                    kw::ClearAssessmentControls(true);
                    SetContext(grade, boy, kind);
                    for (int i = 0; i < kw::kAreaCount; ++i) {
                        for (kw::CtrBase* c : area(i).Controls().PhraseControls()) {
                            if (auto* r = dynamic_cast<kw::CtrRadioGroup*>(c))
                                r->Select(option % r->Count());
                            if (auto* g = dynamic_cast<kw::CtrCheckGroup*>(c))
                                g->SetBits(option == 0 ? -1 : (1 << (option % g->Count())));
                            if (auto* h = dynamic_cast<kw::CtrChoice*>(c))
                                h->Select(option % h->Count());
                            if (auto* k = dynamic_cast<kw::CtrCheck*>(c)) k->SetOn(option % 2 == 0);
                        }
                    }
                    const wxString text = education().EducationPrintText();
                    EXPECT_FALSE(text.empty());
                    EXPECT_EQ(text.find('{'), wxString::npos) << text;
                    EXPECT_EQ(text.find('['), wxString::npos) << text;
                    EXPECT_EQ(text.find('&'), wxString::npos) << text;
                    for (int c = 0; c < kw::kChartAreas; ++c) {
                        const int p = education().AreaPoints(c);
                        EXPECT_GE(p, 0);
                        EXPECT_LE(p, 100);
                    }
                }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(kw::TheToken().Failed());
}

TEST_F(EducationTest, SavedAndLoadedThroughTheControls) {
    SetContext(1, false, 1);
    R(kReading, 15100).Select(0);
    G(kWriting, 16206).SetBits(1);
    H(kWriting, 16207).Select(1);
    B(kMaths, 17114).SetOn(true);
    area(kArts).OwnText().SetText(U("Maluje."));
    education().Modes().SetManual(true);
    education().ManualPoints(3).SetValue(44);
    const wxString before = education().EducationPrintText();
    kw::SaveAssessmentRecords();
    int32_t v;
    EXPECT_TRUE(assessment->Get_state(15100, 1, v));
    EXPECT_EQ(v, 80);
    EXPECT_TRUE(assessment->Get_state(12023, 1, v));
    EXPECT_EQ(v, 44);
    EXPECT_FALSE(assessment->Get_state(16206, 1, v)) << "16206 is stored, not scored";
    kw::ClearAssessmentControls(true);
    kw::LoadAssessmentRecords();
    EXPECT_TRUE(education().Manual());
    EXPECT_EQ(H(kWriting, 16207).Selection(), 1);
    EXPECT_TRUE(B(kMaths, 17114).IsOn());
    EXPECT_FALSE(B(kMaths, 17115).IsOn());
    EXPECT_EQ(education().AreaPoints(3), 44);
    EXPECT_EQ(education().EducationPrintText(), before);
}

}  // namespace
