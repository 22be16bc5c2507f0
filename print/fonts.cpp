#include "print/fonts.h"

#include "app/assertion.h"
#include "app/messages.h"
#include "print/print_options.h"

namespace kw {
namespace {

struct Row {
    int index;
    Face face;
    int points;  // 0: the certificate's size
    bool italic, bold;
};

constexpr Row kTable[] = {
    {1, Face::Serif, 22, false, false},  {2, Face::Serif, 10, false, false},
    {3, Face::Serif, 7, false, false},   {4, Face::Serif, 10, false, true},
    {5, Face::Serif, 15, true, false},   {6, Face::Narrow, 0, false, false},
    {7, Face::Serif, 10, false, true},   {9, Face::Serif, 17, true, true},
    {10, Face::Serif, 14, true, false},  {12, Face::Narrow, 10, false, false},
    {13, Face::Serif, 9, false, false},  {14, Face::Narrow, 9, false, false},
    {15, Face::Narrow, 9, false, false}, {16, Face::Serif, 8, false, false},
};

const Row* Find(int index) {
    for (const Row& r : kTable)
        if (r.index == index) return &r;
    return nullptr;
}

const char kNoSizeMessage[] =
    "Oceny nowoutworzone oraz odczytane ze starszej wersji programu nie mają ustawionej wielkości "
    "czcionki.\n\nOd wielkość czcionki jest zależna długość tekstu oceny jaka zmieści się na "
    "świadectwe.\n\nPrzed tworzeniem oceny należy na próbę umieścić w ocenie kilka zdań\ni ustawić "
    "pasującą wielkość czcionki w oknie podglądu wydruku świadectwa.\nWielkość czcionki zostanie "
    "zapisana do pliku razem z ocenami\n\nWielkość czcionki została teraz ustawiona domyślnie na 10 "
    "punktów";

}  // namespace

bool IsTableFont(int index) { return Find(index) != nullptr; }

FontSpec TableFont(int index, int certificateSize) {
    const Row* r = Find(index);
    KW_ASSERT_MSG(r, "print", "no such font");
    if (!r) r = Find(2);
    return FontSpec{r->face, r->points ? r->points : certificateSize, r->italic, r->bold};
}

int CertificateFontSize(PrintOptions& options) {
    CtrChoice& choice = options.FontSize();
    if (choice.Selection() < 0) {
        TheMessages().Show(wxString::FromUTF8(kNoSizeMessage), wxString::FromUTF8("Informacja"),
                           Buttons::Ok, Icon::Information);
        choice.Select(1);  // "10"
    }
    long size = 10;
    choice.Phrase(choice.Selection()).ToLong(&size);
    return static_cast<int>(size);
}

}  // namespace kw
