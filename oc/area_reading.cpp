// Reading ("Czytanie").

#include "app/utf8.h"
#include "controls/composer.h"
#include "oc/education_areas.h"

namespace kw {
namespace {

const std::vector<CatalogueTable>& ReadingTables() {
    static const std::vector<CatalogueTable> tables = {{
    {15100, CtrKind::Radio, 0, "", {0, 0, 189, 81}, {"[1]Zna{sz} litery i poprawnie je odczytuje{sz}", "[-1,-2]Zna{sz} litery, ale myli{sz} je", "[-2]Nie zna{sz} wszystkich liter"}},
    {15101, CtrKind::Radio, 0, "", {0, 80, 189, 65}, {"[-1,-2]Ma{sz} kłopoty z czytaniem", "[-2]Nie czyta{sz} tekstu"}},
    {15102, CtrKind::Box, 0, " Czyta{sz} tekst ", {192, 0, 565, 113}, {}},
    {15103, CtrKind::Radio, 15102, "", {4, 12, 89, 93}, {"[3,2,1]całościowo", "[2,1,-1]wyrazami", "[1,-1,-2]sylabami", "[-1,-2]głoskami"}},
    {15104, CtrKind::Radio, 15102, "", {96, 12, 197, 93}, {"[2]bezbłędnie", "[1]opuszczając lub przekręcając litery", "[1,-1]zniekształcając wyrazy", "[-1,-2]zniekształcając sylaby"}},
    {15105, CtrKind::Radio, 15102, "", {296, 28, 141, 65}, {"[2,1]w odpowiednim tempie", "[1,1,-1]w wolnym tempie"}},
    {15106, CtrKind::Radio, 15102, "", {440, 28, 113, 65}, {"[2,1]ze zrozumieniem", "[-1,-2]bez zrozumienia"}},
    {15107, CtrKind::Box, 0, "", {0, 148, 441, 75}, {}},
    {15108, CtrKind::Radio, 15107, "", {8, 8, 293, 63}, {"[2]Odczytuje{sz} bezbłędnie tekst o różnym stopniu trudności", "Podczas czytania trudniejszych wyrazów "}},
    {15109, CtrKind::Checks, 15107, "", {308, 8, 121, 50}, {"[1,-1]zwalnia{sz} tempo", "[1,-1]myli{sz} się"}},
    {15110, CtrKind::Box, 0, " Potrafi{sz} czytać ", {464, 120, 293, 105}, {}},
    {15111, CtrKind::Radio, 15110, "", {8, 12, 93, 81}, {"[3]twórczo", "[3,3,2]krytycznie", "[-1]dosłownie"}},
    {15112, CtrKind::Checks, 15110, "", {112, 12, 165, 65}, {"[1]wyraźnie", "[1]z odpowiednią intonacją", "[1]z podziałem na role"}},
    }, {
    {15200, CtrKind::Box, 0, " Książki i czasopisma czyta{sz} ", {0, 0, 277, 83}, {}},
    {15201, CtrKind::Radio, 15200, "", {4, 12, 97, 63}, {"[1]chętnie", "[-1]niechętnie"}},
    {15202, CtrKind::Radio, 15200, "", {116, 12, 149, 63}, {"[1]samodzielnie", "[-1]z pomocą dorosłych"}},
    {15203, CtrKind::Radio, 0, "", {0, 108, 425, 65}, {"[2,1]Korzysta{sz} z różnych źródeł informacji, w których zastosowano układ alfabetyczny", "[1,-1]Nie korzysta{sz} ze źródeł informacji, w których zastosowano układ alfabetyczny"}},
    {15204, CtrKind::Checks, 0, " Czyta{sz} ze zrozumieniem różnorodne teksty ", {288, 0, 220, 80}, {"[1]matematyczne", "[1]przyrodnicze", "[1]społeczne", "[1]instrukcji"}},
    {15205, CtrKind::Checks, 0, " Odczytuje{sz} ", {520, 0, 145, 200}, {"[1]wskazania miary", "[1]wskazania wagi", "[1]wskazania czasu", "[1]wskazania temperatury", "[1]symbole", "[1]tabele", "[1]skróty", "[1]teksty użytkowe", "[1]plany", "[1]schematy", "[1]rozkłady jazdy", "[1]elementy map"}},
    }};
    return tables;
}

class ReadingArea : public EducationArea {
public:
    ReadingArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Czytanie", 12011, 15000, 15001,
                         "Dodatkowy tekst własny oceny automatycznej z czytania", 2},
                        ReadingTables(), changed, own) {}

    wxString PartsText() override {
        wxString text;
        // Część 1.
        text += SC(15100) + SC(15101);
        const wxString how = JC(15103) + JC(15104) + JC(15105) + JC(15106);
        if (!how.empty()) {
            wxString sentence = U("Czyta{sz} tekst ") + how;
            // "sylabami ... zniekształcając sylaby" reads "zniekształcając je".
            if (sentence.Contains("sylabami") && sentence.Contains("sylaby"))
                sentence.Replace("sylaby", "je");
            if (sentence.Contains("wyrazami") && sentence.Contains("wyrazy"))
                sentence.Replace("wyrazy", "je");
            EndSentence(sentence);
            text += sentence;
        }
        CtrRadioGroup& harder = Radio(15108);
        if (harder.HasChoice()) {
            wxString sentence;
            if (harder.Chosen() == 0) {
                sentence = harder.SentenceChoice();
            } else if (Checks(15109).AnyTicked()) {
                sentence = harder.BareChoice() + " " + Checks(15109).JoinList();
            }
            EndSentence(sentence);
            text += sentence;
        }
        AppendPrefixed(text, U("Potrafi{sz} czytać "), Checks(15112).JoinList() + JC(15111));
        // Część 2.
        AppendPrefixed(text, U("Książki i czasopisma czyta{sz} "), JC(15201) + JC(15202));
        text += SC(15203);
        AppendPrefixed(text, U("Czyta{sz} ze zrozumieniem różnorodne teksty "),
                       Checks(15204).JoinList());
        const wxString reads = Checks(15205).JoinList();
        if (!reads.empty()) {
            wxString sentence = U("Odczytuje{sz} ") + reads;
            KeepFirstOccurrence("wskazania", sentence);
            EndSentence(sentence);
            text += sentence;
        }
        return text;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeReadingArea(const CtrBase::Callback& changed,
                                               const CtrBase::Callback& own) {
    return std::make_unique<ReadingArea>(changed, own);
}

}  // namespace kw
