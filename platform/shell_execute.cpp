#include "platform/shell_execute.h"

#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <sys/stat.h>

namespace platform {
namespace {

ShellExecuteHook& Hook() {
    static ShellExecuteHook hook;
    return hook;
}

}  // namespace

int ShellExecute(QWidget* /*owner*/, const std::string& program, const std::vector<std::string>& arguments) {
    if (Hook()) return Hook()(program, arguments);
    std::string path = program;
    if (program.find('/') == std::string::npos) {
        path = QStandardPaths::findExecutable(QString::fromStdString(program)).toStdString();
        if (path.empty()) return SE_FILE_NOT_FOUND;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return SE_FILE_NOT_FOUND;
    if (!S_ISREG(info.st_mode) || access(path.c_str(), X_OK) != 0) return SE_ACCESS_DENIED;
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    if (!QProcess::startDetached(QString::fromStdString(path), args)) return SE_ACCESS_DENIED;
    return SE_STARTED;
}

void SetShellExecuteHook(ShellExecuteHook hook) { Hook() = std::move(hook); }

}  // namespace platform
