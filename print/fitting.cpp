#include "print/fitting.h"

#include <algorithm>
#include <cmath>

#include "app/assertion.h"

namespace kw {

const char kParagraphMarker[] = "####";

namespace {

// A paragraph marker inside the line ends the line before it; the line gets the "\t" that says
// it closes a paragraph. A marker at the very start of a line stays: it opens the paragraph.
void CutAtParagraphs(wxString& cur, wxString& rest) {
    size_t p = cur.rfind(kParagraphMarker);
    while (p != wxString::npos && p > 0) {
        rest = cur.Mid(p) + rest;
        cur.Truncate(p);
        cur += '\t';
        p = cur.rfind(kParagraphMarker);
    }
}

// The word widths are kept for the next texts; a long session of editing stays bounded.
constexpr size_t kMaxCachedWords = 100000;

}  // namespace

void TrimSpaces(wxString& text) {
    size_t start = 0, end = text.length();
    while (start < end && text[start] == ' ') ++start;
    while (end > start && text[end - 1] == ' ') --end;
    if (start != 0 || end != text.length()) text = text.Mid(start, end - start);
}

TextFitter::TextFitter(TextMetrics& metrics, BreakMethod method)
    : metrics_(metrics), method_(method) {}

int TextFitter::WordWidth(const FontSpec& font, const wxString& word) {
    WordMap& map = words_[font.Key()];
    auto it = map.find(word);
    if (it != map.end()) return it->second;
    if (cached_ >= kMaxCachedWords) {
        words_.clear();
        cached_ = 0;
        return WordWidth(font, word);
    }
    const int w = metrics_.Width(word, font);
    map.emplace(word, w);
    ++cached_;
    return w;
}

bool TextFitter::LineBreak(const FontSpec& font, wxString& cur, wxString& rest, int width) {
    if (cur.length() <= 3) return true;
    const bool ok = method_ == BreakMethod::Fast ? BreakFast(font, cur, rest, width)
                                                 : BreakRemeasuring(font, cur, rest, width);
    if (!ok) return false;
    CutAtParagraphs(cur, rest);
    return true;
}

bool TextFitter::BreakRemeasuring(const FontSpec& font, wxString& cur, wxString& rest,
                                  int width) {
    long i = static_cast<long>(cur.length()) - 2;
    while (metrics_.Width(cur, font) > width) {
        while (i > 0 && cur[static_cast<size_t>(i)] != ' ') --i;
        if (i < 1) return false;
        rest = cur.Mid(static_cast<size_t>(i)) + rest;
        cur.Truncate(static_cast<size_t>(i));
        --i;
    }
    return true;
}

// The same break as BreakRemeasuring: the line is cut at the last space (from the second
// character to the one before last) whose prefix fits, if the whole line does not fit. A prefix
// that ends further on is never narrower, so the remeasuring walk down from the end stops at the
// first fitting prefix above the first one that does not fit. Word widths, remembered, estimate
// where that is; only the prefixes around it are measured.
bool TextFitter::BreakFast(const FontSpec& font, wxString& cur, wxString& rest, int width) {
    const size_t n = cur.length();
    struct Candidate {
        size_t pos;     // a space: the line would end before it
        long estimate;  // summed word widths of the prefix
        int exact;      // measured prefix, -1 until needed
    };
    std::vector<Candidate> cands;
    const int space = WordWidth(font, " ");
    size_t scan = 0;
    long estimate = 0;
    auto scanToken = [&] {
        if (cur[scan] == ' ') {
            if (scan >= 1 && scan + 2 <= n) cands.push_back({scan, estimate, -1});
            estimate += space;
            ++scan;
        } else {
            size_t j = scan;
            while (j < n && cur[j] != ' ') ++j;
            estimate += WordWidth(font, cur.Mid(scan, j - scan));
            scan = j;
        }
    };
    // Up to the first space whose estimated prefix is too wide.
    while (scan < n && (cands.empty() || cands.back().estimate <= width)) scanToken();
    auto ensure = [&](size_t k) {
        while (scan < n && cands.size() <= k) scanToken();
        return k < cands.size();
    };
    auto exact = [&](size_t k) {
        if (cands[k].exact < 0) cands[k].exact = metrics_.Width(cur.Left(cands[k].pos), font);
        return cands[k].exact;
    };

    size_t over = 0;  // the first candidate whose prefix is measured too wide
    while (over < cands.size() && cands[over].estimate <= width) ++over;
    while (true) {
        if (!ensure(over)) {
            if (metrics_.Width(cur, font) <= width) return true;  // the whole line fits
            break;
        }
        if (exact(over) > width) break;
        ++over;
    }
    long i = static_cast<long>(over) - 1;
    while (i >= 0 && exact(static_cast<size_t>(i)) > width) --i;
    if (i < 0) return false;
    const size_t cut = cands[static_cast<size_t>(i)].pos;
    rest = cur.Mid(cut) + rest;
    cur.Truncate(cut);
    return true;
}

FitResult TextFitter::Fit(const FontSpec& font, int left, int right, int indent, int maxLines,
                          const wxString& text) {
    FitResult result;
    KW_ASSERT_MSG(maxLines >= 2, "print", "a text box needs two lines at least");
    if (maxLines < 2) maxLines = 2;
    const int W = right - left - 5000;
    wxString cur = text, rest;
    int count = 0;
    while (true) {
        if (!LineBreak(font, cur, rest, count == 0 ? W - indent : W)) {
            result.percent = 100;
            return result;
        }
        TrimSpaces(cur);
        if (!cur.empty() && cur != "\t") result.lines.push_back(cur);
        ++count;
        if (count == maxLines && !rest.empty()) {
            result.percent = 100;
            return result;
        }
        if (rest.empty()) break;
        cur = rest;
        rest.clear();
    }
    const double w = metrics_.Width(cur, font);
    const double share = 100.0 / maxLines;
    const double p = std::trunc(share * count - share * ((W - w) / W));
    result.percent = static_cast<int>(std::clamp(p, 0.0, 100.0));
    return result;
}

wxString Justify(TextMetrics& metrics, const FontSpec& font, const wxString& source, int width) {
    wxString line = source;
    if (line.length() <= 3) return line;
    const size_t marker = line.find(wxString(kParagraphMarker) + " ");
    if (marker != wxString::npos) line.erase(marker + 4, 1);
    std::vector<size_t> gaps;
    for (size_t i = 0; i < line.length(); ++i)
        if (line[i] == ' ') gaps.push_back(i);
    if (gaps.empty()) return line;

    // Gap g gets its next space; the gaps after it move on by one.
    size_t next = 0;
    auto widen = [&](wxString& s, std::vector<size_t>& at, size_t& g) {
        s.insert(at[g], 1, ' ');
        for (size_t h = g + 1; h < at.size(); ++h) ++at[h];
        g = (g + 1) % at.size();
    };
    int w = metrics.Width(line, font);
    if (w >= width) return line;
    // Most of the spaces go in at once: each one widens the line by a space, and every line
    // short of the width gets one more, so what is put in here the one-by-one loop would have
    // put in too. One space is left for it, for the margin of kerning.
    const int space = metrics.Width(" ", font);
    if (space > 0) {
        const int many = (width - w) / space - 1;
        if (many > 0) {
            wxString wide = line;
            std::vector<size_t> at = gaps;
            size_t g = 0;
            for (int k = 0; k < many; ++k) widen(wide, at, g);
            const int ww = metrics.Width(wide, font);
            if (ww < width) {
                line = wide;
                gaps = at;
                next = g;
                w = ww;
            }
        }
    }
    // Bounded, should spaces measure nothing.
    for (int guard = 0; w < width && guard < 2000; ++guard) {
        widen(line, gaps, next);
        w = metrics.Width(line, font);
    }
    return line;
}

}  // namespace kw
