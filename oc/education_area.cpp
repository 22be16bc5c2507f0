#include "oc/education_area.h"

#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/registry.h"

namespace kw {

EducationArea::EducationArea(const AreaInfo& info, const std::vector<CatalogueTable>& parts,
                             const CtrBase::Callback& changed,
                             const CtrBase::Callback& ownTextChanged, bool noNotebook)
    : info_(info) {
    panel_ = std::make_unique<CtrPanel>(info.panelId, 0, Rect{});
    ParentScope inPanel(*panel_);
    if (noNotebook) {
        catalogue_.Build(parts.at(0), changed);
    } else {
        CtrNotebook& notebook = catalogue_.Keep(
            std::make_unique<CtrNotebook>(info.base, kAssessmentContainer, Rect{0, 0, 781, 262}));
        ParentScope inNotebook(notebook);
        static const char* const kPartLabels[] = {"Część 1.", "Część 2.", "Część 3."};
        for (size_t i = 0; i < parts.size(); ++i) {
            CtrPanel& page = catalogue_.Keep(
                std::make_unique<CtrPanel>(info.base + 2 + static_cast<int>(i), 0, Rect{}));
            notebook.AddPage(&page, wxString::FromUTF8(kPartLabels[i]));
            ParentScope inPage(page);
            catalogue_.Build(parts[i], changed);
        }
    }
    ownText_ = std::make_unique<CtrText>(info.ownTextId, kAssessmentStored, "",
                                         Rect{0, 281, 775, -1}, ownTextChanged, 10000, 4,
                                         kMarkChars);
}

int EducationArea::Score() const { return SectionScore(*panel_); }

void CapitalAt(wxString& text, size_t position) {
    if (position < text.length()) text[position] = wxString(text[position]).Upper()[0];
}

}  // namespace kw
