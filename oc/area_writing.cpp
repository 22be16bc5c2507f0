// Writing ("Pisanie").

#include "app/utf8.h"
#include "controls/composer.h"
#include "oc/education_areas.h"

namespace kw {
namespace {

const char* const kLevels[] = {"[2,1]samodzielnie", "[1,-1]z pomocą", "[-1,-2]nie potrafi{sz}"};

const std::vector<CatalogueTable>& WritingTables() {
    static const std::vector<CatalogueTable> tables = [] {
        std::vector<CatalogueTable> t = {{
    {16100, CtrKind::Box, 0, " Pisze{sz} ", {0, 0, 477, 121}, {}},
    {16101, CtrKind::Radio, 16100, "", {8, 16, 117, 81}, {"[2]w szybkim tempie", "[1]w dobrym tempie", "[-1]w wolnym tempie"}},
    {16102, CtrKind::Checks, 16100, "", {132, 16, 95, 85}, {"[1]czytelnie", "[1]ładnie", "[1]poprawnie", "[-1]niestarannie"}},
    {16103, CtrKind::Checks, 16100, "", {235, 16, 235, 54}, {"[1]stosując prawidłowy kształt pisma", "[1]prawidłowo rozmieszczając tekst na stronie"}},
    {16104, CtrKind::Radio, 0, " Odwzorowuje{sz} tekst ", {496, 0, 177, 85}, {"[1]bezbłędnie", "[-1]popełniając czasami błędy", "[-2]popełniając liczne błędy"}},
    {16105, CtrKind::Radio, 0, " W pisaniu ze słuchu ", {0, 128, 237, 85}, {"[2]nie popełnia{sz} błędów", "[1]popełnia{sz} nieliczne błędy", "[-1]popełnia{sz} błędy"}},
    {16106, CtrKind::Radio, 0, " W pisaniu z pamięci ", {244, 128, 237, 85}, {"[2]nie popełnia{sz} błędów", "[1]popełnia{sz} nieliczne błędy", "[-1]popełnia{sz} błędy"}},
    {16107, CtrKind::Checks, 0, "", {496, 112, 245, 85}, {"[-1]Nie zachowuje{sz} właściwego kształtu liter", "[-1]Nie zachowuje{sz} właściwego kształtu łączeń", "[-1]Nie zachowuje{sz} właściwych odstępów", "[-1]Nie mieści{sz} się w liniaturze"}},
        }, {
    {16201, CtrKind::Radio, 0, "", {0, 0, 377, 65}, {"[1]Poznane zasady ortograficzne zna{sz} i stosuje{sz}", "[-1]Nie przestrzega{sz} poprawności ortograficznej opracowanego słownictwa"}},
    {16202, CtrKind::Check, 0, "", {4, 80, 300, 15}, {"[1]Potrafi{sz} samodzielnie napisać kilka zdań na dany temat"}},
    {16203, CtrKind::Radio, 0, "", {0, 112, 220, 85}, {"[1]Rozróżnia{sz} poznane części mowy", "[-1]Myli{sz} poznane części mowy", "[-2]Nie rozróżnia{sz} poznanych części mowy"}},
    {16204, CtrKind::Checks, 0, " Rozróżnia{sz} ", {232, 112, 121, 70}, {"[1]rzeczowniki", "[1]czasowniki", "[1]przymiotniki"}},
    {16205, CtrKind::Box, 0, " Potrafi{sz} napisać ", {412, 0, 329, 220}, {}},
    {16206, CtrKind::Checks, 16205, "", {8, 10, 161, 200}, {"opowiadanie", "opis", "list", "zaproszenie", "życzenia", "wszystkie formy użytkowe", "swoje wypowiedzi"}, kAssessmentStored, 25},
        }};
        // One choice beside each written form of 16206.
        for (int k = 0; k < 7; ++k)
            t[1].push_back({16207 + k, CtrKind::Choice, 16205, "", {184, 25 + 25 * k, 125, 15},
                            {kLevels[0], kLevels[1], kLevels[2]}});
        return t;
    }();
    return tables;
}

// The written forms in the genitive, for "Nie potrafi napisać ...".
const char* const kGenitive[] = {"[1]opowiadania", "[1]opisu", "[1]listu", "[1]zaproszenia",
                                 "[1]życzeń", "[1]żadnej formy użytkowej", "[1]swoich wypowiedzi"};

// Indexed by dictation + 4 * memory, each 1 (no errors), 2 (few), 3 (errors) or 4 (none).
const char* const kDictationMemory[21] = {
    "", "", "", "", "", 
    "[2]W pisaniu ze słuchu i pamięci nie popełnia{sz} błędów.",
    "[1]W pisaniu ze słuchu popełnia{sz} nieliczne błędy, [2]ale z pamięci już nie.",
    "[-1]W pisaniu ze słuchu popełnia{sz} błędy, [2]ale z pamięci już nie.",
    "[2]W pisaniu z pamięci nie popełnia{sz} błędów.",
    "[2]W pisaniu ze słuchu nie popełnia{sz} błędów, [1]a z pamięci tylko nieliczne.",
    "[1]W pisaniu ze słuchu i pamięci popełnia{sz} nieliczne błędy.",
    "[-1]W pisaniu ze słuchu popełnia{sz} błędy, [1]ale z pamięci już tylko nieliczne.",
    "[1]W pisaniu z pamięci popełnia{sz} nieliczne błędy.",
    "[2]W pisaniu ze słuchu nie popełnia{sz} błędów, [-1]ale z pamięci jeszcze dużo.",
    "[1]W pisaniu ze słuchu popełnia{sz} nieliczne błędy, [-1]ale z pamięci jeszcze dużo.",
    "[-1]W pisaniu ze słuchu i pamięci popełnia{sz} błędy.",
    "[-1]W pisaniu z pamięci popełnia{sz} błędy.",
    "[2]W pisaniu ze słuchu nie popełnia{sz} błędów.",
    "[1]W pisaniu ze słuchu popełnia{sz} nieliczne błędy.",
    "[-1]W pisaniu ze słuchu popełnia{sz} błędy.",
    "",
};

class WritingArea : public EducationArea {
public:
    WritingArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Pisanie", 12012, 16000, 16001,
                         "Dodatkowy tekst własny oceny automatycznej z pisania", 3},
                        WritingTables(), changed, own) {}

