#include "dialogs/plane_def.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/plane_measure.h"
#include "dialogs/number_field.h"
#include "platform/dialog_flags.h"
#include "platform/message_box.h"
#include "platform/unminimised_dialog.h"
#include "res/format_text.h"
#include "res/ids.h"
#include "res/texts_plane.h"
#include "res/ui_text.h"

namespace t = texts_plane;

CPlaneDef::CPlaneDef(QWidget* parent, const plane::PlaneSetting& draft)
    : QDialog(parent, platform::kDialogFlags), setting_(draft) {
    platform::KeepUnminimised(*this);
    setWindowTitle(Text(t::PLANE_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(FormatText(t::PLANE_POINTS, int(draft.photo.size())).c_str()), this));
    auto* form = new QFormLayout;
    width_ = new QLineEdit(NumberFieldText(draft.widthMm), this);
    height_ = new QLineEdit(NumberFieldText(draft.heightMm), this);
    columns_ = new QLineEdit(QString::number(draft.columns), this);
    columns_->setEnabled(draft.photo.size() > 4);
    form->addRow(Text(t::PLANE_WIDTH), width_);
    form->addRow(Text(t::PLANE_HEIGHT), height_);
    form->addRow(Text(t::PLANE_COLUMNS), columns_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(Text(t::PLANE_RESIDUALS), this));
    residuals_ = new QLabel(this);
    residuals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(residuals_);

    auto* buttons = new QHBoxLayout;
    auto* fit = new QPushButton(Text(t::PLANE_FIT), this);
    fit->setEnabled(draft.photo.size() > 4);
    connect(fit, &QPushButton::clicked, this, [this] { OnCommand(IDC_PLANE_FIT, 0); });
    auto* ok = new QPushButton(Text(t::PLANE_OK), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK, 0); });
    auto* cancel = new QPushButton(Text(t::PLANE_CANCEL), this);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_CANCEL, 0); });
    buttons->addWidget(fit);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    width_->setFocus();
}

bool CPlaneDef::OnCommand(int id, std::intptr_t /*value*/) {
    switch (id) {
    case ID_FRAMEWORK_OK:
        if (Fit()) accept();
        return true;
    case ID_FRAMEWORK_CANCEL: reject(); return true;
    case IDC_PLANE_FIT: Fit(); return true;
    default: return false;
    }
}

bool CPlaneDef::Fit() {
    setting_.widthMm = PositiveNumberIn(width_);
    setting_.heightMm = PositiveNumberIn(height_);
    setting_.columns = int(PositiveNumberIn(columns_));
    const plane::PlaneFit fit = plane::FitPlane(setting_);
    residuals_->setText(Text(ResidualLines(fit).c_str()));
    if (fit.Ok()) return true;
    platform::ShowNotice(this, PlaneRefusalNotice(fit.refusal));
    return false;
}
