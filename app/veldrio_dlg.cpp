#include "app/veldrio_dlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

#include "app/about_dlg.h"
#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/clipboard_capture.h"
#include "app/dialog_template.h"
#include "app/drawing_picture_viewer.h"
#include "app/file_drop.h"
#include "app/image_file_type.h"
#include "app/preview_painter.h"
#include "app/image_file_opener.h"
#include "app/journal_keeper.h"
#include "app/menu_builder.h"
#include "app/recent_combo.h"
#include "app/recent_images.h"
#include "app/settings_startup.h"
#include "app/settings_reset_command.h"
#include "app/work_restore.h"
#include "app/zone_commands.h"
#include "dialogs/open_guide.h"
#include "platform/dialog_units.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/network_path.h"
#include "res/ids.h"
#include "res/format_text.h"
#include "res/texts_undo.h"
#include "res/texts_app.h"
#include "res/ui_text.h"
#include "viewer/gazo_view.h"

namespace {

// Template 102: 306 x 203 dialog units.
constexpr int kDialogWidth = 306;
constexpr int kDialogHeight = 203;

constexpr QRgb kDarkLabel = qRgb(0, 48, 48);
constexpr QRgb kGreyLabel = qRgb(160, 160, 160);

constexpr ControlTemplate kControls[] = {
    {IDC_LABEL_FILE_CHOICE, ControlKind::LabelBox, texts::LABEL_FILE_CHOICE, 8, 12, 64, 19, kDarkLabel},
    {IDC_FILE_SEARCH, ControlKind::Button, texts::BUTTON_FILE_SEARCH, 76, 12, 48, 16},
    {IDC_STATIC, ControlKind::Text, texts::HINT_FORMATS, 56, 36, 96, 12},
    {IDC_STATIC, ControlKind::Text, texts::HINT_DROP, 32, 56, 128, 12},
    {IDC_PREVIEW_BOX, ControlKind::HiddenBox, "", 164, 8, 76, 84},
    {IDC_STATIC, ControlKind::Text, texts::HINT_DOUBLE_CLICK, 252, 8, 48, 28},
    {IDC_LABEL_RECENT, ControlKind::LabelBox, texts::LABEL_RECENT, 8, 78, 74, 16, kGreyLabel},
    {IDC_RECENT_COMBO, ControlKind::DropDownList, "", 8, 100, 292, 96},
    {IDC_LABEL_SCREEN_CUT, ControlKind::LabelBox, texts::LABEL_SCREEN_CUT, 8, 124, 70, 20, kDarkLabel},
    {IDC_ZONE_GUIDE, ControlKind::Button, texts::BUTTON_ZONE_GUIDE, 112, 124, 36, 20},
    {IDC_CUT_AND_VIEW, ControlKind::Button, texts::BUTTON_CUT_AND_VIEW, 152, 124, 68, 20},
    {IDC_ZONE_START, ControlKind::Button, texts::BUTTON_ZONE_START, 8, 148, 32, 16},
    {IDC_ZONE_END, ControlKind::Button, texts::BUTTON_ZONE_END, 44, 148, 32, 16},
    {IDC_ZONE_FLASH, ControlKind::Button, texts::BUTTON_ZONE_FLASH, 80, 148, 28, 16},
    {IDC_LABEL_ZONE, ControlKind::LabelBox, texts::LABEL_ZONE, 112, 148, 36, 20, kGreyLabel},
    {IDC_ZONE_TEXT, ControlKind::BorderedText, "", 152, 148, 126, 20},
    {IDC_LABEL_CLIP_VIEW, ControlKind::LabelBox, texts::LABEL_CLIP_VIEW, 8, 172, 68, 21, kDarkLabel},
    {IDC_CLIP_VIEW, ControlKind::Button, texts::BUTTON_CLIP_VIEW, 80, 172, 60, 20},
    {IDC_STATIC, ControlKind::Text, texts::HINT_CLIPBOARD, 144, 172, 106, 20},
    {IDC_CLOSE, ControlKind::Button, texts::BUTTON_CLOSE, 258, 172, 40, 20},
};

// Menu 170; the about item is appended to "表示" at start-up.
constexpr MenuEntry kMenu[] = {
    MenuPopup(texts::MENU_SETTINGS),
    MenuItem(ID_SETTINGS_RESET, texts::MENU_SETTINGS_RESET),
    MenuPopup(texts::MENU_VIEW),
    MenuItem(ID_HOWTO_GUIDE, texts::MENU_HOWTO_GUIDE),
};
constexpr int kViewPopup = 1;

}  // namespace

