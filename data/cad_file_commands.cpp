#include "data/cad_file_commands.h"

#include <QWidget>
#include <filesystem>

#include "app/app_context.h"
#include "app/command_target.h"
#include "app/drawing_picture_viewer.h"
#include "cad/drawing_picture.h"
#include "cad/dxf_import.h"
#include "data/cad_export.h"
#include "data/cad_table.h"
#include "data/csv_export.h"
#include "data/notice_display.h"
#include "data/text_file.h"
#include "data/undo_history.h"
#include "image/view_image.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_cad.h"
#include "res/texts_data.h"
#include "res/texts_properties.h"

namespace {

std::string ChooseDxfPath(QWidget* owner, const std::string& startFolder, bool save) {
    platform::FileDialogRequest request;
    request.save = save;
    request.defaultExt = texts_cad::DXF_DEFAULT_EXTENSION;
    request.fileName = save ? texts_cad::DXF_INITIAL_NAME : "";
    request.filter =
        std::string(Tr(texts_cad::DXF_FILTER)) + "|*.dxf|" + Tr(texts_cad::ALL_FILTER) + "|*.*||";
    request.initialDir = startFolder;
    request.options = save ? platform::OFN_HIDEREADONLY : platform::OFN_FILEMUSTEXIST;
    const platform::FileDialogResult chosen =
        save ? platform::GetSaveFileName(owner, request) : platform::GetOpenFileName(owner, request);
    return chosen.value_or(std::string());
}

Notice Told(std::string text, const char* title) {
    return {std::move(text), title, platform::MB_ICONEXCLAMATION};
}

}  // namespace

void CadFileCommands::Export(const CViewImage* picture) const {
    AppContext& app = App();
    if (app.sampleTable.workState != WS_CALCULATED) {
        platform::ShowNotice(window_, Told(texts_cad::MSG_NOT_CALCULATED, texts_cad::TITLE_EXPORT));
        return;
    }
    const std::string dxf = ChooseDxfPath(window_, CsvStartFolder(app.lastCsvDir, app.DataFolder()), true);
    if (dxf.empty()) return;
    app.lastCsvDir = FolderOfPath(dxf);
    const std::string svg = std::filesystem::path(dxf).replace_extension(".svg").string();
    const double mmPerDot = picture != nullptr ? picture->mmPerDot : 0.0;
    const std::string failed =
        WriteCadFiles(dxf, svg, app.sampleTable, app.calc, mmPerDot, app.settings.colourNumbers);
    if (!failed.empty())
        platform::ShowNotice(
            window_, Told(FormatText(texts_cad::MSG_WRITE_FAILED, failed.c_str()), texts_cad::TITLE_EXPORT));
}

bool CadFileCommands::Import(const std::function<double()>& magnification) const {
    AppContext& app = App();
    const std::string path = ChooseDxfPath(window_, CsvStartFolder(app.lastCsvDir, app.DataFolder()), false);
    if (path.empty()) return false;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        platform::ShowNotice(window_,
                             Told(texts_properties::MSG_OUTLINE_UNREADABLE, texts_cad::TITLE_IMPORT));
        return false;
    }
    SampleTable& table = app.sampleTable;
    const cad::DxfImport import = cad::ImportDxf(bytes, {}, table.capacity);
    if (import.status != cad::ImportStatus::Loaded) {
        platform::ShowNotice(window_, Told(import.message, texts_cad::TITLE_IMPORT));
        return false;
    }
    const Notice replace{texts_properties::MSG_OUTLINE_REPLACE, texts_data::TITLE_CONFIRM,
                         platform::MB_YESNO};
    if (table.count > 0 && !Ask(AskOver(window_), replace)) return false;
    const cad::DrawingPicture picture = cad::PictureForDrawing(import.box, import.mmPerUnit);
    DrawingPictureRequest request{picture.width, picture.height, picture.mmPerDot,
                                  std::filesystem::path(path).filename().string()};
    SendCommand(window_->parentWidget(), ID_OPEN_DRAWING_PICTURE, reinterpret_cast<std::intptr_t>(&request));
    if (!request.opened) return false;
    cad::RowPlacement placement = picture.placement;
    placement.scale *= magnification();
    UndoRecord record(App().history, ChangeKind::ReadDrawing);
    StoreCadRows(table, cad::ImportedRows(import, placement));
    return true;
}
