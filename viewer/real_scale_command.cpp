#include "viewer/real_scale_command.h"

#include "app/app_context.h"
#include "data/picture_scales.h"
#include "dialogs/scale_def.h"
#include "image/view_image.h"

namespace {

void ApplyScale(CViewImage& image, double mmPerDot) {
    image.mmPerDot = mmPerDot;
    StorePictureScale(App().settingsPath, image.sourcePath, mmPerDot);
    if (EditLink* edit = App().registry.EditWindowLink()) edit->RealScaleChanged();
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
