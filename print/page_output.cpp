#include "print/page_output.h"

#include <cmath>
#include <string>

#include <cairo-pdf.h>
#include <wx/file.h>
#include <wx/log.h>

namespace kw {
namespace {

constexpr double kPointsPerMicrometre = 72.0 / 25400.0;

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The bytes go to a temporary file beside the target, which then replaces it.
bool Store(const wxString& path, const std::string& bytes, wxString* error) {
    wxLogNull quiet;
    wxTempFile file;
    if (!file.Open(path) || !file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        if (error) *error = "cannot write the file";
        return false;
    }
    return true;
}

bool Failed(cairo_status_t status, wxString* error) {
    if (status == CAIRO_STATUS_SUCCESS) return false;
    if (error) *error = cairo_status_to_string(status);
    return true;
}

}  // namespace

int A4Pixels(int micrometres, double dpi) {
    return static_cast<int>(std::ceil(micrometres * dpi / 25400.0 - 1e-9));
}

// The PDF's bytes go straight to a temporary file beside the target.
struct PdfPages::Output {
    wxTempFile file;
    bool failed = false;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;

    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
        Output* o = static_cast<Output*>(closure);
        if (o->failed || !o->file.Write(data, length)) {
            o->failed = true;
            return CAIRO_STATUS_WRITE_ERROR;
        }
        return CAIRO_STATUS_SUCCESS;
    }
    void Close() {
        if (cr) cairo_destroy(cr);
        if (surface) {
            cairo_surface_finish(surface);
            cairo_surface_destroy(surface);
        }
        cr = nullptr;
        surface = nullptr;
    }
    ~Output() { Close(); }
};

PdfPages::PdfPages(const wxString& path, PangoTextMetrics& metrics, PageMode mode)
    : out_(std::make_unique<Output>()), metrics_(metrics), mode_(mode) {
    wxLogNull quiet;
    if (!out_->file.Open(path)) return;
    out_->surface = cairo_pdf_surface_create_for_stream(
        Output::Write, out_.get(), kA4Width * kPointsPerMicrometre, kA4Height * kPointsPerMicrometre);
    cairo_pdf_surface_set_metadata(out_->surface, CAIRO_PDF_METADATA_CREATOR, "Kwerlo");
    out_->cr = cairo_create(out_->surface);
    cairo_scale(out_->cr, kPointsPerMicrometre, kPointsPerMicrometre);
}

PdfPages::~PdfPages() {
    // Without a commit the temporary file is thrown away: nothing more goes into it.
    wxLogNull quiet;
    out_->failed = true;
    out_.reset();
}

bool PdfPages::Ok() const {
    return out_->cr && !out_->failed && cairo_status(out_->cr) == CAIRO_STATUS_SUCCESS;
}

bool PdfPages::Add(const PageDrawing& page) {
    if (!Ok()) return false;
    {
        PagePainter painter(out_->cr, metrics_, mode_);
        page(painter);
    }
    cairo_show_page(out_->cr);
    ++pages_;
    return Ok();
}

bool PdfPages::Commit(wxString* error) {
    wxLogNull quiet;
    if (!out_->cr) {  // never opened, or committed already
        if (error) *error = "cannot write the file";
        return false;
    }
    const cairo_status_t drawn = cairo_status(out_->cr);
    cairo_destroy(out_->cr);
    out_->cr = nullptr;
    cairo_surface_finish(out_->surface);
    const cairo_status_t finished = cairo_surface_status(out_->surface);
    cairo_surface_destroy(out_->surface);
    out_->surface = nullptr;
    if (Failed(drawn, error) || Failed(finished, error)) return false;
    if (out_->failed || !out_->file.Commit()) {
        if (error) *error = "cannot write the file";
        return false;
    }
    return true;
}

bool WritePdf(const wxString& path, PangoTextMetrics& metrics, PageMode mode,
              const std::vector<PageDrawing>& pages, wxString* error) {
    PdfPages pdf(path, metrics, mode);
    for (const PageDrawing& draw : pages) pdf.Add(draw);
    return pdf.Commit(error);
}

bool WritePng(const wxString& path, PangoTextMetrics& metrics, double dpi,
              const PageDrawing& page, wxString* error) {
    const int width = A4Pixels(kA4Width, dpi), height = A4Pixels(kA4Height, dpi);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, dpi / 25400.0, dpi / 25400.0);
    {
        PagePainter painter(cr, metrics, PageMode{});
        page(painter);
    }
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    std::string bytes;
    const cairo_status_t written =
        drawn == CAIRO_STATUS_SUCCESS ? cairo_surface_write_to_png_stream(surface, Append, &bytes)
                                      : drawn;
    cairo_surface_destroy(surface);
    if (Failed(written, error)) return false;
    return Store(path, bytes, error);
}

}  // namespace kw
