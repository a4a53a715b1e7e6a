#include "app/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/app_icon.h"
#include "app/dialog_template.h"
#include "platform/fonts.h"
#include "platform/unminimised_dialog.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/ui_text.h"

namespace {

constexpr int kIconControl = -2;  // the icon's place; it is drawn by a label
constexpr int kWidth = 235;
constexpr int kHeight = 55;

constexpr ControlTemplate kControls[] = {
    {kIconControl, ControlKind::Text, "", 11, 17, 20, 20},
    {IDC_STATIC, ControlKind::Text, texts::ABOUT_VERSION, 40, 10, 119, 8},
    {IDC_STATIC, ControlKind::Text, texts::ABOUT_DESCRIPTION, 40, 25, 119, 8},
    {ID_FRAMEWORK_OK, ControlKind::Button, "OK", 178, 7, 50, 14},
};

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    platform::SetUpDialogWindow(*this);
    setWindowTitle(Text(texts::ABOUT_TITLE));
    setFont(platform::MakeFont(platform::kDialogFace, 9));
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());
    // Sized first: longer texts than the template's widen it (BuildControls).
    setFixedSize(platform::DluToPixelsX(kWidth, units), platform::DluToPixelsY(kHeight, units));
    BuildControls(*this, kControls, units, [this](int id) {
        if (id == ID_FRAMEWORK_OK) accept();
    });
    if (auto* icon = qobject_cast<QLabel*>(FindControl(*this, kIconControl)))
        icon->setPixmap(AppIcon().pixmap(32, 32));
    if (auto* ok = qobject_cast<QPushButton*>(FindControl(*this, ID_FRAMEWORK_OK))) ok->setDefault(true);
}
