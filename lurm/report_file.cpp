#include "lurm/report_file.h"

#include <QFile>
#include <QString>

#include "platform/text_codec.h"

QStringList ReportLines(const std::string& bytes) {
    QStringList lines = QString::fromStdString(platform::FromCp932(bytes)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool ReadReport(const std::string& path, QStringList& lines) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    lines = ReportLines(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return true;
}
