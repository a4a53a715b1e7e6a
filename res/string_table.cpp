#include "res/string_table.h"

#include <array>
#include <utility>

#include "res/ids.h"
#include "res/texts_app.h"

namespace {

constexpr std::array<std::pair<int, const char*>, 23> ENTRIES = {{
    {IDS_ABOUTBOX, texts::MENU_ABOUT},
    {ID_VIEWER_CLOSE_REQUEST, texts::NAME_VIEWER_CLOSE_REQUEST},
    {ID_VIEWER_CLOSED, texts::NAME_VIEWER_CLOSED},
    {ID_EDITWND_CLOSED, texts::NAME_EDITWND_CLOSED},
    {ID_SAMPLING_START_REQUEST, texts::NAME_SAMPLING_START_REQUEST},
    {IDC_SAMPLING_STOP, texts::NAME_SAMPLING_STOP},
    {ID_SAMPLING_STOP_REQUEST, texts::NAME_SAMPLING_STOP_REQUEST},
    {ID_KEY_ENTER, texts::NAME_KEY_ENTER},
    {ID_KEY_TAB, texts::NAME_KEY_TAB},
    {ID_KEY_UP, texts::NAME_KEY_UP},
    {ID_KEY_DOWN, texts::NAME_KEY_DOWN},
    {ID_KEY_SHIFT_TAB, texts::NAME_KEY_SHIFT_TAB},
    {ID_KEY_LEFT, texts::NAME_KEY_LEFT},
    {ID_KEY_RIGHT, texts::NAME_KEY_RIGHT},
    {ID_KEY_ESCAPE, texts::NAME_KEY_ESCAPE},
    {ID_KEY_PAGE_DOWN, texts::NAME_KEY_PAGE_DOWN},
    {ID_KEY_PAGE_UP, texts::NAME_KEY_PAGE_UP},
    {IDC_COLOUR_POINT_MARK, texts::NAME_COLOUR_POINT_MARK},
    {IDC_COLOUR_POINT_NUMBER, texts::NAME_COLOUR_POINT_NUMBER},
    {IDC_COLOUR_CENTROID, texts::NAME_COLOUR_CENTROID},
    {IDC_COLOUR_SEGMENT, texts::NAME_COLOUR_SEGMENT},
    {IDC_COLOUR_STRONG_AXIS, texts::NAME_COLOUR_STRONG_AXIS},
    {IDC_COLOUR_WEAK_AXIS, texts::NAME_COLOUR_WEAK_AXIS},
}};

}  // namespace

std::string_view StringTableText(int id) {
    for (const auto& [number, text] : ENTRIES)
        if (number == id) return text;
    return {};
}
