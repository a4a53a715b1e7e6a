// A fixed text control of a dialog template: left-aligned, wrapped, and
// always inside its place. When the text needs more room than the place
// has at the control's font, it is drawn closer and smaller (FitText); the
// place itself stays where the template puts it.
#pragma once

#include <QLabel>

#include "app/text_fit.h"

class CHintText : public QLabel {
    Q_OBJECT
public:
    explicit CHintText(const QString& text, QWidget* parent = nullptr);

    // How the current text lies in the control at its current font.
    TextFit Fit() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
