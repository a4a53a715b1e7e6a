#include "dialogs/color_def.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/translated_layout.h"
#include "dialogs/colour_table_view.h"
#include "platform/dialog_units.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/unminimised_dialog.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_colour.h"
#include "res/ui_text.h"

const std::array<int, CColorDef::FIELD_COUNT> CColorDef::FIELD_IDS = {
    IDC_COLOUR_POINT_MARK, IDC_COLOUR_POINT_NUMBER, IDC_COLOUR_CENTROID,
    IDC_COLOUR_SEGMENT,    IDC_COLOUR_STRONG_AXIS,  IDC_COLOUR_WEAK_AXIS,
};

namespace {

// Template 162, in dialog units of its font ("MS UI Gothic" 9 points).
constexpr int TEMPLATE_WIDTH = 230;
constexpr int TEMPLATE_HEIGHT = 160;

struct FieldPlace {
    const char* label;
    int labelX, fieldX, y;
};

// Two columns of three: the marks on the left, the lines on the right.
constexpr std::array<FieldPlace, CColorDef::FIELD_COUNT> FIELD_PLACES = {{
    {texts::COLOUR_LABEL_POINT_MARK, 10, 64, 10},
    {texts::COLOUR_LABEL_POINT_NUMBER, 10, 64, 27},
    {texts::COLOUR_LABEL_CENTROID, 10, 64, 44},
    {texts::COLOUR_LABEL_SEGMENT, 116, 176, 10},
    {texts::COLOUR_LABEL_STRONG_AXIS, 116, 176, 27},
    {texts::COLOUR_LABEL_WEAK_AXIS, 116, 176, 44},
}};
constexpr int LABEL_WIDTH = 52;
constexpr int FIELD_WIDTH = 30;
constexpr int FIELD_HEIGHT = 13;

// The fields' font, 14 pixels high.
constexpr char FIELD_FACE[] = "ＭＳ P ゴシック";
constexpr int FIELD_FONT_PIXELS = 14;

}  // namespace

CColorDef::CColorDef(ColourNumbers& numbers, QWidget* parent) : QDialog(parent), numbers_(numbers) {
    platform::SetUpDialogWindow(*this);
    setWindowTitle(Text(texts::COLOUR_DIALOG_TITLE));
    QFont dialogFont = platform::MakeFont(platform::kDialogFace, 9);
    setFont(dialogFont);
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(dialogFont);
    auto place = [&](QWidget* widget, int x, int y, int w, int h) {
        widget->setGeometry(platform::DialogRectToPixels(x, y, w, h, units));
    };
    setFixedSize(platform::DluToPixelsX(TEMPLATE_WIDTH, units),
                 platform::DluToPixelsY(TEMPLATE_HEIGHT, units));

    QFont fieldFont(QString::fromUtf8(FIELD_FACE));
    fieldFont.setPixelSize(FIELD_FONT_PIXELS);
    for (int i = 0; i < FIELD_COUNT; ++i) {
        const FieldPlace& where = FIELD_PLACES[i];
        auto* label = new QLabel(Text(where.label), this);
        place(label, where.labelX, where.y + 2, LABEL_WIDTH, 10);
        QLineEdit* field = new QLineEdit(QString::number(numbers_[i]), this);
        field->setObjectName(QString::number(FIELD_IDS[i]));
        field->setFont(fieldFont);
        place(field, where.fieldX, where.y, FIELD_WIDTH, FIELD_HEIGHT);
        field->installEventFilter(this);
        label->setBuddy(field);
        fields_[i] = field;
    }

    auto* hint = new QLabel(Text(texts::COLOUR_HINT), this);
    place(hint, 10, 62, 160, 10);

    auto* frame = new QGroupBox(Text(texts::COLOUR_FRAME), this);
    frame->setObjectName(QString::number(IDC_COLOUR_TABLE_FRAME));
    place(frame, 8, 74, 214, 58);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    tableView_ = new ColourTableView(frame);
    frameLayout->addWidget(tableView_);

    okButton_ = new QPushButton(Text(texts::COLOUR_BUTTON_OK), this);
    okButton_->setObjectName(QString::number(ID_FRAMEWORK_OK));
    okButton_->setDefault(true);
    place(okButton_, 60, 140, 50, 14);
    auto* cancelButton = new QPushButton(Text(texts::COLOUR_BUTTON_CANCEL), this);
    cancelButton->setObjectName(QString::number(ID_FRAMEWORK_CANCEL));
    place(cancelButton, 120, 140, 50, 14);
    connect(okButton_, &QPushButton::clicked, this, [this] { OnCommand(ID_FRAMEWORK_OK, 0); });
    connect(cancelButton, &QPushButton::clicked, this,
            [this] { OnCommand(ID_FRAMEWORK_CANCEL, 0); });

    // Tab order: the six fields in their order, then OK and Cancel.
    for (int i = 0; i + 1 < FIELD_COUNT; ++i) setTabOrder(fields_[i], fields_[i + 1]);
    setTabOrder(fields_[FIELD_COUNT - 1], okButton_);
    setTabOrder(okButton_, cancelButton);
    FitLayoutToTexts(*this);
}

bool CColorDef::OnCommand(int id, std::intptr_t) {
    switch (id) {
    case ID_FRAMEWORK_OK:
        OnOK();
        return true;
    case ID_FRAMEWORK_CANCEL:
        reject();
        return true;
    default:
        return false;
    }
}

void CColorDef::OnOK() {
    std::array<std::int64_t, FIELD_COUNT> edited{};
    for (int i = 0; i < FIELD_COUNT; ++i)
        edited[i] = ParseColourNumber(fields_[i]->text().toStdString());
    const int bad = StoreColourNumbers(edited, numbers_);
    if (bad < 0) {
        accept();
        return;
    }
    platform::MessageBox(this, texts::COLOUR_BAD_INPUT, texts::TITLE_CONFIRM, platform::MB_OK);
    FocusField(bad);
}

void CColorDef::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusPlaced_) {
        focusPlaced_ = true;
        FocusField(0);
    }
}

void CColorDef::FocusField(int index) {
    QLineEdit* field = fields_[index];
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();  // also brings the caret into view
}

int CColorDef::FieldIndexOf(QObject* object) const {
    for (int i = 0; i < FIELD_COUNT; ++i)
        if (fields_[i] == object) return i;
    return -1;
}

bool CColorDef::eventFilter(QObject* watched, QEvent* event) {
    const int index = FieldIndexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain && key->key() == Qt::Key_Tab) break;  // Shift+Tab: the usual way back
        if (index + 1 < FIELD_COUNT)
            FocusField(index + 1);
        else
            okButton_->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Up:
        FocusField(index > 0 ? index - 1 : index);
        return true;
    case Qt::Key_Down:
        FocusField(index + 1 < FIELD_COUNT ? index + 1 : index);
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
