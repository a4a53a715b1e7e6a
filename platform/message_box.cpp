#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "platform/unminimised_dialog.h"
#include "res/translation.h"

namespace platform {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int MessageBox(QWidget* owner, const std::string& text, const std::string& title, unsigned style) {
    // The texts in the user's language; texts made up of parts come here
    // with their parts translated already.
    MessageBoxCall call{Tr(text), Tr(title), style};
    if (Hook()) return Hook()(call);
    if (!QApplication::instance())
        return (style & 0x0F) == MB_YESNO || (style & 0x0F) == MB_YESNOCANCEL ? IDYES : IDOK;

    QMessageBox box(IconOf(style), QString::fromStdString(call.title), QString::fromStdString(call.text),
                    QMessageBox::NoButton, owner);
    SetUpDialogWindow(box, Qt::MSWindowsFixedSizeDialogHint);
    switch (style & 0x0F) {
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

int ShowNotice(QWidget* owner, const Notice& notice) {
    if (notice.empty()) return IDOK;
    return MessageBox(owner, notice.text, notice.title, notice.style);
}

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

}  // namespace platform
