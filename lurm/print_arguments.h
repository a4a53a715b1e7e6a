// The print program's command line: "F=<full path> PF=<file name> CV=1",
// as the measuring program starts it (a leading program-name word is
// ignored), plus "--pdf <out.pdf>" to render into a PDF file without any
// dialog.
#pragma once

#include <string>
#include <vector>

struct PrintArguments {
    std::string filePath;  // F=: the report to print
    std::string jobName;   // PF=: the name the print job carries (the file's name when absent)
    bool preview = false;  // CV=1: show the print preview first
    std::string pdfPath;   // --pdf: write this PDF instead of printing
    std::string error;     // what was wrong with the command line; empty when usable
};

PrintArguments ParsePrintArguments(const std::vector<std::string>& arguments);
