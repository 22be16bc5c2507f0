// Pasting and typing into the text fields of every window through the real clipboard and real
// key presses: the text is cut to the field's limit without a message, characters the class file
// cannot hold are dropped, and nothing crashes.

#include <gtk/gtk.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>

#include <set>

#include "app/core.h"
#include "app/utf8.h"
#include "controls/registry.h"
#include "controls/value_controls.h"
#include "oc/editor_frame.h"
#include "window_fixture.h"

namespace {

using kw::U;

using kwtest::WizardWindow;

// After GTK has inserted text, its iterator must still be valid: a buffer changed inside the
// insert handler makes GTK warn here (and crash later).
void ProbeIterator(GtkTextBuffer*, GtkTextIter* location, gchar*, gint, gpointer) {
    gtk_text_iter_get_offset(location);
}

// Where a field lies: the wizard's page, or the editor's notebook page (-1: the wizard).
enum Takes { kLines, kOneLine, kDigits };
struct Field {
    int id;
    int max;
    int wizardTab;
    int editorPage;
    Takes takes;
};

const Field kFields[] = {
    {117, 2000, kw::kClassTab, -1, kLines},        // notes on the class
    {104, 70, kw::kClassTab, -1, kOneLine},        // school name
    {109, 50, kw::kClassTab, -1, kOneLine},        // voivodeship (combo box)
    {215, 2000, kw::kPupilsTab, -1, kLines},       // notes on the pupil
    {203, 50, kw::kPupilsTab, -1, kOneLine},       // first name (combo box)
    {304, 2, kw::kAssessmentsTab, -1, kDigits},    // assessment number
    {307, 5000, kw::kAssessmentsTab, -1, kLines},  // notes on the assessment
    {11008, 10000, -1, 0, kOneLine},               // the behaviour's own text
    {23001, 10000, -1, 3, kLines},                 // "Dodatkowe zajęcia edukacyjne"
};

// n characters of a text a teacher might paste, with Polish letters (and line breaks where the
// field takes them).
wxString Filler(int n, Takes takes) {
    const wxString unit = takes == kDigits  ? wxString("0123456789")
                          : takes == kLines ? U("Zażółć gęślą jaźń.\nAla ma kota. ")
                                            : U("Zażółć gęślą jaźń. Ala ma kota. ");
    wxString out;
    while (static_cast<int>(out.length()) < n) out += unit;
    return out.Left(static_cast<size_t>(n));
}

class TextInput : public WizardWindow {
protected:
    void SetUp() override {
        WizardWindow::SetUp();
        NewClassWithOneAssessment();
    }

    wxWindow* Widget(int id) {
        if (wxWindow* w = frame().Views().Widget(id)) return w;
        return program->Editor()->Views().Widget(id);
    }
    kw::CtrText& Model(int id) {
        return dynamic_cast<kw::CtrText&>(*program->GetCore().Registry().Find(id));
    }
    // Shows the page the field lies on.
    void Reach(const Field& f) {
        if (f.wizardTab >= 0) {
            if (program->Editor()->IsShown()) program->Editor()->Close();
            Pump();
            ASSERT_TRUE(GoToTab(f.wizardTab));
        } else {
            if (!program->Editor()->IsShown()) Click(16);
            auto* nb = dynamic_cast<wxNotebook*>(program->Editor()->Views().Widget(10002));
            ASSERT_NE(nb, nullptr);
            nb->SetSelection(static_cast<size_t>(f.editorPage));
            Pump();
        }
    }
    // The field holds `before` with the cursor at `at`; then Ctrl+V pastes `pasted` from the
    // clipboard.
    wxString PasteInto(const Field& f, const wxString& before, long at, const wxString& pasted) {
        Reach(f);
        wxWindow* w = Widget(f.id);
        auto* entry = dynamic_cast<wxTextEntry*>(w);
        if (!entry) {
            ADD_FAILURE() << f.id;
            return "";
        }
        auto* text = dynamic_cast<wxTextCtrl*>(w);
        if (text && text->IsMultiLine() && !probed_.count(f.id)) {
            GtkWidget* view = text->GetConnectWidget();
            g_signal_connect_after(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), "insert-text",
                                   G_CALLBACK(ProbeIterator), nullptr);
            probed_.insert(f.id);
        }
        Model(f.id).SetText(before);
        Pump();
        EXPECT_TRUE(Focus(w)) << f.id;
        const size_t gtkMessages = kwtest::GtkMessages().size();
        entry->SetInsertionPoint(at);
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject(pasted));
            wxTheClipboard->Close();
        }
        wxUIActionSimulator().Char('v', wxMOD_CONTROL);
        // The clipboard answers through the event loop.
        const wxString start = entry->GetValue();
        for (int i = 0; i < 40 && entry->GetValue() == start; ++i) Pump();
        Pump();
        EXPECT_EQ(kwtest::GtkMessages().size(), gtkMessages) << "GTK warned while pasting";
        return entry->GetValue();
    }

    std::set<int> probed_;
};

