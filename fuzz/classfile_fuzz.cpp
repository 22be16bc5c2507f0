// libFuzzer target: the class-file reader must refuse any damaged file cleanly.

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include <wx/init.h>

#include "app/messages.h"
#include "klasa/klasa.h"

namespace {

class Silent : public kw::Messages {
public:
    kw::Answer Show(const wxString&, const wxString&, kw::Buttons, kw::Icon) override {
        return kw::Answer::Ok;
    }
};

void IgnoreAssert(const wxString&, int, const wxString&, const wxString&, const wxString&) {}

const std::string& Path() {
    static const std::string path = "/tmp/kwerlo-fuzz-" + std::to_string(getpid()) + ".kwer";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer init;
    static Silent silent;
    kw::SetMessages(&silent);
    wxSetAssertHandler(IgnoreAssert);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = std::fopen(Path().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    kw::Klasa klasa;
    // The program discards a class whose read failed; one that read must be safe to look through.
    if (!klasa.Read(wxString::FromUTF8(Path()))) return 0;
    size_t seen = 0;
    wxString text;
    int32_t value;
    auto walk = [&](const kw::RecordHolder& h, const kw::RecordList& num,
                    const kw::RecordList& txt) {
        for (const kw::NumRecord& r : num.NumRecords()) seen += h.Get_num(r.key, r.internal, value);
        for (const kw::TxtRecord& r : txt.TxtRecords()) {
            seen += h.Get_txt(r.key, r.internal, text);
            seen += text.length();
        }
    };
    walk(klasa, klasa.NumList(), klasa.TxtList());
    for (int p = 0; p < klasa.PupilCount(); ++p) {
        const kw::Uczen* u = klasa.Pupil(p);
        walk(*u, u->NumList(), u->TxtList());
        for (int a = 0; a < u->AssessmentCount(); ++a) {
            const kw::Ocena* o = u->Assessment(a);
            walk(*o, o->NumList(), o->TxtList());
            for (const kw::NumRecord& r : o->StateList().NumRecords())
                seen += o->Get_state(r.key, r.internal, value);
        }
    }
    return seen == SIZE_MAX ? 1 : 0;
}
