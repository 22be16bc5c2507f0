#pragma once
// Drawing a document by its number, from the data gathered for it.

#include "print/calibration.h"
#include "print/document_data.h"
#include "print/page_painter.h"

namespace kw {

struct DocumentSources {
    FrontData front;
    BackData back;
    CalibrationTable calibration;
};

// The documents this version draws: the certificate's front (1) and back (2).
bool CanDraw(int document);
// Sets the document's frame and draws it.
void DrawDocument(PagePainter& p, TextFitter& fitter, int document, const DocumentSources& s);

}  // namespace kw
