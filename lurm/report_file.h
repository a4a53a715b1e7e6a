// Reading a report file written by the measuring program: Shift-JIS text,
// lines ended by CR LF.
#pragma once

#include <QStringList>

#include <string>

// The lines of a report's bytes; a last empty line (after the final CR LF)
// is dropped.
QStringList ReportLines(const std::string& bytes);

// The lines of the report at path; false when it cannot be read.
bool ReadReport(const std::string& path, QStringList& lines);
