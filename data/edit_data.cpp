#include "data/edit_data.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/command_target.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "res/ids.h"
#include "res/texts_edit.h"
#include "res/texts_viewer.h"
#include "viewer/gazo_view.h"

namespace {

// Template 135: 228 x 333 dialog units in the dialog font, grey background.
constexpr int kWindowWidthDlu = 228;
constexpr int kWindowHeightDlu = 333;
constexpr int kDialogFontPoints = 9;
constexpr QRgb kBackground = qRgb(192, 192, 192);

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CEditData::CEditData(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(texts::EDIT_TITLE));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(kBackground));
    setPalette(background);
    setAutoFillBackground(true);
    BuildMenu();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addStretch();
    const auto units =
        platform::BaseUnitsOf(platform::MakeFont(platform::kDialogFace, kDialogFontPoints));
    resize(platform::DluToPixelsX(kWindowWidthDlu, units),
           platform::DluToPixelsY(kWindowHeightDlu, units));
}

CEditData::~CEditData() {
    if (App().registry.editWindow == this) App().registry.editWindow = nullptr;
}

void CEditData::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    auto item = [this](QMenu* popup, int id, const char* text) {
        QAction* action = popup->addAction(Text(text));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id, 0); });
    };
    QMenu* file = menuBar_->addMenu(Text(texts::EDIT_MENU_FILE));
    item(file, ID_EXPORT_CSV, texts::EDIT_MENU_EXPORT_CSV);
    QMenu* print = menuBar_->addMenu(Text(texts::EDIT_MENU_PRINT));
    item(print, ID_PRINT_RESULTS, texts::EDIT_MENU_PRINT_RESULTS);
    item(print, ID_PRINT_INCLINED, texts::EDIT_MENU_PRINT_INCLINED);
    item(print, ID_PRINT_DETAIL, texts::EDIT_MENU_PRINT_DETAIL);
    QMenu* view = menuBar_->addMenu(Text(texts::EDIT_MENU_VIEW));
    item(view, ID_PROC_GUIDE, texts::EDIT_MENU_PROC_GUIDE);
    item(view, ID_EDIT_GUIDE, texts::EDIT_MENU_EDIT_GUIDE);
    item(view, ID_DATA_EXPLAIN, texts::EDIT_MENU_DATA_EXPLAIN);
    QAction* close = menuBar_->addAction(Text(texts::MENU_CLOSE));
    connect(close, &QAction::triggered, this, [this] { OnCommand(ID_WINDOW_CLOSE, 0); });
}

bool CEditData::OnCommand(int id, std::intptr_t /*value*/) {
    switch (id) {
    case ID_WINDOW_CLOSE:
        close();
        return true;
    default:
        return false;
    }
}

void CEditData::RefreshFromTable() { update(); }

void CEditData::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    // The main dialog forgets this window and shows itself; then the viewer
    // this window works with closes too.
    const int viewerSlot = App().registry.editViewerSlot;
    SendCommand(parentWidget(), ID_EDITWND_CLOSED, 0);
    if (ViewerRegistry::IsSlot(viewerSlot))
        if (CGazoView* viewer = App().registry.viewers[viewerSlot]) viewer->close();
}
