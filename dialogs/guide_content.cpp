#include "dialogs/guide_content.h"

#include "res/ids.h"
#include "res/texts_capture.h"
#include "res/texts_guide.h"

namespace {

constexpr QRgb kCaptionFill = qRgb(0, 48, 48);
constexpr QRgb kCutCaptionFill = qRgb(0, 64, 64);
constexpr QRgb kHiddenCaptionFill = qRgb(0, 64, 64);
constexpr QRgb kZoneHeadingFill = qRgb(80, 80, 80);

constexpr GuideItem Caption(int id, const char* text, QRgb fill) {
    return {id, GuideItemKind::Caption, text, nullptr, fill};
}
constexpr GuideItem Text(const char* text) {
    return {IDC_STATIC, GuideItemKind::Text, text};
}
constexpr GuideItem Labelled(const char* label, const char* text) {
    return {IDC_STATIC, GuideItemKind::LabelledText, text, label};
}

using namespace texts;

// CProcGuide, template 174.
constexpr GuideItem kProcItems[] = {
    Caption(IDC_CAPTION_IMAGE_UNITS, PROC_GUIDE_CAPTION_IMAGE_UNITS, kCaptionFill),
    Text(PROC_GUIDE_ADJUST_FIRST),
    Text(PROC_GUIDE_DOT_UNITS),
    Caption(IDC_CAPTION_MODE_SAMPLING, PROC_GUIDE_CAPTION_MODE_SAMPLING, kCaptionFill),
    Text(PROC_GUIDE_START_SAMPLING),
    Text(PROC_GUIDE_CLICK_TO_SAMPLE),
    Text(PROC_GUIDE_STOP_SAMPLING),
    Text(PROC_GUIDE_ADD_POINTS),
    Caption(IDC_CAPTION_RUN, PROC_GUIDE_CAPTION_RUN, kCaptionFill),
    Text(PROC_GUIDE_RUN),
    Text(PROC_GUIDE_RUN_ENDS_SAMPLING),
    Caption(IDC_CAPTION_EDIT, PROC_GUIDE_CAPTION_EDIT, kCaptionFill),
    Text(PROC_GUIDE_EDIT_BOXES),
};

// CEditGuide, template 163.
constexpr GuideItem kEditItems[] = {
    Caption(IDC_CAPTION_ROW_EDIT, EDIT_GUIDE_CAPTION_ROW_EDIT, kCaptionFill),
    Text(EDIT_GUIDE_CLICK_CELL_FIRST),
    Text(EDIT_GUIDE_KEY_INSERT),
    Text(EDIT_GUIDE_KEY_DELETE),
    Text(EDIT_GUIDE_KEY_COPY),
    Text(EDIT_GUIDE_KEY_PASTE),
    Caption(IDC_CAPTION_DATA_EDIT, EDIT_GUIDE_CAPTION_DATA_EDIT, kCaptionFill),
    Text(EDIT_GUIDE_EDIT_BOXES),
    Text(EDIT_GUIDE_FINE_TUNING),
};

// CDExplain, template 164.
constexpr GuideItem kExplainItems[] = {
    Caption(IDC_CAPTION_COORDINATES, DATA_EXPLAIN_CAPTION_COORDINATES, kCaptionFill),
    Text(DATA_EXPLAIN_COORDINATES),
    Caption(IDC_CAPTION_DATA, DATA_EXPLAIN_CAPTION_DATA, kCaptionFill),
    Labelled(DATA_EXPLAIN_LABEL_TYPE, DATA_EXPLAIN_TYPE),
    Labelled(DATA_EXPLAIN_LABEL_XY, DATA_EXPLAIN_XY),
    Caption(IDC_CAPTION_CALCULATION, DATA_EXPLAIN_CAPTION_CALCULATION, kCaptionFill),
    Text(DATA_EXPLAIN_CALCULATION),
};

// CCutGuide, template 169.
constexpr GuideItem kCutItems[] = {
    Caption(IDC_CAPTION_CUT_SIZE, CUT_GUIDE_CAPTION_SIZE, kCutCaptionFill),
    Text(CUT_GUIDE_SIZE),
    Caption(IDC_CAPTION_CUT_ZONE, CUT_GUIDE_CAPTION_ZONE, kCutCaptionFill),
    Text(CUT_GUIDE_ZONE),
    Caption(IDC_CAPTION_CUT_RUN, CUT_GUIDE_CAPTION_RUN, kCutCaptionFill),
    Text(CUT_GUIDE_RUN),
    Caption(IDC_CAPTION_CUT_RELEASE, CUT_GUIDE_CAPTION_RELEASE, kCutCaptionFill),
    Text(CUT_GUIDE_RELEASE),
};

// CHowTo, template 172: its captions are hidden controls the dialog paints over.
constexpr GuideItem kHowToItems[] = {
    Caption(IDC_CAPTION_FEATURES, HOWTO_CAPTION_FEATURES, kHiddenCaptionFill),
    Text(HOWTO_FEATURES),
    Text(HOWTO_APPROXIMATION),
    Caption(IDC_CAPTION_GETTING_STARTED, HOWTO_CAPTION_GETTING_STARTED, kHiddenCaptionFill),
    Text(HOWTO_OPEN_VIEWER),
    Text(HOWTO_TWO_WINDOWS),
};

// CZoneStGd, template 175: the heading on grey, then the three steps. The
// heading and the steps carry no control ids of their own.
constexpr GuideItem kZoneItems[] = {
    Caption(IDC_STATIC, ZONE_GUIDE_CAPTION_HEADING, kZoneHeadingFill),
    Text(ZONE_GUIDE_INTRO),
    Caption(IDC_STATIC, ZONE_GUIDE_CAPTION_START, kCaptionFill),
    Text(ZONE_GUIDE_START),
    Caption(IDC_STATIC, ZONE_GUIDE_CAPTION_END, kCaptionFill),
    Text(ZONE_GUIDE_END),
    Caption(IDC_STATIC, ZONE_GUIDE_CAPTION_FLASH, kCaptionFill),
    Text(ZONE_GUIDE_FLASH),
};

constexpr GuideContent kProcGuide{IDD_PROC_GUIDE, PROC_GUIDE_TITLE, GUIDE_BUTTON_CLOSE, kProcItems,
                                  300, false, true, false};
constexpr GuideContent kEditGuide{IDD_EDIT_GUIDE, EDIT_GUIDE_TITLE, GUIDE_BUTTON_CLOSE, kEditItems,
                                  280, false, true, false};
constexpr GuideContent kDataExplain{IDD_DATA_EXPLAIN, DATA_EXPLAIN_TITLE, GUIDE_BUTTON_OK,
                                    kExplainItems, 260, false, true, false};
constexpr GuideContent kCutGuide{IDD_CUT_GUIDE, CUT_GUIDE_TITLE, GUIDE_BUTTON_CLOSE, kCutItems,
                                 280, false, false, true};
constexpr GuideContent kHowTo{IDD_HOWTO, HOWTO_TITLE, GUIDE_BUTTON_CLOSE, kHowToItems,
                              280, true, false, false};
constexpr GuideContent kZoneGuide{IDD_ZONE_GUIDE, ZONE_GUIDE_TITLE, GUIDE_BUTTON_CLOSE, kZoneItems,
                                  300, false, false, false};

}  // namespace

const GuideContent* GuideContentFor(int commandId) {
    switch (commandId) {
    case ID_PROC_GUIDE:
        return &kProcGuide;
    case ID_EDIT_GUIDE:
        return &kEditGuide;
    case ID_DATA_EXPLAIN:
        return &kDataExplain;
    case ID_CUT_GUIDE:
        return &kCutGuide;
    case ID_HOWTO_GUIDE:
        return &kHowTo;
    case IDC_ZONE_GUIDE:
        return &kZoneGuide;
    default:
        return nullptr;
    }
}
