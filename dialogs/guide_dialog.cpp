#include "dialogs/guide_dialog.h"

#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVariant>

#include "app/dialog_template.h"
#include "app/label_box.h"
#include "app/translated_layout.h"
#include "dialogs/guide_content.h"
#include "dialogs/hidden_caption.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/unminimised_dialog.h"
#include "platform/window_placement.h"
#include "res/ids.h"
#include "res/ui_text.h"

namespace {

// Spacing of the content, in dialog units.
constexpr int kMarginDlu = 7;
constexpr int kGapDlu = 4;
constexpr int kIndentDlu = 8;
constexpr int kCaptionHeightDlu = 12;
constexpr int kLabelWidthDlu = 24;
constexpr int kButtonWidthDlu = 50;
constexpr int kButtonHeightDlu = 14;

QRect ToQRect(const GuideRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

QLabel* NewText(const char* text, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CGuideDialog::CGuideDialog(const GuideContent& content, const QWidget* owner)
    : QDialog(nullptr), content_(content) {
    platform::SetUpDialogWindow(*this);
    setWindowTitle(Text(content.title));
    setFont(platform::MakeFont(platform::kDialogFace, 9));
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());
    const auto dluX = [&](int dlu) { return platform::DluToPixelsX(dlu, units); };
    const auto dluY = [&](int dlu) { return platform::DluToPixelsY(dlu, units); };

    GuideMetrics metrics;
    metrics.clientWidth = dluX(content.widthDlu);
    metrics.margin = dluX(kMarginDlu);
    metrics.gap = dluY(kGapDlu);
    metrics.indent = dluX(kIndentDlu);
    metrics.captionHeight = dluY(kCaptionHeightDlu);
    metrics.labelWidth = dluX(kLabelWidthDlu);
    metrics.buttonWidth = dluX(kButtonWidthDlu);
    metrics.buttonHeight = dluY(kButtonHeightDlu);

    // Build the controls first: the explanations' heights follow from their wrapped texts.
    std::vector<GuideItemKind> kinds;
    std::vector<int> heights;
    std::vector<QWidget*> boxes;
    std::vector<QLabel*> labels;
    for (const GuideItem& item : content.items) {
        QWidget* box = nullptr;
        QLabel* label = nullptr;
        int height = 0;
        if (item.kind == GuideItemKind::Caption) {
            if (content.hiddenCaptions) {
                auto* hidden = NewText(item.text, this);
                hidden->setVisible(false);
                hiddenCaptions_.push_back(hidden);
                box = hidden;
            } else {
                box = new CLabelBox(Text(item.text), QColor::fromRgb(item.fill), this);
            }
        } else {
            QLabel* text = NewText(item.text, this);
            height = text->heightForWidth(GuideTextWidth(item.kind, metrics));
            box = text;
            if (item.kind == GuideItemKind::LabelledText) label = NewText(item.label, this);
        }
        box->setProperty(kControlIdProperty, item.id);
        box->setProperty("fill", QVariant::fromValue(item.fill));
        kinds.push_back(item.kind);
        heights.push_back(height);
        boxes.push_back(box);
        labels.push_back(label);
    }

    const GuidePlaces places = LayOutGuide(kinds, heights, metrics);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setGeometry(ToQRect(places.rows[i].box));
        if (labels[i]) labels[i]->setGeometry(ToQRect(places.rows[i].label));
    }

    auto* button = new QPushButton(Text(content.button), this);
    button->setProperty(kControlIdProperty, ID_FRAMEWORK_OK);
    button->setDefault(true);
    button->setGeometry(ToQRect(places.button));
    connect(button, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK); });

    setFixedSize(metrics.clientWidth, places.clientHeight);
    FitLayoutToTexts(*this);
    if (content.besideOwner && owner) PlaceBeside(*owner);
}

bool CGuideDialog::OnCommand(int id, std::intptr_t) {
    if (id != ID_FRAMEWORK_OK) return false;
    accept();
    return true;
}

void CGuideDialog::PlaceBeside(const QWidget& owner) {
    const QRect frame = owner.window()->frameGeometry();
    const GuidePoint corner = PlaceRightOf({frame.x(), frame.y(), frame.width(), frame.height()});
    // Keeps the size where the screen has room; the dialog is not raised by moving.
    platform::PlaceFrameAt(*this, {corner.x, corner.y});
}

void CGuideDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (hiddenCaptions_.empty()) return;
    QPainter painter(this);
    for (const QLabel* caption : hiddenCaptions_)
        PaintHiddenCaption(painter, caption->geometry(), caption->text(),
                           QColor::fromRgb(caption->property("fill").value<QRgb>()));
}
