// Social-natural ("Społ-przyr"), arts-technical ("Art-tech") and movement ("Ruchowe").

#include "app/utf8.h"
#include "controls/composer.h"
#include "oc/education_areas.h"

namespace kw {
namespace {

const std::vector<CatalogueTable>& SocialTables() {
    static const std::vector<CatalogueTable> tables = {{
    {18100, CtrKind::Radio, 0, "", {0, 0, 361, 85}, {"[2]Bardzo dobrze orientuje{sz} się w środowisku społeczno-przyrodniczym", "[1]Dobrze orientuje{sz} się w środowisku społeczno-przyrodniczym", "[-1]Słabo orientuje{sz} się w środowisku społeczno-przyrodniczym"}},
    {18101, CtrKind::Radio, 0, "", {368, 0, 333, 69}, {"[1]Jest{eś} dobrym obserwatorem i przyjacielem przyrody", "[-1]Niechętnie obserwuje{sz} i nie potrafi{sz} opisać zjawisk przyrodniczych"}},
    {18102, CtrKind::Radio, 0, "", {0, 88, 289, 69}, {"[2]Posiada{sz} rozległą wiedzę na temat swojego otoczenia", "[1]Posiada{sz} ogólną wiedzę na temat swojego otoczenia"}},
    {18103, CtrKind::Radio, 0, "", {300, 88, 285, 69}, {"[1]Rozróżnia{sz} i nazywa{sz} poznane gatunki roślin i zwierząt", "[-1]Myli{sz} nazwy poznanych gatunków roślin i zwierząt"}},
    {18104, CtrKind::Radio, 0, "", {596, 88, 145, 69}, {"[3,2,1]Zna{sz} warstwy lasu", "[0,1,-1]Nie zna{sz} warstw lasu"}},
    }, {
    {18200, CtrKind::Checks, 0, " Potrafi{sz} ", {0, 0, 233, 133}, {"[1]charakteryzować pory roku", "[1]wymienić elementy pogody", "[3,2,1]rozróżnić rodzaje opadów", "[1]wymienić nazwy zwierząt hodowlanych", "[3,2,1]określić czynniki warunkujące rozwój roślin", "[3,2,1]określić kierunki świata"}},
    {18201, CtrKind::Checks, 0, " Nie potrafi{sz} ", {240, 0, 255, 133}, {"[-1]charakteryzować pór roku", "[-1]wymienić elementów pogody", "[0,0,-1]rozróżnić rodzajów opadów", "[-1]wymienić nazw zwierząt hodowlanych", "[0,0,-1]określić czynników warunkujących rozwój roślin", "[0,0,-1]określić kierunków świata"}},
    {18202, CtrKind::Checks, 0, " Rozróżnia{sz} rodzaje transportu ", {0, 140, 160, 70}, {"[1]lądowego", "[1]wodnego", "[1]powietrznego"}},
    {18203, CtrKind::Radio, 0, "", {170, 140, 293, 73}, {"[3,2,1]Potrafi{sz} być przewodnikiem po swojej miejscowości", "[0,0,-1]Nie potrafi{sz} być przewodnikiem po swojej miejscowości"}},
    {18204, CtrKind::Radio, 0, "", {504, 0, 217, 73}, {"[1]Zna{sz} i stosuje{sz} zasady ruchu drogowego", "[-1]Nie stosuje{sz} zasad ruchu drogowego"}},
    {18205, CtrKind::Radio, 0, "", {504, 80, 221, 73}, {"[3,2,1]Posługuje{sz} się mapą", "[0,0,-1]Ma{sz} problemy w posługiwaniu się mapą"}},
    }};
    return tables;
}

const std::vector<CatalogueTable>& ArtsTables() {
    static const std::vector<CatalogueTable> tables = {{
    {19100, CtrKind::Box, 0, " Prace plastyczne i techniczne wykonuje{sz} ", {0, 0, 429, 89}, {}},
    {19101, CtrKind::Radio, 19100, "", {8, 12, 97, 69}, {"[1]chętnie", "[-1]niechętnie"}},
    {19102, CtrKind::Radio, 19100, "", {112, 12, 100, 69}, {"[1]starannie", "[-1]niestarannie"}},
    {19103, CtrKind::Radio, 19100, "", {216, 12, 205, 69}, {"[2]poszukuje{sz} oryginalnych rozwiązań", "[1]odtwórczo"}},
    {19104, CtrKind::Radio, 0, "", {436, 0, 285, 69}, {"[1]Potrafi{sz} korzystać z prostej informacji technicznej", "[-1]Nie potrafi{sz} korzystać z prostej informacji technicznej"}},
    {19105, CtrKind::Checks, 0, " W pracach plastycznych wyraża{sz} swoje ", {0, 96, 213, 100}, {"[1]przeżycia", "[1]marzenia", "[1]otaczającą rzeczywistość przyrodniczą", "[1]otaczającą rzeczywistość społeczną", "[1]świat fantazji"}},
    {19106, CtrKind::Checks, 0, " Sprawnie posługuje{sz} się ", {240, 96, 141, 90}, {"[1]nożyczkami", "[1]pędzlem", "[1]kredkami", "[1]ołówkiem"}},
    {19107, CtrKind::Radio, 0, "", {392, 96, 353, 69}, {"[1]Zachowuje{sz} ład, porządek oraz bezpieczeństwo w miejscu pracy", "[-1]Nie zachowuje{sz} ładu, porządku oraz bezpieczeństwa w miejscu pracy"}},
    {19108, CtrKind::Check, 0, "", {400, 176, 337, 15}, {"[2]Celowo dobiera{sz} i ekonomicznie wykorzystuje{sz} środki materiałowe"}},
    }, {
    {19200, CtrKind::Box, 0, " Poznane piosenki śpiewa{sz} ", {0, 0, 157, 109}, {}},
    {19201, CtrKind::Radio, 19200, "", {8, 12, 97, 69}, {"[1]chętnie", "[-1]niechętnie"}},
    {19202, CtrKind::Check, 19200, "", {16, 84, 90, 15}, {"[1]poprawnie"}},
    {19203, CtrKind::Radio, 0, "", {168, 0, 253, 69}, {"[2,2,1]Zna{sz} podstawowe wartości rytmiczne", "[-1]Nie zna{sz} podstawowych wartości rytmicznych"}},
    {19204, CtrKind::Radio, 0, "", {432, 0, 305, 69}, {"[1]Potrafi{sz} zagrać na poznanych instrumentach", "[-1]Nie potrafi{sz} zagrać na poznanych instrumentach"}},
    {19205, CtrKind::Checks, 0, " Rozróżnia{sz} cechy dźwięków ", {168, 76, 253, 90}, {"[2,1]dynamikę", "[2,1]czas trwania", "[2,1]wysokość", "[2,1]barwę"}},
    {19206, CtrKind::Checks, 0, " Ma{sz} kłopoty z rozróżnianiem dźwięków ", {432, 76, 305, 90}, {"[0,-1]dynamiki", "[0,-1]czasu trwania", "[0,-1]wysokości", "[0,-1]barwy"}},
    }};
    return tables;
}

const std::vector<CatalogueTable>& MovementTables() {
    static const std::vector<CatalogueTable> tables = {{
    {20100, CtrKind::Radio, 0, " Wykazuje{sz} ", {0, 4, 241, 85}, {"[2]bardzo dobry poziom sprawności ruchowej", "[1]przeciętny poziom sprawności ruchowej", "[-1]słaby poziom sprawności ruchowej"}},
    {20101, CtrKind::Box, 0, " Ćwiczenia gimnastyczne objęte programem wykonuje{sz} ", {248, 4, 277, 85}, {}},
    {20102, CtrKind::Radio, 20101, "", {8, 12, 161, 65}, {"[1]samodzielnie", "[-1]przy pomocy nauczyciela"}},
    {20103, CtrKind::Check, 20101, "", {180, 44, 77, 15}, {"[1]poprawnie"}},
    {20104, CtrKind::Radio, 0, "", {532, 8, 225, 69}, {"[1]Potrafi{sz} podporządkować się regułom gry", "[-2]Z trudem znosi{sz} porażki"}},
    {20105, CtrKind::Radio, 0, "", {0, 92, 323, 69}, {"[1]Chętnie uczestniczy{sz} w grach zespołowych", "[-1]Niechętnie uczestniczy{sz} w zabawach oraz grach zespołowych"}},
    {20106, CtrKind::Radio, 0, "", {330, 92, 313, 69}, {"[1]Przestrzega{sz} dyscypliny na zajęciach ruchowych", "[-1]Nie przestrzega{sz} dyscypliny na zajęciach ruchowych"}},
    {20107, CtrKind::Radio, 0, "", {0, 164, 225, 69}, {"[-1]Czasami nie przynosi{sz} stroju", "[-2]Często nie przynosi{sz} stroju"}},
    {20108, CtrKind::Checks, 0, "", {320, 168, 217, 50}, {"[-1]Wymaga{sz} stałej kontroli nauczyciela", "[1]Przyjmuje{sz} prawidłową postawę ciała"}},
    }};
    return tables;
}

// A prefixed sentence whose last two items are always joined by " i ".
void AppendJoined(wxString& text, const char* prefix, const wxString& contribution) {
    wxString sentence;
    AppendPrefixed(sentence, U(prefix), contribution);
    JoinConjunctions(sentence, 1);
    text += sentence;
}

// "Rozróżnia ... dźwięków.": the sentence without its full stops, ending in " dźwięków.".
void AppendSounds(wxString& text, const char* prefix, const wxString& contribution) {
    wxString sentence;
    AppendPrefixed(sentence, U(prefix), contribution);
    if (sentence.empty()) return;
    sentence.Replace(".", "");
    text += sentence + U(" dźwięków.");
}

class SocialNaturalArea : public EducationArea {
public:
    SocialNaturalArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Społ-przyr", 12014, 18000, 18001,
                         "Dodatkowy tekst własny oceny automatycznej z zajęć "
                         "społeczno-przyrodniczych",
                         5},
                        SocialTables(), changed, own) {}

