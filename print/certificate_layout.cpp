#include "print/certificate_layout.h"

#include <algorithm>

#include "app/assertion.h"
#include "app/utf8.h"
#include "print/text_boxes.h"

namespace kw {
namespace {

// The parts of a side that both modes share.
class Side {
public:
    // entryOffset: calibration entry 0 (front) or 1 (back), the side's offset.
    Side(PagePainter& p, const CalibrationTable& table, int entryOffset)
        : p_(p), table_(table), full_(p.Mode().FullForm()) {
        const CalibrationEntry& o = table.entries[static_cast<size_t>(entryOffset)];
        dx_ = o.x - p.OffsetX();
        dy_ = o.y - p.OffsetY();
        const PageFrame& f = p.CurrentFrame();
        L = f.left;
        R = f.right;
        T = f.top;
    }

    bool Full() const { return full_; }
    // A calibrated place, with the side's offset and without the printer's margin.
    Point Entry(int n) const {
        const CalibrationEntry& e = table_.entries[static_cast<size_t>(n)];
        return {e.x + dx_, e.y + dy_};
    }
    int RawX(int n) const { return table_.entries[static_cast<size_t>(n)].x; }

    // Drawn on the whole form only.
    void Label(int font, int x, int y, const char* text) {
        if (!full_) return;
        p_.SelectFont(font);
        p_.DrawText(x, y, U(text));
    }
    void CentredLabel(int font, int y, const char* text) {
        if (!full_) return;
        p_.SelectFont(font);
        p_.DrawText(p_.Centred(p_.TextWidth(U(text))), y, U(text));
    }
    void Dots(int x1, int x2, int y) {
        if (full_) p_.DottedLine(x1, x2, y);
    }
    // A datum: at its layout place on the whole form, at its calibrated one on a pre-printed form.
    void Datum(int font, Point fullAt, int entry, const wxString& text) {
        p_.SelectFont(font);
        const Point at = full_ ? fullAt : Entry(entry);
        p_.DrawText(at.x, at.y, text);
    }
    // Rows of a text box on a pre-printed form: consecutive entries of the section. A box with
    // more lines than the form has rows goes on below the last row, as far apart as its rows, so
    // that it never writes over another field.
    FormRows Rows(int section, bool sheetOption, int lines) const {
        FormRows rows;
        const int first = SectionFirstEntry(section, sheetOption);
        rows.onForm = std::min(lines, SectionRows(section, sheetOption));
        for (int k = 0; k < rows.onForm; ++k) rows.at.push_back(Entry(first + k));
        const int step = rows.onForm >= 2 ? rows.at.back().y - rows.at[rows.at.size() - 2].y
                                          : kCertificateLineSpacing;
        while (static_cast<int>(rows.at.size()) < lines) {
            Point next = rows.at.back();
            next.y += step;
            rows.at.push_back(next);
        }
        return rows;
    }

