#include "oc/marks_pages.h"

#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/registry.h"
#include "controls/token.h"

namespace kw {
namespace {
Phrases MarkList() {
    Phrases out;
    for (const char* s : {"(puste)", "(kreska)", "celujący", "bardzo dobry", "dobry",
                          "dostateczny", "dopuszczający", "niedostateczny"})
        out.push_back(wxString::FromUTF8(s));
    return out;
}
}  // namespace

MarksPage::MarksPage() {
    page_ = std::make_unique<CtrPanel>(21000, 0, Rect{});
    ParentScope inPage(*page_);
    religion_ = std::make_unique<CtrChoice>(21001, kAssessmentStored, Rect{136, 48, 145, 15},
                                            MarkList());
    ethics_ = std::make_unique<CtrChoice>(21002, kAssessmentStored, Rect{136, 78, 145, 15},
                                          MarkList());
}

wxString TypedTextPrintText(const wxString& typed) {
    wxString text = TheToken().Plain(Token::Expand(typed));
    Respace(text);
    return text;
}

FreeTextPage::FreeTextPage(int pageId, int fieldId, const wxString& heading,
                           CtrBase::Callback updateSpace)
    : heading_(heading) {
    page_ = std::make_unique<CtrPanel>(pageId, 0, Rect{});
    ParentScope inPage(*page_);
    field_ = std::make_unique<CtrText>(fieldId, kAssessmentStored, "", Rect{172, 60, 461, 117},
                                       std::move(updateSpace), 10000, 4, kMarkChars, true);
}

wxString FreeTextPage::PrintText() const { return TypedTextPrintText(field_->Text()); }

}  // namespace kw
