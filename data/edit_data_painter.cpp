#include "data/edit_data_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include "res/format_text.h"
#include "data/status_box.h"
#include "platform/fonts.h"
#include "res/texts_edit_window.h"
#include "res/ui_text.h"

namespace {

constexpr QRgb kHeaderBand = qRgb(0, 16, 32);
constexpr QRgb kRowNumberColumn = qRgb(212, 212, 212);
constexpr QRgb kHeaderSeparator = qRgb(0, 160, 128);

QRect ToRect(const GridBox& box) { return QRect(box.x, box.y, box.width, box.height); }
QPoint ToPoint(const GridPoint& point) { return QPoint(point.x, point.y); }

// Text whose top-left corner is at (x, y), as the windows place text.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

}  // namespace

void PaintGridFrame(QPainter& painter, const GridLayout& layout, int topRow) {
    painter.save();
    painter.setFont(platform::MakeFont(platform::kProportionalGothic, 10));
    painter.fillRect(ToRect(layout.HeaderBand()), QColor(kHeaderBand));
    painter.fillRect(ToRect(layout.RowNumberColumn()), QColor(kRowNumberColumn));

    painter.setPen(QPen(Qt::black, 1));
    for (const GridSegment& line : layout.FrameLines())
        painter.drawLine(ToPoint(line.from), ToPoint(line.to));
    for (int k = 0; k < 10; ++k) {
        const GridPoint at = layout.RowNumberAt(k);
        TextAt(painter, at.x, at.y, QString::fromStdString(FormatText(texts_edit::ROW_NUMBER, topRow + k + 1)));
    }

    painter.setPen(QPen(QColor(kHeaderSeparator), 1));
    for (const GridSegment& line : layout.HeaderSeparators())
        painter.drawLine(ToPoint(line.from), ToPoint(line.to));

    painter.setPen(Qt::white);
    const char* captions[] = {texts_edit::CAPTION_ROW, texts_edit::CAPTION_TYPE, texts_edit::CAPTION_X,
                              texts_edit::CAPTION_Y};
    const auto places = layout.CaptionsAt();
    for (int i = 0; i < 4; ++i) TextAt(painter, places[i].x, places[i].y, QString::fromUtf8(captions[i]));
    painter.restore();
}

void PaintResultBox(QPainter& painter, const QRect& box, const std::array<std::string, 9>& lines) {
    painter.save();
    painter.fillRect(box, Qt::white);
    painter.setClipRect(box);
    const QFont font = platform::MakeFont(platform::kFixedGothic, 10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int w = platform::AverageCharWidth(font);
    const int h = painter.fontMetrics().height();
    for (int k = 1; k <= 9; ++k)
        TextAt(painter, box.left() + w, box.top() + k * h, QString::fromStdString(lines[k - 1]));
    painter.restore();
}

void PaintStatusBox(QPainter& painter, const QRect& box, int32_t workState) {
    const StatusBoxLook look = StatusBoxFor(workState);
    painter.save();
    painter.fillRect(box, QColor(look.red, look.green, look.blue));
    painter.setClipRect(box);
    const QFont font = platform::MakeFont(platform::kFixedGothic, 9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int y = box.top() + box.height() / 2 - painter.fontMetrics().height() / 2;
    TextAt(painter, box.left() + platform::AverageCharWidth(font), y, Text(look.text));
    painter.restore();
}
