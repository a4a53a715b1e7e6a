#include "app/file_drop.h"

#include <QMimeData>
#include <QString>
#include <QUrl>

bool CarriesLocalFiles(const QMimeData& data) { return !DroppedLocalPaths(data).empty(); }

std::vector<std::string> DroppedLocalPaths(const QMimeData& data) {
    std::vector<std::string> paths;
    if (!data.hasUrls()) return paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}