    // 1..3 for the option chosen, 4 for none or "WYŁĄCZ".
    int Level(int id) const { return Radio(id).HasChoice() ? Radio(id).Chosen() + 1 : 4; }

    static void Append(wxString& text, wxString sentence) {
        EndSentence(sentence);
        text += sentence;
    }

    wxString PartsText() override {
        wxString text;
        // Część 1.
        AppendPrefixed(text, U("Pisze{sz} "),
                       JC(16101) + Checks(16102).JoinList() + Checks(16103).JoinList());
        AppendPrefixed(text, U("Odwzorowuje{sz} tekst "), JC(16104));
        if (Radio(16105).HasChoice() || Radio(16106).HasChoice())
            Append(text, U(kDictationMemory[Level(16105) + 4 * Level(16106)]));
        wxString shape = Checks(16107).JoinList();
        KeepFirstOccurrence(U("Nie zachowuje{sz} właściwego kształtu"), shape);
        KeepFirstOccurrence(U("Nie zachowuje{sz}"), shape);
        shape.MakeLower();
        if (!shape.empty()) CapitalAt(shape, 4);
        Append(text, shape);
        // Część 2.
        Append(text, SC(16201));
        Append(text, Check(16202).SentenceBox());
        Append(text, SC(16203));
        AppendPrefixed(text, U("Rozróżnia{sz} "), Checks(16204).JoinList());
        Append(text, WrittenForms());
        return text;
    }

    // Up to three sentences: what the pupil writes alone, with help, and cannot write.
    wxString WrittenForms() {
        CtrCheckGroup& forms = Checks(16206);
        wxString alone = U("[2,1]Potrafi{sz} samodzielnie napisać ");
        wxString helped = U("[1,-1]Potrafi{sz} z pomocą napisać ");
        wxString cannot = U("[-1,-2]Nie potrafi{sz} napisać ");
        bool any[3] = {false, false, false};
        for (int k = 0; k < 7; ++k) {
            CtrChoice& level = Choice(16207 + k);
            if (!forms.IsTicked(k)) level.Select(-1);
            switch (forms.IsTicked(k) ? level.Selection() : -1) {
                case 0: alone += forms.Phrase(k) + "&"; any[0] = true; break;
                case 1: helped += forms.Phrase(k) + "&"; any[1] = true; break;
                case 2: cannot += U(kGenitive[k]) + "&"; any[2] = true; break;
                default: break;
            }
        }
        wxString* sentences[3] = {&alone, &helped, &cannot};
        wxString out;
        for (int i = 0; i < 3; ++i) {
            if (!any[i]) continue;
            EndSentence(*sentences[i]);
            out += *sentences[i];
        }
        JoinConjunctions(out, 1);
        return out;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeWritingArea(const CtrBase::Callback& changed,
                                               const CtrBase::Callback& own) {
    return std::make_unique<WritingArea>(changed, own);
}

}  // namespace kw