TEST_F(TextInput, APasteIsCutToTheLimitInEveryField) {
    for (const Field& f : kFields) {
        SCOPED_TRACE(f.id);
        const struct {
            const char* what;
            int before;  // characters already in the field, the cursor at the end
            int pasted;
            int kept;    // characters in the field afterwards
        } cases[] = {
            {"at the limit", 0, f.max, f.max},
            {"one over", 0, f.max + 1, f.max},
            {"far over", 0, f.max + 540, f.max},
            {"added to a field three quarters full", f.max * 3 / 4, f.max / 2 + 40, f.max},
            {"into a full field", f.max, 5, f.max},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            const wxString before = Filler(c.before, f.takes);
            const wxString pasted = Filler(c.pasted, f.takes);
            const wxString shown = PasteInto(f, before, c.before, pasted);
            EXPECT_EQ(static_cast<int>(shown.length()), c.kept);
            const wxString expected = (before + pasted).Left(static_cast<size_t>(c.kept));
            EXPECT_TRUE(shown == expected) << "the start of the paste is kept";
            EXPECT_TRUE(Model(f.id).Text() == shown) << "what is seen is what is saved";
        }
    }
    EXPECT_TRUE(messages.shown.empty()) << "cut without a message";
}

TEST_F(TextInput, APasteInTheMiddleKeepsTheTextAfterIt) {
    const Field& notes = kFields[0];
    const wxString before = Filler(1495, kLines);
    const wxString pasted = Filler(1040, kLines).Upper();
    const wxString shown = PasteInto(notes, before, 100, pasted);
    const wxString expected = before.Left(100) + pasted.Left(505) + before.Mid(100);
    EXPECT_EQ(shown.length(), 2000u);
    EXPECT_TRUE(shown == expected);
    EXPECT_TRUE(Model(notes.id).Text() == expected);
}

TEST_F(TextInput, CharactersTheClassFileCannotHoldAreDropped) {
    const struct {
        int id;
        const char* pasted;
        const char* kept;
    } cases[] = {
        {117, "Zielona Góra Ω 😀\nul. Źródlana", "Zielona Góra  \nul. Źródlana"},
        {104, "Szkoła № 5 «Ω»", "Szkoła  5 «»"},
        {109, "małopolskie→", "małopolskie"},
        // The own text refuses the marks of the phrase language, pasted as typed.
        {11008, "Lubi <rysować> [i] {śpiewać}(+).", "Lubi rysować i śpiewać(+)."},
        // A single-line field takes no line break.
        {104, "Szkoła\nPodstawowa", "SzkołaPodstawowa"},
        {304, "1a2", "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        const Field* f = nullptr;
        for (const Field& k : kFields)
            if (k.id == c.id) f = &k;
        ASSERT_NE(f, nullptr);
        const wxString shown = PasteInto(*f, "", 0, U(c.pasted));
        EXPECT_TRUE(shown == U(c.kept)) << shown.utf8_str().data();
        EXPECT_TRUE(Model(c.id).Text() == U(c.kept));
    }
}

TEST_F(TextInput, TypingStopsAtTheLimit) {
    const Field& name = kFields[1];
    Reach(name);
    auto* text = dynamic_cast<wxTextCtrl*>(Widget(name.id));
    ASSERT_NE(text, nullptr);
    Model(name.id).SetText(Filler(name.max - 1, kOneLine));
    Pump();
    ASSERT_TRUE(Focus(text));
    text->SetInsertionPointEnd();
    wxUIActionSimulator().Text("xyz");
    Pump();
    EXPECT_EQ(text->GetValue(), Filler(name.max - 1, kOneLine) + "x");
    EXPECT_TRUE(Model(name.id).Text() == text->GetValue());
}

}  // namespace
