// The program's state while it waits on something outside it (a portal, a
// desktop tool): a busy cursor over its windows, and no user input run.
#pragma once

#include <QObject>

namespace platform {

// While one lives the cursor is the wait cursor and user input is dropped;
// on its end, input still queued from the wait is dropped too (a click made
// while the program looked busy is never replayed afterwards) and the
// cursor is restored. Without a GUI application it does nothing.
class InputHold : public QObject {
public:
    InputHold();
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool active_ = false;
};

}  // namespace platform
