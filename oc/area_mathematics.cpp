// Mathematics ("Matematyka").

#include "app/utf8.h"
#include "controls/composer.h"
#include "oc/education_areas.h"

namespace kw {
namespace {

const std::vector<CatalogueTable>& MathematicsTables() {
    static const std::vector<CatalogueTable> tables = {{
    {17100, CtrKind::Box, 0, " Dodaje{sz} i odejmuje{sz} ", {0, 0, 241, 225}, {}},
    {17101, CtrKind::Check, 17100, "", {144, 56, 73, 15}, {"WYŁĄCZ"}, 0},
    {17102, CtrKind::Choice, 17100, "", {76, 20, 93, -1}, {"[-2]dziesięciu", "[-1,-2]dwudziestu", "[1,-1,-1]trzydziestu", "[2,1,-1]stu", "[3,2,1]tysiąca", "[3]10 tysięcy"}},
    {17103, CtrKind::Radio, 17100, "", {8, 52, 129, 85}, {"[2,1]w pamięci", "[1,-1,-2]w sposób mieszany", "[1,-1,-2]na konkretach"}},
    {17104, CtrKind::Radio, 17100, "", {144, 72, 89, 65}, {"[1]biegle", "[-1]wolno"}},
    {17105, CtrKind::Radio, 17100, "", {8, 144, 197, 69}, {"[1]bezbłędnie", "[-1]popełniając błędy w obliczeniach"}},
    {17106, CtrKind::Box, 0, " Mnoży{sz} i dzieli{sz} ", {252, 0, 241, 225}, {}},
    {17107, CtrKind::Check, 17106, "", {144, 56, 73, 15}, {"WYŁĄCZ"}, 0},
    {17108, CtrKind::Choice, 17106, "", {76, 20, 93, -1}, {"[2,-1,-2]dziesięciu", "[2,-1,-2]dwudziestu", "[2,1,-1]trzydziestu", "[3,2,1]stu", "[3]tysiąca", "[3]10 tysięcy"}},
    {17109, CtrKind::Radio, 17106, "", {8, 52, 129, 85}, {"[1]w pamięci", "[-1]w sposób mieszany", "[-2]na konkretach"}},
    {17110, CtrKind::Radio, 17106, "", {144, 72, 89, 65}, {"[1]biegle", "[-1]wolno"}},
    {17111, CtrKind::Radio, 17106, "", {8, 144, 197, 69}, {"[1]bezbłędnie", "[-1]popełniając błędy w obliczeniach"}},
    {17117, CtrKind::Check, 0, "", {500, 4, 165, 15}, {"Zapisuje{sz} i odczytuje{sz} liczby do "}, kAssessmentStored},
    {17118, CtrKind::Choice, 0, "", {668, 0, 88, -1}, {"[-1,-2]20", "[1,-1,-2]30", "[2,1,-2]100", "[3,2,1]1000", "[3,3,2]10 tysięcy"}},
    {17112, CtrKind::Radio, 0, " Zadania tekstowe rozwiązuje{sz} ", {504, 32, 209, 69}, {"[2,1]samodzielnie", "[1,-1,-2]przy pomocy nauczyciela"}},
    {17113, CtrKind::Box, 0, "", {504, 108, 209, 130}, {}},
    {17114, CtrKind::RadioButton, 17113, "", {12, 12, 193, 20}, {"Potrafi{sz} ułożyć zadanie tekstowe do"}, kAssessmentStored},
    {17115, CtrKind::RadioButton, 17113, "", {12, 96, 190, 20}, {"[-1]Nie potrafi{sz} ułożyć treści zadania"}},
    {17116, CtrKind::Checks, 17113, "", {28, 28, 153, 53}, {"[1]ilustracji", "[1]formuły matematycznej"}},
    }, {
    {17200, CtrKind::Box, 0, " Umiejętność stosowania algorytmu pisemnego ", {0, 0, 269, 97}, {}},
    {17202, CtrKind::Checks, 17200, "", {8, 16, 150, 70}, {"dodawania i odejmowania", "mnożenia i dzielenia"}, kAssessmentStored, 25},
    {17203, CtrKind::Choice, 17200, "", {164, 32, 97, 15}, {"[0,-1,-2]nie posiada{sz}", "[2,1,-1]stu", "[3,2,1]tysiąca", "[3]10 tysięcy"}},
    {17204, CtrKind::Choice, 17200, "", {164, 56, 97, 15}, {"[0,0,-1]nie posiada{sz}", "[3,2,-1]stu", "[3,2,1]tysiąca", "[3]10 tysięcy"}},
    {17205, CtrKind::Radio, 0, "", {0, 108, 269, 85}, {"[1]Sprawnie wykonuje{sz} działania na zbiorach", "[-1]Ma{sz} trudności w wykonywaniu działań na zbiorach", "[-2]Nie potrafi{sz} wykonać działań na zbiorach"}},
    {17206, CtrKind::Radio, 0, "", {276, 0, 309, 69}, {"[1]Zna{sz} i stosuje{sz} poznane prawa matematyczne", "[-1]Najczęściej nie stosuje{sz} poznanych praw matematycznych"}},
    {17207, CtrKind::Radio, 0, "", {592, 0, 153, 69}, {"[0,0,1]Potrafi{sz} dzielić z resztą", "[0,0,-1]Nie potrafi{sz} dzielić z resztą"}},
    {17208, CtrKind::Checks, 0, " Dokonuje{sz} użytecznych w życiu obliczeń związanych z ", {276, 72, 280, 125}, {"[1]mierzeniem", "[1]ważeniem", "[1]czasem", "[1]pieniędzmi", "[1]temperaturą", "[1]kalendarzem", "[1]mapą"}},
    {17209, CtrKind::Checks, 0, " Zna{sz} ", {564, 72, 189, 70}, {"[1]kolejność działań w obliczeniach", "[1]liczby rzymskie", "[1]tabliczkę mnożenia"}},
    }, {
    {17300, CtrKind::Check, 0, "", {0, 4, 325, 15}, {"[3]Potrafi{sz} rozwiązać zadania o podwyższonym stopniu trudności"}},
    {17301, CtrKind::Radio, 0, " Praktyczna znajomość prostopadłości", {0, 28, 217, 73}, {"[3,2,1]posiada{sz}", "[0,1,-1]nie posiada{sz}"}},
    {17302, CtrKind::Radio, 0, " Praktyczna znajomość równoległości ", {228, 28, 217, 73}, {"[3,2,1]posiada{sz}", "[0,1,-1]nie posiada{sz}"}},
    {17303, CtrKind::Radio, 0, "", {456, 28, 300, 73}, {"[1]Rozróżnia{sz} i nazywa{sz} poznane figury geometryczne", "[-1]Nie rozróżnia{sz} poznanych figur geometrycznych"}},
    }};
    return tables;
}

// Indexed by a + 3 * b, where a is 17301 (perpendicularity) and b is 17302 (parallelism), each 1
// (has it), 2 (has not) or 3 (nothing chosen).
const char* const kGeometry[12] = {
    "", "", "", "",
    "[3,2,1]Posiada{sz} praktyczną znajomość prostopadłości i równoległości.",
    "[3,2,1]Posiada{sz} praktyczną znajomość równoległości, [0,1,-1]lecz nie prostopadłości.",
    "[3,2,1]Posiada{sz} praktyczną znajomość równoległości.",
    "[3,2,1]Posiada{sz} praktyczną znajomość prostopadłości, [0,1,-1]lecz nie równoległości.",
    "[0,1,-1]Nie posiada{sz} praktycznej znajomości równoległości ani prostopadłości.",
    "[0,1,-1]Nie posiada{sz} praktycznej znajomości równoległości.",
    "[3,2,1]Posiada{sz} praktyczną znajomość prostopadłości.",
    "[0,1,-1]Nie posiada{sz} praktycznej znajomości prostopadłości.",
};

class MathematicsArea : public EducationArea {
public:
    MathematicsArea(const CtrBase::Callback& changed, const CtrBase::Callback& own)
        : EducationArea({"Matematyka", 12013, 17000, 17001,
                         "Dodatkowy tekst własny oceny automatycznej z matematyki", 4},
                        MathematicsTables(), changed, own) {}