    wxString PartsText() override {
        wxString part1 = SC(18100) + SC(18101) + SC(18102) + SC(18103) + SC(18104);
        EndSentence(part1);
        wxString text = part1;
        AppendJoined(text, "Potrafi{sz} ", Checks(18200).JoinList());
        AppendJoined(text, "Nie potrafi{sz} ", Checks(18201).JoinList());
        AppendPrefixed(text, U("Rozróżnia{sz} rodzaje transportu "), Checks(18202).JoinList());
        text += SC(18203) + SC(18204) + SC(18205);
        return text;
    }
};

class ArtsTechnicalArea : public EducationArea {
public:
    ArtsTechnicalArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Art-tech", 12015, 19000, 19001,
                         "Dodatkowy tekst własny oceny automatycznej z zajęć "
                         "artystyczno-technicznych",
                         6},
                        ArtsTables(), changed, own) {}

    wxString PartsText() override {
        wxString text;
        // Część 1.: art and technical work.
        AppendPrefixed(text, U("Prace plastyczne i techniczne wykonuje{sz} "),
                       JC(19101) + JC(19102) + JC(19103));
        text += SC(19104);
        wxString expresses;
        AppendPrefixed(expresses, U("W pracach plastycznych wyraża{sz} swoje "),
                       Checks(19105).JoinList());
        KeepFirstOccurrence(U("otaczającą rzeczywistość "), expresses);
        text += expresses;
        AppendPrefixed(text, U("Sprawnie posługuje{sz} się "), Checks(19106).JoinList());
        text += SC(19107) + Check(19108).SentenceBox();
        // Część 2.: music.
        AppendPrefixed(text, U("Poznane piosenki śpiewa{sz} "), JC(19201) + Check(19202).JoinBox());
        text += SC(19203) + SC(19204);
        AppendSounds(text, "Rozróżnia{sz} ", Checks(19205).JoinList());
        AppendSounds(text, "Ma{sz} kłopoty z rozróżnianiem ", Checks(19206).JoinList());
        return text;
    }
};

