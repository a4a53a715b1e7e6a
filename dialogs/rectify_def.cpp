#include "dialogs/rectify_def.h"

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
#include "res/texts_plane.h"
#include "res/ui_text.h"

namespace t = texts_plane;

CRectifyDef::CRectifyDef(QWidget* parent, double proposedDotsPerMm)
    : QDialog(parent, platform::kDialogFlags) {
    platform::KeepUnminimised(*this);
    setWindowTitle(Text(t::RECTIFY_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(t::RECTIFY_DOTS_PER_MM), this));
    dots_ = new QLineEdit(QString::fromStdString(FormatText("%.3g", proposedDotsPerMm)), this);
    row->addWidget(dots_);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(Text(t::PLANE_OK), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK, 0); });
    auto* cancel = new QPushButton(Text(t::PLANE_CANCEL), this);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_CANCEL, 0); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    dots_->setFocus();
    dots_->selectAll();
}

bool CRectifyDef::OnCommand(int id, std::intptr_t /*value*/) {
    switch (id) {
    case ID_FRAMEWORK_OK: {
        const double value = PositiveNumberIn(dots_);
        if (value == 0) {
            platform::MessageBox(this, t::MSG_RECTIFY_INVALID, texts_data::TITLE_CONFIRM);
            return true;
        }
        dotsPerMm_ = value;
        accept();
        return true;
    }
    case ID_FRAMEWORK_CANCEL: reject(); return true;
    default: return false;
    }
}
