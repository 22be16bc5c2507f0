#include "print/documents.h"

#include "app/assertion.h"
#include "print/certificate_layout.h"

namespace kw {

bool CanDraw(int document) { return document == 1 || document == 2; }

void DrawDocument(PagePainter& p, TextFitter& fitter, int document, const DocumentSources& s) {
    switch (document) {
        case 1:
            p.SetFrame(FrameKind::Certificate);
            DrawCertificateFront(p, s.front, s.calibration);
            return;
        case 2:
            p.SetFrame(FrameKind::Certificate);
            DrawCertificateBack(p, s.back, s.calibration, fitter);
            return;
    }
    KW_FAIL("print", "no such document");
}

}  // namespace kw
