// veldrio-calc: reads an outline as CSV rows "type,x,y" (an exported file or
// a bare list of rows), calculates it as the edit window does, prints the
// nine result lines, and with --out writes the reports and the CSV file.
//
//   veldrio-calc [--scale R] [--out DIR] FILE
//   veldrio-calc [--scale R] [--out DIR] --trace PICTURE X Y
//
// With --trace the outline is traced from the dot (X, Y) of the picture at
// 100 % and its rows are printed as "type,x,y" before the results; a dot
// where no figure is found exits 1 with the message.
//
// Exit status: 0 calculated; 1 the calculation refused the outline (its
// message on standard error); 2 the file could not be read or the command
// line is wrong.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/outline_csv_reader.h"
#include "data/report_printing.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "res/texts_data.h"
#include "calc/traced_outline.h"

namespace {

// The file the CSV export goes to inside --out.
constexpr char CSV_FILE_NAME[] = "Result.csv";

struct Options {
    double scale = 1.0;
    std::string outDir;
    std::string input;
    bool trace = false;  // input is a picture traced from (seedX, seedY)
    int seedX = 0;
    int seedY = 0;
};

// What --help prints; the manual page says the same.
constexpr char HELP[] =
    "usage: veldrio-calc [--scale R] [--out DIR] FILE | --trace PICTURE X Y\n"
    "Calculates the outline in FILE (CSV rows \"type,x,y\", or a CSV file the\n"
    "program exported) as the edit window does and prints the nine result lines.\n"
    "  --scale R   the magnification the points were taken at (default 1)\n"
    "  --out DIR   also write the three reports and Result.csv into DIR\n"
    "  --trace PICTURE X Y\n"
    "              trace the figure around the dot (X, Y) of the picture at 100 %,\n"
    "              print its rows \"type,x,y\", then calculate them; exit status 1\n"
    "              when no figure is found there\n"
    "  -h, --help  print this help\n"
    "Exit status: 0 calculated; 1 the calculation refused the outline (its\n"
    "message on standard error); 2 the file could not be read or the command\n"
    "line is wrong.\n";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "veldrio-calc: %s\nusage: veldrio-calc [--scale R] [--out DIR] FILE | --trace PICTURE X Y\n", problem.c_str());
    return 2;
}

bool ParseScale(const std::string& text, double& scale) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), scale);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(scale) && scale > 0;
}

bool ParseDot(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    bytes = s.str();
    return true;
}

// Every message the calculation shows goes to standard error; questions are
// answered Yes as a user going ahead would.
void SendMessagesToStandardError() {
    platform::SetMessageBoxHook([](const platform::MessageBoxCall& call) {
        std::fprintf(stderr, "%s\n", call.text.c_str());
        return (call.style & 0x0F) == platform::MB_YESNO ? int(platform::IDYES) : int(platform::IDOK);
    });
}

bool WriteOutputs(const std::string& dir, const SampleTable& table, const CalcState& state) {
    for (ReportKind kind : {ReportKind::Results, ReportKind::InclinedAxes, ReportKind::Details}) {
        if (WriteReportFile(kind, state, dir, nullptr).empty()) return false;
    }
    if (!WriteCp932TextFile(JoinPath(dir, CSV_FILE_NAME), CsvText(state.results, table))) {
        std::fprintf(stderr, "%s\n%s\n", texts_data::MSG_FILE_OPEN_FAILED, texts_data::MSG_CSV_WRITE_FAILED);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scale" && i + 1 < args.size()) {
            if (!ParseScale(args[++i], options.scale)) return Usage("--scale needs a positive number");
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            options.outDir = args[++i];
        } else if (args[i] == "--trace" && i + 3 < args.size() && options.input.empty()) {
            options.trace = true;
            options.input = args[++i];
            if (!ParseDot(args[++i], options.seedX) || !ParseDot(args[++i], options.seedY))
                return Usage("--trace needs a picture and the dot's X and Y");
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::fputs(HELP, stdout);
            return 0;
        } else if (options.input.empty() && args[i].rfind("--", 0) != 0) {
            options.input = args[i];
        } else {
            return Usage("unexpected argument: " + args[i]);
        }
    }
    if (options.input.empty()) return Usage("no outline file given");

    std::string bytes;
    if (!options.trace && !ReadFile(options.input, bytes)) {
        std::fprintf(stderr, "veldrio-calc: cannot read %s\n", options.input.c_str());
        return 2;
    }
    if (!options.outDir.empty()) {
        std::error_code ec;
        const auto csv = std::filesystem::weakly_canonical(JoinPath(options.outDir, CSV_FILE_NAME), ec);
        if (csv == std::filesystem::weakly_canonical(options.input, ec)) {
            return Usage("the outline file would be overwritten by the CSV output");
        }
    }

    SendMessagesToStandardError();
    SampleTable table;
    CalcState state;
    std::string error;
    if (options.trace) {
        if (const int status = ReadTracedOutline(options.input, options.seedX, options.seedY, table)) return status;
    } else switch (ReadOutlineCsv(bytes, table, error)) {
    case OutlineReadResult::Ok: break;
    case OutlineReadResult::Malformed:
        std::fprintf(stderr, "veldrio-calc: %s: %s\n", options.input.c_str(), error.c_str());
        return 2;
    case OutlineReadResult::TooManyRows:
        std::fprintf(stderr, "%s\n", texts_data::MSG_TABLE_FULL);
        return 1;
    }
    if (!Calculate(table, state, options.scale, nullptr)) return 1;
    for (const std::string& line : ResultBoxLines(state.results, table.workState)) std::printf("%s\n", line.c_str());
    if (!options.outDir.empty() && !WriteOutputs(options.outDir, table, state)) return 2;
    return 0;
}
