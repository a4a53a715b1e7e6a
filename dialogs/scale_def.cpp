#include "dialogs/scale_def.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/number_field.h"
#include "platform/dialog_flags.h"
#include "platform/message_box.h"
#include "platform/unminimised_dialog.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_data.h"
#include "res/texts_properties.h"
#include "res/ui_text.h"
#include "viewer/scale_measure.h"

namespace {

namespace t = texts_properties;

}  // namespace

CScaleDef::CScaleDef(QWidget* parent, double mmPerDot, double measuredDots)
    : QDialog(parent), measuredDots_(measuredDots) {
    platform::SetUpDialogWindow(*this);
    setWindowTitle(Text(t::SCALE_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(new QLabel(Text(t::SCALE_TYPED), this));
    typed_ = new QLineEdit(this);
    typed_->setText(NumberFieldText(mmPerDot));
    typedRow->addWidget(typed_);
    layout->addLayout(typedRow);

    auto* group = new QGroupBox(Text(t::SCALE_MEASURED_HEADING), this);
    auto* grid = new QGridLayout(group);
    const std::string distance =
        measuredDots > 0 ? FormatText(t::SCALE_DISTANCE, measuredDots) : std::string(Tr(t::SCALE_NO_DISTANCE));
    grid->addWidget(new QLabel(QString::fromStdString(distance), group), 0, 0, 1, 2);
    grid->addWidget(new QLabel(Text(t::SCALE_LENGTH), group), 1, 0);
    length_ = new QLineEdit(group);
    length_->setEnabled(measuredDots > 0);
    grid->addWidget(length_, 1, 1);
    auto* measure = new QPushButton(Text(t::SCALE_MEASURE), group);
    connect(measure, &QPushButton::clicked, this, [this] { OnCommand(IDC_SCALE_MEASURE, 0); });
    grid->addWidget(measure, 2, 0, 1, 2);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(Text(t::SCALE_OK), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK, 0); });
    auto* clear = new QPushButton(Text(t::SCALE_CLEAR), this);
    clear->setEnabled(mmPerDot > 0);
    connect(clear, &QPushButton::clicked, this, [this] { OnCommand(IDC_SCALE_CLEAR, 0); });
    auto* cancel = new QPushButton(Text(t::SCALE_CANCEL), this);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_CANCEL, 0); });
    buttons->addWidget(ok);
    buttons->addWidget(clear);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    (measuredDots > 0 ? length_ : typed_)->setFocus();
}

bool CScaleDef::OnCommand(int id, std::intptr_t /*value*/) {
    switch (id) {
    case ID_FRAMEWORK_OK: OnOk(); return true;
    case ID_FRAMEWORK_CANCEL: Finish(Outcome::Cancelled); return true;
    case IDC_SCALE_MEASURE: Finish(Outcome::Measure); return true;
    case IDC_SCALE_CLEAR: Finish(Outcome::Cleared); return true;
    default: return false;
    }
}

void CScaleDef::OnOk() {
    const double value = ChosenMmPerDot(PositiveNumberIn(length_), measuredDots_, PositiveNumberIn(typed_));
    if (value == 0) {
        platform::MessageBox(this, t::MSG_SCALE_INVALID, texts_data::TITLE_CONFIRM);
        return;
    }
    mmPerDot_ = value;
    Finish(Outcome::Set);
}

void CScaleDef::Finish(Outcome outcome) {
    outcome_ = outcome;
    if (outcome == Outcome::Cancelled) {
        reject();
    } else {
        accept();
    }
}
