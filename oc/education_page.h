#pragma once
// The "Zajęcia edukacyjne" page: the ten areas composed into one education text, with the eight
// area scores of the chart, or a manual text with eight typed scores.

#include <array>
#include <memory>
#include <vector>

#include "oc/education_area.h"
#include "oc/text_mode.h"

namespace kw {

constexpr int kAreaCount = 10;
constexpr int kChartAreas = 8;

class EducationPage {
public:
    explicit EducationPage(CtrBase::Callback updateSpace);

    // Recomposes the automatic text, the source text and, in automatic mode, the preview;
    // nothing when none of what they depend on changed since the last time.
    void ComposeEducation();
    const wxString& EducationPrintText();
    // Chart index 0..7: the typed score in manual mode, else the area's mean score.
    int AreaPoints(int chartIndex);
    bool AreaHasText(int area) const { return hasText_.at(static_cast<size_t>(area)); }

    void MarkEducationChanged() { modes_->MarkChanged(); }
    void EducationChanged();
    void EducationOwnTextChanged();
    bool CheckEducationStale() { return modes_->CheckStale(); }
    void RefreshEducationManual();
    void ApplyEducationMode();
    void SwitchToManual();     // button 9
    void SwitchToAutomatic();  // button 8

    bool Manual() const { return modes_->Manual(); }
    const wxString& AutomaticText() const { return automaticText_; }
    const wxString& SourceText() const { return sourceText_; }
    const wxString& PreviewText() const { return modes_->PreviewText(); }
    std::pair<int, int> PreviewMark() const { return modes_->PreviewMark(); }
    bool StaleLabelShown() const { return modes_->StaleLabelShown(); }
    TextMode& Modes() { return *modes_; }

    EducationArea& Area(int i) { return *areas_.at(static_cast<size_t>(i)); }
    // The area drawn at a chart index.
    EducationArea& ChartArea(int chartIndex);
    CtrText& ManualText() { return *manualText_; }
    CtrSpin& ManualPoints(int chartIndex) { return *points_.at(static_cast<size_t>(chartIndex)); }
    CtrPanel& Page() { return *page_; }
    CtrNotebook& Areas() { return *areaNotebook_; }

    // The composed texts and the preview, kept aside while a walk over the class borrows the
    // controls.
    struct Kept {
        wxString automatic, source, print;
        std::array<bool, kAreaCount> hasText;
        TextMode::Kept modes;
    };
    Kept Keep() const {
        return {automaticText_, sourceText_, printText_, hasText_, modes_->Keep()};
    }
    void PutBack(const Kept& kept);

private:
    // The automatic text of the ten areas, with the has-text flags.
    wxString AutomaticEducationText();

    CtrBase::Callback updateSpace_;
    std::unique_ptr<CtrPanel> page_, manualPanel_, autoPanel_;
    std::unique_ptr<TextMode> modes_;
    std::unique_ptr<CtrText> manualText_;
    std::array<std::unique_ptr<CtrSpin>, kChartAreas> points_;
    std::unique_ptr<CtrNotebook> areaNotebook_;
    std::vector<std::unique_ptr<EducationArea>> areas_;
    std::array<bool, kAreaCount> hasText_{};
    wxString automaticText_, sourceText_, printText_;
};

}  // namespace kw
