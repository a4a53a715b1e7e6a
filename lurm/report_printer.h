// Lays a plain-text report out on pages in a Japanese fixed-pitch font and
// paints it on a printer (a real one, or a PDF file).
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

class ReportPrinter {
public:
    ReportPrinter(QString title, QStringList lines);

    // Paints every page; false when the printer cannot be painted on.
    bool Print(QPrinter& printer) const;

private:
    QString title_;
    QStringList lines_;
};
