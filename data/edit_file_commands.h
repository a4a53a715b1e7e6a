// The edit window's files: the print menu's five items (the reports and
// the measurement sheet handed to the print program), the CSV export and
// reading an outline back from a CSV file. The window forwards the menu
// commands here; the messages and the file dialogs appear over it.
#pragma once

class CViewImage;
class QWidget;

class EditFileCommands {
public:
    // window: the edit window, owner of the boxes and file dialogs.
    explicit EditFileCommands(QWidget* window) : window_(window) {}

    // ID_PRINT_RESULTS, ID_PRINT_INCLINED, ID_PRINT_DETAIL,
    // ID_PRINT_PROPERTIES and ID_PRINT_SHEET. picture: the paired viewer's,
    // or null (no real-unit scale, no picture on the sheet).
    void Print(int id, const CViewImage* picture) const;

    // "Csv出力": asks when the results are not current, lets the user name
    // the file (remembering its folder), writes it.
    void ExportCsv() const;

    // "CSVデータ読込み": lets the user choose a file and reads its rows into
    // the table at the display scale viewerR. True when the table was
    // replaced (the window then shows it from its first row).
    bool ReopenOutline(double viewerR) const;

private:
    QWidget* window_;
};
