// Qt's own texts (the buttons and labels of the standard file dialogs and
// message boxes) in Japanese, to match the program's texts.
#pragma once

namespace platform {

// Installs Qt's Japanese translation when it is available; the standard
// dialogs stay in English otherwise. Returns whether it was installed.
bool InstallJapaneseQtTexts();

}  // namespace platform
