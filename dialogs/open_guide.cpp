#include "dialogs/open_guide.h"

#include <QWidget>

#include "dialogs/guide_content.h"
#include "dialogs/guide_dialog.h"

bool OpenGuide(int commandId, QWidget* owner) {
    const GuideContent* content = GuideContentFor(commandId);
    if (!content) return false;
    {
        CGuideDialog dialog(*content, owner);
        dialog.exec();
    }
    if (content->repaintOwner && owner) owner->repaint();
    return true;
}
