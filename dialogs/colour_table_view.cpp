#include "dialogs/colour_table_view.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "dialogs/colour_table_layout.h"
#include "platform/fonts.h"

ColourTableView::ColourTableView(QWidget* parent) : QWidget(parent) {}

void ColourTableView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font(QString::fromUtf8(platform::kFixedGothic));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(ColourTableFontPixels(logicalDpiY()));
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();

    painter.setPen(QPen(Qt::black, 0));  // one pixel, black
    for (const ColourTableCell& cell : LayoutColourTable(width(), height())) {
        // The border covers left..right-1 and top..bottom-1; a box too small
        // for its border is left out.
        if (cell.right - cell.left >= 2 && cell.bottom - cell.top >= 2) {
            painter.setBrush(QColor(cell.colour.red, cell.colour.green, cell.colour.blue));
            painter.drawRect(QRect(cell.left, cell.top, cell.right - cell.left - 1,
                                   cell.bottom - cell.top - 1));
            painter.setBrush(Qt::NoBrush);
        }
        painter.drawText(QPoint(cell.textX, cell.textY + ascent), QString::fromStdString(cell.text));
    }
}
