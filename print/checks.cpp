#include "print/checks.h"

#include "app/app_state.h"
#include "app/assertion.h"
#include "app/core.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/utf8.h"
#include "oc/print_texts.h"
#include "print/document_data.h"
#include "print/fonts.h"
#include "print/text_boxes.h"

namespace kw {
namespace {

const char kDashHint[] =
    " - wpisz (kreska) jeśli ma być kreska, (puste) jeśli pole ma zostać puste\n";
const char kChoiceHint[] =
    " - wybierz (kreska) jeśli ma być kreska, (puste) jeśli pole ma zostać puste\n";

// The areas in the order of their "Brak" messages, with their tab indices.
struct AreaMessage {
    int area;
    const char* text;
    bool certificateOnly;  // the letter and the report do not ask for it
};
constexpr AreaMessage kAreaMessages[] = {
    {0, "Brak oceny z mówienia.\n", false},
    {1, "Brak oceny ze słuchania.\n", false},
    {2, "Brak oceny z czytania.\n", false},
    {3, "Brak oceny z pisania.\n", false},
    {5, "Brak oceny z matematyki.\n", false},
    {4, "Brak oceny z języka obcego.\n", true},
    {6, "Brak oceny z zajęć społeczno-przyrodniczych.\n", false},
    {7, "Brak oceny z informatyki.\n", true},
    {8, "Brak oceny z zajęć artystyczno-technicznych.\n", false},
    {9, "Brak oceny z zajęć ruchowych.\n", false},
};

}  // namespace

PrePrintChecks::PrePrintChecks(Core& core) : core_(core) {}
PrePrintChecks::~PrePrintChecks() = default;

TextFitter& PrePrintChecks::Fitter() {
    TextMetrics* metrics = InstalledTextMetrics();
    KW_ASSERT_MSG(metrics, "print", "no text metrics installed");
    if (!fitter_ || metrics != fitterMetrics_) {
        static class NoMetrics : public TextMetrics {
            int Width(const wxString&, const FontSpec&) override { return 0; }
            int Height(const wxString&, const FontSpec&) override { return 1; }
        } none;
        fitter_ = std::make_unique<TextFitter>(metrics ? *metrics : none, method_);
        fitterMetrics_ = metrics;
    }
    return *fitter_;
}

void PrePrintChecks::SetBreakMethod(BreakMethod method) {
    method_ = method;
    fitter_.reset();
}

void PrePrintChecks::ForgetWordWidths() {
    if (fitter_) fitter_->ClearCache();
}

bool PrePrintChecks::Skipped(CheckFlags flags) const { return Loading() && !flags.force; }

bool PrePrintChecks::CommonEnd(const std::vector<wxString>& messages, bool printing) {
    if (messages.empty()) return true;
    wxString text;
    for (const wxString& m : messages) text += m;
    const wxString caption = U(KWERLO_TITLE " - Problem z napisami na wydruku.");
    if (printing) {
        text += U("\n\n DRUKOWAĆ pomimo kłopotów ?");
        return TheMessages().Show(text, caption, Buttons::YesNoNoDefault, Icon::Warning) ==
               Answer::Yes;
    }
    TheMessages().Show(text, caption, Buttons::Ok, Icon::Warning);
    return false;
}

std::optional<std::vector<wxString>> PrePrintChecks::FrontMessages(CheckFlags flags) {
    if (Skipped(flags)) return std::nullopt;
    return Front(flags);
}

std::optional<std::vector<wxString>> PrePrintChecks::AssessmentMessages(int kind,
                                                                        CheckFlags flags) {
    if (Skipped(flags)) return std::nullopt;
    switch (kind) {
        case 1: return LetterOrReport(false, flags);
        case 2: return LetterOrReport(true, flags);
        default: return Certificate(flags);
    }
}

bool PrePrintChecks::FrontCheck(CheckFlags flags) {
    const auto m = FrontMessages(flags);
    return m && CommonEnd(*m, flags.printing);
}

bool PrePrintChecks::CertificateCheck(CheckFlags flags) { return AssessmentCheck(0, flags); }
bool PrePrintChecks::ReportCheck(CheckFlags flags) { return AssessmentCheck(1, flags); }
bool PrePrintChecks::LetterCheck(CheckFlags flags) { return AssessmentCheck(2, flags); }

bool PrePrintChecks::AssessmentCheck(int kind, CheckFlags flags) {
    const auto m = AssessmentMessages(kind, flags);
    return m && CommonEnd(*m, flags.printing);
}

PrePrintChecks::Messages PrePrintChecks::Front(CheckFlags flags) {
    const FrontData d = CurrentFrontData(core_);
    TextMetrics& metrics = Fitter().Metrics();
    Messages out;
    auto missing = [&](bool empty, const char* text) {
        if (empty && flags.reportMissing) out.push_back(U(text));
    };
    auto missingField = [&](const wxString& value, const char* field) {
        if (value.empty() && flags.reportMissing)
            out.push_back(U("Brak '") + U(field) + "'" + U(kDashHint));
    };
    // A too-long value is told once, until it changes (or the check is forced); what was within
    // its limit or told is remembered.
    auto tooLong = [&](int row, const wxString& value, int font, int limit, const char* text) {
        const bool over = metrics.Width(value, TableFont(font, 0)) > limit;
        wxString& remembered = frontRemembered_[row];
        bool told = false;
        if (over && (flags.force || value != remembered)) {
            out.push_back(U(text));
            told = true;
        }
        if (!over || told) remembered = value;
    };

    missingField(d.schoolNumber, "numeru szkoły");
    missingField(d.schoolName1, "nazwy szkoły 1");
    tooLong(2, d.schoolName1, 5, 138000, "'Nazwa szkoły 1' jest za długa.\n");
    missingField(d.schoolName2, "nazwy szkoły 2");
    tooLong(3, d.schoolName2, 5, 138000, "'Nazwa szkoły 2' jest za długa.\n");
    tooLong(4, d.schoolNumber, 5, 20000, "Numer szkoły jest za długi.\n");
    missingField(d.patron1, "Szkoła imienia 1");
    tooLong(5, d.patron1, 5, 98000, "Tekst w polu : 'Szkoła imienia' jest za długi.\n");
    missingField(d.patron2, "Szkoła imienia 2");
    tooLong(6, d.patron2, 5, 138000, "'Szkoła imienia 2' jest za długi.\n");
    missing(d.schoolTown.empty(), "Brak adresu  ( miejscowości ) szkoły.\n");
    tooLong(7, d.schoolTown, 5, 58000, "Adres szkoły ( miejscowość ) jest za długi.\n");
    missing(d.schoolVoivodeship.empty(), "Brak adresu  ( województwa ) szkoły.\n");
    tooLong(8, d.schoolVoivodeship, 5, 58000, "Adres szkoły ( województwo ) jest za długi.\n");
    missing(d.documentTown.empty(), "Brak adresu  ( miejscowości ) dokumentu.\n");
    tooLong(9, d.documentTown, 5, 58000, "Adres dokumentu ( miejscowość ) jest za długi.\n");
    missing(d.schoolYear.index < 0, "Brak roku szkolnego.\n");
    missing(d.councilDay.empty(), "Brak dnia rady.\n");
    missing(d.councilMonth.index < 0, "Brak miesiąca rady.\n");
    missing(d.councilYear.index < 0, "Brak roku rady.\n");
    missing(d.documentDay.empty(), "Brak dnia dokumentu.\n");
    missing(d.documentMonth.index < 0, "Brak miesiąca dokumentu.\n");
    missing(d.documentYear.index < 0, "Brak roku dokumentu.\n");
    missing(d.firstName.empty(), "Brak imienia.\n");
    missing(d.surname.empty(), "Brak nazwiska.\n");
    tooLong(19, d.firstName + " " + d.surname, 9, 138000, "Imię i nazwisko są za długie.\n");
    if (d.sheetOption) {
        missing(d.birthVoivodeship.empty(), "Brak województwa urodzenia ucznia.\n");
        if (!d.birthVoivodeship.empty() && d.birthVoivodeship[0] >= '0' &&
            d.birthVoivodeship[0] <= '9')
            out.push_back(U("Województwo urodzenia ucznia ma cyfry zamiast liter.\n"));
        tooLong(20, d.birthVoivodeship, 5, 58000, "województwo urodzenia ucznia jest za długie.\n");
    }
    tooLong(21, d.birthPlace, 5, 58000, "Nazwa miejscowości urodzenia jest za długa.\n");
    missing(d.birthDay.empty(), "Brak dnia urodzenia.\n");
    missing(d.birthMonth.index < 0, "Brak miesiąca urodzenia.\n");
    missing(d.birthYear.empty(), "Brak roku urodzenia.\n");
    missing(d.registerNumber.empty(), "Brak numeru w dzienniku.\n");
    return out;
}

void PrePrintChecks::MissingAreas(const PrintTexts& t, bool withLanguageAndComputing,
                                  Messages& out) const {
    for (const AreaMessage& a : kAreaMessages) {
        if (a.certificateOnly && !withLanguageAndComputing) continue;
        if (!t.areaHasText[static_cast<size_t>(a.area)]) out.push_back(U(a.text));
    }
}

CertificateFill PrePrintChecks::FitCertificate(const PrintTexts& t, int fontSize) {
    TextFitter& fitter = Fitter();
    auto fit = [&](CertificateBox box, const wxString& text) {
        return CertificatePercent(fitter, fontSize, box, text).percent;
    };
    CertificateFill f;
    f.behaviour = fit(kBehaviourBox, t.behaviour);
    f.education = fit(kEducationBox, t.education);
    f.additional = fit(kAdditionalBox, t.additional);
    f.other = fit(kOtherBox, t.other);
    f.individual = fit(kIndividualBox, t.individual);
    f.achievements = fit(kAchievementsBox, t.achievements);
    return f;
}

PrePrintChecks::Messages PrePrintChecks::Certificate(CheckFlags flags) {
    const PrintTexts t = CurrentPrintTexts(core_.Editor());
    const CertificateFill fill = FitCertificate(t, CertificateFontSize(core_.Print()));
    SpaceGauges& gauges = core_.Editor().Gauges();
    Messages out;
    gauges.letterReport = 0;

    // A full box is told when forced or when its text has grown since.
    auto box = [&](int p, const wxString& text, size_t* remembered, const char* tooLong) {
        if (p == 100 && (!remembered || flags.force || text.length() > *remembered))
            out.push_back(U(tooLong));
        return p;
    };

    gauges.behaviour = box(fill.behaviour, t.behaviour, &behaviourLength_,
                           "Za długa ocena z zachowania.\n");
    if (t.behaviour.empty() && flags.reportMissing)
        out.push_back(U("Brak oceny z zachowania.\n"));
    behaviourLength_ = t.behaviour.length();

    gauges.education = box(fill.education, t.education, &educationLength_,
                           "Za długa ocena z zajęć edukacyjnych.\n");
    if (flags.reportMissing) {
        if (t.education.empty())
            out.push_back(U("Brak oceny z zajęć edukacyjnych.\n"));
        else
            MissingAreas(t, true, out);
    }
    educationLength_ = t.education.length();

    box(fill.additional, t.additional, nullptr, "Za długi tekst dodatkowych zajęć edukacyjnych\n");
    box(fill.other, t.other, nullptr, "Za długi tekst Innych zajęć\n");
    box(fill.individual, t.individual, nullptr, "Za długi tekst indywidualnego programu nauki\n");
    gauges.achievements = box(fill.achievements, t.achievements, &achievementsLength_,
                              "Za długi tekst szczególnych osiągnięć\n");
    achievementsLength_ = t.achievements.length();

    if (flags.reportMissing) {
        if (t.religion.empty()) out.push_back(U("Brak oceny z religii") + U(kChoiceHint));
        if (t.ethics.empty()) out.push_back(U("Brak oceny z etyki") + U(kChoiceHint));
    }
    return out;
}

PrePrintChecks::Messages PrePrintChecks::LetterOrReport(bool letter, CheckFlags flags) {
    const PrintTexts t = CurrentPrintTexts(core_.Editor());
    TextFitter& fitter = Fitter();
    SpaceGauges& gauges = core_.Editor().Gauges();
    Messages out;
    gauges.behaviour = gauges.education = gauges.achievements = 0;

    const wxString combined = CombinedText(t);
    const int p = (letter ? LetterPercent(fitter, combined) : ReportPercent(fitter, combined)).percent;
    gauges.letterReport = p;
    size_t& remembered = letter ? letterLength_ : reportLength_;
    if (p == 100 && (flags.force || combined.length() > remembered))
        out.push_back(letter ? U("Łączna długość ocen zachowania, zajęć edukacyjnych i osiągnięć "
                                 "nie mieści się w liście.\n")
                             : U("Łączna długość ocen zachowania, zajęć edukacyjnych i osiągnięć "
                                 "nie mieści się w raporcie.\n"));
    remembered = combined.length();

    if (flags.reportMissing) {
        if (t.behaviour.empty()) out.push_back(U("Brak oceny z zachowania.\n"));
        if (t.education.empty())
            out.push_back(U("Brak oceny z zajęć edukacyjnych.\n"));
        else
            MissingAreas(t, false, out);
    }
    return out;
}

}  // namespace kw
