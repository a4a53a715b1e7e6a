// The print menu of the edit window: write a report file into the program's
// directory and hand it to the print program beside the program file.
#pragma once

#include <string>
#include <vector>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/notices.h"

enum class ReportKind {
    Results,       // "CalRslt.txt"
    InclinedAxes,  // "InclRslt.txt"
    Details,       // "DetailDat.txt"
    Properties,    // "SectProp.txt"
};

const char* ReportFileName(ReportKind kind);

// The report's contents from the calculation state.
std::string ReportText(ReportKind kind, const CalcState& state);

// Writes the report as reportDir/<file name>; on failure *told gets the
// open message and, for the result and inclined-axis reports, the write
// message. Returns the full path, or an empty string on failure.
std::string WriteReportFile(ReportKind kind, const CalcState& state, const std::string& reportDir,
                            Notices* told = nullptr);

// The print program's file beside the program, and its arguments for a report.
std::string PrintProgramPath(const std::string& programDir);
std::vector<std::string> PrintProgramArguments(const std::string& fullPath, const std::string& fileName);

// True when the table's results are current; else *told gets the message
// that there is nothing calculated to print.
bool CalculatedForPrinting(const SampleTable& table, Notices* told = nullptr);

// Hands the file at path to the print program; *told gets the start-failure
// message when it cannot be started. True when started.
bool StartPrintProgram(const std::string& path, const std::string& fileName, const std::string& programDir,
                       Notices* told = nullptr);

// The whole command: refuses unless the table is calculated, writes the
// file in reportDir, starts the print program (the one beside the program,
// else the one on PATH; without waiting). *told gets the messages of the
// way, in order. True when started.
bool PrintReport(ReportKind kind, const SampleTable& table, const CalcState& state,
                 const std::string& reportDir, const std::string& programDir, Notices* told = nullptr);
