#include "print/text_metrics.h"

namespace kw {
namespace {
TextMetrics* g_metrics = nullptr;
}

TextMetrics* InstalledTextMetrics() { return g_metrics; }
void InstallTextMetrics(TextMetrics* metrics) { g_metrics = metrics; }

}  // namespace kw
