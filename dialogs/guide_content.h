// What each guidance dialog shows: its title, its caption boxes with the
// explanations under them, its one button, and how it is placed. Picked by
// the command that opens it.
#pragma once

#include <QRgb>

#include <span>

#include "dialogs/guide_layout.h"

struct GuideItem {
    int id;  // caption control id, or IDC_STATIC for explanations
    GuideItemKind kind;
    const char* text;             // UTF-8
    const char* label = nullptr;  // labelled explanations only
    QRgb fill = 0;                // captions only
};

struct GuideContent {
    int templateId;
    const char* title;
    const char* button;
    std::span<const GuideItem> items;
    int widthDlu;                 // client width in dialog units
    bool hiddenCaptions = false;  // captions painted by the dialog over hidden controls
    bool besideOwner = false;     // placed right of the window that opens it
    bool repaintOwner = false;    // the opening window repaints once it is closed
};

// The guide that a menu or button command opens, or null for any other id.
// Commands: ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN (edit window),
// ID_CUT_GUIDE (viewer), ID_HOWTO_GUIDE and IDC_ZONE_GUIDE (main dialog).
const GuideContent* GuideContentFor(int commandId);
