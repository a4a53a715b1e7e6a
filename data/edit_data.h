// The data edit window: works beside the viewer opened last, shows and edits
// the sample table, starts and stops sampling and runs the calculation.
// There is at most one; closing it closes its viewer and brings the main
// dialog back.
#pragma once

#include <QWidget>
#include <cstdint>

class QMenuBar;

class CEditData : public QWidget {
    Q_OBJECT
public:
    // owner: the main dialog, which is told when the window closes.
    explicit CEditData(QWidget* owner);
    ~CEditData() override;

    // Menu items and commands sent by other windows.
    bool OnCommand(int id, std::intptr_t value);

    // Shows the table again after another window changed it (a change of
    // magnification, the end of a correction): row count, status and the
    // current page.
    void RefreshFromTable();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();

    QMenuBar* menuBar_ = nullptr;
    bool closing_ = false;
};
