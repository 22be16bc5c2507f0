#pragma once
// The religion and ethics marks and the four free texts of an assessment.

#include <memory>

#include "controls/phrase_controls.h"
#include "controls/value_controls.h"

namespace kw {

// "Religia/Etyka": two choices of the mark list.
class MarksPage {
public:
    MarksPage();
    // The chosen entry's text, empty when none is chosen.
    wxString ReligionText() const { return religion_->SelectedCaption(); }
    wxString EthicsText() const { return ethics_->SelectedCaption(); }
    CtrChoice& Religion() { return *religion_; }
    CtrChoice& Ethics() { return *ethics_; }
    CtrPanel& Page() { return *page_; }

private:
    std::unique_ptr<CtrPanel> page_;
    std::unique_ptr<CtrChoice> religion_, ethics_;
};

// One page with a free text: special achievements, additional classes, other classes or the
// individual programme.
class FreeTextPage {
public:
    FreeTextPage(int pageId, int fieldId, const wxString& heading, CtrBase::Callback updateSpace);
    // What is printed: shorthand expanded and rendered away, spacing normalised.
    wxString PrintText() const;
    const wxString& Heading() const { return heading_; }
    CtrText& Field() { return *field_; }
    CtrPanel& Page() { return *page_; }

private:
    std::unique_ptr<CtrPanel> page_;
    std::unique_ptr<CtrText> field_;
    wxString heading_;
};

// The printed form of a typed text.
wxString TypedTextPrintText(const wxString& typed);

}  // namespace kw
