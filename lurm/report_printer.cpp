#include "lurm/report_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

ReportPrinter::ReportPrinter(QString title, QStringList lines)
    : title_(std::move(title)), lines_(std::move(lines)) {}

bool ReportPrinter::Print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int lineHeight = metrics.lineSpacing();
    const QRect page = painter.viewport();
    // A heading line and a blank line above the text, a page number below.
    const int top = lineHeight * 2;
    const int bottom = page.height() - lineHeight * 2;
    const int perPage = std::max(1, (bottom - top) / lineHeight);
    const int pages = std::max(1, static_cast<int>((lines_.size() + perPage - 1) / perPage));
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.drawText(0, metrics.ascent(), title_);
        for (int i = 0; i < perPage; ++i) {
            const qsizetype index = static_cast<qsizetype>(p) * perPage + i;
            if (index >= lines_.size()) break;
            painter.drawText(0, top + i * lineHeight + metrics.ascent(), lines_[index]);
        }
        const QString number = QStringLiteral("- %1 / %2 -").arg(p + 1).arg(pages);
        painter.drawText(QRect(0, bottom + lineHeight, page.width(), lineHeight), Qt::AlignHCenter, number);
    }
    return painter.end();
}
