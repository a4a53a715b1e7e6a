#include "data/edit_file_commands.h"

#include "app/app_context.h"
#include "data/csv_export.h"
#include "data/measurement_sheet.h"
#include "data/notice_display.h"
#include "data/outline_reopen.h"
#include "data/plane_measure.h"
#include "data/report_printing.h"
#include "image/view_image.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "res/ids.h"
#include "res/texts_data.h"

namespace {

// The file dialogs of the CSV export (save) and of reading an outline back (open).
std::string ChooseCsvPath(QWidget* owner, const std::string& startFolder, bool save) {
    platform::FileDialogRequest request;
    request.save = save;
    request.defaultExt = texts_data::CSV_DEFAULT_EXTENSION;
    request.fileName = texts_data::CSV_INITIAL_NAME;
    request.filter = std::string(Tr(texts_data::CSV_FILTER_CSV)) + "|*.csv|" +
                     Tr(texts_data::CSV_FILTER_DAT) + "|*.dat|" + texts_data::CSV_FILTER_ALL + "|*.*||";
    request.initialDir = startFolder;
    request.options = platform::OFN_HIDEREADONLY;  // an existing file is replaced without asking
    if (!save) return platform::GetOpenFileName(owner, request).value_or(std::string());
    return platform::GetSaveFileName(owner, request).value_or(std::string());
}

ReportKind ReportOf(int id) {
    switch (id) {
    case ID_PRINT_INCLINED: return ReportKind::InclinedAxes;
    case ID_PRINT_DETAIL: return ReportKind::Details;
    case ID_PRINT_PROPERTIES: return ReportKind::Properties;
    default: return ReportKind::Results;
    }
}

}  // namespace

void EditFileCommands::Print(int id, const CViewImage* picture) const {
    AppContext& app = App();
    Notices told;
    const Notice planeRefused =
        picture != nullptr
            ? SetPrintedScale(app.calc, app.sampleTable, picture->displayScale, picture->mmPerDot, picture->plane)
            : SetPrintedScale(app.calc, app.sampleTable, 1.0, 0.0, {});
    if (!planeRefused.empty()) told.push_back(planeRefused);
    if (id == ID_PRINT_SHEET) {
        static const CImageData noPicture;
        const CImageData& image = picture != nullptr ? picture->image : noPicture;
        PrintMeasurementSheet(app.sampleTable, app.calc, image, app.DataFolder(), app.programDir, &told);
    } else {
        PrintReport(ReportOf(id), app.sampleTable, app.calc, app.DataFolder(), app.programDir, &told);
    }
    ShowNotices(window_, told);
}

void EditFileCommands::ExportCsv() const {
    AppContext& app = App();
    Notices told;
    ::ExportCsv(
        app.sampleTable, app.calc.results, app.DataFolder(), app.lastCsvDir,
        [this](const std::string& folder) { return ChooseCsvPath(window_, folder, true); }, AskOver(window_),
        &told);
    ShowNotices(window_, told);
}

bool EditFileCommands::ReopenOutline(double viewerR) const {
    AppContext& app = App();
    const std::string path = ChooseCsvPath(window_, CsvStartFolder(app.lastCsvDir, app.DataFolder()), false);
    if (path.empty()) return false;
    Notice notice;
    UndoRecord record(app.history, ChangeKind::ReadCsv);
    const bool replaced = ::ReopenOutline(path, viewerR, app.sampleTable, AskOver(window_), &notice);
    platform::ShowNotice(window_, notice);
    return replaced;
}
