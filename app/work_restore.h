// Puts the work of a journal back after an abnormal end: the picture in a
// viewer beside the edit window, with its rows (scaled to the viewer's
// magnification) and its real-unit scale. A picture file that is gone, or
// a capture whose pixels are, gives a blank picture holding the rows, and
// a message saying so.
#pragma once

#include <string>

#include "data/journal_record.h"

class QWidget;
class ViewerWindows;

// owner: the main dialog; folder: the journal's folder (a capture's pixels
// are there). True when a viewer opened with the rows.
bool RestoreWork(QWidget* owner, ViewerWindows& windows, const JournalRecord& record,
                 const std::string& folder);