class MovementArea : public EducationArea {
public:
    MovementArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Ruchowe", 12016, 20000, 20001,
                         "Dodatkowy tekst własny oceny automatycznej z zajęć ruchowych", 7},
                        MovementTables(), changed, own) {}

    wxString PartsText() override {
        wxString text;
        AppendPrefixed(text, U("Wykazuje{sz}  "), JC(20100));
        AppendPrefixed(text, U("Ćwiczenia gimnastyczne objęte programem wykonuje{sz} "),
                       JC(20102) + Check(20103).JoinBox());
        text += SC(20104) + SC(20105) + SC(20106) + SC(20107) + Checks(20108).SentenceList();
        return text;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeSocialNaturalArea(const CtrBase::Callback& changed,
                                                     const CtrBase::Callback& own) {
    return std::make_unique<SocialNaturalArea>(changed, own);
}

std::unique_ptr<EducationArea> MakeArtsTechnicalArea(const CtrBase::Callback& changed,
                                                     const CtrBase::Callback& own) {
    return std::make_unique<ArtsTechnicalArea>(changed, own);
}

std::unique_ptr<EducationArea> MakeMovementArea(const CtrBase::Callback& changed,
                                                const CtrBase::Callback& own) {
    return std::make_unique<MovementArea>(changed, own);
}

}  // namespace kw
