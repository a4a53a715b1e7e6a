#include "dialogs/ratio_def.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/translated_layout.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/unminimised_dialog.h"
#include "platform/window_placement.h"
#include "res/ids.h"
#include "res/texts_viewer.h"
#include "res/ui_text.h"
#include "viewer/ratio_steps.h"

namespace {

// Template 132: 187 x 172 dialog units, 10-point proportional gothic.
constexpr int kDialogWidthDlu = 187;
constexpr int kDialogHeightDlu = 172;
constexpr int kFontPoints = 10;
// Where the dialog opens on the screen.
constexpr int kScreenX = 600;
constexpr int kScreenY = 200;

}  // namespace

CRatioDef::CRatioDef(QWidget* parent, int percent, int width, int height)
    : QDialog(parent),
      percent_(RatioStartPercent(percent)),
      imageWidth_(width),
      imageHeight_(height),
      workingPercent_(percent_) {
    platform::SetUpDialogWindow(*this);
    setWindowTitle(Text(texts::RATIO_TITLE));
    setFont(platform::MakeFont(platform::kProportionalGothic, kFontPoints));
    PlaceControls();
    platform::PlaceFrameAt(*this, {kScreenX, kScreenY});
    sourceText_->setText(QString::fromStdString(RatioSizeText(imageWidth_, imageHeight_)));
    ValuesToControls();
    RefreshConvertedSize();
}

void CRatioDef::PlaceControls() {
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(font());
    setFixedSize(platform::DluToPixelsX(kDialogWidthDlu, units),
                 platform::DluToPixelsY(kDialogHeightDlu, units));
    auto place = [&](QWidget* control, int x, int y, int w, int h) {
        control->setGeometry(platform::DialogRectToPixels(x, y, w, h, units));
    };
    auto label = [&](const char* text, int x, int y, int w, int h, Qt::Alignment align) {
        auto* item = new QLabel(Text(text), this);
        item->setAlignment(align | Qt::AlignTop);
        item->setWordWrap(true);
        place(item, x, y, w, h);
        return item;
    };

    okButton_ = new QPushButton(Text(texts::RATIO_OK), this);
    okButton_->setDefault(true);
    place(okButton_, 40, 148, 50, 14);
    connect(okButton_, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK, 0); });
    auto* cancel = new QPushButton(Text(texts::RATIO_CANCEL), this);
    place(cancel, 100, 148, 50, 14);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_CANCEL, 0); });

    label(texts::RATIO_PERCENT_LABEL, 8, 20, 72, 17, Qt::AlignHCenter);

    // The percentage is shown, never typed: a disabled box that neither
    // the mouse nor Tab can reach.
    percentEdit_ = new QLineEdit(this);
    percentEdit_->setObjectName(QStringLiteral("ratioPercent"));
    percentEdit_->setEnabled(false);
    percentEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(percentEdit_, 82, 20, 32, 16);

    // Only the two arrow buttons count: the bar stays in the middle of a
    // range of three so that both arrows always work.
    arrows_ = new QScrollBar(Qt::Vertical, this);
    arrows_->setObjectName(QStringLiteral("ratioArrows"));
    arrows_->setRange(0, 2);
    arrows_->setValue(1);
    arrows_->setSingleStep(1);
    arrows_->setPageStep(1);
    arrows_->setFocusPolicy(Qt::NoFocus);
    place(arrows_, 116, 20, 13, 16);
    connect(arrows_, &QScrollBar::actionTriggered, this, &CRatioDef::OnArrowAction);

    auto* hundred = new QPushButton(Text(texts::RATIO_100), this);
    hundred->setObjectName(QStringLiteral("ratio100"));
    place(hundred, 136, 20, 27, 18);
    connect(hundred, &QPushButton::clicked, this, [this] { OnCommand(IDC_RATIO_100, 0); });

    label(texts::RATIO_RECOMMENDED, 85, 42, 46, 9, Qt::AlignLeft);
    label(texts::RATIO_CONVERTED_LABEL, 24, 57, 53, 17, Qt::AlignHCenter);
    convertedText_ = label("", 82, 58, 63, 16, Qt::AlignHCenter);
    convertedText_->setObjectName(QStringLiteral("ratioConverted"));
    label(texts::RATIO_SOURCE_LABEL, 24, 79, 53, 17, Qt::AlignHCenter);
    sourceText_ = label("", 83, 79, 63, 16, Qt::AlignHCenter);
    sourceText_->setObjectName(QStringLiteral("ratioSource"));
    label(texts::RATIO_NOTE, 13, 104, 167, 28, Qt::AlignLeft);
    FitLayoutToTexts(*this);
}

bool CRatioDef::OnCommand(int id, std::intptr_t value) {
    switch (id) {
    case ID_FRAMEWORK_OK:
        percent_ = workingPercent_;
        accept();
        return true;
    case ID_FRAMEWORK_CANCEL: reject(); return true;
    case IDC_RATIO_100:
        workingPercent_ = 100;
        ValuesToControls();
        RefreshConvertedSize();
        return true;
    case IDC_RATIO_ARROWS:
        if (value == 0) return true;
        workingPercent_ = value < 0 ? RatioStepUp(workingPercent_) : RatioStepDown(workingPercent_);
        ValuesToControls();
        percentEdit_->selectAll();
        RefreshConvertedSize();
        return true;
    default: return false;
    }
}

void CRatioDef::OnArrowAction(int action) {
    // On a vertical bar the up arrow subtracts a step and the down arrow adds
    // one; paging and dragging change nothing.
    if (action == QAbstractSlider::SliderSingleStepSub) OnCommand(IDC_RATIO_ARROWS, -1);
    if (action == QAbstractSlider::SliderSingleStepAdd) OnCommand(IDC_RATIO_ARROWS, 1);
    arrows_->setSliderPosition(1);
}

void CRatioDef::ValuesToControls() { percentEdit_->setText(QString::number(workingPercent_)); }

void CRatioDef::RefreshConvertedSize() {
    percent_ = workingPercent_;
    convertedText_->setText(
        QString::fromStdString(RatioConvertedSizeText(imageWidth_, imageHeight_, workingPercent_)));
}
