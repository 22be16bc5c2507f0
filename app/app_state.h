#pragma once
// Program-wide state without windows: the open class, the modified flag, the loading counter, the
// class-teacher name, the clock and the fixed word lists.

#include <functional>
#include <memory>
#include <vector>

#include <wx/string.h>

namespace kw {

class Klasa;

struct AppState {
    std::unique_ptr<Klasa> klasa;  // the open class, or none
    bool modified = false;
    int loading = 0;
    wxString teacherName;
    // Local time in whole seconds; replaceable so that tests can step it.
    std::function<long()> clock;
};

AppState& State();
Klasa* OpenClass();

void SetModified();
void ClearModified();
bool IsModified();
long Now();

// Raises the loading counter for its lifetime: changes the program makes to controls meanwhile
// are not the teacher's edits.
class LoadingGuard {
public:
    LoadingGuard() { ++State().loading; }
    ~LoadingGuard() { --State().loading; }
    LoadingGuard(const LoadingGuard&) = delete;
    LoadingGuard& operator=(const LoadingGuard&) = delete;
};
inline bool Loading() { return State().loading > 0; }

// The fixed vocabulary of the choice controls.
namespace words {
const std::vector<wxString>& AssessmentKinds();  // "Świadectwo/arkusz ocen", ...
const std::vector<wxString>& SchoolYears();      // "2010/2011" ... "2040/2041"
const std::vector<wxString>& Years();            // "2010" ... "2041"
const std::vector<wxString>& Months();           // genitive: "stycznia" ...
const std::vector<wxString>& Voivodeships();     // "dolnośląskie" ...
}  // namespace words

}  // namespace kw
