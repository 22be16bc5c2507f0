#pragma once
// Pages into files: an A4 PDF with one page per document, or one page as a PNG image at a
// resolution. A file is written whole or not at all.

#include <functional>
#include <memory>
#include <vector>

#include <wx/string.h>

#include "print/page_painter.h"

namespace kw {

using PageDrawing = std::function<void(PagePainter&)>;

// An A4 PDF drawn page by page, fonts embedded as subsets. The file appears only when Commit
// succeeds; until then, and if it never does, what was there stays.
class PdfPages {
public:
    PdfPages(const wxString& path, PangoTextMetrics& metrics, PageMode mode);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // False when the file cannot be written (then or since).
    bool Ok() const;
    // Draws one page; false when the file cannot be written.
    bool Add(const PageDrawing& page);
    int Pages() const { return pages_; }
    // Finishes the document and puts it in place; false, with the reason, when nothing was
    // written.
    bool Commit(wxString* error);

private:
    struct Output;
    std::unique_ptr<Output> out_;
    PangoTextMetrics& metrics_;
    PageMode mode_;
    int pages_ = 0;
};

// The pages at once. False, with the reason, when nothing could be written.
bool WritePdf(const wxString& path, PangoTextMetrics& metrics, PageMode mode,
              const std::vector<PageDrawing>& pages, wxString* error);
// The page as the screen shows it, on white, at dpi.
bool WritePng(const wxString& path, PangoTextMetrics& metrics, double dpi,
              const PageDrawing& page, wxString* error);

// Pixels of an A4 page at a resolution.
int A4Pixels(int micrometres, double dpi);

}  // namespace kw
