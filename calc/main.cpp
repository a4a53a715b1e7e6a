// veldrio-calc: reads an outline as CSV rows "type,x,y" (an exported file or
// a bare list of rows), calculates it as the edit window does, prints the
// nine result lines, and with --out writes the reports and the CSV file.
//
//   veldrio-calc [--scale R] [--mm-per-dot K] [--properties | --json] [--out DIR] FILE
//   veldrio-calc [the same options] --trace PICTURE X Y
//   veldrio-calc [the same options] [--layer NAME] FILE.dxf
//
// With --trace the outline is traced from the dot (X, Y) of the picture at
// 100 % and its rows are printed as "type,x,y" before the results (with
// --json they go into the object as "rows"); a dot where no figure is found
// exits 1 with the message.
// Rows "9,0,0" (coordinates ignored, may be blank) break the outline into
// loops: parts and holes. --json also prints "loops", how many there are.
// A FILE ending in .dxf is a drawing: its loops (of the layer --layer
// names) are read as if clicked; --dxf and --svg write the outline, its
// centroid and axes as a drawing and a picture.
// --properties adds the section-property block after the nine lines; --json
// prints the results and properties as one JSON object instead of the lines.
// Exit status: 0 calculated; 1 the calculation refused the outline (its
// message on standard error); 2 the file could not be read or the command
// line is wrong.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/calc_driver.h"
#include "data/csv_export.h"
#include "data/outline_csv_reader.h"
#include "data/properties_report.h"
#include "data/report_printing.h"
#include "data/report_texts.h"
#include "data/text_file.h"
#include "calc/cad_options.h"
#include "calc/number_words.h"
#include "calc/plane_options.h"
#include "calc/traced_outline.h"
#include "platform/ui_language.h"
#include "res/texts_data.h"

namespace {

// The file the CSV export goes to inside --out.
constexpr char CSV_FILE_NAME[] = "Result.csv";

struct Options {
    double scale = 1.0;
    double mmPerDot = 0;  // 0: no real-unit scale
    bool properties = false;
    bool json = false;
    std::string outDir;
    std::string input;
    bool trace = false;  // input is a picture traced from (seedX, seedY)
    int seedX = 0;
    int seedY = 0;
    PlaneOptions plane;  // --plane, --plane-mm, --rectify, --dots-per-mm
    CadOptions cad;
};

using Values = std::vector<std::string>;

// One command-line option: its name, the words for its values (null when it
// takes none, one word per value), and what it does with the values; apply
// returns what is wrong, or an empty text.
struct OptionSpec {
    const char* name;
    const char* valueName;
    const char* help;  // its line in --help
    std::function<std::string(Options&, const Values&)> apply;

