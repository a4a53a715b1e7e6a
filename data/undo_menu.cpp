#include "data/undo_menu.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <utility>

#include "data/undo_history.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_undo.h"
#include "res/ui_text.h"

namespace {

// "元に戻す: 行の削除", or the bare item without a step.
QString ItemText(const char* item, const QString& step) {
    if (step.isEmpty()) return Text(item);
    // The step is named by its source text; the catalog gives it in the
    // user's language (a name given already translated comes back as it is).
    return Text(FormatText(texts_undo::MENU_NAMED, Tr(item), Tr(step.toStdString()).c_str()).c_str());
}

}  // namespace

UndoMenu::UndoMenu(QWidget* window, QMenu* popup, std::function<void(int id)> command) : popup_(popup) {
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Z), ID_UNDO},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_Y), ID_REDO},
                                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ID_REDO}};
    for (const auto& [sequence, id] : keys)
        QObject::connect(new QShortcut(sequence, window), &QShortcut::activated, window,
                         [command, id = id] { command(id); });
}

void UndoMenu::Update(const UndoHistory& history) {
    if (popup_ == nullptr) return;
    for (QAction* action : popup_->actions()) {
        const int id = action->data().toInt();
        if (id == ID_UNDO) {
            action->setText(ItemText(texts_undo::MENU_UNDO, history.UndoText()));
            action->setEnabled(history.CanUndo());
        } else if (id == ID_REDO) {
            action->setText(ItemText(texts_undo::MENU_REDO, history.RedoText()));
            action->setEnabled(history.CanRedo());
        }
    }
}
