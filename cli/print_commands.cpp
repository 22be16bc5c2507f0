#include "cli/print_commands.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "app/error_report.h"
#include "app/messages.h"
#include "klasa/klasa.h"
#include "print/calibration.h"
#include "print/documents.h"
#include "print/page_output.h"
#include "print/pango_metrics.h"

namespace kw {

const char kPrintUsage[] =
    "  kwerlo-cli pdf FILE.kwer OUT.pdf [--pupil N] [--assessment M] [--document D]...\n"
    "                 [--preprinted [--calibration FILE.kal]]\n"
    "                                       the documents of an assessment as an A4 PDF\n"
    "  kwerlo-cli png FILE.kwer OUT.png [--pupil N] [--assessment M] --document D [--dpi 96]\n"
    "                                       one document as the preview shows it\n"
    "  kwerlo-cli check FILE.kwer [--pupil N] [--assessment M]\n"
    "                                       the pre-print checks' messages and the gauges\n";

namespace {

wxString Arg(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

std::string Utf8(const wxString& s) {
    const wxScopedCharBuffer b = s.utf8_str();
    return std::string(b.data(), b.length());
}

struct UsageError {
    std::string message;
};

struct Options {
    std::vector<std::string> files;
    std::optional<int> pupil, assessment, dpi;
    std::vector<int> documents;
    bool preprinted = false;
    std::optional<std::string> calibration;
};

int Number(const std::string& option, const std::string& value) {
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || n < 0 || n > 1000000)
        throw UsageError{option + " takes a whole number, not \"" + value + "\""};
    return static_cast<int>(n);
}

// allowed: the options the command takes.
Options Parse(const std::vector<std::string>& args, size_t fileCount,
              const std::vector<std::string>& allowed) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            o.files.push_back(a);
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), a) == allowed.end())
            throw UsageError{"unknown option " + a};
        if (a == "--preprinted") {
            o.preprinted = true;
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
        const std::string& v = args[++i];
        if (a == "--pupil") o.pupil = Number(a, v);
        else if (a == "--assessment") o.assessment = Number(a, v);
        else if (a == "--document") o.documents.push_back(Number(a, v));
        else if (a == "--dpi") o.dpi = Number(a, v);
        else if (a == "--calibration") o.calibration = v;
    }
    if (o.files.size() != fileCount) throw UsageError{"wrong number of files"};
    if (o.calibration && !o.preprinted)
        throw UsageError{"--calibration goes with --preprinted"};
    return o;
}

int Usage(const std::string& message) {
    std::cerr << "kwerlo-cli: " << message << "\nUsage:\n" << kPrintUsage;
    return 2;
}

// The class opened as the program opens it, the metrics installed for the checks, and the
// pupil and assessment asked for made current; the ones the program chose are current again
// afterwards.
class Session {
public:
    // Exit code when it could not be set up, 0 otherwise.
    int Open(const Options& o) {
        wxString error;
        metrics_ = PangoTextMetrics::Create(&error);
        if (!metrics_) {
            std::cerr << "kwerlo-cli: " << Utf8(error) << "\n";
            return 1;
        }
        InstallTextMetrics(metrics_.get());
        if (!core_.ReadClass(Arg(o.files[0]))) {
            ReportFileError(kCannotRead, o.files[0]);
            return 1;
        }
        Klasa* klasa = OpenClass();
        originalPupil_ = klasa->CurrentPupil();
        originalAssessment_ = klasa->CurrentAssessment();
        if (o.pupil) {
            if (*o.pupil >= klasa->PupilCount())
                return Usage("--pupil " + std::to_string(*o.pupil) + ": the class has " +
                             std::to_string(klasa->PupilCount()) + " pupils");
            SelectPupil(klasa->Pupil(*o.pupil));
            changed_ = true;
        }
        Uczen* pupil = klasa->CurrentPupil();
        if (!pupil) return Usage("the class has no pupils");
        if (o.assessment) {
            if (*o.assessment >= pupil->AssessmentCount())
                return Usage("--assessment " + std::to_string(*o.assessment) + ": the pupil has " +
                             std::to_string(pupil->AssessmentCount()) + " assessments");
            SelectAssessment(pupil->Assessment(*o.assessment));
            changed_ = true;
        }
        if (!klasa->CurrentAssessment()) return Usage("the pupil has no assessments");
        return 0;
    }

    ~Session() {
        Klasa* klasa = OpenClass();
        if (changed_ && klasa) {
            SelectPupil(originalPupil_);
            if (originalAssessment_) SelectAssessment(originalAssessment_);
        }
        InstallTextMetrics(nullptr);
    }

    Core& core() { return core_; }
    PangoTextMetrics& metrics() { return *metrics_; }
    int Kind() { return core_.AssessmentPage().Kind().Selection(); }

