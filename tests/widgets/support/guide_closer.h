// Test support: answers the next guidance dialog that runs modally. It
// notes the dialog's title and place, then presses its one button.
#pragma once

#include <QPoint>
#include <QString>

struct GuideCloser {
    QString title;
    QPoint place;
    bool closed = false;

    // Call just before the command that opens the guide.
    void Arm();
};
