#include "support/guide_closer.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/dialog_template.h"
#include "dialogs/guide_dialog.h"
#include "res/ids.h"

void GuideCloser::Arm() {
    closed = false;
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<CGuideDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        place = dialog->pos();
        auto* button = qobject_cast<QPushButton*>(FindControl(*dialog, ID_FRAMEWORK_OK));
        if (button) QTest::mouseClick(button, Qt::LeftButton);
        closed = !dialog->isVisible();
    });
}