    // The documents asked for, or all the kind offers; exit code 2 when one is not offered.
    int Documents(const Options& o, std::vector<int>& out) {
        const int kind = Kind();
        const std::vector<int> offered = DocumentsOfKind(kind);
        std::vector<int> drawable;
        for (int d : offered)
            if (CanDraw(d)) drawable.push_back(d);
        std::string names;
        for (int d : drawable)
            names += (names.empty() ? "" : ", ") + std::to_string(d) + " (" +
                     Utf8(DocumentName(d)) + ")";
        const std::string kindText = "the assessment's kind " + std::to_string(kind) + " (" +
                                     Utf8(core_.AssessmentPage().Kind().SelectedCaption()) + ")";
        if (drawable.empty()) return Usage(kindText + " offers no document that can be drawn yet");
        if (o.documents.empty()) {
            out = drawable;
            return 0;
        }
        for (int d : o.documents) {
            if (std::find(drawable.begin(), drawable.end(), d) != drawable.end()) continue;
            const bool later = std::find(offered.begin(), offered.end(), d) != offered.end();
            return Usage("--document " + std::to_string(d) +
                         (later ? " (" + Utf8(DocumentName(d)) + ") is not drawn by this version"
                                : std::string()) +
                         ": " + kindText + " offers " + names);
        }
        out = o.documents;
        return 0;
    }

    // Runs a document's check as the preview (display) or the print job (printing) does.
    void Check(int document, bool printing) {
        const CheckFlags flags{true, true, printing};
        if (document == 1) core_.Checks().FrontCheck(flags);
        else core_.Checks().AssessmentCheck(Kind(), flags);
    }

    DocumentSources Sources(const CalibrationTable& table) {
        DocumentSources s;
        s.front = CurrentFrontData(core_);
        s.back = CurrentBackData(core_);
        s.calibration = table;
        return s;
    }

private:
    Core core_;
    std::unique_ptr<PangoTextMetrics> metrics_;
    Uczen* originalPupil_ = nullptr;
    Ocena* originalAssessment_ = nullptr;
    bool changed_ = false;
};

std::vector<PageDrawing> Pages(const std::vector<int>& documents, const DocumentSources& sources,
                               TextFitter& fitter) {
    std::vector<PageDrawing> pages;
    for (int d : documents)
        pages.push_back([d, &sources, &fitter](PagePainter& p) {
            DrawDocument(p, fitter, d, sources);
        });
    return pages;
}

}  // namespace

void ReportFileError(int code, const std::string& path) {
    TheMessages().Show(ErrorReport::Text(code, Arg(path)), ErrorReport::Caption(), Buttons::Ok,
                       Icon::Error);
}

namespace {

using PageWriter = std::function<bool(PangoTextMetrics&, const std::vector<PageDrawing>&)>;

// Opens the class, runs the checks of the documents asked for (as printing does, or as the
// preview does) and writes their pages; the exit code.
int DrawDocuments(const Options& o, bool printing, const PageWriter& write) {
    Session session;
    if (const int code = session.Open(o)) return code;
    std::vector<int> documents;
    if (const int code = session.Documents(o, documents)) return code;

    const bool sheetOption = session.core().ClassPage().SheetOption().IsOn();
    CalibrationTable table = DefaultCalibration(sheetOption);
    if (o.calibration && !ReadCalibrationFile(Arg(*o.calibration), sheetOption, table)) return 1;

    // Printing: as a teacher who answers Yes to each document's problems.
    for (int d : documents) session.Check(d, printing);
    const DocumentSources sources = session.Sources(table);
    TextFitter fitter(session.metrics());
    if (!write(session.metrics(), Pages(documents, sources, fitter))) {
        ReportFileError(kCannotWrite, o.files[1]);
        return 1;
    }
    return 0;
}

}  // namespace

int PdfCommand(const std::vector<std::string>& args) {
    Options o;
    try {
        o = Parse(args, 2,
                  {"--pupil", "--assessment", "--document", "--preprinted", "--calibration"});
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    const PageMode mode{true, !o.preprinted};
    return DrawDocuments(o, true, [&](PangoTextMetrics& m, const std::vector<PageDrawing>& pages) {
        return WritePdf(Arg(o.files[1]), m, mode, pages, nullptr);
    });
}

int PngCommand(const std::vector<std::string>& args) {
    Options o;
    try {
        o = Parse(args, 2, {"--pupil", "--assessment", "--document", "--dpi"});
        if (o.documents.size() != 1) throw UsageError{"png draws one --document"};
        if (o.dpi && (*o.dpi < 30 || *o.dpi > 1200))
            throw UsageError{"--dpi takes 30 to 1200"};
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    return DrawDocuments(o, false, [&](PangoTextMetrics& m, const std::vector<PageDrawing>& pages) {
        return WritePng(Arg(o.files[1]), m, o.dpi.value_or(96), pages[0], nullptr);
    });
}

int CheckCommand(const std::vector<std::string>& args) {
    Options o;
    try {
        o = Parse(args, 1, {"--pupil", "--assessment"});
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    Session session;
    if (const int code = session.Open(o)) return code;
    const CheckFlags flags{true, true, false};
    const int kind = session.Kind();
    auto list = [](const std::optional<std::vector<wxString>>& messages) {
        nlohmann::ordered_json a = nlohmann::ordered_json::array();
        if (messages)
            for (const wxString& m : *messages) a.push_back(Utf8(m));
        return a;
    };
    nlohmann::ordered_json out;
    out["kind"] = kind;
    out["front"] = list(session.core().Checks().FrontMessages(flags));
    out["assessment"] = list(session.core().Checks().AssessmentMessages(kind, flags));
    const SpaceGauges& g = session.core().Editor().Gauges();
    out["gauges"] = {{"behaviour", g.behaviour},
                     {"education", g.education},
                     {"achievements", g.achievements},
                     {"letter_report", g.letterReport}};
    std::cout << out.dump() << "\n";
    return std::cout.good() ? 0 : 1;
}

}  // namespace kw