    int L = 0, R = 0, T = 0;

private:
    PagePainter& p_;
    const CalibrationTable& table_;
    bool full_;
    int dx_ = 0, dy_ = 0;
};

const char* AttendedClass(int grade) {
    static const char* const kWords[] = {"pierwszej", "drugiej", "trzeciej"};
    return grade >= 0 && grade <= 2 ? kWords[grade] : nullptr;
}

const char* PromotedToClass(int grade) {
    static const char* const kWords[] = {"drugiej", "trzeciej", "czwartej"};
    return grade >= 0 && grade <= 2 ? kWords[grade] : "";
}

}  // namespace

wxString PreprintedSchoolYear(int index) {
    if (index < 0) return wxString();
    if (index == 0) return "2010/2011";
    return wxString::Format("%d  %d", 2010 + index, 2011 + index);
}

void DrawCertificateFront(PagePainter& p, const FrontData& d, const CalibrationTable& table) {
    Side s(p, table, 0);
    const int L = s.L, R = s.R, T = s.T;
    const bool full = s.Full();
    const wxString ending = d.boy ? "--" : "a";

    p.GuillocheBackground();
    p.Emblem();
    s.CentredLabel(1, T + 65500, "ŚWIADECTWO  SZKOLNE");

    {
        const wxString name = d.firstName + " " + d.surname;
        p.SelectFont(9);
        const int w = p.TextWidth(name);
        if (full) {
            p.DrawText(p.Centred(w), T + 93000, name);
        } else {
            // Centred between the calibrated place and the frame's right edge.
            const Point e = s.Entry(2);
            p.DrawText(e.x + ((R - s.RawX(2)) - w) / 2, e.y, name);
        }
    }
    s.CentredLabel(3, T + 100000, "imię ( imiona ) i nazwisko");
    s.Dots(L, R, T + 99000);
    s.Label(3, L + 60000, T + 112500, "data urodzenia");
    s.Datum(5, {L + 47000, T + 106400}, 3,
            d.birthDay + " " + d.birthMonth.text + " " + d.birthYear + " r.");
    s.Dots(L + 30600, L + 111000, T + 111800);

    s.Label(2, L, T + 122000, "uczęszczał");
    s.Label(2, L + 22000, T + 122000, "w roku szkolnym");
    s.Label(2, L + 89000, T + 122000, "do klasy");
    s.Datum(5, {L + 15000, T + 119400}, 8, ending);
    if (d.schoolYear.index >= 0)
        s.Datum(5, {L + 57000, T + 119400}, 9,
                full ? d.schoolYear.text : PreprintedSchoolYear(d.schoolYear.index));
    const char* attended = AttendedClass(d.grade);
    KW_ASSERT_MSG(attended, "print", "class number outside 1-3");
    if (attended) s.Datum(5, {L + 105000, T + 119400}, 10, U(attended));
    s.Dots(L + 15000, L + 21000, T + 124800);
    s.Dots(L + 48000, L + 87000, T + 124800);
    s.Dots(L + 102000, R, T + 124800);

    // The school's fields (font 5, selected by the caller to measure the value): a rule for
    // "kreska" or nothing given, blank for "puste". preRuleLength: on a pre-printed form the rule
    // ends that far from the field's place (0: at the frame's right edge less 2 mm).
    auto schoolField = [&](const wxString& value, int textX, int y, int entry, int ruleX1,
                           int ruleX2, int ruleY, int preRuleLength) {
        switch (LookOf(value)) {
            case FieldLook::Text: s.Datum(5, {textX, y}, entry, value); break;
            case FieldLook::Rule:
                if (full) {
                    p.Rule(ruleX1, ruleX2, ruleY);
                } else {
                    const Point e = s.Entry(entry);
                    p.Rule(e.x + 2000, preRuleLength ? e.x + preRuleLength : R - 2000, e.y);
                }
                break;
            case FieldLook::Blank: break;
        }
    };
    s.Label(3, L + 54000, T + 135500, "nazwa szkoły podstawowej");
    p.SelectFont(5);
    schoolField(d.schoolName1, p.Centred(p.TextWidth(d.schoolName1)), T + 129400, 11, L + 2000,
                R - 2000, T + 131000, 0);
    s.Dots(L, R, T + 134800);
    p.SelectFont(5);
    schoolField(d.schoolName2, p.Centred(p.TextWidth(d.schoolName2)), T + 139400, 12, L + 2000,
                R - 2000, T + 141000, 138000);
    s.Dots(L, R, T + 144800);
    s.Label(2, L, T + 151700, "nr");
    s.Label(2, L + 26000, T + 151700, "im.");
    p.SelectFont(5);
    schoolField(d.patron1, p.Centred(p.TextWidth(d.patron1)) + 16000, T + 149100, 14, L + 37000,
                R - 2000, T + 150700, 98000);
    {
        p.SelectFont(5);
        const int x = L + (20000 - p.TextWidth(d.schoolNumber)) / 2 + 5000;
        schoolField(d.schoolNumber, x, T + 149100, 13, x + 2000, L + 18000, T + 150700, 18000);
    }
    s.Dots(L + 5000, L + 24000, T + 154500);
    s.Dots(L + 32000, R, T + 154500);
    p.SelectFont(5);
    schoolField(d.patron2, p.Centred(p.TextWidth(d.patron2)), T + 158900, 15, L + 2000, R - 2000,
                T + 160500, 138000);
    s.Dots(L, R, T + 164300);

    s.Label(2, L, T + 171200, "w");
    s.Label(2, L + 59000, T + 171200, "woj.");
    if (!d.schoolTown.empty()) s.Datum(5, {L + 5000, T + 168600}, 16, d.schoolTown);
    s.Datum(5, {L + 67000, T + 168600}, 17, d.schoolVoivodeship);
    s.Dots(L + 4000, L + 57000, T + 174000);
    s.Dots(L + 67000, R, T + 174000);

    s.Label(2, L + 24000, T + 181000, "i");
    s.Label(2, L + 36000, T + 181000, "otrzymał");
    s.Label(2, L + 55000, T + 181000, "promocj");
    s.Label(2, L + 73000, T + 181000, "do klasy");
    if (d.promoted) {
        if (full) {
            p.Rule(L + 28000, L + 31000, T + 180000);
        } else {
            const Point e = s.Entry(20);
            p.Rule(e.x + 2000, e.x + 8000, e.y);
        }
    } else {
        s.Datum(5, {L + 26000, T + 178400}, 20, "nie");
    }
    s.Datum(5, {L + 50000, T + 178400}, 21, ending);
    s.Datum(5, {L + 67000, T + 178400}, 22, d.promoted ? U("ę") : U("i"));
    s.Datum(5, {L + 87000, T + 178400}, 23, U(PromotedToClass(d.grade)));
    s.Dots(L + 26000, L + 34000, T + 183800);
    s.Dots(L + 48500, L + 53000, T + 183800);
    s.Dots(L + 67000, L + 71000, T + 183800);
    s.Dots(L + 86000, L + 111000, T + 183800);

    s.Label(2, L + 63000, T + 205000, ", dnia");
    s.Label(2, L + 134000, T + 205000, "r.");
    if (!d.documentTown.empty()) s.Datum(5, {L + 2000, T + 202400}, 24, d.documentTown);
    s.Datum(5, {L + 78000, T + 202400}, 25, d.documentDay + " " + d.documentMonth.text);
    s.Datum(5, {L + 121000, T + 202400}, 26, d.documentYear.text);
    s.Label(3, L + 24000, T + 208500, "miejscowość");
    s.Dots(L, L + 62000, T + 207800);
    s.Dots(L + 73000, L + 115000, T + 207800);
    s.Dots(L + 118000, L + 133000, T + 207800);

    s.Label(2, L, T + 230000, "Nr");
    s.Dots(L + 5000, L + 34000, T + 232800);
    wxString evidence = d.evidenceNumber;
    evidence.Replace("(d)", "");
    s.Datum(5, {L + 7000, T + 227400}, 27, evidence);
    s.Label(3, L + 98000, T + 244000, "pieczęć i podpis dyrektora");
    s.Dots(L + 87000, L + 135000, T + 243000);
    s.Label(7, L + 1000, T + 271000, "MEN-I/1/1");
    if (full) p.DottedCircle();
    s.Label(3, L + 65500, T + 231000, "m.p.");
}

void DrawCertificateBack(PagePainter& p, const BackData& d, const CalibrationTable& table,
                         TextFitter& fitter) {
    Side s(p, table, 1);
    const int L = s.L, R = s.R, T = s.T;
    const bool full = s.Full();
    const int shift = (d.fontSize - 9) * 300;
    p.SetCertificateSize(d.fontSize);

    // A box whose text does not fit stays empty; its check has told the teacher.
    auto box = [&](CertificateBox shape, const wxString& text, int y, int section, bool strike) {
        const FitResult fit = CertificatePercent(fitter, d.fontSize, shape, text);
        if (!fit.Drawn()) return;
        p.SelectFont(6);
        const FormRows rows = s.Rows(section, d.sheetOption, shape.lines);
        p.DrawBlock(L, R, shape.indent, y, kCertificateLineSpacing, shape.lines, fit.lines, strike,
                    full ? nullptr : &rows);
    };
    auto boxDots = [&](int y, int n, int firstIndent) {
        for (int i = 0; i < n; ++i)
            s.Dots(i == 0 ? L + firstIndent : L, R, y + i * kCertificateLineSpacing);
    };

    s.Label(2, L + 39000, T + 35000, "WYNIKI  KLASYFIKACJI  ROCZNEJ");
    box(kBehaviourBox, d.texts.behaviour, T + 44000 - shift, 1, true);
    boxDots(T + 47800, 7, 20000);
    s.Label(2, L, T + 45000, "zachowanie");

    s.Label(2, L, T + 80500, "religia / etyka");
    p.SelectFont(6);
    auto mark = [&](const wxString& value, int textX, int kreskaX1, int kreskaX2, int emptyX1) {
        if (LookOf(value) == FieldLook::Text) {
            s.Datum(6, {textX, T + 79300 - shift}, 35, value);
        } else if (full && LookOf(value) == FieldLook::Rule) {
            if (value.Contains("kreska")) p.Rule(kreskaX1, kreskaX2, T + 79300);
            else p.Rule(emptyX1, R - 2000, T + 79300);
        }
    };
    mark(d.texts.religion, L + 80000, L + 82000, L + 108000, L + 82000);
    mark(d.texts.ethics, L + 110000, L + 108000, R - 2000, L + 112000);
    s.Dots(L + 80000, R, T + 83100);

    s.Label(4, L + 44000, T + 85500, "Obowiązkowe zajęcia edukacyjne");
    box(kEducationBox, d.texts.education, T + 89500 - shift, 2, true);
    boxDots(T + 93300, 11, 0);

    // On a pre-printed form the additional and the other classes share one field: the one with
    // a text takes it, and an empty one must not strike out the other's lines.
    const bool shared = !full;
    const bool otherOnly = shared && d.texts.additional.empty() && !d.texts.other.empty();
    if (!otherOnly) box(kAdditionalBox, d.texts.additional, T + 149500 - shift, 3, true);
    s.Label(4, L + 45000, T + 145300, "Dodatkowe zajęcia edukacyjne");
    boxDots(T + 153900, 3, 0);
    if (!shared || otherOnly) box(kOtherBox, d.texts.other, T + 169000 - shift, 3, true);
    else if (!d.texts.other.empty()) box(kOtherBox, d.texts.other, T + 169000 - shift, 3, false);
    s.Label(4, L + 57500, T + 164800, "Inne zajęcia");
    boxDots(T + 173400, 3, 0);

    box(kIndividualBox, d.texts.individual, T + 190500 - shift, 4, true);
    s.Label(4, L + 40500, T + 186000, "Indywidualny program lub tok nauki");
    boxDots(T + 194300, 3, 0);

    box(kAchievementsBox, d.texts.achievements, T + 209600 - shift, 5, true);
    s.Label(4, L + 51000, T + 205000, "Szczególne osiągnięcia");
    boxDots(T + 213400, 4, 0);

    s.Label(3, L + 94500, T + 247500, "podpis wychowawcy klasy");
    s.Dots(L + 81000, R, T + 246000);
    p.SelectFont(2);
    s.Datum(2, {L + (55000 - p.TextWidth(d.teacherName)) / 2 + 80000, T + 233500}, 57,
            d.teacherName);

    s.Label(16, L, T + 243000, "Skala ocen :");
    s.Label(16, L, T + 245900, "1) zachowanie, zajęcia edukacyjne: ocena opisowa;");
    s.Label(16, L, T + 248900, "2) religia / etyka : celujący, bardzo dobry, dobry,");
    s.Label(16, L, T + 251900, "    dostateczny, dopuszczający, niedostateczny.");
}

}  // namespace kw
