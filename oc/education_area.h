#pragma once
// One area of the education page: its tab panel, its parts notebook with the part pages, the
// phrase controls of its catalogue, the teacher's own text, and its text builder.

#include <memory>
#include <vector>

#include "controls/value_controls.h"
#include "oc/catalogue.h"

namespace kw {

struct AreaInfo {
    const char* tab;        // "Mówienie" ...
    int panelId;            // 12009 ...
    int base;               // 13000 ...: the parts notebook; base + 1 the own text
    int ownTextId;          // base + 1, or base for an area without a notebook
    const char* ownLabel;   // the label above the own-text field
    int chartIndex;         // 0..7, -1 for the areas without a score
};

using CatalogueTable = std::vector<CatalogueEntry>;

class EducationArea {
public:
    // parts: one table per part page ("Część 1." ...); noNotebook puts the only part straight on
    // the area panel.
    EducationArea(const AreaInfo& info, const std::vector<CatalogueTable>& parts,
                  const CtrBase::Callback& changed, const CtrBase::Callback& ownTextChanged,
                  bool noNotebook = false);
    virtual ~EducationArea() = default;

    // The raw text of the area's parts, without the own text. Builders may clear controls that
    // an unticked control disables.
    virtual wxString PartsText() = 0;

    const AreaInfo& Info() const { return info_; }
    CtrPanel& Panel() { return *panel_; }
    CtrText& OwnText() { return *ownText_; }
    const Catalogue& Controls() const { return catalogue_; }
    // Mean score of the area's scored phrases.
    int Score() const;

protected:
    CtrRadioGroup& Radio(int id) const { return catalogue_.Radio(id); }
    CtrCheckGroup& Checks(int id) const { return catalogue_.Checks(id); }
    CtrCheck& Check(int id) const { return catalogue_.Check(id); }
    CtrRadio& RadioButton(int id) const { return catalogue_.RadioButton(id); }
    CtrChoice& Choice(int id) const { return catalogue_.Choice(id); }
    wxString JC(int id) const { return Radio(id).JoinChoice(); }
    wxString SC(int id) const { return Radio(id).SentenceChoice(); }

private:
    AreaInfo info_;
    std::unique_ptr<CtrPanel> panel_;
    Catalogue catalogue_;
    std::unique_ptr<CtrText> ownText_;
};

// The ten areas in tab order.
std::vector<std::unique_ptr<EducationArea>> BuildEducationAreas(
    const CtrBase::Callback& changed, const CtrBase::Callback& ownTextChanged);

// Upper-cases the character at a position (a letter after a point mark that starts a sentence).
void CapitalAt(wxString& text, size_t position);

}  // namespace kw