    wxString PartsText() override { return Part1() + Part2() + Part3(); }

private:
    // "Dodaje i odejmuje" and "Mnoży i dzieli": a range and three choices; the "WYŁĄCZ" box
    // empties the range once and unticks itself.
    void Operation(wxString& text, int off, int range, int a, int b, int c, const char* prefix) {
        if (Check(off).IsOn()) {
            Check(off).SetOn(false);
            Choice(range).Select(-1);
        }
        wxString contribution;
        if (Choice(range).Selection() >= 0)
            contribution = U("w zakresie ") + Choice(range).SelectedCaption() + " ";
        contribution += JC(a) + JC(b) + JC(c);
        AppendPrefixed(text, U(prefix), contribution);
    }

    wxString Part1() {
        wxString text;
        if (!Check(17117).IsOn()) Choice(17118).Select(-1);
        if (Check(17117).IsOn() && Choice(17118).Selection() >= 0)
            text += U("Zapisuje{sz} i odczytuje{sz} liczby do ") + Choice(17118).SelectedCaption() +
                    ". ";
        Operation(text, 17101, 17102, 17103, 17104, 17105, "Dodaje{sz} i odejmuje{sz} ");
        Operation(text, 17107, 17108, 17109, 17110, 17111, "Mnoży{sz} i dzieli{sz} ");
        AppendPrefixed(text, U("Zadania tekstowe rozwiązuje{sz} "), JC(17112));
        CtrRadio& composes = RadioButton(17114);
        CtrCheckGroup& from = Checks(17116);
        if (composes.IsOn() && from.AnyTicked()) {
            wxString sentence = U("Potrafi{sz} ułożyć zadanie tekstowe do ") + from.JoinList();
            EndSentence(sentence);
            text += sentence;
        } else if (!composes.IsOn()) {
            from.SetBits(0);
            text += RadioButton(17115).SentenceBox();
        }
        return text;
    }

