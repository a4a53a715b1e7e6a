// Lays a measurement sheet out on one page: a heading with the picture's
// name and the date, the picture around the outline with the outline,
// centroid and principal axes drawn over it at the printer's resolution,
// and the result lines below.
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

class QPrinter;

class SheetPrinter {
public:
    // lines: the sheet file's lines; folder: where the file and its picture lie.
    SheetPrinter(const QStringList& lines, const QString& folder);

    // True when the lines are a sheet (its heading first).
    static bool IsSheet(const QStringList& lines);
    // What is missing for a sheet to be printed; empty when it can be.
    const QString& problem() const { return problem_; }

    bool Print(QPrinter& printer) const;

private:
    QString pictureName_;
    QString date_;
    QImage picture_;
    QPointF centroid_;
    double axisDegrees_ = 0;
    std::vector<std::vector<QPointF>> outline_;  // one closed path per loop
    QStringList results_;
    QString problem_;
};
