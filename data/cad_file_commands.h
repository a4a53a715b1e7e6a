// The edit window's drawings: "DXF/SVG出力 (&X)" writes the calculated
// outline as a DXF drawing and an SVG picture beside it, "DXF読込み" reads
// a drawing's outline into the table on a blank picture of the drawing.
// The window forwards the menu commands here; the messages and the file
// dialogs appear over it.
#pragma once

#include <functional>

class CViewImage;
class QWidget;

class CadFileCommands {
public:
    // window: the edit window, owner of the boxes and file dialogs.
    explicit CadFileCommands(QWidget* window) : window_(window) {}

    // Refuses results that are not current; lets the user name the DXF
    // file, writes it and the SVG file of the same name. picture: the
    // paired viewer's (its real-unit scale gives millimetres), or null.
    void Export(const CViewImage* picture) const;

    // Lets the user choose a drawing, reads and checks its outline, asks
    // before replacing rows, has the main dialog open the drawing's blank
    // picture in a new viewer paired with the edit window, and stores the
    // rows at that viewer's display scale (magnification, asked once it
    // is open). True when the table was replaced.
    bool Import(const std::function<double()>& magnification) const;

private:
    QWidget* window_;
};
