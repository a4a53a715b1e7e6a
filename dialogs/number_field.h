// Numbers in the dialogs' text fields.
#pragma once

#include <QString>

class QLineEdit;

// A positive, finite number typed in edit; 0 when it holds none.
double PositiveNumberIn(const QLineEdit* edit);

// A positive value as a field first shows it; empty for none.
QString NumberFieldText(double value);
