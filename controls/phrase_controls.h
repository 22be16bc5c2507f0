#pragma once
// Phrase controls (single and multiple choice groups, check box, radio button, drop-down) and the
// registered containers. Each keeps its raw phrase texts for composing and scoring, and the
// captions made from them once, when it is built.

#include <memory>
#include <vector>

#include "controls/ctr_base.h"

namespace kw {

using Phrases = std::vector<wxString>;

// A single choice among phrases; with kOffOption a last option "WYŁĄCZ" means "none of these".
class CtrRadioGroup : public CtrBase {
public:
    CtrRadioGroup(int id, uint32_t flags, const wxString& caption, Rect rect, Phrases options,
                  Callback callback = {});

    int Chosen() const { return chosen_; }
    bool HasChoice() const;
    wxString ChosenPhrase() const;
    void Select(int index);  // -1 .. count-1; the program's change
    void UserSelect(int index);  // a click: a new choice runs OnChange, the chosen one nothing

    int Count() const { return static_cast<int>(options_.size()); }
    const wxString& Phrase(int i) const { return options_[static_cast<size_t>(i)]; }
    const wxString& Caption() const { return caption_; }
    const wxString& OptionCaption(int i) const { return captions_[static_cast<size_t>(i)]; }
    Rect OptionRect(int i) const;

    wxString JoinChoice() const;      // phrase + "& "
    wxString SentenceChoice() const;  // phrase + ". "
    wxString BareChoice() const;

    void Clear() override { Select(-1); }
    void Save() override;
    void Load() override;
    int ComputeScore() override;
    CtrValue Keep() const override { return {chosen_, {}}; }
    void PutBack(const CtrValue& v) override { Select(v.number); }

private:
    Phrases options_;
    std::vector<wxString> captions_;
    wxString caption_;
    int chosen_ = -1;
};

// Any number of ticked phrases, kept as a bit set (option i is bit i).
class CtrCheckGroup : public CtrBase {
public:
    CtrCheckGroup(int id, uint32_t flags, const wxString& caption, Rect rect, Phrases options,
                  Callback callback = {}, int rowHeight = -1);

    bool IsTicked(int i) const { return (bits_ >> i) & 1u; }
    const wxString& Phrase(int i) const { return options_[static_cast<size_t>(i)]; }
    uint32_t Bits() const { return bits_; }
    void SetBits(int32_t value);  // -1 ticks all
    void SetTicked(int i, bool on);
    bool AnyTicked() const { return bits_ != 0; }
    void UserToggle(int i);

    int Count() const { return static_cast<int>(options_.size()); }
    const wxString& Caption() const { return caption_; }
    const wxString& OptionCaption(int i) const { return captions_[static_cast<size_t>(i)]; }
    Rect OptionRect(int i) const;

    wxString JoinList() const;      // each ticked phrase + "& "
    wxString SentenceList() const;  // each ticked phrase + ". "
    wxString OptionAt(int i) const;  // phrase i when anything is ticked

    void Clear() override { SetBits(0); }
    void Save() override;
    void Load() override;
    int ComputeScore() override;  // packed accumulator
    CtrValue Keep() const override { return {static_cast<int32_t>(bits_), {}}; }
    void PutBack(const CtrValue& v) override { SetBits(v.number); }

private:
    wxString List(const wxChar* separator) const;

    Phrases options_;
    std::vector<wxString> captions_;
    wxString caption_;
    int rowHeight_;
    uint32_t bits_ = 0;
};

// One phrase that is on or off: a check box, or (Radio) a radio button.
class CtrCheck : public CtrBase {
public:
    CtrCheck(int id, uint32_t flags, const wxString& phrase, Rect rect, Callback callback = {});

    bool IsOn() const { return on_; }
    virtual void SetOn(bool on);
    void UserToggle();
    const wxString& Phrase() const { return phrase_; }
    const wxString& Caption() const { return caption_; }

    wxString JoinBox() const;
    wxString SentenceBox() const;

    void Clear() override { SetOn(false); }
    void Save() override;
    void Load() override;
    int ComputeScore() override;
    CtrValue Keep() const override { return {on_ ? 1 : 0, {}}; }
    void PutBack(const CtrValue& v) override { SetOn(v.number != 0); }

protected:
    bool on_ = false;

private:
    wxString phrase_, caption_;
};

class CtrRadio : public CtrCheck {
public:
    using CtrCheck::CtrCheck;
    // The toolkit's radio event: OnChange only when the button turns on.
    void UserRadioEvent(bool on);
    // Turning this button on turns the others of its group off.
    void SetOn(bool on) override;
    // Makes this button one of other's exclusive group.
    void JoinGroup(CtrRadio& other);

private:
    void TurnOthersOff();

    bool wasOn_ = false;
    std::shared_ptr<std::vector<CtrRadio*>> group_;
};

// A drop-down of phrases (at most 50).
class CtrChoice : public CtrBase {
public:
    CtrChoice(int id, uint32_t flags, Rect rect, Phrases options, Callback callback = {});

    int Selection() const { return selection_; }
    void Select(int index);
    void UserSelect(int index);
    bool SelectByCaption(const wxString& caption);
    int Count() const { return static_cast<int>(options_.size()); }
    const wxString& Phrase(int i) const { return options_[static_cast<size_t>(i)]; }
    const wxString& OptionCaption(int i) const { return captions_[static_cast<size_t>(i)]; }
    wxString SelectedCaption() const;

    void Clear() override { Select(-1); }
    void Save() override;
    void Load() override;
    int ComputeScore() override;
    CtrValue Keep() const override { return {selection_, {}}; }
    void PutBack(const CtrValue& v) override { Select(v.number); }

private:
    Phrases options_;
    std::vector<wxString> captions_;
    int selection_ = -1;
};

// Containers: registered so that a page or a part of it can be walked; they store nothing.
class CtrBox : public CtrBase {
public:
    CtrBox(int id, uint32_t flags, const wxString& caption, Rect rect);
    const wxString& Caption() const { return caption_; }

private:
    wxString caption_;
};

class CtrPanel : public CtrBase {
public:
    CtrPanel(int id, uint32_t flags, Rect rect);
    bool Shown() const { return shown_; }
    void Show(bool shown);

private:
    bool shown_ = true;
};

class CtrNotebook : public CtrBase {
public:
    CtrNotebook(int id, uint32_t flags, Rect rect);
    void AddPage(CtrPanel* page, const wxString& label);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CtrPanel* Page(int i) const { return pages_[static_cast<size_t>(i)]; }
    const wxString& PageLabel(int i) const { return labels_[static_cast<size_t>(i)]; }

private:
    std::vector<CtrPanel*> pages_;
    std::vector<wxString> labels_;
};

}  // namespace kw
