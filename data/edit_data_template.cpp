#include "data/edit_data_template.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>

#include "app/translated_layout.h"
#include "platform/fonts.h"
#include "res/ids.h"
#include "res/texts_edit_window.h"

namespace {

constexpr QRgb kBackground = qRgb(192, 192, 192);
constexpr QRgb kHeading = qRgb(0, 48, 48);
constexpr QRgb kExplanationBackground = qRgb(208, 208, 208);
constexpr int kExplanationFontPoints = 9;

constexpr ControlTemplate kControls[] = {
    {IDC_LABEL_RESULTS, ControlKind::LabelBox, texts_edit::HEADING_RESULTS, 8, 4, 52, 14, kHeading},
    {IDC_CALCULATE, ControlKind::Button, texts_edit::BUTTON_CALCULATE, 120, 3, 48, 16},
    {IDC_CLEAR, ControlKind::Button, texts_edit::BUTTON_CLEAR, 172, 3, 48, 16},
    {IDC_RESULT_BOX, ControlKind::HiddenBox, "", 6, 20, 218, 90},
    {IDC_LABEL_WORK_STATE, ControlKind::LabelBox, texts_edit::HEADING_WORK_STATE, 8, 114, 52, 14, kHeading},
    {IDC_STATUS_BOX, ControlKind::HiddenBox, "", 64, 114, 112, 14},
    {IDC_MAGNIFICATION_TEXT, ControlKind::Text, "", 182, 116, 38, 10},
    {IDC_LABEL_SAMPLING_DATA, ControlKind::LabelBox, texts_edit::HEADING_SAMPLING_DATA, 8, 132, 80, 14,
     kHeading},
    {IDC_ROW_COUNT, ControlKind::Text, "", 94, 134, 48, 10},
    {IDC_SAMPLING_START, ControlKind::Button, texts_edit::BUTTON_SAMPLING_START, 134, 150, 86, 24},
    {IDC_SAMPLING_STOP, ControlKind::Button, texts_edit::BUTTON_SAMPLING_STOP, 134, 178, 86, 16},
    {IDC_PAGE_FIRST, ControlKind::Button, texts_edit::BUTTON_PAGE_FIRST, 134, 200, 41, 16},
    {IDC_PAGE_LAST, ControlKind::Button, texts_edit::BUTTON_PAGE_LAST, 179, 200, 41, 16},
    {IDC_PAGE_UP, ControlKind::Button, texts_edit::BUTTON_PAGE_UP, 134, 220, 41, 16},
    {IDC_PAGE_DOWN, ControlKind::Button, texts_edit::BUTTON_PAGE_DOWN, 179, 220, 41, 16},
    {IDC_EXPLAIN_LAST, ControlKind::Text, texts_edit::EXPLAIN_TYPES, 134, 242, 86, 22},
    {IDC_EXPLAIN_FIRST, ControlKind::Text, texts_edit::EXPLAIN_INSERT, 8, 272, 212, 16},
    {IDC_EXPLAIN_FIRST + 1, ControlKind::Text, texts_edit::EXPLAIN_FINE_TUNE, 8, 290, 212, 9},
    {IDC_EXPLAIN_FIRST + 2, ControlKind::Text, texts_edit::EXPLAIN_UNITS, 8, 301, 212, 9},
    {IDC_EXPLAIN_FIRST + 3, ControlKind::Text, texts_edit::EXPLAIN_PRINT_SCALE, 8, 312, 212, 9},
    // Below the explanations: the real-unit scale of the paired viewer's picture, when one is set.
    {IDC_SCALE_TEXT, ControlKind::Text, "", 8, 323, 212, 9},
};

}  // namespace

std::span<const ControlTemplate> EditDataControls() { return kControls; }

// The grey background, given to the class rather than to each window: the
// style keeps its pictures of buttons keyed by the palette they were drawn
// with, and a palette set on a window is a new one every time, so each edit
// window opened would leave a set of pictures behind that no later window
// can use. Every edit window, and every control in it, shares this one.
void ShareEditWindowPalette(const char* className) {
    if (QApplication::palette(className).color(QPalette::Window) == QColor(kBackground)) return;
    QPalette background = QApplication::palette();
    background.setColor(QPalette::Window, QColor(kBackground));
    // As if nothing were set: the windows take the palette as it is,
    // without making a copy of their own.
    background.setResolveMask(0);
    QApplication::setPalette(background, className);
}

void StyleExplanations(QWidget& client) {
    const QFont font = platform::MakeFont(platform::kFixedGothic, kExplanationFontPoints);
    for (int id = IDC_EXPLAIN_FIRST; id <= IDC_EXPLAIN_LAST; ++id) {
        auto* label = qobject_cast<QLabel*>(FindControl(client, id));
        if (label == nullptr) continue;
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, QColor(kExplanationBackground));
        colours.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
    }
    // In their own font, translated explanations may need more room across.
    FitLayoutToTexts(client);
    for (int id = IDC_EXPLAIN_FIRST; id <= IDC_EXPLAIN_LAST; ++id) {
        auto* label = qobject_cast<QLabel*>(FindControl(client, id));
        if (label == nullptr) continue;
        // The text may need more lines in this font than its place holds.
        QRect place = label->geometry();
        place.setHeight(std::max(place.height(), label->heightForWidth(place.width())));
        label->setGeometry(place);
    }
}
