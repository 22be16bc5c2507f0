#pragma once
// Text metrics for tests of the fitting logic: every character is as wide as its font's points
// times 50 µm (a tab nothing), a line 400 µm per point high. Kerning, when asked for, takes 40 µm
// off a space before a capital and 30 µm off "aw", so that a line is not the sum of its words.
// A text given a width in `fixed` measures that, in every font.

#include <map>

#include "print/text_metrics.h"

namespace kwtest {

class FakeMetrics : public kw::TextMetrics {
public:
    explicit FakeMetrics(bool kerning = false) : kerning_(kerning) {}
    int Width(const wxString& text, const kw::FontSpec& font) override {
        ++calls;
        const auto f = fixed.find(text);
        if (f != fixed.end()) return f->second;
        long w = 0;
        for (size_t i = 0; i < text.length(); ++i) {
            if (text[i] == '\t') continue;
            w += font.points * 50;
            if (kerning_ && i + 1 < text.length()) {
                if (text[i] == ' ' && text[i + 1] >= 'A' && text[i + 1] <= 'Z') w -= 40;
                if (text[i] == 'a' && text[i + 1] == 'w') w -= 30;
            }
        }
        return static_cast<int>(w);
    }
    int Height(const wxString&, const kw::FontSpec& font) override { return font.points * 400; }
    long calls = 0;
    std::map<wxString, int> fixed;

private:
    bool kerning_;
};

}  // namespace kwtest
