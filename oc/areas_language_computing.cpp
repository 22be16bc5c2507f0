// Foreign language ("Język obcy") and computer science ("Informatyka"): whole sentences, one per
// chosen option, and no chart score.

#include "oc/education_areas.h"

namespace kw {
namespace {

const std::vector<CatalogueTable>& LanguageTables() {
    static const std::vector<CatalogueTable> tables = {{
    {25101, CtrKind::Radio, 0, "", {0, 0, 290, 80}, {"[2]Bardzo dobrze rozumie{sz} polecenia w języku obcym", "[1]Rozumie{sz} polecenia w języku obcym", "[-1]Ma{sz} trudności z rozumieniem poleceń w języku obcym"}},
    {25102, CtrKind::Radio, 0, "", {0, 80, 350, 80}, {"[2]Rozumie{sz} sens słuchanych historyjek w języku obcym", "[1]Rozumie{sz} sens krótkich i prostych historyjek w języku obcym", "[-1]Ma{sz} trudności ze zrozumieniem prostych historyjek w języku obcym"}},
    {25103, CtrKind::Radio, 0, "", {0, 160, 350, 65}, {"[1]Czyta{sz} i wypowiada{sz} się w języku obcym swobodnie i poprawnie", "[-1]Ma{sz} trudności z czytaniem i wypowiadaniem się w języku obcym"}},
    {25104, CtrKind::Radio, 0, "", {360, 0, 350, 80}, {"[2]Mówi{sz} i czyta{sz} w języku obcym w dobrym tempie i poprawnie", "[1]Mówi{sz} i czyta{sz} w języku obcym wolno, ale poprawnie", "[-1]Z trudnością mówi{sz} i czyta{sz} w języku obcym"}},
    {25105, CtrKind::Radio, 0, "", {360, 80, 350, 80}, {"[1]Chętnie recytuje{sz} wierszyki i śpiewa{sz} piosenki w języku obcym", "[-1]Niechętnie recytuje{sz} wierszyki i śpiewa{sz} piosenki w języku obcym"}},
    }, {
    {25201, CtrKind::Radio, 0, "", {0, 0, 377, 65}, {"[1]Poprawnie przepisuje{sz} wyrazy i zdania w języku obcym", "[-1]Wyrazy i zdania w języku obcym przepisuje{sz} z pomocą nauczyciela"}},
    {25202, CtrKind::Radio, 0, "", {0, 65, 377, 65}, {"[1]Potrafi{sz} nazwać w języku obcym obiekty z otoczenia", "[-1]Ma{sz} trudności z nazywaniem w języku obcym obiektów z otoczenia"}},
    {25203, CtrKind::Radio, 0, "", {0, 130, 377, 80}, {"[2]Posiada{sz} bardzo duży zasób słów z języka obcego", "[1]Posiada{sz} duży zasób słów z języka obcego", "[-1]Posiada{sz} mały zasób słów z języka obcego"}},
    {25204, CtrKind::Radio, 0, "", {380, 0, 377, 80}, {"[2]Bardzo dobrze przyswaja{sz} umiejętności z zakresu języka obcego", "[1]Dobrze przyswaja{sz} umiejętności z zakresu języka obcego", "[-1]Słabo przyswaja{sz} umiejętności z zakresu języka obcego"}},
    {25205, CtrKind::Radio, 0, "", {380, 80, 377, 80}, {"[2]Zadania na lekcjach języka obcego wykonuje{sz} samodzielnie", "[1]Zadania na lekcjach języka obcego wykonuje{sz} z pomocą nauczyciela", "[-1]Ma{sz} kłopoty z wykonywaniem zadań na lekcjach języka obcego"}},
    }};
    return tables;
}

const std::vector<CatalogueTable>& ComputingTables() {
    static const std::vector<CatalogueTable> tables = {{
    {26101, CtrKind::Radio, 0, "", {0, 0, 300, 80}, {"[2]Swobodnie posługuje{sz} się komputerem", "[1]Posługuje{sz} się komputerem z pomocą nauczyciela", "[-1]Posiada{sz} podstawowe umiejętności obsługi komputera"}},
    {26102, CtrKind::Radio, 0, "", {0, 80, 380, 80}, {"[2]Potrafi{sz} korzystać z programów komputerowych", "[1]Potrafi{sz} korzystać z programów komputerowych z pomocą nauczyciela", "[-1]Ma{sz} trudności w korzystaniu z programów komputerowych"}},
    {26103, CtrKind::Radio, 0, "", {0, 160, 390, 65}, {"[1]Posługuje{sz} się komputerem w zakresie podstawowym", "[-1]Posługuje{sz} się komputerem w zakresie podstawowym z pomocą nauczyciela"}},
    {26104, CtrKind::Radio, 0, "", {310, 0, 450, 65}, {"[1]Potrafi{sz} pracować z gotowym tekstem i dokonać zmiany w jego wyglądzie", "[-1]Ma{sz} trudności w pracy z gotowym tekstem i dokonaniem zmiany w jego wyglądzie"}},
    {26105, CtrKind::Radio, 0, "", {400, 80, 370, 65}, {"[1]Zna{sz} i wyróżnia{sz} podstawowe pojęcia informatyczne", "[-1]Ma{sz} trudności z wyróżnieniem podstawowych pojęć informatycznych"}},
    {26106, CtrKind::Radio, 0, "", {400, 160, 370, 80}, {"[2]Potrafi{sz} skorzystać z programów edukacyjnych", "[1]Potrafi{sz} skorzystać z programów edukacyjnych z pomocą nauczyciela", "[-1]Ma{sz} trudności w korzystaniu z programów edukacyjnych"}},
    }, {
    {26201, CtrKind::Radio, 0, "", {0, 0, 320, 65}, {"[2]Potrafi{sz} korzystać z myszy oraz klawiszy skrótów i funkcyjnych", "[1]Potrafi{sz} korzystać z myszy i klawiatury"}},
    {26202, CtrKind::Radio, 0, "", {0, 80, 520, 65}, {"[1]Potrafi{sz} zalogować się do poczty w celu odbioru i wysłania nowej wiadomości", "[-1]Potrafi{sz}, z pomocą nauczyciela, zalogować się do poczty w celu odbioru i wysłania nowej wiadomości"}},
    {26203, CtrKind::Radio, 0, "", {0, 160, 390, 65}, {"[2]Potrafi{sz} uruchomić i obsługiwać różne przeglądarki internetowe", "[1]Potrafi{sz} uruchomić przeglądarkę internetową"}},
    {26204, CtrKind::Radio, 0, "", {330, 0, 425, 65}, {"[1]Wyszukuje{sz} strony internetowe za pomocą słów kluczowych", "[1]Wyszukuje{sz} strony internetowe za pomocą słów kluczowych z pomocą nauczyciela"}},
    }};
    return tables;
}

class SentencesArea : public EducationArea {
public:
    using EducationArea::EducationArea;

    // The sentence of every radio group, in table order.
    wxString PartsText() override {
        wxString text;
        for (CtrBase* c : Controls().PhraseControls())
            if (auto* r = dynamic_cast<CtrRadioGroup*>(c)) text += r->SentenceChoice();
        return text;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeForeignLanguageArea(const CtrBase::Callback& changed,
                                                       const CtrBase::Callback& own) {
    return std::make_unique<SentencesArea>(
        AreaInfo{"Język obcy", 12017, 25000, 25001,
                 "Dodatkowy tekst własny oceny automatycznej z języka obcego", -1},
        LanguageTables(), changed, own);
}

std::unique_ptr<EducationArea> MakeComputingArea(const CtrBase::Callback& changed,
                                                 const CtrBase::Callback& own) {
    return std::make_unique<SentencesArea>(
        AreaInfo{"Informatyka", 12018, 26000, 26001,
                 "Dodatkowy tekst własny oceny automatycznej z informatyki", -1},
        ComputingTables(), changed, own);
}

}  // namespace kw
