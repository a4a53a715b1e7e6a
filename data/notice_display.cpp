#include "data/notice_display.h"

#include "platform/message_box.h"

void ShowNotices(QWidget* owner, const Notices& notices) {
    for (const Notice& notice : notices)
        platform::ShowNotice(owner, notice);
}

AskUser AskOver(QWidget* owner) {
    return
        [owner](const Notice& question) { return platform::ShowNotice(owner, question) != platform::IDNO; };
}
