// A dialog template: the controls of a window with their kinds, texts and
// places in dialog units, built into real widgets at their pixel places.
#pragma once

#include <QRgb>

#include <functional>
#include <span>

#include "platform/dialog_units.h"

class QWidget;

enum class ControlKind {
    LabelBox,      // heading painted by DrawLabelBox in the template's fill colour
    Button,        // push button; a click sends its id as a command
    Text,          // fixed text, left-aligned, wrapped, fitted into its place (CHintText)
    HiddenBox,     // invisible: only its rectangle is used
    DropDownList,  // drop-down list; the height is that of the open list
    BorderedText,  // text in a sunken border
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;  // UTF-8
    int x, y, width, height;  // dialog units
    QRgb fill = 0;            // label boxes only
};

// Name of the property that carries a control's id.
inline constexpr char kControlIdProperty[] = "controlId";

// Creates the controls as children of client, at their places converted
// with units, in template order, with their texts in the user's language.
// Buttons call onCommand with their id. Where the texts are translated, the
// layout and client (sized before) widen until every text fits
// (FitLayoutToTexts); in Japanese they are the template's.
void BuildControls(QWidget& client, std::span<const ControlTemplate> controls,
                   platform::DialogBaseUnits units, const std::function<void(int)>& onCommand);

// The first child of client carrying id, or null.
QWidget* FindControl(const QWidget& client, int id);
