#include "cli/class_json.h"

#include <limits>

#include "klasa/cp1250.h"
#include "klasa/klasa.h"

namespace kw {
namespace {

using ojson = nlohmann::ordered_json;
using json = nlohmann::json;

std::string Utf8(const std::string& cp1250Bytes) {
    const wxString text = cp1250::Decode(cp1250Bytes);  // the buffer below points into it
    const wxScopedCharBuffer b = text.utf8_str();
    return std::string(b.data(), b.length());
}

ojson NumJson(const RecordList& list) {
    ojson out = ojson::array();
    for (const NumRecord& r : list.NumRecords()) out.push_back({r.key, r.internal, r.value});
    return out;
}

ojson TxtJson(const RecordList& list) {
    ojson out = ojson::array();
    for (const TxtRecord& r : list.TxtRecords()) out.push_back({r.key, r.internal, Utf8(r.bytes)});
    return out;
}

// ---- reading

struct Reader {
    std::string error;

    bool Fail(const std::string& where, const std::string& what) {
        error = where + ": " + what;
        return false;
    }

    bool Int32(const json& v, const std::string& where, int32_t& out) {
        if (!v.is_number_integer())
            return Fail(where, "expected an integer, found " + std::string(v.type_name()));
        if (v.is_number_unsigned()) {
            const auto u = v.get<uint64_t>();
            if (u > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
                return Fail(where, "number out of the 32-bit range");
            out = static_cast<int32_t>(u);
            return true;
        }
        const auto s = v.get<int64_t>();
        if (s < std::numeric_limits<int32_t>::min() || s > std::numeric_limits<int32_t>::max())
            return Fail(where, "number out of the 32-bit range");
        out = static_cast<int32_t>(s);
        return true;
    }

    // Only the named members, each of the right type; absent lists are empty.
    bool Object(const json& v, const std::string& where,
                std::initializer_list<const char*> members) {
        if (!v.is_object()) return Fail(where, "expected an object, found " + std::string(v.type_name()));
        for (auto it = v.begin(); it != v.end(); ++it) {
            bool known = false;
            for (const char* m : members) known = known || it.key() == m;
            if (!known) return Fail(where, "unknown member \"" + it.key() + "\"");
        }
        return true;
    }

    const json* Array(const json& obj, const char* member, const std::string& where, bool& ok) {
        ok = true;
        auto it = obj.find(member);
        if (it == obj.end()) return nullptr;
        if (!it->is_array()) {
            ok = Fail(where + "." + member, "expected an array, found " + std::string(it->type_name()));
            return nullptr;
        }
        return &*it;
    }

    // Each [key, internal, third] of a list member; fn(place, third, key, internal) takes the
    // third element.
    template <class Fn>
    bool Triples(const json& obj, const char* member, const std::string& where, const char* shape,
                 Fn fn) {
        bool ok;
        const json* list = Array(obj, member, where, ok);
        if (!ok) return false;
        if (!list) return true;
        for (size_t i = 0; i < list->size(); ++i) {
            const std::string at = where + "." + member + "[" + std::to_string(i) + "]";
            const json& r = (*list)[i];
            if (!r.is_array() || r.size() != 3) return Fail(at, std::string("expected ") + shape);
            int32_t key, internal;
            if (!Int32(r[0], at + "[0]", key) || !Int32(r[1], at + "[1]", internal) ||
                !fn(at + "[2]", r[2], key, internal))
                return false;
        }
        return true;
    }

    template <class AddFn>
    bool Numbers(const json& obj, const char* member, const std::string& where, AddFn add) {
        return Triples(obj, member, where, "[key, internal, value]",
                       [&](const std::string& at, const json& v, int32_t key, int32_t internal) {
                           int32_t value;
                           if (!Int32(v, at, value)) return false;
                           add(key, internal, value);
                           return true;
                       });
    }

    template <class AddFn>
    bool Texts(const json& obj, const char* member, const std::string& where, AddFn add) {
        return Triples(obj, member, where, "[key, internal, \"text\"]",
                       [&](const std::string& at, const json& v, int32_t key, int32_t internal) {
                           if (!v.is_string())
                               return Fail(at, "expected a text, found " +
                                                   std::string(v.type_name()));
                           const std::string& s = v.get_ref<const std::string&>();
                           const wxString t = wxString::FromUTF8(s.data(), s.size());
                           if (!cp1250::CanHold(t))
                               return Fail(at,
                                           "the text has characters that Windows-1250 cannot hold");
                           add(key, internal, t);
                           return true;
                       });
    }

    template <class Holder>
    bool NumAndTxt(const json& obj, const std::string& where, Holder& h) {
        return Numbers(obj, "num", where,
                       [&h](int32_t k, int32_t i, int32_t v) { h.Add_num(k, i, v); }) &&
               Texts(obj, "txt", where,
                     [&h](int32_t k, int32_t i, const wxString& t) { h.Add_txt(k, i, t); });
    }

    bool Class(const json& doc, Klasa& klasa) {
        if (!Object(doc, "document", {"version", "class", "pupils"})) return false;
        if (doc.contains("version")) {
            int32_t version;
            if (!Int32(doc["version"], "version", version)) return false;
        }
        if (doc.contains("class")) {
            const json& c = doc["class"];
            if (!Object(c, "class", {"num", "txt"}) || !NumAndTxt(c, "class", klasa)) return false;
        }
        bool ok;
        const json* pupils = Array(doc, "pupils", "document", ok);
        if (!ok) return false;
        if (!pupils) return true;
        if (pupils->size() > static_cast<size_t>(kMaxPupils))
            return Fail("pupils", std::to_string(pupils->size()) + " pupils, at most " +
                                      std::to_string(kMaxPupils) + " allowed");
        for (size_t p = 0; p < pupils->size(); ++p) {
            const std::string at = "pupils[" + std::to_string(p) + "]";
            const json& pj = (*pupils)[p];
            if (!Object(pj, at, {"num", "txt", "assessments"})) return false;
            Uczen* pupil = klasa.AddPupil();
            if (!pupil) return Fail(at, "the pupil could not be added");
            if (!NumAndTxt(pj, at, *pupil)) return false;
            const json* list = Array(pj, "assessments", at, ok);
            if (!ok) return false;
            if (!list) continue;
            if (list->size() > static_cast<size_t>(kMaxAssessments))
                return Fail(at + ".assessments", std::to_string(list->size()) +
                                                     " assessments, at most " +
                                                     std::to_string(kMaxAssessments) + " allowed");
            for (size_t a = 0; a < list->size(); ++a) {
                const std::string aat = at + ".assessments[" + std::to_string(a) + "]";
                const json& aj = (*list)[a];
                if (!Object(aj, aat, {"state", "num", "txt"})) return false;
                Ocena* assessment = pupil->AddAssessment();
                if (!assessment) return Fail(aat, "the assessment could not be added");
                if (!Numbers(aj, "state", aat,
                             [assessment](int32_t k, int32_t i, int32_t v) {
                                 assessment->Add_state(k, i, v);
                             }) ||
                    !NumAndTxt(aj, aat, *assessment))
                    return false;
            }
        }
        return true;
    }
};

}  // namespace

ojson ClassToJson(const Klasa& klasa) {
    ojson doc;
    doc["version"] = klasa.FileVersion();
    doc["class"] = {{"num", NumJson(klasa.NumList())}, {"txt", TxtJson(klasa.TxtList())}};
    ojson pupils = ojson::array();
    for (int p = 0; p < klasa.PupilCount(); ++p) {
        const Uczen* pupil = klasa.Pupil(p);
        ojson assessments = ojson::array();
        for (int a = 0; a < pupil->AssessmentCount(); ++a) {
            const Ocena* o = pupil->Assessment(a);
            assessments.push_back({{"state", NumJson(o->StateList())},
                                   {"num", NumJson(o->NumList())},
                                   {"txt", TxtJson(o->TxtList())}});
        }
        pupils.push_back({{"num", NumJson(pupil->NumList())},
                          {"txt", TxtJson(pupil->TxtList())},
                          {"assessments", std::move(assessments)}});
    }
    doc["pupils"] = std::move(pupils);
    return doc;
}

bool ClassFromJson(const nlohmann::json& doc, Klasa& klasa, std::string& error) {
    Reader reader;
    const bool ok = reader.Class(doc, klasa);
    error = reader.error;
    return ok;
}

}  // namespace kw
