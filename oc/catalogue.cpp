#include "oc/catalogue.h"

#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/registry.h"

namespace kw {

void Catalogue::Build(const std::vector<CatalogueEntry>& entries, const CtrBase::Callback& changed) {
    std::unique_ptr<ParentScope> inBox;
    int openBox = 0;
    // Radio buttons next to each other in a table form one exclusive group.
    CtrRadio* lastRadio = nullptr;
    for (const CatalogueEntry& e : entries) {
        if (e.box != openBox) {
            inBox.reset();
            openBox = 0;
            if (e.box) {
                inBox = std::make_unique<ParentScope>(*byId_.at(e.box));
                openBox = e.box;
            }
        }
        Phrases options;
        for (const char* o : e.options) options.push_back(U(o));
        const wxString caption = U(e.caption);
        auto flags = [&e](uint32_t normal) { return e.flags == kDefaultFlags ? normal : e.flags; };
        std::unique_ptr<CtrBase> c;
        switch (e.kind) {
            case CtrKind::Checks:
                c = std::make_unique<CtrCheckGroup>(e.id, flags(kPhraseScored), caption, e.rect,
                                                    options, changed, e.rowHeight);
                break;
            case CtrKind::Radio:
                c = std::make_unique<CtrRadioGroup>(e.id, flags(kPhraseScoredOff), caption, e.rect,
                                                    options, changed);
                break;
            case CtrKind::Box:
                c = std::make_unique<CtrBox>(e.id, flags(kAssessmentContainer), caption, e.rect);
                break;
            case CtrKind::Check:
                c = std::make_unique<CtrCheck>(e.id, flags(kPhraseScored), options.at(0), e.rect,
                                               changed);
                break;
            case CtrKind::RadioButton: {
                auto r = std::make_unique<CtrRadio>(e.id, flags(kPhraseScored), options.at(0),
                                                    e.rect, changed);
                if (lastRadio) r->JoinGroup(*lastRadio);
                lastRadio = r.get();
                c = std::move(r);
                break;
            }
            case CtrKind::Choice:
                c = std::make_unique<CtrChoice>(e.id, flags(kPhraseScored), e.rect, options,
                                                changed);
                break;
        }
        if (e.kind != CtrKind::RadioButton) lastRadio = nullptr;
        if (e.kind != CtrKind::Box) phraseControls_.push_back(c.get());
        byId_[e.id] = c.get();
        owned_.push_back(std::move(c));
    }
}

CtrRadioGroup& Catalogue::Radio(int id) const { return dynamic_cast<CtrRadioGroup&>(Control(id)); }
CtrCheckGroup& Catalogue::Checks(int id) const { return dynamic_cast<CtrCheckGroup&>(Control(id)); }
CtrCheck& Catalogue::Check(int id) const { return dynamic_cast<CtrCheck&>(Control(id)); }
CtrRadio& Catalogue::RadioButton(int id) const { return dynamic_cast<CtrRadio&>(Control(id)); }
CtrChoice& Catalogue::Choice(int id) const { return dynamic_cast<CtrChoice&>(Control(id)); }

void AppendPrefixed(wxString& part, const wxString& prefix, const wxString& contribution) {
    if (contribution.empty()) return;
    wxString sentence = prefix + contribution;
    EndSentence(sentence);
    part += sentence;
}

void KeepFirstOccurrence(const wxString& word, wxString& text) {
    const size_t first = text.find(word);
    if (first == wxString::npos || first == 0 || word.empty()) return;
    text[first] = 'x';
    for (size_t at = text.find(word); at != wxString::npos; at = text.find(word, at))
        text.erase(at, word.length());
    text[first] = word[0];
}

}  // namespace kw
