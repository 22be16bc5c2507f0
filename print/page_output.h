#pragma once
// Pages into files: an A4 PDF with one page per document, or one page as a PNG image at a
// resolution. A file is written whole or not at all.

#include <functional>
#include <vector>

#include <wx/string.h>

#include "print/page_painter.h"

namespace kw {

using PageDrawing = std::function<void(PagePainter&)>;

// Fonts are embedded as subsets. False, with the reason, when nothing could be written.
bool WritePdf(const wxString& path, PangoTextMetrics& metrics, PageMode mode,
              const std::vector<PageDrawing>& pages, wxString* error);
// The page as the screen shows it, on white, at dpi.
bool WritePng(const wxString& path, PangoTextMetrics& metrics, double dpi,
              const PageDrawing& page, wxString* error);

// Pixels of an A4 page at a resolution.
int A4Pixels(int micrometres, double dpi);

}  // namespace kw
