#pragma once
// The behaviour catalogue: 36 phrase controls on the three tabs "Część 1.", "Część 2." and
// "Część 3.", the order in which their sentences are composed, and the behaviour points.

#include <vector>

#include "controls/phrase_controls.h"
#include "oc/catalogue.h"

namespace kw {

class BehaviourCatalogue {
public:
    // Builds the notebook 11009 with its pages and controls under the current parent.
    explicit BehaviourCatalogue(CtrBase::Callback changed);

    // The raw behaviour text: sentences with marks, paragraph mark and conjunctions.
    wxString Text() const;
    // Mean score of every ticked phrase of the three tabs.
    int Score() const;

    CtrNotebook& Notebook() { return *notebook_; }
    CtrRadioGroup& Radio(int id) const;
    CtrCheckGroup& Checks(int id) const;
    // Every phrase control, in the order of the catalogue.
    const std::vector<CtrBase*>& PhraseControls() const { return catalogue_.PhraseControls(); }

private:
    Catalogue catalogue_;
    CtrNotebook* notebook_ = nullptr;
};

}  // namespace kw
