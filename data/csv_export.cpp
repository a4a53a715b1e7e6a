#include "data/csv_export.h"

#include <cstring>

#include "res/format_text.h"
#include "data/result_value_lines.h"
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
    static const ResultLineFormats formats = {{
        {t::CSV_A_1, t::CSV_A_R},   {t::CSV_L_1, t::CSV_L_R},   {t::CSV_B_1, t::CSV_B_R},
        {t::CSV_H_1, t::CSV_H_R},   {t::CSV_XC_1, t::CSV_XC_R}, {t::CSV_BL_1, t::CSV_BL_R},
        {t::CSV_BR_1, t::CSV_BR_R}, {t::CSV_YC_1, t::CSV_YC_R}, {t::CSV_HU_1, t::CSV_HU_R},
        {t::CSV_HL_1, t::CSV_HL_R}, {t::CSV_IY_1, t::CSV_IY_R}, {t::CSV_THETA, t::CSV_THETA},
        {t::CSV_IZ_1, t::CSV_IZ_R},
    }};
    std::string out = r.R == 1.0 ? std::string(t::CSV_HEAD_1) : FormatText(t::CSV_HEAD_R, r.R);
    out += ResultValueLines(r, formats);
    out += t::CSV_DATA_HEAD;
    const int count = table.count < SAMPLE_CAPACITY ? table.count : SAMPLE_CAPACITY;
    for (int i = 0; i < count; ++i) {
        const SamplePoint& row = table.rows[i];
        out += FormatText(t::CSV_ROW, static_cast<int>(row.type), StoredText(row.xText).c_str(),
                          StoredText(row.yText).c_str());
    }
    return out;
}

std::string CsvStartFolder(const std::string& lastCsvDir, const std::string& dataDir) {
    return lastCsvDir.empty() ? dataDir : lastCsvDir;
}

bool WriteCsvExport(const std::string& path, const CalcResults& results, const SampleTable& table,
                    Notices* told) {
    if (WriteCp932TextFile(path, CsvText(results, table))) {
        Tell(told, {texts_data::MSG_CSV_WRITTEN, texts_data::TITLE_CONFIRM});
        return true;
    }
    Tell(told, {texts_data::MSG_FILE_OPEN_FAILED, texts_data::TITLE_CONFIRM});
    Tell(told, {texts_data::MSG_CSV_WRITE_FAILED, texts_data::TITLE_CONFIRM});
    return false;
}

bool ExportCsv(const SampleTable& table, const CalcResults& results, const std::string& dataDir,
               std::string& lastCsvDir, const CsvPathChooser& choosePath, const AskUser& ask, Notices* told) {
    if (table.workState != WS_CALCULATED &&
        !Ask(ask, {texts_data::MSG_CSV_NOT_CALCULATED, texts_data::TITLE_CONFIRM, platform::MB_YESNO}))
        return false;
    const std::string path = choosePath(CsvStartFolder(lastCsvDir, dataDir));
    if (path.empty()) return false;
    lastCsvDir = FolderOfPath(path);
    return WriteCsvExport(path, results, table, told);
}
