#include "platform/unminimised_dialog.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "platform/dialog_flags.h"

namespace platform {
namespace {

class Unminimiser : public QObject {
public:
    explicit Unminimiser(QWidget& dialog) : QObject(&dialog) { dialog.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange) return false;
        auto* dialog = static_cast<QWidget*>(watched);
        if (!(dialog->windowState() & Qt::WindowMinimized)) return false;
        // After the state change has been taken in.
        QTimer::singleShot(0, dialog, [dialog] {
            if (QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr)
                if (owner->isMinimized()) owner->showNormal();
            dialog->showNormal();
            dialog->raise();
            dialog->activateWindow();
        });
        return false;
    }
};

}  // namespace

void KeepUnminimised(QWidget& dialog) { new Unminimiser(dialog); }

void SetUpDialogWindow(QWidget& dialog, Qt::WindowFlags extra) {
    dialog.setWindowFlags(kDialogFlags | extra);
    KeepUnminimised(dialog);
}

}  // namespace platform