CVeldrioDlg::CVeldrioDlg(std::string programFilePath, QWidget* parent)
    : QDialog(parent), programFilePath_(std::move(programFilePath)) {
    // Caption with system menu, not resizable, shown in the task bar.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(platform::MakeFont(platform::kDialogFace, 9));
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = BuildMenuBar(this, kMenu, {[this](int id) { OnCommand(id); }, nullptr});
    viewMenu_ = MenuBarPopup(*menuBar_, kViewPopup);
    layout->setMenuBar(menuBar_);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(platform::DluToPixelsX(kDialogWidth, units),
                          platform::DluToPixelsY(kDialogHeight, units));
    layout->addWidget(client_);
    BuildControls(*client_, kControls, units, [this](int id) { OnCommand(id); });
    client_->installEventFilter(this);

    zone_ = new ZoneCommands(this, qobject_cast<QLabel*>(Control(IDC_ZONE_TEXT)), viewerWindows_);
    recentCombo_ = qobject_cast<QComboBox*>(Control(IDC_RECENT_COMBO));
    connect(recentCombo_, &QComboBox::activated, this, [this] { OnRecentSelectionChange(); });
    setWindowTitle(Text(texts::CAPTION));
}

CVeldrioDlg::~CVeldrioDlg() { OnDestroy(); }

void CVeldrioDlg::AppendAboutItem(QMenu& popup, const QString& text) {
    if (text.isEmpty()) return;
    popup.addSeparator();
    QAction* about = popup.addAction(text);
    about->setData(IDM_ABOUTBOX);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
}

QWidget* CVeldrioDlg::Control(int id) const { return FindControl(*client_, id); }

QRect CVeldrioDlg::PreviewBox() const { return Control(IDC_PREVIEW_BOX)->geometry(); }

