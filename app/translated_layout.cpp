#include "app/translated_layout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <vector>

#include "app/hint_text.h"
#include "app/label_box.h"
#include "app/label_text_layout.h"
#include "app/layout_widening.h"
#include "app/text_fit.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"
#include "res/translation_state.h"

namespace {

// The widest a control may grow to while a wrapped text looks for its width.
constexpr int kWidestControl = 2000;
// Room left beside a text so that it does not touch its control's edges.
constexpr int kTextSlack = 2;

int WidestLine(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The narrowest width at which a wrapped text fits its control's height:
// fits tells for a width of the text. A text that fits at no width (more
// lines of its own than the height holds) gets the width of its longest
// line, the fewest lines widening can give it.
int WrappedNeed(const QWidget& control, const QString& text, const std::function<bool(int)>& fits) {
    const int frame = control.width() - control.contentsRect().width() + kTextSlack;
    const auto fitsControl = [&](int width) { return fits(width - frame); };
    if (fitsControl(kWidestControl))
        return NarrowestFittingWidth(control.width(), kWidestControl, fitsControl);
    return std::min(kWidestControl, WidestLine(text, QFontMetrics(control.font(), &control)) + frame);
}

int HintNeed(const CHintText& hint) {
    if (hint.text().isEmpty()) return 0;
    const QFont font = hint.font();
    const qreal height = hint.contentsRect().height();
    auto* device = const_cast<CHintText*>(&hint);
    return WrappedNeed(hint, hint.text(), [&](int width) {
        return FitText(hint.text(), font, QSizeF(width, height), device).font == font;
    });
}

int LabelNeed(const QLabel& label) {
    if (label.text().isEmpty()) return 0;
    if (!label.wordWrap()) return label.sizeHint().width();
    // heightForWidth asks about the whole label, frame included.
    const int frame = label.width() - label.contentsRect().width();
    return WrappedNeed(label, label.text(),
                       [&](int width) { return label.heightForWidth(width + frame) <= label.height(); });
}

int LabelBoxNeed(const CLabelBox& box) {
    const std::string text = platform::FitCp932Bytes(box.text().toStdString(), kLabelTextMaxBytes);
    if (text.empty()) return 0;
    const int cell = platform::AverageCharWidth(platform::MakeFont(platform::kFixedGothic, 9));
    // Half a cell of fill either side of the text, inside the border.
    const int frame = box.width() - box.contentsRect().width();
    return (static_cast<int>(platform::Cp932Length(text)) + 1) * cell + frame;
}

int PushButtonNeed(const QPushButton& button) {
    if (button.text().isEmpty()) return 0;
    const QStyle* style = button.style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    // An & marks the shortcut letter and takes no room.
    return WidestLine(QString(button.text()).remove(QLatin1Char('&')), button.fontMetrics()) + margins +
           kTextSlack;
}

int GroupBoxNeed(const QGroupBox& group) {
    if (group.title().isEmpty()) return 0;
    // The title sits a character in from either side.
    return group.fontMetrics().horizontalAdvance(group.title()) + 2 * group.fontMetrics().averageCharWidth() +
           kTextSlack;
}

// The width control needs to show its whole text at its font (wrapped
// within its height where it wraps); 0 for a control without text.
int NeededTextWidth(const QWidget& control) {
    if (const auto* hint = qobject_cast<const CHintText*>(&control)) return HintNeed(*hint);
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return LabelNeed(*label);
    if (const auto* box = qobject_cast<const CLabelBox*>(&control)) return LabelBoxNeed(*box);
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) return PushButtonNeed(*button);
    if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control))
        return control.sizeHint().width();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return GroupBoxNeed(*group);
    return 0;
}

}  // namespace

void FitLayoutToTexts(QWidget& client) {
    if (!TextsTranslated() || client.layout() != nullptr) return;
    std::vector<QWidget*> controls;
    std::vector<WideningBox> boxes;
    for (QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect place = child->geometry();
        // A hidden control keeps its place (others may lean on it) but shows no text.
        const int need = child->isVisibleTo(&client) ? NeededTextWidth(*child) : 0;
        controls.push_back(child);
        boxes.push_back({place.x(), place.y(), place.width(), place.height(), need});
    }
    const WidenedLayout widened = WidenLayout(boxes, client.width());
    if (widened.boxes == boxes) return;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const WideningBox& box = widened.boxes[i];
        controls[i]->setGeometry(box.x, box.y, box.width, box.height);
    }
    if (client.minimumWidth() == client.maximumWidth())
        client.setFixedWidth(widened.clientWidth);
    else
        client.resize(widened.clientWidth, client.height());
}