    // One written algorithm: "Posiada umiejętność ... w zakresie stu. " or "Nie posiada ...".
    wxString Algorithm(int range, const char* operations) {
        CtrChoice& choice = Choice(range);
        wxString s = choice.Selection() == 0
                         ? U("Nie posiada{sz} umiejętności stosowania algorytmu pisemnego ")
                         : U("Posiada{sz} umiejętność stosowania algorytmu pisemnego ");
        s += U(operations);
        if (choice.Selection() > 0) s += U(" w zakresie ") + choice.SelectedCaption() + ". ";
        else s += ". ";
        return s;
    }

    wxString Part2() {
        wxString text;
        CtrCheckGroup& algorithms = Checks(17202);
        if (!algorithms.IsTicked(0)) Choice(17203).Select(-1);
        if (!algorithms.IsTicked(1)) Choice(17204).Select(-1);
        wxString written;
        if (algorithms.IsTicked(0)) written += Algorithm(17203, "dodawania i odejmowania");
        if (algorithms.IsTicked(1)) written += Algorithm(17204, "mnożenia i dzielenia");
        if (algorithms.IsTicked(0) && algorithms.IsTicked(1) && Choice(17203).Selection() > 0 &&
            Choice(17204).Selection() > 0)
            written.Replace(U(". Posiada{sz} umiejętność stosowania algorytmu pisemnego"),
                            U(" oraz"));
        text += written;
        text += SC(17205) + SC(17206) + SC(17207);
        AppendPrefixed(text, U("Dokonuje{sz} użytecznych w życiu obliczeń związanych z "),
                       Checks(17208).JoinList());
        AppendPrefixed(text, U("Zna{sz} "), Checks(17209).JoinList());
        return text;
    }

    // 1 has it, 2 has not, 3 nothing chosen.
    int Knows(int id) const { return Radio(id).HasChoice() ? Radio(id).Chosen() + 1 : 3; }

    wxString Part3() {
        wxString text = Check(17300).SentenceBox();
        if (Radio(17301).HasChoice() || Radio(17302).HasChoice()) {
            wxString sentence = U(kGeometry[Knows(17301) + 3 * Knows(17302)]);
            EndSentence(sentence);
            text += sentence;
        }
        wxString figures = SC(17303);
        EndSentence(figures);
        text += figures;
        return text;
    }
};

}  // namespace

std::unique_ptr<EducationArea> MakeMathematicsArea(const CtrBase::Callback& changed,
                                                   const CtrBase::Callback& own) {
    return std::make_unique<MathematicsArea>(changed, own);
}

}  // namespace kw
