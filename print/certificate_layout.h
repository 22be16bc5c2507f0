#pragma once
// The certificate ("ŚWIADECTWO  SZKOLNE", MEN-I/1/1): the front with the pupil's and the school's
// data, the back with the year's assessment texts. Each side is drawn as the whole form, or on a
// pre-printed form as the data alone at the calibrated places.

#include "print/calibration.h"
#include "print/document_data.h"
#include "print/page_painter.h"

namespace kw {

// The school year as a pre-printed form takes it: "2010/2011", then "2011  2012" and so on.
wxString PreprintedSchoolYear(int index);

// Both expect the certificate frame set on the painter.
void DrawCertificateFront(PagePainter& p, const FrontData& d, const CalibrationTable& table);
void DrawCertificateBack(PagePainter& p, const BackData& d, const CalibrationTable& table,
                         TextFitter& fitter);

}  // namespace kw
