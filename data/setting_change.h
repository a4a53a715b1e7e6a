// An undo step of a setting of the picture: its real-unit scale or its
// perspective plane. Whoever owns the picture gives the two ways of applying
// it: undo puts the setting back as it was, redo sets it again.
#pragma once

#include <QUndoCommand>
#include <functional>

class SettingChange : public QUndoCommand {
public:
    // name: the step's name in the menu items (UTF-8).
    SettingChange(const char* name, std::function<void()> applyBefore, std::function<void()> applyAfter);

    void undo() override;
    // The first redo is the push: the setting has been made already.
    void redo() override;

private:
    std::function<void()> applyBefore_;
    std::function<void()> applyAfter_;
    bool pushed_ = false;
};
