// The main dialog: where every image enters the program. It offers the
// image-file choice with its preview and recent list, the clipboard picture
// and the screen-zone capture; it hides itself while a viewer is open and
// ends the program when it ends.
#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

#include "app/command_target.h"
#include "app/preview_picture.h"
#include "app/viewer_windows.h"

class JournalKeeper;
class QComboBox;
class QMenu;
class ZoneCommands;
class QMenuBar;
class QPoint;
class QRect;

class CVeldrioDlg : public QDialog, public CommandTarget {
    Q_OBJECT
public:
    // programFilePath: the program file's full path; the settings file lies
    // beside it and the network warning looks at it.
    explicit CVeldrioDlg(std::string programFilePath, QWidget* parent = nullptr);
    ~CVeldrioDlg() override;

    // Start-up: the about item, icon and drops, the settings, the viewer
    // slots, the recent list and the preview, the network warning, the
    // caption.
    bool OnInitDialog();

    // Menus, buttons and the other windows' notifications come here.
    bool OnCommand(int id, std::intptr_t value = 0) override;
    // The about item (any value 16..31 runs the about box).
    void OnSysCommand(int value);
    // The window timers: 158 ends a zone flash, 160 runs the zone capture.
    void OnTimer(int id);

    // The choosing flows: the file dialog (command 107), a drop, the list.
    void OnFileSearch();
    void OnDropFiles(const std::vector<std::string>& paths);
    void OnRecentSelectionChange();
    // A double click at a point of the client area.
    void OnClientDoubleClick(const QPoint& point);
    // A file named on the command line: taken as the file dialog takes a
    // choice, then opened as a double click on the preview opens it.
    void OpenGivenFile(const std::string& path);
    // After an abnormal end: asks whether to restore the work the journal
    // kept and does what the answer says. True when the work came back.
    bool OfferRestore(JournalKeeper& keeper);

    // The client area (below the menu bar) and its controls.
    QWidget* client() const { return client_; }
    QWidget* Control(int id) const;
    QMenuBar* menuBar() const { return menuBar_; }
    // The preview box in client coordinates.
    QRect PreviewBox() const;
    bool previewLoaded() const { return preview_.loaded(); }
    // The screen-zone controls.
    ZoneCommands& zone() const { return *zone_; }
    const PreviewPicture& preview() const { return preview_; }

    // Appends a separator and the about item to popup, unless text is
    // empty; the item runs OnSysCommand(16).
    void AppendAboutItem(QMenu& popup, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

public slots:
    void done(int result) override;

private:
    void PaintClient();
    void RestoreCaption();
    bool OnRegistryCommand(int id, std::intptr_t value);
    // A path chosen by the file dialog or a drop becomes entry 0 of the
    // recent list (a path the list cannot hold is left out).
    void TakeChosenPath(const std::string& path);
    // The same after the ending check of the file dialog (its message when
    // refused); true when taken.
    bool TakeCheckedPath(const std::string& path);
    // The list refilled and the preview rebuilt from entry 0, then repainted.
    void ShowLatestImage();
    void OpenLatestImage();
    void RefreshRecentList();
    void ReloadPreview();
    void OnDestroy();

    std::string programFilePath_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QWidget* client_ = nullptr;
    QComboBox* recentCombo_ = nullptr;
    PreviewPicture preview_;
    ViewerWindows viewerWindows_{this};
    ZoneCommands* zone_ = nullptr;
    bool started_ = false;    // OnInitDialog has run
    bool destroyed_ = false;  // the end's work is done
};
