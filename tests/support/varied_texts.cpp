#include "support/varied_texts.h"

#include <random>

namespace kwtest {

std::vector<wxString> VariedTexts(int count, unsigned seed, int maxWords) {
    static const char* const kWords[] = {
        "Jest", "koleżeńska,", "pracowita", "i", "uczynna.", "Chętnie", "pomaga", "innym.",
        "Potrafi", "współdziałać", "w", "grupie.", "Czyta", "płynnie,", "ze", "zrozumieniem.",
        "Awans", "Tw", "aw", "Wykazuje", "przeciętny", "poziom", "sprawności", "ruchowej.",
        "(akapit)", "Ż", "ąę,", "-", "Obowiązkowe", "zajęcia:", "czytanie;", "matematyka!",
    };
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<wxString> out = {"", " ", "a", "ab ", "abc", "####", "#### a", "a ####",
                                 "    ", "a  b", wxString('x', 400), "x " + wxString('y', 300)};
    while (static_cast<int>(out.size()) < count) {
        wxString t;
        const int words = pick(6) == 0 ? pick(4) : 1 + pick(maxWords);
        if (pick(8) == 0) t += "  ";
        for (int w = 0; w < words; ++w) {
            switch (pick(40)) {
                case 0: t += "####"; break;                            // paragraph, glued on
                case 1: t += " ####"; break;                           // paragraph after a space
                case 2: t += wxString('m', 10 + pick(120)); break;     // maybe too wide for a box
                case 3: t += "  "; break;                              // a run of spaces
                case 4: t += "ab##cd####ef"; break;                    // marker inside a word
                default: t += wxString::FromUTF8(kWords[pick(32)]); break;
            }
            if (w + 1 < words || pick(5) == 0) t += ' ';
        }
        out.push_back(t);
    }
    return out;
}

}  // namespace kwtest
