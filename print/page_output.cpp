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

bool WritePdf(const wxString& path, PangoTextMetrics& metrics, PageMode mode,
              const std::vector<PageDrawing>& pages, wxString* error) {
    std::string bytes;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
        Append, &bytes, kA4Width * kPointsPerMicrometre, kA4Height * kPointsPerMicrometre);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Kwerlo");
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, kPointsPerMicrometre, kPointsPerMicrometre);
    for (const PageDrawing& draw : pages) {
        {
            PagePainter painter(cr, metrics, mode);
            draw(painter);
        }
        cairo_show_page(cr);
    }
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t finished = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (Failed(drawn, error) || Failed(finished, error)) return false;
    return Store(path, bytes, error);
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
