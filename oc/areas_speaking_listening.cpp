// Speaking ("Mówienie") and listening ("Słuchanie").

#include "app/utf8.h"
#include "controls/composer.h"
#include "oc/education_areas.h"

namespace kw {
namespace {

const std::vector<CatalogueTable>& SpeakingTables() {
    static const std::vector<CatalogueTable> tables = {{
    {13100, CtrKind::Box, 0, " Wypowiada{sz} się ", {0, 0, 529, 109}, {}},
    {13101, CtrKind::Radio, 13100, "", {4, 16, 97, 73}, {"[1]spontanicznie", "[-1]niechętnie"}},
    {13102, CtrKind::Radio, 13100, "", {112, 16, 157, 85}, {"[-2]wyrazami", "[-1]krótkimi zdaniami", "[1]rozbudowanymi zdaniami"}},
    {13103, CtrKind::Radio, 13100, "", {276, 16, 245, 69}, {"[1]poprawnie pod względem gramatycznym", "[-1]niepoprawnie pod względem gramatycznym"}},
    {13104, CtrKind::Box, 0, " Podczas rozmowy ", {0, 112, 457, 113}, {}},
    {13105, CtrKind::Radio, 13104, "", {4, 16, 125, 63}, {"[1]kieruje{sz} nią", "[-1]jest{eś} biern<y,a>"}},
    {13106, CtrKind::Radio, 13104, "", {168, 16, 245, 63}, {"[1]ma{sz} własne zdanie", "[-1]ma{sz} trudności z wyrażaniem własnego zdania"}},
    {13107, CtrKind::Check, 13104, "", {16, 88, 185, 15}, {"[1]udziela{sz} precyzyjnych informacji"}},
    {13108, CtrKind::Radio, 0, "", {536, 0, 221, 65}, {"[-2]Często używa{sz} niewłaściwych słów", "[-1]Czasami używa{sz} niewłaściwych słów"}},
    {13109, CtrKind::Radio, 0, " Posiada{sz} ", {536, 72, 221, 85}, {"[2]duży zasób słownictwa", "[1]wystarczający zasób słownictwa", "[-1]ubogi zasób słownictwa"}},
    {13110, CtrKind::Radio, 0, "", {472, 160, 285, 65}, {"[2]Udziela{sz} wyczerpujących odpowiedzi", "[1]Udziela{sz} odpowiedzi tylko na zasłyszane pytanie"}},
    }, {
    {13200, CtrKind::Box, 0, " W mowie ", {0, 0, 757, 81}, {}},
    {13201, CtrKind::Radio, 13200, "", {12, 12, 389, 63}, {"[1]stosuje{sz} elementy języka mówionego: siłę głosu, pauzę, tempo", "[-1]nie stosuje{sz} elementów języka mówionego: siły głosu, pauzy, tempa"}},
    {13202, CtrKind::Radio, 13200, "", {428, 12, 289, 63}, {"[ 2]jest{eś} chętnie słuchan<y,a> przez innych", "[-1]nie pamięta{sz}, o czym chciał<eś/,aś/a> mówić"}},
    {13203, CtrKind::Checks, 0, " Wyodrębnia w czytanym tekście ", {0, 88, 209, 125}, {"[2,2,1]postacie główne oraz drugoplanowe", "[2,2,1]cechy bohaterów", "[2,2,1]kolejność zdarzeń", "[2,2,1]czas oraz miejsce akcji", "[2,2,1]ważność zdarzeń", "[2,2,1]odpowiedzi na pytania"}},
    {13204, CtrKind::Box, 0, " Wypowiedzi cechuje ", {216, 88, 233, 137}, {}},
    {13205, CtrKind::Checks, 13204, "", {8, 10, 217, 53}, {"[1]logiczność", "[1]umiejętność selekcji wydarzeń istotnych"}},
    {13206, CtrKind::Radio, 13204, "", {8, 65, 185, 65}, {"[1]oryginalność", "[-1]odtwórczość"}},
    {13207, CtrKind::Radio, 0, "", {456, 88, 285, 65}, {"[1]Potrafi{sz} opowiadać na każdy temat", "[-1]Wypowiada{sz} się tylko na temat wysłuchanego tekstu"}},
    {13208, CtrKind::Checks, 0, "", {456, 168, 285, 50}, {"[2]Chętnie recytuje{sz} różnorodne teksty", "[-1]Posiada{sz} wadę wymowy"}},
    }};
    return tables;
}

const std::vector<CatalogueTable>& ListeningTables() {
    static const std::vector<CatalogueTable> tables = {{
    {14100, CtrKind::Box, 0, "", {8, 32, 225, 120}, {}},
    {14101, CtrKind::RadioButton, 14100, "", {12, 16, 165, 20}, {"Słuchając wypowiedzi innych"}, kAssessmentStored},
    {14102, CtrKind::RadioButton, 14100, "", {12, 95, 200, 20}, {"[-2]Nieuważnie słucha{sz} wypowiedzi innych"}},
    {14103, CtrKind::Checks, 14100, "", {24, 36, 173, 55}, {"[1]rozumie{sz} je", "[1]zadaje{sz} stosowne pytania"}},
    {14104, CtrKind::Checks, 0, "", {248, 36, 293, 70}, {"[1]Rozpoznaje{sz} dźwięki z otoczenia", "[1]Odróżnia{sz} sygnały alarmowe i właściwie na nie reaguje{sz}", "[1]Słucha{sz} utworów muzycznych"}},
    }};
    return tables;
}

class SpeakingArea : public EducationArea {
public:
    SpeakingArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Mówienie", 12009, 13000, 13001,
                         "Dodatkowy tekst własny oceny automatycznej z mówienia", 0},
                        SpeakingTables(), changed, own) {}

