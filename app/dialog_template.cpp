#include "app/dialog_template.h"

#include <algorithm>

#include <QColor>
#include <QComboBox>
#include <QVariant>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/hint_text.h"
#include "app/label_box.h"
#include "app/translated_layout.h"
#include "res/ui_text.h"

namespace {

QWidget* CreateControl(QWidget& client, const ControlTemplate& control,
                       const std::function<void(int)>& onCommand) {
    const QString text = Text(control.text ? control.text : "");
    switch (control.kind) {
    case ControlKind::LabelBox:
        return new CLabelBox(text, QColor::fromRgb(control.fill), &client);
    case ControlKind::Button: {
        auto* button = new QPushButton(text, &client);
        const int id = control.id;
        QObject::connect(button, &QPushButton::clicked, button, [onCommand, id] {
            if (onCommand) onCommand(id);
        });
        return button;
    }
    case ControlKind::Text:
        return new CHintText(text, &client);
    case ControlKind::HiddenBox: {
        auto* box = new QWidget(&client);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(&client);
        combo->setEditable(false);
        return combo;
    }
    case ControlKind::BorderedText: {
        auto* label = new QLabel(text, &client);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    }
    return nullptr;
}

}  // namespace

void BuildControls(QWidget& client, std::span<const ControlTemplate> controls,
                   platform::DialogBaseUnits units, const std::function<void(int)>& onCommand) {
    for (const ControlTemplate& control : controls) {
        QWidget* widget = CreateControl(client, control, onCommand);
        widget->setProperty(kControlIdProperty, control.id);
        QRect place = platform::DialogRectToPixels(control.x, control.y, control.width,
                                                   control.height, units);
        if (control.kind == ControlKind::DropDownList) {
            // The template's height is the open list's; the closed box keeps its own.
            auto* combo = static_cast<QComboBox*>(widget);
            const int itemHeight = combo->sizeHint().height();
            combo->setMaxVisibleItems(std::max(1, place.height() / std::max(1, itemHeight)));
            place.setHeight(itemHeight);
        }
        widget->setGeometry(place);
        widget->setVisible(control.kind != ControlKind::HiddenBox);
    }
    FitLayoutToTexts(client);
}

QWidget* FindControl(const QWidget& client, int id) {
    for (QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant value = child->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id) return child;
    }
    return nullptr;
}
