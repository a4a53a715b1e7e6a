#include "viewer/magnification_command.h"

#include <QWidget>

#include "app/app_context.h"
#include "dialogs/ratio_def.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/texts_app.h"
#include "res/texts_viewer.h"
#include "viewer/display_scale.h"
#include "viewer/image_canvas.h"

std::optional<double> ChangeMagnification(QWidget* viewer, CViewImage& view, ImageCanvas& canvas) {
    SampleTable& table = App().sampleTable;
    if (table.count != 0 &&
        platform::MessageBox(viewer, texts::MAGNIFICATION_QUESTION, texts::MAGNIFICATION_QUESTION_TITLE,
                             platform::MB_YESNO) == platform::IDNO)
        return std::nullopt;
    const double oldScale = view.displayScale;
    const CImageData& image = view.image;
    CRatioDef dialog(viewer, ScalePercent(oldScale), image.width(), image.height());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;

    // A percentage of 0 or below would collapse every point onto 0 and make
    // the next change divide by zero; a raster too large to make would leave
    // nothing to show. Both are refused before anything changes.
    const int percent = dialog.percent();
    if (percent <= 0) {
        platform::MessageBox(viewer, FormatText(texts::MAGNIFICATION_TOO_SMALL, percent),
                             texts::TITLE_CONFIRM);
        return std::nullopt;
    }
    const double newScale = ScaleOfPercent(percent);
    if (!canvas.Rerender(newScale)) {
        platform::MessageBox(viewer, FormatText(texts::MAGNIFICATION_TOO_LARGE, percent),
                             texts::TITLE_CONFIRM);
        return std::nullopt;
    }

    view.displayScale = newScale;
    canvas.ResetScrolling(newScale);
    if (table.count > 0) {
        // Every point keeps its place on the picture up to whole display dots.
        table.ScaleCoords(newScale / oldScale);
        // Zooming in to place the next corner precisely is part of
        // sampling: it goes on. Results worked out before are old.
        if (table.workState != WS_SAMPLING) table.workState = WS_MODIFIED;
        if (EditLink* edit = App().registry.EditWindowLink()) edit->RowsChanged();
    }
    // The edit window shows the new percentage at once, rows or none.
    if (EditLink* edit = App().registry.EditWindowLink()) edit->MagnificationChanged();
    App().history.NoteChange();
    return newScale / oldScale;
}
