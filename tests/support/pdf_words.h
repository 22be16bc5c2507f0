#pragma once
// What a PDF shows, read back with poppler's pdftotext -bbox-layout: every word with its box, in
// micrometres from the page's top-left corner; and pages rasterised with pdftoppm.

#include <string>
#include <vector>

namespace kwtest {

struct PdfWord {
    int page;  // from 1
    std::string text;
    double xMin, yMin, xMax, yMax;  // µm
};

std::vector<PdfWord> PdfWords(const std::string& pdfPath);
// The first word of a page with this text, or nullptr.
const PdfWord* FindWord(const std::vector<PdfWord>& words, int page, const std::string& text);
int CountWords(const std::vector<PdfWord>& words, int page, const std::string& text);

// One page as an RGB24 image at a resolution; empty when pdftoppm failed.
struct Raster {
    int width = 0, height = 0;
    std::vector<unsigned> pixels;  // 0xRRGGBB
    unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Raster RasterisePdf(const std::string& pdfPath, int page, int dpi, const std::string& workDir);
Raster ReadPng(const std::string& pngPath);
// Pixels of the rectangle (µm) darker than a mid grey, or tinted (not grey), at the raster's dpi.
int DarkPixels(const Raster& r, double dpi, int x, int y, int w, int h);
int TintedPixels(const Raster& r, double dpi, int x, int y, int w, int h);

}  // namespace kwtest
