#include "data/report_printing.h"

#include <unistd.h>

#include "res/format_text.h"
#include "data/properties_report.h"
#include "data/report_texts.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "platform/shell_execute.h"
#include "res/texts_data.h"
#include "res/texts_properties.h"

namespace {

// The print program's file in the program's directory.
constexpr char PRINT_PROGRAM_FILE[] = "lurm";

}  // namespace

const char* ReportFileName(ReportKind kind) {
    switch (kind) {
    case ReportKind::Results: return texts_data::FILE_CALC_REPORT;
    case ReportKind::InclinedAxes: return texts_data::FILE_INCLINED_REPORT;
    case ReportKind::Properties: return texts_properties::FILE_PROPERTIES_REPORT;
    case ReportKind::Details: break;
    }
    return texts_data::FILE_DETAIL_REPORT;
}

std::string ReportText(ReportKind kind, const CalcState& state) {
    switch (kind) {
    case ReportKind::Results: return CalcReportText(state.results);
    case ReportKind::InclinedAxes: return InclinedReportText(state.inclined);
    case ReportKind::Properties: return PropertiesReportText(PropertiesOf(state));
    case ReportKind::Details: break;
    }
    return DetailReportText(state.segments.data(), state.segmentCount);
}

std::string WriteReportFile(ReportKind kind, const CalcState& state, const std::string& reportDir,
                            Notices* told) {
    const std::string path = JoinPath(reportDir, ReportFileName(kind));
    if (WriteCp932TextFile(path, ReportText(kind, state))) return path;
    Tell(told, {texts_data::MSG_FILE_OPEN_FAILED, texts_data::TITLE_CONFIRM});
    if (kind == ReportKind::Results) {
        Tell(told, {texts_data::MSG_CALC_REPORT_WRITE_FAILED, texts_data::TITLE_REQUEST});
    } else if (kind == ReportKind::InclinedAxes) {
        Tell(told, {texts_data::MSG_INCLINED_REPORT_WRITE_FAILED, texts_data::TITLE_REQUEST});
    }
    return {};
}

std::string PrintProgramPath(const std::string& programDir) { return JoinPath(programDir, PRINT_PROGRAM_FILE); }

namespace {

// An installed program's print program lies beside it or on PATH.
std::string PrintProgramToStart(const std::string& programDir) {
    const std::string beside = PrintProgramPath(programDir);
    return access(beside.c_str(), F_OK) == 0 ? beside : PRINT_PROGRAM_FILE;
}

}  // namespace

std::vector<std::string> PrintProgramArguments(const std::string& fullPath, const std::string& fileName) {
    // "Lurm.exe F=<full path> PF=<file name> CV=1", one argument per word so
    // that blanks in the path survive.
    return {"Lurm.exe", "F=" + fullPath, "PF=" + fileName, "CV=1"};
}

bool CalculatedForPrinting(const SampleTable& table, Notices* told) {
    if (table.workState == WS_CALCULATED) return true;
    Tell(told, {texts_data::MSG_NOT_CALCULATED_PRINT, texts_data::TITLE_CONFIRM});
    return false;
}

bool PrintReport(ReportKind kind, const SampleTable& table, const CalcState& state,
                 const std::string& reportDir, const std::string& programDir, Notices* told) {
    if (!CalculatedForPrinting(table, told)) return false;
    const std::string path = WriteReportFile(kind, state, reportDir, told);
    if (path.empty()) return false;
    return StartPrintProgram(path, ReportFileName(kind), programDir, told);
}

bool StartPrintProgram(const std::string& path, const std::string& fileName, const std::string& programDir,
                       Notices* told) {
    int result = platform::ShellExecute(nullptr, PrintProgramToStart(programDir),
                                        PrintProgramArguments(path, fileName));
    if (result >= 32) return true;
    // A missing program gets the wording that says where it belongs.
    const char* format = result == platform::SE_FILE_NOT_FOUND ? texts_data::MSG_PRINT_PROGRAM_MISSING
                                                               : texts_data::MSG_PRINT_START_FAILED;
    Tell(told, {FormatText(format, result), texts_data::TITLE_REQUEST,
                platform::MB_OK | platform::MB_ICONEXCLAMATION});
    return false;
}
