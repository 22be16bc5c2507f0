#include "app/app_state.h"

#include <ctime>

#include "klasa/klasa.h"

namespace kw {

AppState& State() {
    static AppState state;
    return state;
}

Klasa* OpenClass() { return State().klasa.get(); }

void SetModified() { State().modified = true; }
void ClearModified() { State().modified = false; }
bool IsModified() { return State().modified; }

long Now() {
    if (State().clock) return State().clock();
    // Local time, as the times are compared only with each other and shown nowhere.
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<long>(t + local.tm_gmtoff);
}

namespace words {
namespace {
std::vector<wxString> FromUtf8(std::initializer_list<const char*> items) {
    std::vector<wxString> out;
    for (const char* s : items) out.push_back(wxString::FromUTF8(s));
    return out;
}
}  // namespace

const std::vector<wxString>& AssessmentKinds() {
    static const auto v =
        FromUtf8({"Świadectwo/arkusz ocen", "Ocena okresowa + wykres", "List do ucznia"});
    return v;
}

// Index 0 is 2010/2011 for good: stored classes keep their meaning as the list grows.
const std::vector<wxString>& SchoolYears() {
    static const auto v = [] {
        std::vector<wxString> out;
        for (int y = 2010; y <= 2040; ++y) out.push_back(wxString::Format("%d/%d", y, y + 1));
        return out;
    }();
    return v;
}

const std::vector<wxString>& Years() {
    static const auto v = [] {
        std::vector<wxString> out;
        for (int y = 2010; y <= 2041; ++y) out.push_back(wxString::Format("%d", y));
        return out;
    }();
    return v;
}

const std::vector<wxString>& Months() {
    static const auto v =
        FromUtf8({"stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca", "lipca",
                  "sierpnia", "września", "października", "listopada", "grudnia"});
    return v;
}

const std::vector<wxString>& Voivodeships() {
    static const auto v = FromUtf8(
        {"dolnośląskie", "kujawsko-pomorskie", "lubelskie", "lubuskie", "łódzkie", "małopolskie",
         "mazowieckie", "opolskie", "podkarpackie", "podlaskie", "pomorskie", "śląskie",
         "świętokrzyskie", "warmińsko-mazurskie", "wielkopolskie", "zachodniopomorskie"});
    return v;
}
}  // namespace words

}  // namespace kw