    wxString PartsText() override {
        wxString text;
        // Część 1.
        AppendPrefixed(text, U("Wypowiada{sz} się "), JC(13101) + JC(13102) + JC(13103));
        // The check box stands between the two groups in the sentence.
        AppendPrefixed(text, U("Podczas rozmowy "), JC(13105) + Check(13107).JoinBox() + JC(13106));
        text += SC(13108);
        if (!SC(13109).empty()) text += U("Posiada{sz} ") + SC(13109);
        text += SC(13110);
        // Część 2.
        wxString speech;
        if (Radio(13201).HasChoice()) {
            speech = U("W mowie ") + JC(13201) + JC(13202);
        } else {
            speech = JC(13202);
            CapitalAt(speech, 4);  // the first letter after the point mark starts the sentence
        }
        EndSentence(speech);
        text += speech;
        AppendPrefixed(text, U(" Wyodrębnia{sz} w czytanym tekście "), Checks(13203).JoinList());
        AppendPrefixed(text, U("<Twoje/Jego,Twoje/Jej> wypowiedzi cechuje "),
                       Checks(13205).JoinList() + JC(13206));
        text += SC(13207) + Checks(13208).SentenceList();
        return text;
    }
};

class ListeningArea : public EducationArea {
public:
    ListeningArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Słuchanie", 12010, 14000, 14000,
                         "Dodatkowy tekst własny oceny automatycznej ze słuchania", 1},
                        ListeningTables(), changed, own, true) {}

    wxString PartsText() override {
        wxString text;
        CtrRadio& listening = RadioButton(14101);
        CtrCheckGroup& understands = Checks(14103);
        if (listening.IsOn() && understands.AnyTicked()) {
            wxString sentence = U("Słuchając wypowiedzi innych ") + understands.JoinList();
            EndSentence(sentence);
            text += sentence;
        } else {
            // The ticks belong to the first button: without it they are dropped.
            if (!listening.IsOn()) understands.SetBits(0);
            text += RadioButton(14102).SentenceBox();
        }
        text += Checks(14104).SentenceList();
        return text;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeSpeakingArea(const CtrBase::Callback& changed,
                                                const CtrBase::Callback& own) {
    return std::make_unique<SpeakingArea>(changed, own);
}

std::unique_ptr<EducationArea> MakeListeningArea(const CtrBase::Callback& changed,
                                                 const CtrBase::Callback& own) {
    return std::make_unique<ListeningArea>(changed, own);
}

}  // namespace kw
