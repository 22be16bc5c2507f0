#pragma once
// Controls that hold plain values: a text field, a combo box that also remembers entries for the
// class, a 0-100 spin control, and the invisible stored number and text.

#include <vector>

#include "controls/ctr_base.h"
#include "controls/key_filter.h"

namespace kw {

class CtrText : public CtrBase {
public:
    CtrText(int id, uint32_t flags, const wxString& initial, Rect rect, Callback callback,
            int maxLength, int filterKind, const wxString& set = wxString(),
            bool multiLine = false);

    const wxString& Text() const { return text_; }
    // The program's change: fitted to the field, no OnChange.
    void SetText(const wxString& text);
    // The widget's text changed (typed, pasted): fitted, then OnChange.
    void UserSetText(const wxString& text);
    const KeyFilter& Filter() const { return filter_; }
    bool MultiLine() const { return multiLine_; }

    void Clear() override { SetText(wxString()); }
    void Save() override;
    void Load() override;
    CtrValue Keep() const override { return {0, text_}; }
    void PutBack(const CtrValue& v) override { SetText(v.text); }

protected:
    CtrText(int id, uint32_t flags, const wxString& initial, Rect rect, Callback callback,
            const KeyFilter& filter);

private:
    KeyFilter filter_;
    wxString text_;
    bool multiLine_ = false;
};

class CtrCombo : public CtrText {
public:
    CtrCombo(int id, uint32_t flags, const wxString& initial, Rect rect,
             std::vector<wxString> entries, Callback callback, int maxLength, int filterKind,
             const wxString& set = wxString());

    const std::vector<wxString>& Entries() const { return entries_; }
    // F5: remember the current text as a new entry of the list.
    void Remember();

    void SaveList() override;
    void LoadList() override;

private:
    std::vector<wxString> entries_;
};

class CtrSpin : public CtrBase {
public:
    CtrSpin(int id, uint32_t flags, Rect rect, int min, int max, int initial,
            Callback callback = {});

    int Value() const { return value_; }
    void SetValue(int value);
    void UserSetValue(int value);  // clamped to 0..100, then OnChange

    void Clear() override { SetValue(0); }
    void Save() override;
    void Load() override;
    void SaveScore() override;
    int ComputeScore() override;
    CtrValue Keep() const override { return {value_, {}}; }
    void PutBack(const CtrValue& v) override { SetValue(v.number); }

private:
    int min_, max_, value_;
};

// Invisible stored number: the mode and time holders.
class CtrNumber : public CtrBase {
public:
    CtrNumber(int id, uint32_t flags, int32_t initial = 0);

    int32_t Value() const { return value_; }
    void SetValue(int32_t value);  // marks the class changed

    void Clear() override { SetValue(0); }
    void Enable(bool) override {}
    void Save() override;
    void Load() override;
    CtrValue Keep() const override { return {value_, {}}; }
    void PutBack(const CtrValue& v) override;

private:
    int32_t value_;
};

// Invisible stored text: the holders of the register number, surname, assessment number...
class CtrString : public CtrBase {
public:
    CtrString(int id, uint32_t flags, const wxString& initial = wxString());

    const wxString& Text() const { return text_; }
    void SetText(const wxString& text);  // marks the class changed

    void Clear() override { SetText(wxString()); }
    void Enable(bool) override {}
    void Save() override;
    void Load() override;
    CtrValue Keep() const override { return {0, text_}; }
    void PutBack(const CtrValue& v) override;

private:
    wxString text_;
};

}  // namespace kw