bool CVeldrioDlg::OnInitDialog() {
    // The window manager's own menu cannot take items: the about item ends
    // the "表示" popup instead.
    AppendAboutItem(*viewMenu_, Text(texts::MENU_ABOUT));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    LoadStartupSettings(App(), programFilePath_);
    started_ = true;
    RefreshRecentList();
    ReloadPreview();

    if (platform::IsNetworkPath(programFilePath_))
        platform::MessageBox(this, texts::NETWORK_WARNING, texts::TITLE_WARNING,
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
    RestoreCaption();
    return true;
}

void CVeldrioDlg::RestoreCaption() {
    const QString caption = Text(texts::CAPTION);
    if (windowTitle() != caption) setWindowTitle(caption);
}

bool CVeldrioDlg::OnCommand(int id, std::intptr_t value) {
    switch (id) {
    case ID_FRAMEWORK_OK:
    case IDC_CLOSE:
        accept();
        return true;
    case IDC_FILE_SEARCH:
        OnFileSearch();
        return true;
    case ID_SETTINGS_RESET:
        RunSettingsResetCommand(App().settings,
                                [this](const Notice& notice) { return platform::ShowNotice(this, notice); });
        return true;
    case ID_VIEWER_CLOSE_REQUEST:
    case ID_VIEWER_CLOSED:
    case ID_EDITWND_CLOSED:
        return OnRegistryCommand(id, value);
    case ID_HOWTO_GUIDE:
    case IDC_ZONE_GUIDE:
        return OpenGuide(id, this);
    case IDC_CLIP_VIEW:
        CaptureClipboard(this, App().registry, viewerWindows_);
        return true;
    case ID_OPEN_DRAWING_PICTURE:
        OpenDrawingPicture(this, App().registry, viewerWindows_, *reinterpret_cast<DrawingPictureRequest*>(value));
        return true;
    case IDC_ZONE_START:
    case IDC_ZONE_END:
    case IDC_ZONE_FLASH:
    case IDC_CUT_AND_VIEW:
        return zone_->OnCommand(id);
    default:
        return false;
    }
}

void CVeldrioDlg::OnTimer(int id) { zone_->OnTimer(id); }

void CVeldrioDlg::OnSysCommand(int value) {
    if ((value & ~0xF) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
}

bool CVeldrioDlg::OnRegistryCommand(int id, std::intptr_t value) {
    return viewerWindows_.OnCommand(id, value);
}

void CVeldrioDlg::OnFileSearch() {
    platform::FileDialogRequest request;
    request.filter = texts::OPEN_FILTER;
    request.options = platform::OFN_FILEMUSTEXIST | platform::OFN_CREATEPROMPT;
    const std::string latest = RecentImage(App().settings, 0);
    if (!latest.empty()) request.initialDir = std::filesystem::path(latest).parent_path().string();

    const platform::FileDialogResult chosen = platform::GetOpenFileName(this, request);
    if (chosen) TakeCheckedPath(*chosen);
    client_->update(PreviewBox());
}

bool CVeldrioDlg::TakeCheckedPath(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    if (!IsAcceptedExtension(extension)) {
        std::string text = Tr(texts::EXTENSION_REFUSED);
        if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, extension);
        platform::MessageBox(this, text, texts::TITLE_CONFIRM, platform::MB_OK);
        return false;
    }
    TakeChosenPath(path);
    return true;
}

void CVeldrioDlg::OpenGivenFile(const std::string& path) {
    if (TakeCheckedPath(path)) OpenLatestImage();
}

bool CVeldrioDlg::OfferRestore(JournalKeeper& keeper) {
    const JournalRead left = keeper.Leftover();
    switch (left.state) {
    case JournalState::None: return false;
    case JournalState::Damaged: {
        const std::string aside = keeper.SetAside();
        platform::MessageBox(this, FormatText(texts_undo::MSG_JOURNAL_DAMAGED, aside.c_str()),
                             texts_undo::TITLE_RESTORE, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    case JournalState::Ready: break;
    }
    if (platform::MessageBox(this, texts_undo::RESTORE_QUESTION, texts_undo::TITLE_RESTORE,
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        keeper.Discard();
        return false;
    }
    return RestoreWork(this, viewerWindows_, left.record, keeper.paths().folder);
}

void CVeldrioDlg::OnDropFiles(const std::vector<std::string>& paths) {
    // Two or more files at once are ignored; the ending is not looked at.
    if (paths.size() != 1) return;
    TakeChosenPath(paths.front());
}

void CVeldrioDlg::OnRecentSelectionChange() {
    const int index = recentCombo_->currentIndex();
    if (index < 0) return;
    PromoteRecentImage(App().settings, index);
    ShowLatestImage();
}

void CVeldrioDlg::TakeChosenPath(const std::string& path) {
    if (!path.empty()) AddRecentImage(App().settings, path);
    ShowLatestImage();
}

void CVeldrioDlg::ShowLatestImage() {
    RefreshRecentList();
    ReloadPreview();
    update();
    client_->update();
}

void CVeldrioDlg::OnClientDoubleClick(const QPoint& point) {
    const QRect box = PreviewBox();
    // The box's edges belong to it: right and bottom as its window sees them.
    const bool inside = point.x() >= box.left() && point.x() <= box.left() + box.width() &&
                        point.y() >= box.top() && point.y() <= box.top() + box.height();
    if (!preview_.loaded() || !inside) return;
    OpenLatestImage();
}

void CVeldrioDlg::OpenLatestImage() {
    // The viewer opens one pixel right of the edit window. A file that is
    // refused or fails to load makes no window: the main dialog stays.
    const std::string latest = RecentImage(App().settings, 0);
    if (!latest.empty())
        OpenImageFile(this, App().registry, latest,
                      [this](int slot) { return viewerWindows_.OpenBesideEditWindow(slot); });
}

void CVeldrioDlg::RefreshRecentList() {
    std::vector<std::string> entries;
    for (int i = 0; i < RECENT_COUNT; ++i) entries.push_back(RecentImage(App().settings, i));
    FillRecentCombo(*recentCombo_, entries);
}

void CVeldrioDlg::ReloadPreview() {
    const QRect box = PreviewBox();
    preview_.Load(RecentImage(App().settings, 0), box.width(), box.height(), this);
}

bool CVeldrioDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_) {
        if (event->type() == QEvent::Paint) {
            PaintClient();
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            OnClientDoubleClick(static_cast<QMouseEvent*>(event)->position().toPoint());
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CVeldrioDlg::PaintClient() {
    // The label boxes paint themselves; the dialog paints the preview box.
    QPainter painter(client_);
    DrawPreview(painter, PreviewBox(), preview_.loaded() ? &preview_.pixels() : nullptr, client_->depth());
    RestoreCaption();
    zone_->UpdateZoneText();
}

void CVeldrioDlg::closeEvent(QCloseEvent* event) {
    // The window manager's close button does not end the program under an
    // open edit window, whose sampled points would go with it: the dialog
    // steps aside as when an image opens, and the edit window's closing
    // brings it back.
    if (event->spontaneous() && App().registry.editWindow != nullptr) {
        event->ignore();
        viewerWindows_.HideMainDialogAndFocusEditWindow();
        return;
    }
    // An edit window still open is destroyed first. The dialog then ends,
    // also when it is hidden behind a viewer.
    viewerWindows_.DestroyEditWindow();
    reject();
    event->accept();
}

void CVeldrioDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        // A focused button takes Enter; elsewhere Enter ends the dialog.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
        OnCommand(ID_FRAMEWORK_OK);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CVeldrioDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) zone_->OnLeftButtonDown();
    QDialog::mousePressEvent(event);
}

void CVeldrioDlg::mouseMoveEvent(QMouseEvent* event) {
    zone_->OnMouseMove(event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void CVeldrioDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        zone_->OnLeftButtonUp(event->globalPosition().toPoint(), event->modifiers().testFlag(Qt::ControlModifier));
    QDialog::mouseReleaseEvent(event);
}

void CVeldrioDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData() && CarriesLocalFiles(*event->mimeData())) event->acceptProposedAction();
}

void CVeldrioDlg::dropEvent(QDropEvent* event) {
    if (!event->mimeData()) return;
    OnDropFiles(DroppedLocalPaths(*event->mimeData()));
    event->acceptProposedAction();
}

void CVeldrioDlg::done(int result) {
    QDialog::done(result);
    OnDestroy();
}

void CVeldrioDlg::OnDestroy() {
    if (destroyed_ || !started_) return;
    destroyed_ = true;
    AppContext& app = App();
    SaveEndSettings(app);
    // Viewers still open go with the dialog, before the images they show.
    for (CGazoView* viewer : app.registry.viewers) delete viewer;
    app.registry.DestroyImages();
}
