#include "klasa/klasa.h"

#include <algorithm>
#include <new>

#include "app/assertion.h"
#include "app/error_report.h"

namespace kw {
namespace {

const char kNotOk[] = "Klasa::Ok() = false -> wrong read !";

// Pupils of a class and assessments of a pupil share these rules: at most 99, a new one goes at
// the end, a removed one's slot is taken by the last.
template <class T>
T* AddEntity(std::vector<std::unique_ptr<T>>& slots, int limit) {
    KW_ASSERT(static_cast<int>(slots.size()) < limit, "klasa");
    if (static_cast<int>(slots.size()) >= limit) return nullptr;
    try {
        slots.push_back(std::make_unique<T>());
    } catch (const std::bad_alloc&) {
        ErrorReport::Report(kOutOfMemory);
        return nullptr;
    }
    return slots.back().get();
}

template <class T>
bool RemoveEntity(std::vector<std::unique_ptr<T>>& slots, T* entity) {
    auto it = std::find_if(slots.begin(), slots.end(),
                           [entity](const std::unique_ptr<T>& p) { return p.get() == entity; });
    KW_ASSERT(entity && it != slots.end(), "klasa");
    if (!entity || it == slots.end()) return false;
    if (it != slots.end() - 1) std::swap(*it, slots.back());
    slots.pop_back();
    return true;
}

template <class T>
T* EntityAt(const std::vector<std::unique_ptr<T>>& slots, int index) {
    KW_ASSERT(index >= 0 && index < static_cast<int>(slots.size()), "klasa");
    if (index < 0 || index >= static_cast<int>(slots.size())) return nullptr;
    return slots[static_cast<size_t>(index)].get();
}

}  // namespace

// ---- Ocena

Ocena::Ocena() : name_("???"), number_("???") {}

void Ocena::Clear() {
    state_.Clear();
    num_.Clear();
    txt_.Clear();
}

void Ocena::Add_state(int32_t key, int32_t internal, int32_t value) {
    state_.AppendNum(key, internal, value);
}
bool Ocena::Get_state(int32_t key, int32_t internal, int32_t& value) const {
    return state_.FindNum(key, internal, value);
}
void Ocena::Add_num(int32_t key, int32_t internal, int32_t value) {
    num_.AppendNum(key, internal, value);
}
bool Ocena::Get_num(int32_t key, int32_t internal, int32_t& value) const {
    return num_.FindNum(key, internal, value);
}
void Ocena::Add_txt(int32_t key, int32_t internal, const wxString& text) {
    AddText(txt_, key, internal, text);
}
bool Ocena::Get_txt(int32_t key, int32_t internal, wxString& text) const {
    return GetText(txt_, key, internal, text);
}

// ---- Uczen

Uczen::Uczen() : registerNumber_("???"), surname_("???") {}

void Uczen::Clear() {
    assessments_.clear();
    num_.Clear();
    txt_.Clear();
}

Ocena* Uczen::AddAssessment() { return AddEntity(assessments_, kMaxAssessments); }
void Uczen::RemoveAssessment(Ocena* assessment) { RemoveEntity(assessments_, assessment); }
Ocena* Uczen::Assessment(int index) const { return EntityAt(assessments_, index); }

void Uczen::Add_num(int32_t key, int32_t internal, int32_t value) {
    num_.AppendNum(key, internal, value);
}
bool Uczen::Get_num(int32_t key, int32_t internal, int32_t& value) const {
    return num_.FindNum(key, internal, value);
}
void Uczen::Add_txt(int32_t key, int32_t internal, const wxString& text) {
    AddText(txt_, key, internal, text);
}
bool Uczen::Get_txt(int32_t key, int32_t internal, wxString& text) const {
    return GetText(txt_, key, internal, text);
}

// ---- Klasa

Klasa::Klasa() = default;

Klasa::~Klasa() { file_.Close(); }

bool Klasa::CheckOk() const {
    KW_ASSERT_MSG(ok_, "klasa", kNotOk);
    return ok_;
}

void Klasa::Clear() {
    currentPupil_ = nullptr;
    currentAssessment_ = nullptr;
    pupils_.clear();
    num_.Clear();
    txt_.Clear();
}

Uczen* Klasa::AddPupil() {
    if (!CheckOk()) return nullptr;
    return AddEntity(pupils_, kMaxPupils);
}

void Klasa::RemovePupil(Uczen* pupil) {
    if (!CheckOk()) return;
    const bool wasCurrent = pupil && pupil == currentPupil_;
    if (RemoveEntity(pupils_, pupil) && wasCurrent) {
        currentPupil_ = nullptr;
        currentAssessment_ = nullptr;
    }
}

Uczen* Klasa::Pupil(int index) const {
    if (!CheckOk()) return nullptr;
    return EntityAt(pupils_, index);
}

void Klasa::Add_num(int32_t key, int32_t internal, int32_t value) {
    num_.AppendNum(key, internal, value);
}
bool Klasa::Get_num(int32_t key, int32_t internal, int32_t& value) const {
    return num_.FindNum(key, internal, value);
}
void Klasa::Add_txt(int32_t key, int32_t internal, const wxString& text) {
    AddText(txt_, key, internal, text);
}
bool Klasa::Get_txt(int32_t key, int32_t internal, wxString& text) const {
    return GetText(txt_, key, internal, text);
}

// ---- class file

bool Klasa::Save(const wxString& path) {
    if (!CheckOk()) return false;
    KW_ASSERT(!file_.IsOpen() && !path.empty(), "klasa");
    if (file_.IsOpen() || path.empty()) return false;
    file_.OpenForWriting(path);
    if (!file_.Good() || !file_.IsOpen()) {
        file_.Close();
        return false;
    }
    if (!WriteBody()) {
        file_.Close();  // throws the incomplete temporary file away
        return false;
    }
    return file_.Commit();
}

bool Klasa::WriteBody() {
    if (!file_.WriteList(num_) || !file_.WriteList(txt_) || !file_.WriteInt(PupilCount()))
        return false;
    for (const auto& pupil : pupils_) {
        if (!file_.WriteList(pupil->NumList()) || !file_.WriteList(pupil->TxtList()) ||
            !file_.WriteInt(pupil->AssessmentCount()))
            return false;
        for (int i = 0; i < pupil->AssessmentCount(); ++i) {
            const Ocena* a = pupil->Assessment(i);
            if (!file_.WriteList(a->StateList()) || !file_.WriteList(a->NumList()) ||
                !file_.WriteList(a->TxtList()))
                return false;
        }
    }
    return file_.Good();
}

bool Klasa::Read(const wxString& path) {
    if (!CheckOk()) return false;
    Clear();
    KW_ASSERT(!file_.IsOpen() && !path.empty(), "klasa");
    if (file_.IsOpen() || path.empty()) return false;
    file_.OpenForReading(path);
    if (!file_.Good() || !file_.IsOpen()) {
        file_.Close();
        return false;
    }
    const bool ok = ReadBody();
    if (!ok) ok_ = false;
    file_.Close();
    return ok;
}

bool Klasa::ReadBody() {
    if (!file_.ReadList(num_) || !file_.ReadList(txt_)) return false;
    int32_t pupilCount = 0;
    if (!file_.ReadInt(pupilCount)) return false;
    if (pupilCount < 0 || pupilCount > kMaxPupils) {
        KW_FAIL("klasa", "damaged class file: pupil count");
        return false;
    }
    for (int32_t p = 0; p < pupilCount; ++p) {
        Uczen* pupil = AddPupil();
        if (!pupil) return false;
        if (!file_.ReadList(pupil->NumList()) || !file_.ReadList(pupil->TxtList())) return false;
        int32_t count = 0;
        if (!file_.ReadInt(count)) return false;
        if (count < 0 || count > kMaxAssessments) {
            KW_FAIL("klasa", "damaged class file: assessment count");
            return false;
        }
        for (int32_t a = 0; a < count; ++a) {
            Ocena* assessment = pupil->AddAssessment();
            if (!assessment) return false;
            if (!file_.ReadList(assessment->StateList()) ||
                !file_.ReadList(assessment->NumList()) || !file_.ReadList(assessment->TxtList()))
                return false;
        }
        KW_ASSERT(pupil->AssessmentCount() == count, "klasa");
    }
    KW_ASSERT(PupilCount() == pupilCount, "klasa");
    return true;
}

}  // namespace kw
