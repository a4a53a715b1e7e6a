// The corrected picture's resolution: dots per millimetre of the plane,
// proposed so that the corrected picture has about as many dots as the
// photo.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;

class CRectifyDef : public QDialog {
    Q_OBJECT
public:
    CRectifyDef(QWidget* parent, double proposedDotsPerMm);

    double dotsPerMm() const { return dotsPerMm_; }

    // ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL.
    bool OnCommand(int id, std::intptr_t value);

    QLineEdit* dotsEdit() const { return dots_; }

private:
    double dotsPerMm_ = 0;
    QLineEdit* dots_ = nullptr;
};
