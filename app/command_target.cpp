#include "app/command_target.h"

#include <QWidget>

bool SendCommand(QWidget* owner, int id, std::intptr_t value) {
    auto* target = dynamic_cast<CommandTarget*>(owner);
    return target != nullptr && target->OnCommand(id, value);
}
