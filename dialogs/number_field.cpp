#include "dialogs/number_field.h"

#include <QLineEdit>
#include <cmath>

#include "res/format_text.h"

double PositiveNumberIn(const QLineEdit* edit) {
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    return ok && value > 0 && std::isfinite(value) ? value : 0;
}

QString NumberFieldText(double value) {
    return value > 0 ? QString::fromStdString(FormatText("%.10g", value)) : QString();
}