    std::size_t ValueCount() const {
        if (!valueName) return 0;
        return std::size_t(std::count(valueName, valueName + std::char_traits<char>::length(valueName), ' ')) + 1;
    }
};

constexpr char TRACE_OPTION[] = "--trace";

const std::vector<OptionSpec>& OptionSpecs() {
    static const std::vector<OptionSpec> specs = {
        {"--scale", "R", "the magnification the points were taken at (default 1)",
         [](Options& o, const Values& v) {
             return ParsePositive(v[0], o.scale) ? std::string() : "--scale needs a positive number";
         }},
        {"--mm-per-dot", "K", "millimetres per dot of the source picture: adds values in mm",
         [](Options& o, const Values& v) {
             return ParsePositive(v[0], o.mmPerDot) ? std::string() : "--mm-per-dot needs a positive number";
         }},
        {"--properties", nullptr, "also print the section properties (moduli, radii of gyration)",
         [](Options& o, const Values&) { o.properties = true; return std::string(); }},
        {"--json", nullptr, "print the results and properties as one JSON object instead",
         [](Options& o, const Values&) { o.json = true; return std::string(); }},
        {"--out", "DIR", "also write the four reports and Result.csv into DIR",
         [](Options& o, const Values& v) { o.outDir = v[0]; return std::string(); }},
        {"--dxf", "OUT.dxf", "also write the outline, centroid and axes as a DXF drawing",
         [](Options& o, const Values& v) { o.cad.dxfOut = v[0]; return std::string(); }},
        {"--svg", "OUT.svg", "also write the outline, centroid and axes as an SVG picture",
         [](Options& o, const Values& v) { o.cad.svgOut = v[0]; return std::string(); }},
        {"--layer", "NAME", "for a FILE.dxf: the loops on that layer only",
         [](Options& o, const Values& v) { o.cad.layer = v[0]; return std::string(); }},
        {TRACE_OPTION, "PICTURE X Y", "trace the figure around the dot (X, Y) of the picture at 100 %, print its rows",
         [](Options& o, const Values& v) {
             if (!o.input.empty()) return std::string("--trace takes the place of FILE");
             if (!ParseWhole(v[1], o.seedX) || !ParseWhole(v[2], o.seedY))
                 return std::string("--trace needs a picture and the dot's X and Y");
             o.trace = true;
             o.input = v[0];
             return std::string();
         }},
        {"--plane", "X1,Y1,...,X4,Y4", "a known rectangle's corners (dots at 100 %, clockwise from the top-left): mm in its plane",
         [](Options& o, const Values& v) { return ReadPlanePoints(v[0], o.plane); }},
        {"--plane-mm", "W,H", "the rectangle's width (first to second corner) and height in mm",
         [](Options& o, const Values& v) { return ReadPlaneSize(v[0], o.plane); }},
        {"--rectify", "PICTURE OUT.png", "write the picture corrected onto the plane instead of calculating",
         [](Options& o, const Values& v) { o.plane.rectifyPicture = v[0]; o.plane.rectifyOut = v[1]; return std::string(); }},
        {"--dots-per-mm", "D", "dots per mm of the corrected picture (default: as many as the picture has)",
         [](Options& o, const Values& v) { return ReadDotsPerMm(v[0], o.plane); }},
    };
    return specs;
}

// The option's name and the words for its values.
std::string Synopsis(const OptionSpec& spec) {
    return std::string(spec.name) + (spec.valueName ? std::string(" ") + spec.valueName : "");
}

std::string UsageLine() {
    std::string line = "usage: veldrio-calc";
    std::string trace;
    for (const OptionSpec& spec : OptionSpecs()) {
        if (spec.name == std::string_view(TRACE_OPTION))
            trace = Synopsis(spec);
        else
            line += " [" + Synopsis(spec) + "]";
    }
    return line + " FILE | " + trace + "\n";
}

// What --help prints; the manual page says the same.
std::string Help() {
    std::string help = UsageLine() +
                       "Calculates the outline in FILE (CSV rows \"type,x,y\", or a CSV file the\n"
                       "program exported) as the edit window does and prints the nine result lines.\n";
    for (const OptionSpec& spec : OptionSpecs()) {
        // A long synopsis stands on a line of its own, its help below it.
        std::string name = Synopsis(spec);
        if (name.size() > 16) name += "\n" + std::string(18, ' ');
        name.resize(std::max<std::size_t>(name.size(), 16), ' ');
        help += "  " + name + " " + spec.help + "\n";
    }
    return help + "  --lang ja|en     the language of the result lines and messages (default: the desktop's)\n"
                  "  -h, --help       print this help\n"
                  "Exit status: 0 calculated; 1 the calculation refused the outline (its\n"
                  "message on standard error); 2 the file could not be read or the command\n"
                  "line is wrong.\n";
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "veldrio-calc: %s\n%s", problem.c_str(), UsageLine().c_str());
    return 2;
}

// Fills options from the arguments; the problem's text when they are wrong.
std::string ParseOptions(const std::vector<std::string>& args, Options& options, bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return {};
        }
        bool known = false;
        for (const OptionSpec& spec : OptionSpecs()) {
            if (arg != spec.name) continue;
            known = true;
            const std::size_t count = spec.ValueCount();
            if (args.size() - i - 1 < count) return arg + " needs " + spec.valueName;
            const Values values(args.begin() + std::ptrdiff_t(i) + 1, args.begin() + std::ptrdiff_t(i + count) + 1);
            i += count;
            if (std::string problem = spec.apply(options, values); !problem.empty()) return problem;
            break;
        }
        if (known) continue;
        if (!options.input.empty() || arg.rfind("--", 0) == 0) return "unexpected argument: " + arg;
        options.input = arg;
    }
    if (std::string problem = CheckPlaneOptions(options.plane, options.mmPerDot, !options.input.empty()); !problem.empty())
        return problem;
    if (options.input.empty() && !options.plane.Rectifying()) return "no outline file given";
    return {};
}

