#pragma once
// The class, its pupils and each pupil's assessments: a three-level tree of entities, each with its
// own record lists.

#include <memory>
#include <vector>

#include <wx/string.h>

#include "klasa/class_file.h"
#include "klasa/record_list.h"

namespace kw {

constexpr int kMaxPupils = 99;
constexpr int kMaxAssessments = 99;

// One assessment of a pupil: a state list (the scores of the scored controls), a numeric and a
// text list.
class Ocena : public RecordHolder {
public:
    Ocena();

    void Clear();

    void Add_state(int32_t key, int32_t internal, int32_t value) override;
    bool Get_state(int32_t key, int32_t internal, int32_t& value) const override;
    void Add_num(int32_t key, int32_t internal, int32_t value) override;
    bool Get_num(int32_t key, int32_t internal, int32_t& value) const override;
    void Add_txt(int32_t key, int32_t internal, const wxString& text) override;
    bool Get_txt(int32_t key, int32_t internal, wxString& text) const override;

    // Copies of the holders 303, 302 and 301, for lists and selectors.
    const wxString& Name() const { return name_; }
    const wxString& Kind() const { return kind_; }
    const wxString& Number() const { return number_; }
    void SetName(const wxString& s) { name_ = s; }
    void SetKind(const wxString& s) { kind_ = s; }
    void SetNumber(const wxString& s) { number_ = s; }

    RecordList& StateList() { return state_; }
    RecordList& NumList() { return num_; }
    RecordList& TxtList() { return txt_; }
    const RecordList& StateList() const { return state_; }
    const RecordList& NumList() const { return num_; }
    const RecordList& TxtList() const { return txt_; }

private:
    wxString name_, kind_, number_;
    RecordList state_, num_, txt_;
};

// A pupil with up to 99 assessments.
class Uczen : public RecordHolder {
public:
    Uczen();

    void Clear();

    // A new empty assessment at the end, or nullptr (limit reached, out of memory).
    Ocena* AddAssessment();
    // Removes and deletes it; the last assessment takes its slot.
    void RemoveAssessment(Ocena* assessment);
    Ocena* Assessment(int index) const;
    int AssessmentCount() const { return static_cast<int>(assessments_.size()); }

    void Add_num(int32_t key, int32_t internal, int32_t value) override;
    bool Get_num(int32_t key, int32_t internal, int32_t& value) const override;
    void Add_txt(int32_t key, int32_t internal, const wxString& text) override;
    bool Get_txt(int32_t key, int32_t internal, wxString& text) const override;

    // Copies of the holders 201 and 202.
    const wxString& RegisterNumber() const { return registerNumber_; }
    const wxString& Surname() const { return surname_; }
    void SetRegisterNumber(const wxString& s) { registerNumber_ = s; }
    void SetSurname(const wxString& s) { surname_ = s; }

    RecordList& NumList() { return num_; }
    RecordList& TxtList() { return txt_; }
    const RecordList& NumList() const { return num_; }
    const RecordList& TxtList() const { return txt_; }

private:
    wxString registerNumber_, surname_;
    std::vector<std::unique_ptr<Ocena>> assessments_;
    RecordList num_, txt_;
};

// The open school class.
class Klasa : public RecordHolder {
public:
    Klasa();
    ~Klasa() override;

    // Deletes every pupil and clears the lists. The current pupil and assessment become none, so
    // that nothing points into deleted entities.
    void Clear();

    Uczen* AddPupil();
    void RemovePupil(Uczen* pupil);
    Uczen* Pupil(int index) const;
    int PupilCount() const { return static_cast<int>(pupils_.size()); }

    Uczen* CurrentPupil() const { return currentPupil_; }
    Ocena* CurrentAssessment() const { return currentAssessment_; }
    void SetCurrentPupil(Uczen* p) { currentPupil_ = p; }
    void SetCurrentAssessment(Ocena* a) { currentAssessment_ = a; }

    // Writes the whole tree to a class file, replacing the old file only once the new one is
    // complete on disk. False when anything failed; the old file is then unchanged.
    bool Save(const wxString& path);
    // Replaces the whole tree from a class file. False on failure; the caller discards the class.
    bool Read(const wxString& path);

    bool Ok() const { return ok_; }
    // The version field of the last file read.
    int FileVersion() const { return file_.Version(); }

    void Add_num(int32_t key, int32_t internal, int32_t value) override;
    bool Get_num(int32_t key, int32_t internal, int32_t& value) const override;
    void Add_txt(int32_t key, int32_t internal, const wxString& text) override;
    bool Get_txt(int32_t key, int32_t internal, wxString& text) const override;

    RecordList& NumList() { return num_; }
    RecordList& TxtList() { return txt_; }
    const RecordList& NumList() const { return num_; }
    const RecordList& TxtList() const { return txt_; }

private:
    bool CheckOk() const;
    bool WriteBody();
    bool ReadBody();

    bool ok_ = true;
    ClassFile file_;
    std::vector<std::unique_ptr<Uczen>> pupils_;
    Uczen* currentPupil_ = nullptr;
    Ocena* currentAssessment_ = nullptr;
    RecordList num_, txt_;
};

}  // namespace kw
