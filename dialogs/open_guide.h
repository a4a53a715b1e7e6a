// Opening a guidance dialog from the command of a menu item or button.
#pragma once

class QWidget;

// Runs the guide that commandId opens (see GuideContentFor) modally, and
// returns true once it is closed; false, with nothing shown, for any other
// id. owner is the window whose command it is: guides placed beside it take
// their place from it, and the viewer repaints after its cut-out guide.
bool OpenGuide(int commandId, QWidget* owner);
