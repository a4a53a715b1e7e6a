// Export of the result record and the sample rows into a CSV file the user
// names (Shift-JIS, CR LF).
#pragma once

#include <functional>
#include <string>

#include "data/calc_results.h"
#include "data/sample_table.h"
#include "data/notices.h"

// The file's contents (UTF-8, CR LF): the results block, one form at R
// exactly 1 and one with the source-scale values otherwise, then the rows
// below count as stored.
std::string CsvText(const CalcResults& results, const SampleTable& table);

// Where the save dialog opens: the last CSV folder, else the program's data folder.
std::string CsvStartFolder(const std::string& lastCsvDir, const std::string& dataDir);

// Writes the file; *told gets how it went ("指定Csvファイルに書込みました", or
// the open message and then "Csv ファイル書込みに失敗しました"). True when written.
bool WriteCsvExport(const std::string& path, const CalcResults& results, const SampleTable& table,
                    Notices* told = nullptr);

// Asks the save dialog for a path, starting in a folder; empty on Cancel.
using CsvPathChooser = std::function<std::string(const std::string& startFolder)>;

// The whole command: asks first when the table is not calculated (No
// stops), lets choosePath pick the file, remembers its folder in
// lastCsvDir, writes; *told gets what the writing has to say. True when a
// file was written.
bool ExportCsv(const SampleTable& table, const CalcResults& results, const std::string& dataDir,
               std::string& lastCsvDir, const CsvPathChooser& choosePath, const AskUser& ask,
               Notices* told = nullptr);
