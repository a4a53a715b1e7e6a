#include "viewer/real_scale_command.h"

#include "app/app_context.h"
#include "data/picture_scales.h"
#include "data/setting_change.h"
#include "dialogs/scale_def.h"
#include "image/view_image.h"
#include "res/texts_undo.h"

namespace {

void SetScale(CViewImage& image, double mmPerDot) {
    image.mmPerDot = mmPerDot;
    StorePictureScale(App().settingsPath, image.sourcePath, mmPerDot);
    if (EditLink* edit = App().registry.EditWindowLink()) edit->RealScaleChanged();
}

// A step of the undo history. The history is forgotten when the edit
// window and its viewer close, so the picture outlives the step.
void ApplyScale(CViewImage& image, double mmPerDot) {
    const double before = image.mmPerDot;
    SetScale(image, mmPerDot);
    if (before != mmPerDot)
        App().history.Push(
            new SettingChange(texts_undo::CHANGE_REAL_SCALE, [&image, before] { SetScale(image, before); },
                              [&image, mmPerDot] { SetScale(image, mmPerDot); }));
}

}  // namespace

bool RunRealScaleDialog(QWidget* viewer, CViewImage& image, double measuredDots) {
    CScaleDef dialog(viewer, image.mmPerDot, measuredDots);
    dialog.exec();
    switch (dialog.outcome()) {
    case CScaleDef::Outcome::Set: ApplyScale(image, dialog.mmPerDot()); break;
    case CScaleDef::Outcome::Cleared: ApplyScale(image, 0); break;
    case CScaleDef::Outcome::Measure: return true;
    case CScaleDef::Outcome::Cancelled: break;
    }
    return false;
}

void LoadRealScale(CViewImage& image) {
    image.mmPerDot = StoredPictureScale(App().settingsPath, image.sourcePath);
    image.plane = StoredPicturePlane(App().settingsPath, image.sourcePath);
}
