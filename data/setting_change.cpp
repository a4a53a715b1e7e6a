#include "data/setting_change.h"

#include "res/ui_text.h"

SettingChange::SettingChange(const char* name, std::function<void()> applyBefore, std::function<void()> applyAfter)
    : QUndoCommand(Text(name)), applyBefore_(std::move(applyBefore)), applyAfter_(std::move(applyAfter)) {}

void SettingChange::undo() {
    if (applyBefore_) applyBefore_();
}

void SettingChange::redo() {
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    if (applyAfter_) applyAfter_();
}
