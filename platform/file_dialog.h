// The open and save file dialogs. Tests install a hook that records each
// request and answers it, so no dialog ever waits for a person. A request's
// title and filter names are given as the program's texts are written; the
// dialog (and the hook) gets them in the user's language.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace platform {

// Options, with the values the program's callers know them by.
enum FileDialogOption : unsigned {
    OFN_OVERWRITEPROMPT = 0x0002,  // save: ask before replacing a file
    OFN_HIDEREADONLY = 0x0004,
    OFN_PATHMUSTEXIST = 0x0800,
    OFN_FILEMUSTEXIST = 0x1000,    // open: only an existing file can be chosen
    OFN_CREATEPROMPT = 0x2000,     // open: a missing file would be offered for creation
};

struct FileDialogRequest {
    bool save = false;        // true for the save dialog
    std::string title;        // UTF-8; empty: the dialog's own title
    std::string filter;       // "name|pattern|name|pattern||" (patterns separated by ';')
    std::string defaultExt;   // added to a name typed without an extension (save)
    std::string fileName;     // proposed file name
    std::string initialDir;   // folder the dialog starts in; empty: the current one
    unsigned options = 0;
};

// The chosen full path, or nothing when the user cancelled.
using FileDialogResult = std::optional<std::string>;
using FileDialogHook = std::function<FileDialogResult(const FileDialogRequest&)>;

FileDialogResult GetOpenFileName(QWidget* owner, FileDialogRequest request);
FileDialogResult GetSaveFileName(QWidget* owner, FileDialogRequest request);

// Replaces the real dialogs with hook; an empty hook restores them.
void SetFileDialogHook(FileDialogHook hook);

// The filter's (name, patterns) pairs, patterns as written ("*.jpg;*.jpe").
std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter);

// The same filter as the Qt dialog takes it: "name (patterns)" entries
// joined by ";;", patterns separated by blanks. A name that already shows
// its patterns in brackets is kept as it is.
std::string QtFileFilter(const std::string& filter);

}  // namespace platform
