#include "support/pdf_words.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include <cairo.h>

#include "support/test_support.h"

namespace kwtest {
namespace {

constexpr double kMicrometresPerPoint = 25400.0 / 72.0;

std::string Unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& e : entities) {
        for (size_t p = s.find(e.first); p != std::string::npos; p = s.find(e.first, p + 1))
            s.replace(p, std::string(e.first).size(), e.second);
    }
    return s;
}

}  // namespace

std::vector<PdfWord> PdfWords(const std::string& pdfPath) {
    const std::string html = pdfPath + ".html";
    const std::string cmd = "pdftotext -bbox-layout '" + pdfPath + "' '" + html + "'";
    std::vector<PdfWord> words;
    if (std::system(cmd.c_str()) != 0) return words;
    const std::string text = ReadBytes(html);
    std::remove(html.c_str());
    const std::regex page("<page "), word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)"
        "</word>");
    // Pages in order; a word belongs to the last page opened before it.
    std::vector<size_t> pageStarts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), page); it != std::sregex_iterator();
         ++it)
        pageStarts.push_back(static_cast<size_t>(it->position()));
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        int p = 0;
        while (p < static_cast<int>(pageStarts.size()) &&
               pageStarts[static_cast<size_t>(p)] < static_cast<size_t>(m.position()))
            ++p;
        words.push_back({p, Unescape(m[5]), std::stod(m[1]) * kMicrometresPerPoint,
                         std::stod(m[2]) * kMicrometresPerPoint, std::stod(m[3]) * kMicrometresPerPoint,
                         std::stod(m[4]) * kMicrometresPerPoint});
    }
    return words;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, int page, const std::string& text) {
    for (const PdfWord& w : words)
        if (w.page == page && w.text == text) return &w;
    return nullptr;
}

int CountWords(const std::vector<PdfWord>& words, int page, const std::string& text) {
    int n = 0;
    for (const PdfWord& w : words) n += w.page == page && w.text == text;
    return n;
}

Raster ReadPng(const std::string& pngPath) {
    Raster r;
    cairo_surface_t* s = cairo_image_surface_create_from_png(pngPath.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(s);
        r.width = cairo_image_surface_get_width(s);
        r.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        r.pixels.resize(static_cast<size_t>(r.width) * r.height);
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                r.pixels[static_cast<size_t>(y) * r.width + x] =
                    *reinterpret_cast<const uint32_t*>(data + y * stride + 4 * x) & 0xffffff;
    }
    cairo_surface_destroy(s);
    return r;
}

Raster RasterisePdf(const std::string& pdfPath, int page, int dpi, const std::string& workDir) {
    const std::string base = workDir + "/raster";
    const std::string cmd = "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " -f " +
                            std::to_string(page) + " -l " + std::to_string(page) + " '" + pdfPath +
                            "' '" + base + "'";
    if (std::system(cmd.c_str()) != 0) return {};
    Raster r = ReadPng(base + ".png");
    std::remove((base + ".png").c_str());
    return r;
}

namespace {
template <class Test>
int Count(const Raster& r, double dpi, int x, int y, int w, int h, Test test) {
    const auto px = [&](int um) { return static_cast<int>(um * dpi / 25400.0); };
    int n = 0;
    for (int j = px(y); j < px(y + h) && j < r.height; ++j)
        for (int i = px(x); i < px(x + w) && i < r.width; ++i) {
            const unsigned c = r.At(i, j);
            n += test(static_cast<int>(c >> 16), static_cast<int>((c >> 8) & 0xff),
                      static_cast<int>(c & 0xff));
        }
    return n;
}
}  // namespace

int DarkPixels(const Raster& r, double dpi, int x, int y, int w, int h) {
    return Count(r, dpi, x, y, w, h, [](int R, int G, int B) { return R + G + B < 3 * 110; });
}

int TintedPixels(const Raster& r, double dpi, int x, int y, int w, int h) {
    return Count(r, dpi, x, y, w, h, [](int R, int G, int B) {
        return std::max({R, G, B}) - std::min({R, G, B}) > 12 && R + G + B > 3 * 110;
    });
}

}  // namespace kwtest
