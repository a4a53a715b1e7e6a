// The plane of a known rectangle: asks the rectangle's width and height in
// millimetres for the points clicked on the picture (and, with more than
// four, how many points a grid row holds), fits the plane and shows each
// point's residual. A refused plane is told and the dialog stays open; the
// viewer keeps what the dialog gathered.
#pragma once

#include <QDialog>
#include <cstdint>

#include "plane/plane_setting.h"

class QLabel;
class QLineEdit;

class CPlaneDef : public QDialog {
    Q_OBJECT
public:
    // draft: the points clicked (source dots) and the sizes in use, if any.
    CPlaneDef(QWidget* parent, const plane::PlaneSetting& draft);

    // The plane once accepted.
    const plane::PlaneSetting& setting() const { return setting_; }

    // ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_PLANE_FIT.
    bool OnCommand(int id, std::intptr_t value);

    QLineEdit* widthEdit() const { return width_; }
    QLineEdit* heightEdit() const { return height_; }
    QLineEdit* columnsEdit() const { return columns_; }
    QLabel* residualsLabel() const { return residuals_; }

private:
    // The fields read into setting_; the fit's refusal shown; true when fitted.
    bool Fit();

    plane::PlaneSetting setting_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* columns_ = nullptr;
    QLabel* residuals_ = nullptr;
};
