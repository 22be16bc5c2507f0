// kwerlo-cli: the class-file tools without a screen. Results go to stdout, messages to stderr;
// exit 0 on success, 1 when a file could not be read or written, 2 on a usage error.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include <wx/init.h>
#include <wx/string.h>

#include "app/core.h"
#include "app/error_report.h"
#include "app/messages.h"
#include "app/program.h"
#include "cli/class_json.h"
#include "cli/class_texts.h"
#include "cli/print_commands.h"
#include "print/pango_metrics.h"
#include "klasa/klasa.h"

namespace {

const char kUsage[] =
    "  kwerlo-cli dump FILE.kwer            print the class file as JSON\n"
    "  kwerlo-cli build FILE.json OUT.kwer  write a class file from JSON\n"
    "  kwerlo-cli texts FILE.kwer           print the finished texts of every assessment\n"
    "  kwerlo-cli texts FILE.kwer --format txt|csv [--kind K]\n"
    "                                       the texts for the electronic register: each pupil\n"
    "                                       with the newest assessment of kind K (0, 1, 2)\n"
    "  kwerlo-cli --help                    show this text\n";

void PrintUsage(std::ostream& out) { out << "Usage:\n" << kUsage << kw::kPrintUsage; }

void PrintAssert(const wxString& file, int line, const wxString&, const wxString& cond,
                 const wxString& msg) {
    wxString text = wxString::Format("%s: internal check failed (%s:%d): %s", KWERLO_TITLE, file,
                                     line, msg.empty() ? cond : msg);
    std::cerr << text.utf8_str().data() << "\n";
}

wxString Arg(const char* s) { return wxString::FromUTF8(s); }

void Say(int code, const char* path) { kw::ReportFileError(code, path); }

int Dump(const char* path) {
    kw::Klasa klasa;
    if (!klasa.Read(Arg(path))) {
        Say(kw::kCannotRead, path);
        return 1;
    }
    std::cout << kw::ClassToJson(klasa).dump() << "\n";
    return std::cout.good() ? 0 : 1;
}

// texts FILE [--format txt|csv [--kind K]]; -1 when the arguments are not that.
int Texts(int argc, char** argv) {
    const char* path = argv[2];
    std::string format;
    int kind = 0;
    bool kindGiven = false;
    for (int i = 3; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return -1;
        const std::string value = argv[i + 1];
        if (option == "--format" && format.empty() && (value == "txt" || value == "csv")) {
            format = value;
        } else if (option == "--kind" && !kindGiven && value.size() == 1 && value[0] >= '0' &&
                   value[0] <= '2') {
            kind = value[0] - '0';
            kindGiven = true;
        } else {
            return -1;
        }
    }
    if (kindGiven && format.empty()) return -1;
    kw::Core core;
    if (!core.ReadClass(Arg(path))) {
        Say(kw::kCannotRead, path);
        return 1;
    }
    if (format == "txt") kw::WriteRegisterTxt(core, kind, std::cout);
    else if (format == "csv") kw::WriteRegisterCsv(core, kind, std::cout);
    else kw::WriteClassTexts(core, std::cout);
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

int Build(const char* jsonPath, const char* outPath) {
    std::ifstream in(jsonPath, std::ios::binary);
    if (!in) {
        Say(kw::kCannotOpen, jsonPath);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    nlohmann::json doc;
    try {
        doc = nlohmann::json::parse(text.str());
    } catch (const nlohmann::json::exception& e) {
        std::cerr << jsonPath << ": not valid JSON: " << e.what() << "\n";
        return 1;
    }
    kw::Klasa klasa;
    std::string error;
    if (!kw::ClassFromJson(doc, klasa, error)) {
        std::cerr << jsonPath << ": " << error << "\n";
        return 1;
    }
    if (!klasa.Save(Arg(outPath))) {
        Say(kw::kCannotWrite, outPath);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    static kw::ErrorReport errors;
    wxInitializer init;
    if (!init.IsOk()) {
        std::cerr << "kwerlo-cli: cannot initialise wxWidgets\n";
        return 1;
    }
    wxSetAssertHandler(PrintAssert);

    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    try {
        if (command == "dump" && argc == 3) return Dump(argv[2]);
        if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
        if (command == "texts" && argc >= 3) {
            const int code = Texts(argc, argv);
            if (code >= 0) return code;
        }
        const std::vector<std::string> rest(argv + std::min(argc, 2), argv + argc);
        auto printing = [&rest](int (*run)(const std::vector<std::string>&)) {
            const int code = run(rest);
            kw::ReleaseTextCaches();
            return code;
        };
        if (command == "pdf") return printing(kw::PdfCommand);
        if (command == "png") return printing(kw::PngCommand);
        if (command == "check") return printing(kw::CheckCommand);
    } catch (const std::exception& e) {
        std::cerr << "kwerlo-cli: " << e.what() << "\n";
        return 1;
    }
    PrintUsage(std::cerr);
    return 2;
}
