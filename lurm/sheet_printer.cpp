#include "lurm/sheet_printer.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "data/measurement_sheet.h"
#include "res/texts_properties.h"

namespace {

namespace t = texts_properties;

// The value of a "key=value" line whose key is that of format (such as
// "画像=%s\r\n"); none when the line has another key.
std::optional<QString> ValueOf(const QString& line, const char* format) {
    const QString text = QString::fromUtf8(format);
    const QString key = text.left(text.indexOf(QLatin1Char('=')) + 1);
    if (!line.startsWith(key)) return std::nullopt;
    return line.mid(key.size());
}

QPointF PointOf(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(','));
    return parts.size() == 2 ? QPointF(parts[0].toDouble(), parts[1].toDouble()) : QPointF();
}

QFont SheetFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

bool SheetPrinter::IsSheet(const QStringList& lines) {
    return !lines.isEmpty() && lines.first() == QString::fromUtf8(t::SHEET_HEAD);
}

SheetPrinter::SheetPrinter(const QStringList& lines, const QString& folder) {
    for (const QString& line : lines) {
        if (const auto name = ValueOf(line, t::SHEET_PICTURE_NAME)) {
            pictureName_ = *name;
        } else if (const auto date = ValueOf(line, t::SHEET_DATE)) {
            date_ = *date;
        } else if (const auto crop = ValueOf(line, t::SHEET_CROP_FILE)) {
            // Only a file beside the sheet, whatever the line says.
            const QString file = QDir(*crop).dirName();
            if (!picture_.load(QDir(folder).filePath(file))) problem_ = QStringLiteral("cannot read the picture ") + file;
        } else if (const auto centroid = ValueOf(line, t::SHEET_CENTROID)) {
            centroid_ = PointOf(*centroid);
        } else if (const auto axis = ValueOf(line, t::SHEET_AXIS)) {
            axisDegrees_ = axis->toDouble();
        } else if (const auto point = ValueOf(line, t::SHEET_POINT)) {
            if (outline_.empty()) outline_.emplace_back();
            outline_.back().push_back(PointOf(*point));
        } else if (ValueOf(line, t::SHEET_LOOP_BREAK)) {
            if (!outline_.empty() && !outline_.back().empty()) outline_.emplace_back();
        } else if (const auto result = ValueOf(line, t::SHEET_RESULT)) {
            results_.push_back(*result);
        }
    }
    if (picture_.isNull() && problem_.isEmpty()) problem_ = QStringLiteral("the sheet names no picture");
}

bool SheetPrinter::Print(QPrinter& printer) const {
    if (!problem_.isEmpty()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const QFont font = SheetFont(9);
    painter.setFont(SheetFont(12));
    const int headingHeight = QFontMetrics(painter.font(), painter.device()).lineSpacing();
    painter.drawText(QRect(0, 0, page.width(), headingHeight), Qt::AlignLeft,
                     QString::fromStdString(SheetHeading(pictureName_.toStdString())));
    painter.drawText(QRect(0, 0, page.width(), headingHeight), Qt::AlignRight, date_);

    // The picture fills the upper part of the page, its proportions kept.
    const QFontMetrics metrics(font, painter.device());
    const int resultsHeight = metrics.lineSpacing() * (int(results_.size()) + 1);
    const SheetPicturePlace at = PlaceSheetPicture(0, headingHeight * 1.5, page.width(),
                                                   page.height() - headingHeight * 1.5 - resultsHeight,
                                                   picture_.width(), picture_.height());
    const QRectF place(at.x, at.y, at.width, at.height);
    const double scale = at.scale;
    painter.drawImage(place, picture_);
    auto toPage = [&](QPointF p) { return QPointF(place.x() + p.x() * scale, place.y() + p.y() * scale); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(place);
    const double pen = std::max(1.0, page.width() / 600.0);
    QPainterPath path;
    for (const std::vector<QPointF>& loop : outline_) {
        if (loop.empty()) continue;
        path.moveTo(toPage(loop.front()));
        for (const QPointF& p : loop) path.lineTo(toPage(p));
        path.closeSubpath();
    }
    if (!path.isEmpty()) {
        painter.setPen(QPen(Qt::red, pen));
        painter.drawPath(path);
    }
    // The principal axes through the centroid, across the whole picture.
    const QPointF c = toPage(centroid_);
    const double reach = place.width() + place.height();
    const double a = axisDegrees_ * std::numbers::pi / 180;
    const QPointF major(std::cos(a) * reach, std::sin(a) * reach);
    const QPointF minor(-std::sin(a) * reach, std::cos(a) * reach);
    painter.setPen(QPen(Qt::blue, pen, Qt::DashLine));
    painter.drawLine(c - major, c + major);
    painter.setPen(QPen(Qt::darkGreen, pen, Qt::DashLine));
    painter.drawLine(c - minor, c + minor);
    painter.setPen(QPen(Qt::red, pen));
    const double mark = pen * 6;
    painter.drawEllipse(c, mark, mark);
    painter.restore();

    painter.setFont(font);
    int y = int(place.bottom()) + metrics.lineSpacing();
    for (const QString& line : results_) {
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
    return painter.end();
}
