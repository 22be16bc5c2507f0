#include "resources/bitmaps.h"

#include <algorithm>
#include <map>

#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/font.h>

#include "app/assertion.h"
#include "app/layout.h"

namespace kw {
namespace {

const wxColour kButtonFace(255, 150, 30);
const wxColour kButtonEdge(205, 100, 10);

enum class Glyph {
    Plus, Minus, Open, Save, Cross, Check, Pencil, Broom, Copy, Info, Book, Globe, Question, Bin,
    Exit, Print, Back
};

struct Named {
    const char* caption;
    Glyph glyph;
    bool tab;
};

const std::map<wxString, Named>& Table() {
    static const std::map<wxString, Named> table = {
        {"bmp_wiz_klasa_nowa", {"Nowa klasa", Glyph::Plus, false}},
        {"bmp_wiz_klasa_odczyt", {"Odczytaj klasę", Glyph::Open, false}},
        {"bmp_wiz_klasa_zapisz", {"Zapisz klasę", Glyph::Save, false}},
        {"bmp_wiz_uczniowie_nowy", {"Nowy uczeń", Glyph::Plus, false}},
        {"bmp_wiz_uczniowie_usun", {"Usuń ucznia", Glyph::Minus, false}},
        {"bmp_wiz_oceny_nowa", {"Nowa ocena", Glyph::Plus, false}},
        {"bmp_wiz_oceny_powiel", {"Powiel ocenę", Glyph::Copy, false}},
        {"bmp_wiz_oceny_edyt", {"Edytuj ocenę", Glyph::Pencil, false}},
        {"bmp_wiz_oceny_wyczysc", {"Wyczyść ocenę", Glyph::Broom, false}},
        {"bmp_wiz_oceny_usun", {"Usuń ocenę", Glyph::Minus, false}},
        {"bmp_wiz_down_koniec", {"Koniec", Glyph::Exit, false}},
        {"bmp_wiz_down_about", {"O programie", Glyph::Info, false}},
        {"bmp_wiz_down_samoucz", {"Samouczek", Glyph::Book, false}},
        {"bmp_wiz_down_www", {"Strona WWW", Glyph::Globe, false}},
        {"bmp_wiz_down_faq", {"Pytania ?", Glyph::Question, false}},
        {"bmp_wiz_down_odinst", {"Odinstaluj", Glyph::Bin, false}},
        {"bmp_oc_down_samoucz", {"Samouczek", Glyph::Book, false}},
        {"bmp_oc_down_wydruk", {"Wydruk", Glyph::Print, false}},
        {"bmp_oc_down_koniec", {"Powrót", Glyph::Back, false}},
        {"bmp_comm_ok", {"Ok", Glyph::Check, false}},
        {"bmp_comm_cancel", {"Anuluj", Glyph::Cross, false}},
        {"bmp_wiz_nb_klasa", {"Klasa", Glyph::Plus, true}},
        {"bmp_wiz_nb_uczn", {"Uczniowie", Glyph::Plus, true}},
        {"bmp_wiz_nb_oceny", {"Oceny", Glyph::Plus, true}},
    };
    return table;
}

// A small white sign in a 14 x 14 square at (x, y).
void DrawGlyph(wxDC& dc, Glyph g, int x, int y) {
    dc.SetPen(wxPen(*wxWHITE, 2));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const int cx = x + 7, cy = y + 7;
    switch (g) {
        case Glyph::Plus:
            dc.DrawLine(cx - 5, cy, cx + 5, cy);
            dc.DrawLine(cx, cy - 5, cx, cy + 5);
            break;
        case Glyph::Minus: dc.DrawLine(cx - 5, cy, cx + 5, cy); break;
        case Glyph::Open:
            dc.DrawRectangle(x + 1, y + 4, 12, 8);
            dc.DrawLine(x + 1, y + 4, x + 5, y + 1);
            dc.DrawLine(x + 5, y + 1, x + 8, y + 4);
            break;
        case Glyph::Save:
            dc.DrawRectangle(x + 1, y + 1, 12, 12);
            dc.DrawRectangle(x + 4, y + 1, 6, 4);
            break;
        case Glyph::Cross:
            dc.DrawLine(cx - 5, cy - 5, cx + 5, cy + 5);
            dc.DrawLine(cx - 5, cy + 5, cx + 5, cy - 5);
            break;
        case Glyph::Check:
            dc.DrawLine(cx - 5, cy, cx - 1, cy + 4);
            dc.DrawLine(cx - 1, cy + 4, cx + 5, cy - 4);
            break;
        case Glyph::Pencil:
            dc.DrawLine(x + 2, y + 12, x + 12, y + 2);
            dc.DrawLine(x + 2, y + 12, x + 5, y + 12);
            break;
        case Glyph::Broom:
            dc.DrawLine(x + 3, y + 2, x + 9, y + 8);
            dc.DrawRectangle(x + 7, y + 8, 6, 5);
            break;
        case Glyph::Copy:
            dc.DrawRectangle(x + 1, y + 1, 8, 9);
            dc.DrawRectangle(x + 5, y + 4, 8, 9);
            break;
        case Glyph::Info:
            dc.DrawCircle(cx, cy, 6);
            dc.DrawLine(cx, cy - 1, cx, cy + 4);
            dc.DrawPoint(cx, cy - 3);
            break;
        case Glyph::Book:
            dc.DrawRectangle(x + 1, y + 2, 6, 10);
            dc.DrawRectangle(x + 7, y + 2, 6, 10);
            break;
        case Glyph::Globe:
            dc.DrawCircle(cx, cy, 6);
            dc.DrawLine(cx - 6, cy, cx + 6, cy);
            dc.DrawEllipse(cx - 3, cy - 6, 6, 12);
            break;
        case Glyph::Question:
            dc.DrawArc(cx + 3, cy - 2, cx - 3, cy - 2, cx, cy - 2);
            dc.DrawLine(cx, cy + 1, cx, cy + 3);
            dc.DrawPoint(cx, cy + 5);
            break;
        case Glyph::Bin:
            dc.DrawRectangle(x + 3, y + 3, 8, 10);
            dc.DrawLine(x + 1, y + 3, x + 13, y + 3);
            break;
        case Glyph::Print:
            dc.DrawRectangle(x + 1, y + 5, 12, 6);
            dc.DrawRectangle(x + 4, y + 1, 6, 4);
            dc.DrawLine(x + 4, y + 13, x + 10, y + 13);
            break;
        case Glyph::Back:
            dc.DrawLine(cx - 5, cy, cx + 5, cy);
            dc.DrawLine(cx - 5, cy, cx - 1, cy - 4);
            dc.DrawLine(cx - 5, cy, cx - 1, cy + 4);
            break;
        case Glyph::Exit:
            dc.DrawRectangle(x + 1, y + 1, 7, 12);
            dc.DrawLine(x + 6, cy, x + 13, cy);
            dc.DrawLine(x + 10, cy - 3, x + 13, cy);
            dc.DrawLine(x + 10, cy + 3, x + 13, cy);
            break;
    }
}

// Drawn in the layout's pixels, on a transparent bitmap of the layout's size on the screen, so
// that the rounded edges blend with whatever lies behind the button.
wxBitmap Draw(const Named& n) {
    const wxSize size = n.tab ? wxSize(81, 24) : wxSize(140, 25);
    wxImage clear(ScaledSize(size.x, size.y));
    clear.InitAlpha();
    std::fill_n(clear.GetAlpha(), clear.GetWidth() * clear.GetHeight(), 0);
    wxBitmap bmp(clear, 32);
    {
        wxMemoryDC memory(bmp);
        wxGCDC dc(memory);
        dc.SetUserScale(Layout::Scale(), Layout::Scale());
        dc.SetPen(wxPen(kButtonEdge, 1));
        dc.SetBrush(wxBrush(kButtonFace));
        if (n.tab) {
            dc.DrawRoundedRectangle(0, 0, size.x, size.y + 6, 6);
        } else {
            dc.DrawRoundedRectangle(0, 0, size.x, size.y, 8);
            DrawGlyph(dc, n.glyph, 8, (size.y - 14) / 2);
        }
        // The caption in a bold face, between the icon and a margin as wide as the left one,
        // smaller where the theme's letters are too wide for it.
        const wxString caption = wxString::FromUTF8(n.caption);
        const int left = n.tab ? 4 : 28, right = size.x - (n.tab ? 4 : 8);
        wxFont font(wxFontInfo(9).Bold().Family(wxFONTFAMILY_SWISS));
        dc.SetFont(font);
        while (dc.GetTextExtent(caption).x > right - left && font.GetFractionalPointSize() > 6) {
            font.SetFractionalPointSize(font.GetFractionalPointSize() - 0.5);
            dc.SetFont(font);
        }
        dc.SetTextForeground(*wxWHITE);
        const wxSize text = dc.GetTextExtent(caption);
        dc.DrawText(caption, left + (right - left - text.x) / 2, (size.y - text.y) / 2);
    }
    return bmp;
}

}  // namespace

wxBitmap NamedBitmap(const wxString& name) {
    static std::map<wxString, wxBitmap> cache;
    auto hit = cache.find(name);
    if (hit != cache.end()) return hit->second;
    auto it = Table().find(name);
    KW_ASSERT_MSG(it != Table().end(), "wizard", "unknown bitmap name");
    const wxBitmap bmp = Draw(it != Table().end() ? it->second : Named{"", Glyph::Plus, false});
    cache[name] = bmp;
    return bmp;
}

wxString BitmapCaption(const wxString& name) {
    auto it = Table().find(name);
    return it == Table().end() ? wxString() : wxString::FromUTF8(it->second.caption);
}

wxBitmapButton* AddBitmapButton(wxWindow* parent, int id, const char* bitmap, int x, int y,
                                const char* tip) {
    auto* b = new wxBitmapButton(parent, id, NamedBitmap(bitmap), ScaledPoint(x, y),
                                 ScaledSize(140, 25), wxBU_AUTODRAW | wxBORDER_NONE);
    b->SetName(BitmapCaption(bitmap));
    if (tip) b->SetToolTip(wxString::FromUTF8(tip));
    return b;
}

wxIcon ProgramIcon() {
    wxBitmap bmp(32, 32, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(kButtonFace));
        dc.Clear();
        dc.SetFont(wxFont(wxFontInfo(20).Bold().Family(wxFONTFAMILY_SWISS)));
        dc.SetTextForeground(*wxWHITE);
        const wxSize t = dc.GetTextExtent("A");
        dc.DrawText("A", (32 - t.x) / 2, (32 - t.y) / 2);
    }
    wxIcon icon;
    icon.CopyFromBitmap(bmp);
    return icon;
}

}  // namespace kw
