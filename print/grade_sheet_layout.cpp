#include "print/grade_sheet_layout.h"

#include <vector>

#include "app/assertion.h"
#include "app/utf8.h"
#include "print/text_boxes.h"

namespace kw {
namespace {

struct Label {
    int font;
    int x, y;  // from the layout's column edges and y0, see Place
    const char* text;
};

// What differs between the two layouts; everything in µm.
struct Layout {
    int left;     // the table's left edge
    int a, b;     // left edges of the label column and of the value column
    int y0;       // the table's top
    std::vector<int> fullRows;     // horizontal lines across the table, below y0
    std::vector<int> columnRows;   // horizontal lines from a to the right edge
    std::vector<std::pair<int, int>> bSpans;  // the value column's vertical line, from, to
    std::vector<Label> labels;     // absolute positions
    struct Box {
        int x, right, top;
    } behaviour, education, individual, additional, other, achievements;
};

constexpr int kTableHeight = 260000;

Layout FirstGrade(const PageFrame& f) {
    const int L = f.left, T = f.top, y0 = T + 5000;
    const int L1 = L - 8000, a = L1 + 6000, b = L1 + 54000;
    Layout l{L1, a, b, y0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    l.fullRows = {27000, 33000, 64000, 70000, 129000, 135000, 154000,
                  160000, 179000, 186000, 208000, 225000, 249000};
    l.columnRows = {6000, 12000, 21000, 216000};
    l.bSpans = {{0, 21000}, {64000, 129000}, {135000, 154000}, {160000, 179000}, {208000, 260000}};
    l.labels = {
        {13, L1 + 1500, y0 + 14000, "Lp."},
        {13, a + 2000, y0 + 1000, "Rok szkolny"},
        {13, a + 2000, y0 + 7000, "Klasa (słownie)"},
        {13, a + 2000, y0 + 13000, "Nr kolejny"},
        {13, a + 2000, y0 + 16500, "w dzienniku lekcyjnym"},
        {7, b, y0 + 22000, "Wyniki klasyfikacji rocznej"},
        {13, L1 + 2000, y0 + 28000, "1"},
        {13, a + 2000, y0 + 28000, "Zachowanie"},
        {13, L1 + 2000, y0 + 65000, "2"},
        {13, a + 2000, y0 + 65000, "Religia / etyka"},
        {13, L1 + 2000, y0 + 71000, "3"},
        {7, a + 2000, y0 + 71000, "Edukacja wczesnoszkolna"},
        {13, L1 + 2000, y0 + 209000, "7"},
        {13, a + 2000, y0 + 209000, "Liczba opuszczonych godzin"},
        {13, a + 2000, y0 + 212000, "ogółem"},
        {13, a + 2000, y0 + 218000, "w tym nieusprawiedliwionych"},
        {14, L1 + 2000, y0 + 231000, "8"},
        {14, a + 2000, y0 + 230000, "Data uchwały rady pedagogicznej:"},
        {14, a + 2000, y0 + 237000, "1) promowany;"},
        {14, a + 2000, y0 + 241000, "2) niepromowany."},
        {14, L1 + 2000, y0 + 250000, "9"},
        {14, a + 2000, y0 + 250000, "Data i podpis nauczyciela"},
        {14, a + 2000, y0 + 253000, "wypełniającego arkusz ocen"},
        {7, a + 2000, y0 + 155000, "Inne zajęcia"},
        {4, L1 + 2000, y0 + 155000, "5"},
        {4, a + 2000, y0 + 130000, "Dodatkowe zajęcia edukacyjne"},
        {4, L1 + 2000, y0 + 130000, "4"},
        {7, L1 + 2000, y0 + 180000, "6"},
        {7, a + 2000, y0 + 180000, "Szczególne osiągnięcia"},
    };
    l.behaviour = {L, L + 147000, y0 + 33000};
    l.education = {L + 47000, L + 179000, y0 + 71000};
    l.individual = {L + 47000, L + 179000, y0 + 117000};
    l.additional = {L + 47000, L + 179000, y0 + 135000};
    l.other = {L + 47000, L + 179000, y0 + 161000};
    l.achievements = {L, L + 179000, y0 + 188000};
    return l;
}

Layout LaterGrades(const PageFrame& f) {
    const int L = f.left, T = f.top, y0 = T + 5000;
    const int a = L + 9000, b = L + 52000;
    Layout l{L, a, b, y0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    l.fullRows = {27000, 32000, 64000, 71000, 140500, 146500, 161000,
                  167000, 181000, 186000, 208000, 225000, 249000};
    l.columnRows = {6000, 12000, 21000, 217000};
    l.bSpans = {{0, kTableHeight}};
    l.labels = {
        {13, L + 170000, T + 1000, "str. ...."},
        {13, L + 2000, y0 + 14000, "Lp."},
        {13, a + 2000, y0 + 1000, "Rok szkolny"},
        {13, a + 2000, y0 + 7000, "Klasa (słownie)"},
        {13, a + 2000, y0 + 13000, "Numer kolejny"},
        {13, a + 2000, y0 + 16500, "w dzienniku lekcyjnym"},
        {7, L + 90000, y0 + 22000, "Wyniki klasyfikacji rocznej"},
        {13, L + 2000, y0 + 28000, "1"},
        {13, a + 2000, y0 + 28000, "Zachowanie"},
        {13, L + 2000, y0 + 65000, "2"},
        {13, a + 2000, y0 + 65000, "Religia / etyka"},
        {13, L + 2000, y0 + 72000, "3"},
        {7, a + 2000, y0 + 72000, "Edukacja wczesnoszkolna"},
        {13, L + 2000, y0 + 209000, "7"},
        {13, a + 2000, y0 + 209000, "Liczba opuszczonych godzin"},
        {13, a + 2000, y0 + 212000, "ogółem"},
        {13, a + 2000, y0 + 218000, "w tym nieusprawiedliwionych"},
        {14, L + 2000, y0 + 231000, "8"},
        {14, a + 2000, y0 + 231000, "Data uchwały rady pedagogicznej:"},
        {14, a + 2000, y0 + 237000, "1)   promowany"},
        {14, a + 2000, y0 + 240000, "2)   niepromowany"},
        {14, L + 2000, y0 + 250000, "9"},
        {14, a + 2000, y0 + 250000, "Data i podpis nauczyciela"},
        {14, a + 2000, y0 + 253000, "wypełniającego arkusz ocen"},
        {14, L + 2000, y0 + 162000, "5"},
        {13, a + 2000, y0 + 162000, "Inne zajęcia"},
        {13, L + 2000, y0 + 141500, "4"},
        {13, a + 2000, y0 + 141500, "Dodatkowe zajęcia edukacyjne"},
        {13, L + 2000, y0 + 182000, "6"},
        {13, a + 2000, y0 + 182000, "Szczególne osiągnięcia"},
    };
    const int x = L + 53000, right = L + 179000;
    l.behaviour = {x, right, y0 + 32000};
    l.education = {x, right, y0 + 72000};
    l.individual = {x, right, y0 + 120000};
    l.additional = {x, right, y0 + 148000};
    l.other = {x, right, y0 + 168000};
    l.achievements = {x, right, y0 + 186500};
    return l;
}

}  // namespace

wxString ClassWord(int grade) {
    static const char* const kWords[] = {"pierwsza", "druga", "trzecia"};
    return grade >= 0 && grade <= 2 ? wxString(kWords[grade]) : wxString();
}

void DrawGradeSheet(PagePainter& p, const GradeSheetData& d, TextFitter& fitter) {
    const PageFrame& f = p.CurrentFrame();
    const wxString classWord = ClassWord(d.grade);
    KW_ASSERT_MSG(!classWord.empty(), "print", "class number outside 1-3");
    const Layout l = d.grade == 0 ? FirstGrade(f) : LaterGrades(f);
    const int R = f.right, y0 = l.y0, a = l.a, b = l.b;
    // The table's pen: one pixel on the screen, three on paper.
    const int pen = p.Mode().printing ? 3 : 1;

    p.Rectangle(l.left, y0, R - l.left, kTableHeight, pen);
    p.Line(a, y0, a, y0 + kTableHeight, pen);
    for (const auto& [from, to] : l.bSpans) p.Line(b, y0 + from, b, y0 + to, pen);
    for (int y : l.columnRows) p.Line(a, y0 + y, R, y0 + y, pen);
    for (int y : l.fullRows) p.Line(l.left, y0 + y, R, y0 + y, pen);

    for (const Label& label : l.labels) {
        p.SelectFont(label.font);
        p.DrawText(label.x, label.y, U(label.text));
    }

    p.SelectFont(14);
    auto value = [&](int y, const wxString& text) { p.DrawText(b + 2000, y0 + y, text); };
    value(1000, d.schoolYear);
    value(7000, classWord + " " + d.classSuffix);
    value(13000, d.registerNumber);
    value(210000, d.missedHours);
    value(218000, d.unexcusedHours);
    value(231000, d.councilDate);
    value(240000, d.promoted ? U("-promowany") : U("-niepromowany"));
    value(250000, d.teacherLine);

    // Religion and ethics share a row; a dash or nothing given is a rule, "puste" leaves it blank.
    const int markY = y0 + 65000;
    switch (LookOf(d.texts.religion)) {
        case FieldLook::Text: p.DrawText(b + 2000, markY, d.texts.religion); break;
        case FieldLook::Rule: p.Rule(b + 2000, b + 19500, markY); break;
        case FieldLook::Blank: break;
    }
    switch (LookOf(d.texts.ethics)) {
        case FieldLook::Text: p.DrawText(b + 22000, markY, d.texts.ethics); break;
        case FieldLook::Rule:
            if (d.texts.ethics.Contains("kreska")) p.Rule(b + 21500, b + 38000, markY);
            else p.Rule(b + 2000, b + 38000, markY);
            break;
        case FieldLook::Blank: break;
    }

    // The boxes are as many lines high as their texts need; a text that does not fit its
    // certificate box is left out, as on the certificate.
    p.SelectFont(14);
    const int h = p.TextHeight("a");
    auto box = [&](const Layout::Box& at, CertificateBox certificate, const wxString& text) {
        const FitResult fit = GradeSheetPercent(fitter, d.fontSize, certificate, at.x, at.right, text);
        if (!fit.Drawn()) return;
        p.DrawBlock(at.x, at.right, 0, at.top, h, kGradeSheetMaxLines, fit.lines, false);
    };
    box(l.behaviour, kBehaviourBox, d.texts.behaviour);
    box(l.education, kEducationBox, d.texts.education);
    box(l.individual, kIndividualBox, d.texts.individual);
    box(l.additional, kAdditionalBox, d.texts.additional);
    box(l.other, kOtherBox, d.texts.other);
    box(l.achievements, kAchievementsBox, d.texts.achievements);
}

}  // namespace kw
