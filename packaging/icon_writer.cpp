// Writes the program's icon as the launcher's PNG files:
// <out>/<n>x<n>/apps/veldrio.png for every size n given after out.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "app/app_icon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: veldrio-icon-writer OUT SIZE...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !AppIconImage(size).save(folder + "/veldrio.png")) {
            std::fprintf(stderr, "veldrio-icon-writer: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
