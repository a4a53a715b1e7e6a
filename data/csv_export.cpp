#include "data/csv_export.h"

#include <cstring>

#include "data/format_text.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "res/texts_data.h"

namespace {

// A coordinate text as stored: up to 8 characters, never past the field.
std::string StoredText(const char (&text)[COORD_TEXT_SIZE]) {
    return std::string(text, strnlen(text, COORD_TEXT_SIZE - 1));
}

}  // namespace

std::string CsvText(const CalcResults& r, const SampleTable& table) {
    namespace t = texts_data;
    const ResultValues& s = r.shown;
    const ResultValues& o = r.source;
    std::string out;
    if (r.R == 1.0) {
        out += t::CSV_HEAD_1;
        out += FormatText(t::CSV_A_1, s.A);
        out += FormatText(t::CSV_L_1, s.L);
        out += FormatText(t::CSV_B_1, s.B);
        out += FormatText(t::CSV_H_1, s.H);
        out += FormatText(t::CSV_XC_1, s.xC);
        out += FormatText(t::CSV_BL_1, s.bL);
        out += FormatText(t::CSV_BR_1, s.bR);
        out += FormatText(t::CSV_YC_1, s.yC);
        out += FormatText(t::CSV_HU_1, s.hU);
        out += FormatText(t::CSV_HL_1, s.hL);
        out += FormatText(t::CSV_IY_1, s.IyMax);
        out += FormatText(t::CSV_THETA, s.theta);
        out += FormatText(t::CSV_IZ_1, s.IzMin);
    } else {
        out += FormatText(t::CSV_HEAD_R, r.R);
        out += FormatText(t::CSV_A_R, s.A, o.A);
        out += FormatText(t::CSV_L_R, s.L, o.L);
        out += FormatText(t::CSV_B_R, s.B, o.B);
        out += FormatText(t::CSV_H_R, s.H, o.H);
        out += FormatText(t::CSV_XC_R, s.xC, o.xC);
        out += FormatText(t::CSV_BL_R, s.bL, o.bL);
        out += FormatText(t::CSV_BR_R, s.bR, o.bR);
        out += FormatText(t::CSV_YC_R, s.yC, o.yC);
        out += FormatText(t::CSV_HU_R, s.hU, o.hU);
        out += FormatText(t::CSV_HL_R, s.hL, o.hL);
        out += FormatText(t::CSV_IY_R, s.IyMax, o.IyMax);
        out += FormatText(t::CSV_THETA, s.theta);
        out += FormatText(t::CSV_IZ_R, s.IzMin, o.IzMin);
    }
    out += t::CSV_DATA_HEAD;
    const int count = table.count < SAMPLE_CAPACITY ? table.count : SAMPLE_CAPACITY;
    for (int i = 0; i < count; ++i) {
        const SamplePoint& row = table.rows[i];
        out += FormatText(t::CSV_ROW, static_cast<int>(row.type), StoredText(row.xText).c_str(),
                          StoredText(row.yText).c_str());
    }
    return out;
}

std::string CsvStartFolder(const std::string& lastCsvDir, const std::string& programDir) {
    return lastCsvDir.empty() ? programDir : lastCsvDir;
}

bool WriteCsvExport(const std::string& path, const CalcResults& results, const SampleTable& table,
                    QWidget* owner) {
    if (WriteCp932TextFile(path, CsvText(results, table))) {
        platform::MessageBox(owner, texts_data::MSG_CSV_WRITTEN, texts_data::TITLE_CONFIRM);
        return true;
    }
    platform::MessageBox(owner, texts_data::MSG_FILE_OPEN_FAILED, texts_data::TITLE_CONFIRM);
    platform::MessageBox(owner, texts_data::MSG_CSV_WRITE_FAILED, texts_data::TITLE_CONFIRM);
    return false;
}

bool ExportCsv(const SampleTable& table, const CalcResults& results, const std::string& programDir,
               std::string& lastCsvDir, const CsvPathChooser& choosePath, QWidget* owner) {
    if (table.workState != WS_CALCULATED) {
        int answer = platform::MessageBox(owner, texts_data::MSG_CSV_NOT_CALCULATED, texts_data::TITLE_CONFIRM,
                                          platform::MB_YESNO);
        if (answer == platform::IDNO) return false;
    }
    const std::string path = choosePath(CsvStartFolder(lastCsvDir, programDir));
    if (path.empty()) return false;
    lastCsvDir = FolderOfPath(path);
    return WriteCsvExport(path, results, table, owner);
}
