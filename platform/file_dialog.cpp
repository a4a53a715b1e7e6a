#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "res/translation.h"

namespace platform {
namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

QStringList QtFilters(const std::string& filter) {
    const QString joined = QString::fromStdString(QtFileFilter(filter));
    return joined.isEmpty() ? QStringList{} : joined.split(QStringLiteral(";;"));
}

// The title and the filter's names in the user's language; the patterns
// stay as they are.
FileDialogRequest Translated(FileDialogRequest request) {
    request.title = Tr(request.title);
    std::string filter;
    bool changed = false;
    for (const auto& [name, patterns] : ParseFileFilter(request.filter)) {
        const std::string translated = Tr(name);
        changed = changed || translated != name;
        filter += translated + "|" + patterns + "|";
    }
    if (changed) request.filter = filter + "|";
    return request;
}

FileDialogResult RunDialog(QWidget* owner, const FileDialogRequest& given) {
    const FileDialogRequest request = Translated(given);
    if (Hook()) return Hook()(request);

    QFileDialog dialog(owner, QString::fromStdString(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A file chosen to be opened must exist; nothing is ever created from
    // the open dialog, so a missing name is simply not accepted.
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (request.save && !(request.options & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.initialDir.empty() && QDir(QString::fromStdString(request.initialDir)).exists())
        dialog.setDirectory(QString::fromStdString(request.initialDir));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return QFileInfo(chosen.front()).absoluteFilePath().toStdString();
}

}  // namespace

FileDialogResult GetOpenFileName(QWidget* owner, FileDialogRequest request) {
    request.save = false;
    return RunDialog(owner, request);
}

FileDialogResult GetSaveFileName(QWidget* owner, FileDialogRequest request) {
    request.save = true;
    return RunDialog(owner, request);
}

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < filter.size()) {
        const auto bar = filter.find('|', start);
        const auto end = bar == std::string::npos ? filter.size() : bar;
        if (end == start) break;  // "||" ends the filter
        parts.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
    return pairs;
}

std::string QtFileFilter(const std::string& filter) {
    std::string result;
    for (const auto& [name, patterns] : ParseFileFilter(filter)) {
        std::string blanks = patterns;
        for (char& c : blanks)
            if (c == ';') c = ' ';
        std::string entry = name;
        if (name.find('(') == std::string::npos) entry += " (" + blanks + ")";
        if (!result.empty()) result += ";;";
        result += entry;
    }
    return result;
}

}  // namespace platform
