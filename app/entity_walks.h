#pragma once
// Saving and loading the class, the current pupil and the current assessment through the
// registered controls, in two passes (the early holders first), and switching the current
// entities.

#include <vector>

#include <wx/string.h>

namespace kw {

class Ocena;
class Uczen;

// Controls -> records. Saving the class also saves the current pupil and assessment.
void SaveClassRecords();
void SavePupilRecords();
void SaveAssessmentRecords();

// Records -> controls.
void LoadClassRecords();
void LoadPupilRecords();
void LoadAssessmentRecords();
// Only the early controls (the holders), which also fill the entity's cached texts.
void LoadPupilEarly();
void LoadAssessmentEarly();

// Saves the current pupil and its assessment, makes the pupil current and loads it, then makes
// its newest assessment current and loads it (or clears and disables the assessment controls).
void SelectPupil(Uczen* pupil);
// Saves the current assessment, makes the chosen one current and loads it.
void SelectAssessment(Ocena* assessment);

// Fills the cached texts of every pupil or assessment through the early controls; no entity is
// current afterwards.
void ReadPupilList();
void ReadAssessmentList(Uczen* pupil);

// Register numbers and assessment numbers compare by the value of their leading digits.
long LeadingNumber(const wxString& text);

// The pupil's assessments by number, highest first (the order of the lists and selectors).
std::vector<Ocena*> AssessmentsNewestFirst(const Uczen& pupil);

// The number text and the kind (0..2, -1 for none) that loading the assessment would give, read
// from its records alone.
wxString StoredAssessmentNumber(const Ocena& assessment);
int StoredAssessmentKind(const Ocena& assessment);

// Every assessment-level control empty and enabled or disabled.
void ClearAssessmentControls(bool enable);

}  // namespace kw