// The property report's text with plain line ends, for the terminal.
std::string WithNewlines(std::string text) {
    std::erase(text, '\r');
    return text;
}

// What the calculation and the writers have to say goes to standard error,
// one message a line.
void PrintNotices(const Notices& notices) {
    for (const Notice& notice : notices)
        if (!notice.empty()) std::fprintf(stderr, "%s\n", Tr(notice.text).c_str());
}

bool WriteOutputs(const std::string& dir, const SampleTable& table, const CalcState& state) {
    for (ReportKind kind :
         {ReportKind::Results, ReportKind::InclinedAxes, ReportKind::Details, ReportKind::Properties}) {
        Notices told;
        if (WriteReportFile(kind, state, dir, &told).empty()) {
            PrintNotices(told);
            return false;
        }
    }
    if (!WriteCp932TextFile(JoinPath(dir, CSV_FILE_NAME), CsvText(state.results, table))) {
        std::fprintf(stderr, "%s\n%s\n", Tr(texts_data::MSG_FILE_OPEN_FAILED), Tr(texts_data::MSG_CSV_WRITE_FAILED));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool help = false;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const platform::LanguageOption language = platform::TakeLanguageOption(arguments);
    if (!language.problem.empty()) return Usage(language.problem);
    platform::UseUiLanguage(platform::ChooseUiLanguage(language));
    if (std::string problem = ParseOptions(arguments, options, help); !problem.empty())
        return Usage(problem);
    if (help) {
        std::fputs(Help().c_str(), stdout);
        return 0;
    }

    if (options.plane.Rectifying()) return RunRectify(options.plane);

    std::string bytes;
    if (!options.trace && !ReadWholeFile(options.input, bytes)) {
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

    SampleTable table;
    CalcState state;
    std::string error;
    if (options.trace) {
        std::string message;
        if (const int status = ReadTracedOutline(options.input, options.seedX, options.seedY, table, message, options.plane.setting)) {
            std::fprintf(stderr, "%s\n", Tr(message).c_str());
            return status;
        }
        if (!options.json) std::fputs(TracedRowsText(table).c_str(), stdout);
    } else if (IsDxfFile(options.input)) {
        if (const int status = ReadDxfOutline(bytes, options.cad.layer, table, options.mmPerDot)) return status;
    } else switch (ReadOutlineCsv(bytes, table, error)) {
    case OutlineReadResult::Ok: break;
    case OutlineReadResult::Malformed:
        std::fprintf(stderr, "veldrio-calc: %s: %s\n", options.input.c_str(), error.c_str());
        return 2;
    case OutlineReadResult::TooManyRows:
        std::fprintf(stderr, "%s\n", Tr(texts_data::MSG_TABLE_FULL));
        return 1;
    }
    if (Notice refusal; !Calculate(table, state, options.scale, &refusal)) {
        PrintNotices({refusal});
        return 1;
    }
    state.mmPerDot = options.mmPerDot;
    if (const int status = MeasureWithPlane(options.plane, table, options.scale, state)) return status;
    if (options.json) {
        std::string json = PropertiesJson(PropertiesOf(state));
        json.insert(json.size() - 1, ", \"loops\": " + std::to_string(LoopCountOf(state.segments.data(), state.segmentCount)));
        if (options.trace) json.insert(json.size() - 1, ", \"rows\": " + TracedRowsJson(table));
        std::printf("%s\n", json.c_str());
    } else {
        for (const std::string& line : ResultBoxLines(state.results, table.workState)) std::printf("%s\n", line.c_str());
        if (options.properties) std::printf("\n%s", WithNewlines(PropertiesReportText(PropertiesOf(state))).c_str());
    }
    if (!options.outDir.empty() && !WriteOutputs(options.outDir, table, state)) return 2;
    if (!WriteCadFiles(options.cad, table, state)) return 2;
    return 0;
}
