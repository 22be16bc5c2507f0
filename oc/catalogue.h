#pragma once
// Phrase catalogues as data: each entry names a control, its kind, the box that holds it, its
// caption, place and options. Building a table creates the controls in table order under the
// current parent, each box pushed as parent for the entries inside it.

#include <map>
#include <memory>
#include <vector>

#include "controls/phrase_controls.h"

namespace kw {

enum class CtrKind { Checks, Radio, Box, Check, RadioButton, Choice };

// The flag word a kind has unless the entry says otherwise.
constexpr uint32_t kDefaultFlags = 0xFFFFFFFF;

struct CatalogueEntry {
    int id;
    CtrKind kind;
    int box;  // the id of the box that holds it, 0 for the page
    const char* caption;
    Rect rect;
    std::vector<const char*> options;  // the single phrase of a Check or RadioButton
    uint32_t flags = kDefaultFlags;
    int rowHeight = -1;
};

class Catalogue {
public:
    // Builds the entries under the current parent; every phrase control calls changed.
    void Build(const std::vector<CatalogueEntry>& entries, const CtrBase::Callback& changed);
    // Adopts a control built elsewhere (pages, notebooks) so that it lives as long as the rest.
    template <class T>
    T& Keep(std::unique_ptr<T> control) {
        T& ref = *control;
        byId_[control->Id()] = control.get();
        owned_.push_back(std::move(control));
        return ref;
    }

    CtrRadioGroup& Radio(int id) const;
    CtrCheckGroup& Checks(int id) const;
    CtrCheck& Check(int id) const;
    CtrRadio& RadioButton(int id) const;
    CtrChoice& Choice(int id) const;
    CtrBase& Control(int id) const { return *byId_.at(id); }
    // Every phrase control built from tables, in table order.
    const std::vector<CtrBase*>& PhraseControls() const { return phraseControls_; }

private:
    std::vector<std::unique_ptr<CtrBase>> owned_;
    std::map<int, CtrBase*> byId_;
    std::vector<CtrBase*> phraseControls_;
};

// Adds contribution to part as one sentence: prefix in front and a full stop at the end; nothing
// when the contribution is empty.
void AppendPrefixed(wxString& part, const wxString& prefix, const wxString& contribution);
// Keeps the first occurrence of word (when it is not at the very start) and deletes every later
// one.
void KeepFirstOccurrence(const wxString& word, wxString& text);

}  // namespace kw
