// The window side of what the model says: its notices shown as message
// boxes over a window, and its questions asked there.
#pragma once

#include "data/notices.h"

class QWidget;

// Shows each notice over owner, in order.
void ShowNotices(QWidget* owner, const Notices& notices);

// Asks a question as a Yes/No box over owner; anything but No goes ahead.
AskUser AskOver(QWidget* owner);
