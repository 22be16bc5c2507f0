#pragma once
// The builders of the ten education areas (one file per group of areas).

#include <memory>

#include "oc/education_area.h"

namespace kw {

using AreaFactory = std::unique_ptr<EducationArea> (*)(const CtrBase::Callback& changed,
                                                        const CtrBase::Callback& ownTextChanged);

std::unique_ptr<EducationArea> MakeSpeakingArea(const CtrBase::Callback&, const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeListeningArea(const CtrBase::Callback&, const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeReadingArea(const CtrBase::Callback&, const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeWritingArea(const CtrBase::Callback&, const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeForeignLanguageArea(const CtrBase::Callback&,
                                                       const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeMathematicsArea(const CtrBase::Callback&,
                                                   const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeSocialNaturalArea(const CtrBase::Callback&,
                                                     const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeComputingArea(const CtrBase::Callback&, const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeArtsTechnicalArea(const CtrBase::Callback&,
                                                     const CtrBase::Callback&);
std::unique_ptr<EducationArea> MakeMovementArea(const CtrBase::Callback&, const CtrBase::Callback&);

}  // namespace kw
