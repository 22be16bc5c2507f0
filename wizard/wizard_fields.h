#pragma once
// The stored fields of the wizard's three pages as control models: the class, the current pupil
// and the current assessment. The windows attach their widgets to these.

#include <memory>
#include <vector>

#include "controls/phrase_controls.h"
#include "controls/value_controls.h"

namespace kw {

// Change handlers the fields call; either may be empty.
struct WizardHandlers {
    CtrBase::Callback quietCheck;      // the front check after an edit of a printed field
    CtrBase::Callback contextChanged;  // class number, sex or kind: the texts must recompose
};

class ClassFields {
public:
    explicit ClassFields(const WizardHandlers& handlers);
    CtrPanel& Page() { return *page_; }
    CtrChoice& SchoolYear() { return Choice(101); }
    CtrChoice& ClassNumber() { return Choice(102); }
    CtrCheck& SheetOption() { return *option123_; }  // 123: MEN-I/45/1 for class 1
    CtrText& TeacherName() { return Text(119); }     // 119: the class teacher's name
    CtrChoice& Choice(int id) const;
    CtrText& Text(int id) const;

private:
    std::unique_ptr<CtrPanel> page_;
    std::vector<std::unique_ptr<CtrBase>> fields_;
    std::unique_ptr<CtrCheck> option123_;
};

class PupilFields {
public:
    explicit PupilFields(const WizardHandlers& handlers);
    CtrPanel& Page() { return *page_; }
    CtrString& NumberHolder() { return *numberHolder_; }   // 201
    CtrString& SurnameHolder() { return *surnameHolder_; }  // 202
    CtrChoice& Sex() { return Choice(210); }
    CtrChoice& Promotion() { return Choice(211); }
    CtrChoice& Choice(int id) const;
    CtrText& Text(int id) const;  // CtrText or CtrCombo

private:
    std::unique_ptr<CtrPanel> page_;
    std::unique_ptr<CtrString> numberHolder_, surnameHolder_;
    std::vector<std::unique_ptr<CtrBase>> fields_;
};

class AssessmentFields {
public:
    explicit AssessmentFields(const WizardHandlers& handlers);
    CtrPanel& Page() { return *page_; }
    CtrString& NumberHolder() { return *holders_[0]; }  // 301
    CtrString& KindHolder() { return *holders_[1]; }    // 302
    CtrString& NameHolder() { return *holders_[2]; }    // 303
    CtrText& Number() { return *number_; }              // 304
    CtrChoice& Kind() { return *kind_; }                // 305
    CtrText& Name() { return *name_; }                  // 306
    CtrText& Notes() { return *notes_; }                // 307

private:
    std::unique_ptr<CtrPanel> page_;
    std::unique_ptr<CtrString> holders_[3];
    std::unique_ptr<CtrText> number_, name_, notes_;
    std::unique_ptr<CtrChoice> kind_;
};

}  // namespace kw
