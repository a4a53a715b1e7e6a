#include "app/recent_combo.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

void FillRecentCombo(QComboBox& combo, const std::vector<std::string>& paths) {
    const QSignalBlocker quiet(combo);
    combo.clear();
    for (const std::string& path : paths)
        if (!path.empty()) combo.addItem(QString::fromStdString(path));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}
