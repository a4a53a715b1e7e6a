// The magnification dialog: the user picks the display magnification as a
// percentage of the source image with two arrow buttons or "100 %"; the
// percentage cannot be typed. It shows the size the image takes at that
// percentage beside the source size.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class CRatioDef : public QDialog {
    Q_OBJECT
public:
    // percent: the viewer's current percentage; width, height: the source
    // image's size in dots.
    CRatioDef(QWidget* parent, int percent, int width, int height);

    // The chosen percentage; the viewer reads it after OK.
    int percent() const { return percent_; }
    int workingPercent() const { return workingPercent_; }

    // Buttons and arrows: ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_RATIO_100 (value unused), and
    // IDC_RATIO_ARROWS with value -1 (up arrow) or +1 (down arrow).
    bool OnCommand(int id, std::intptr_t value);

private:
    void PlaceControls();
    void OnArrowAction(int action);
    void ValuesToControls();
    void RefreshConvertedSize();

    int percent_;
    int imageWidth_;
    int imageHeight_;
    int workingPercent_;
    QLineEdit* percentEdit_ = nullptr;
    QScrollBar* arrows_ = nullptr;
    QLabel* convertedText_ = nullptr;
    QLabel* sourceText_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
