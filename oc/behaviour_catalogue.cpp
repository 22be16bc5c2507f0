#include "oc/behaviour_catalogue.h"

#include "app/assertion.h"
#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/registry.h"
#include "oc/catalogue.h"

namespace kw {
namespace {

struct Tab {
    int id;
    const char* label;
    std::vector<CatalogueEntry> entries;
};

const std::vector<Tab>& Tabs() {
    static const std::vector<Tab> tabs = {
        {11010, "Część 1.", {
            {11100, CtrKind::Checks, 0, " Jest{eś} ", {0, 0, 129, 169},
             {"[1]koleżeńsk<i,a>", "[1]pracowit<y,a>", "[1]prawdomówn<y,a>", "[1]samodzieln<y,a>",
              "[1]śmiał<y,a>", "[1]uczynn<y,a>", "[1]uczuciow<y,a>", "[1]wrażliw<y,a>",
              "[0]zamknięt<y,a> w sobie"}},
            {11101, CtrKind::Checks, 0, " Potrafi{sz} być ", {0, 172, 129, 89},
             {"[-1]agresywn<y,a>", "[-1]konfliktow<y,a>", "[-1]niesystematyczn<y,a>",
              "[-1]nieuprzejm<y,a>"}},
            {11102, CtrKind::Box, 0, " Cechuje <Cię/go,Cię/ją> ", {136, 0, 153, 221}, {}},
            {11103, CtrKind::Radio, 11102, "", {4, 16, 139, 63}, {"[1]obowiązkowość", "[-1]nieobowiązkowość"}},
            {11104, CtrKind::Radio, 11102, "", {4, 80, 139, 63}, {"[1]punktualność", "[-1]niepunktualność"}},
            {11105, CtrKind::Radio, 11102, "", {4, 148, 139, 63},
             {"[1]zdyscyplinowanie", "[-1]niezdyscyplinowanie"}},
            {11106, CtrKind::Radio, 0, "", {296, 0, 257, 65},
             {"[1]Przestrzega{sz} norm społecznych i klasowych",
              "[-1]Nie przestrzega{sz} norm społecznych i klasowych"}},
            {11107, CtrKind::Radio, 0, "", {560, 0, 193, 65},
             {"[1]Potrafi{sz} współdziałać w grupie", "[-1]Nie potrafi{sz} współdziałać w grupie"}},
            {11108, CtrKind::Radio, 0, "", {296, 72, 221, 65},
             {"[1]Panuje{sz} nad emocjami", "[-1]Nie panuje{sz} nad emocjami"}},
            {11109, CtrKind::Radio, 0, "", {520, 72, 233, 65},
             {"[1]Łatwo nawiązuje{sz} kontakty z rówieśnikami",
              "[-1]Nie nawiązuje{sz} kontaktów z rówieśnikami"}},
            {11110, CtrKind::Radio, 0, " Na zajęciach jest{eś} ", {296, 140, 141, 85},
             {"[2]aktywn<y,a>", "[1]czasami aktywn<y,a>", "[-1]mało aktywn<y,a>"}},
            {11111, CtrKind::Checks, 0, "", {452, 140, 280, 80},
             {"[-2]Ma{sz} problemy z koncentracją i uwagą w czasie lekcji",
              "[-1]Czasami przeszkadza{sz} w prowadzeniu zajęć",
              "[1]Angażuje{sz} się w prace na rzecz klasy i szkoły",
              "[2]Umie{sz} ocenić swoje postępowanie"}},
        }},
        {11011, "Część 2.", {
            {11200, CtrKind::Box, 0, " Obowiązki i zadania podejmuje{sz} ", {0, 0, 257, 89}, {}},
            {11201, CtrKind::Radio, 11200, "", {8, 12, 89, 65}, {"[1]chętnie", "[-1]niechętnie"}},
            {11204, CtrKind::Radio, 11200, "", {104, 12, 145, 65},
             {"[1]z własnej inicjatywy", "[-1]na prośbę nauczyciela"}},
            {11205, CtrKind::Radio, 0, "", {0, 92, 257, 65},
             {"[1]Jest{eś} zawsze przygotowan<y,a> do zajęć",
              "[-1]Zdarza <Ci/mu,Ci/jej> się nie przygotować do zajęć"}},
            {11206, CtrKind::Checks, 0, "", {0, 168, 281, 50},
             {"[1]Godnie reprezentuje{sz} klasę na konkursach i imprezach",
              "[1]Kulturalnie zwraca{sz} się do kolegów i osób dorosłych"}},
            {11207, CtrKind::Box, 0, " Zadania wykonuje{sz} ", {264, 0, 293, 153}, {}},
            {11208, CtrKind::Radio, 11207, "", {8, 12, 133, 65}, {"[1]dokładnie", "[-1]niedokładnie"}},
            {11209, CtrKind::Radio, 11207, "", {8, 80, 161, 65},
             {"[1]samodzielnie", "[-1]przy pomocy nauczyciela"}},
            {11210, CtrKind::Radio, 11207, "", {148, 12, 137, 65}, {"[1]w dobrym tempie", "[-1]powoli"}},
            {11211, CtrKind::Radio, 11207, "", {176, 80, 109, 65}, {"[1]sumiennie", "[-1]niesumiennie"}},
            {11212, CtrKind::Radio, 0, "", {564, 0, 209, 65},
             {"[1]Szanuje{sz} własność cudzą i osobistą", "[-1]Nie szanuje{sz} cudzej własności"}},
            {11213, CtrKind::Radio, 0, "", {564, 80, 209, 65},
             {"[1]Zawsze kończy{sz} rozpoczętą pracę", "[-1]Często nie kończy{sz} rozpoczętej pracy"}},
            {11214, CtrKind::Radio, 0, "", {288, 160, 157, 65},
             {"[1]Nie używa{sz} wulgaryzmów", "[-1]Używa{sz} wulgaryzmów"}},
            {11215, CtrKind::Radio, 0, "", {456, 160, 225, 65},
             {"[1]Stosuje{sz} zwroty grzecznościowe", "[-1]Nie stosuje{sz} zwrotów grzecznościowych"}},
        }},
        {11012, "Część 3.", {
            {11300, CtrKind::Radio, 0, "", {0, 0, 265, 65},
             {"[1]Przyznaje{sz} się do błędów, potrafi{sz} przeprosić",
              "[-1]Nie przyznaje{sz} się do błędów"}},
            {11301, CtrKind::Radio, 0, "", {272, 0, 277, 65},
             {"[1]Na przejawy zła i agresji reaguje{sz} prawidłowo",
              "[-1]Na przejawy zła i agresji reaguje{sz} nieprawidłowo"}},
        }},
    };
    return tabs;
}

// Contributions joined into one prefixed sentence.
void Prefixed(wxString& part, const char* prefix, std::initializer_list<wxString> contributions) {
    wxString joined;
    for (const wxString& c : contributions) joined += c;
    AppendPrefixed(part, U(prefix), joined);
}

void Append(wxString& part, std::initializer_list<wxString> contributions) {
    for (const wxString& c : contributions) part += c;
}

}  // namespace

BehaviourCatalogue::BehaviourCatalogue(CtrBase::Callback changed) {
    notebook_ = &catalogue_.Keep(
        std::make_unique<CtrNotebook>(11009, kAssessmentContainer, Rect{0, 0, 781, 293}));
    ParentScope inNotebook(*notebook_);
    for (const Tab& tab : Tabs()) {
        CtrPanel& page = catalogue_.Keep(std::make_unique<CtrPanel>(tab.id, 0, Rect{}));
        notebook_->AddPage(&page, U(tab.label));
        ParentScope inPage(page);
        catalogue_.Build(tab.entries, changed);
    }
}

CtrRadioGroup& BehaviourCatalogue::Radio(int id) const { return catalogue_.Radio(id); }
CtrCheckGroup& BehaviourCatalogue::Checks(int id) const { return catalogue_.Checks(id); }

wxString BehaviourCatalogue::Text() const {
    auto jc = [this](int id) { return Radio(id).JoinChoice(); };
    auto sc = [this](int id) { return Radio(id).SentenceChoice(); };

    wxString part1;
    Prefixed(part1, "Jest{eś} ", {Checks(11100).JoinList()});
    Prefixed(part1, "Potrafi{sz} być ", {Checks(11101).JoinList()});
    Prefixed(part1, "Cechuje <Cię/go,Cię/ją> ", {jc(11103), jc(11104), jc(11105)});
    Append(part1, {sc(11106), sc(11107), sc(11108), sc(11109)});
    Prefixed(part1, "Na zajęciach jest{eś} ", {jc(11110)});
    Append(part1, {Checks(11111).SentenceList()});

    wxString part2;
    Prefixed(part2, "Obowiązki i zadania podejmuje{sz} ", {jc(11201), jc(11204)});
    Append(part2, {sc(11205)});
    Prefixed(part2, "Zadania wykonuje{sz} ", {jc(11208), jc(11209), jc(11210), jc(11211)});
    Append(part2, {sc(11212), sc(11213)});
    Append(part2, {Checks(11206).SentenceList()});
    Append(part2, {sc(11214), sc(11215)});

    wxString part3;
    Append(part3, {sc(11300), sc(11301)});

    wxString text = part1 + part2 + part3;
    if (!text.empty()) text = ParagraphMark() + text;
    JoinConjunctions(text, -1);
    return text;
}

int BehaviourCatalogue::Score() const { return SectionScore(*notebook_); }

}  // namespace kw
