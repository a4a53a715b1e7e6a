// A fixed text control of a dialog template: left-aligned, wrapped, and
// always inside its place. When the text needs more room than the place
// has at the control's font, it is drawn closer and smaller (FitText); the
// place itself stays where the template puts it.
#pragma once

#include <QLabel>

#include <optional>

#include "app/text_fit.h"

class CHintText : public QLabel {
    Q_OBJECT
public:
    explicit CHintText(const QString& text, QWidget* parent = nullptr);

    // How the current text lies in the control at its current font.
    TextFit Fit() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The last fit and what it was worked out for: a paint fits the text
    // again only when the text, the font, the place or the pixel ratio changed.
    struct FitKey {
        QString text;
        QFont font;
        QSize size;
        qreal pixelRatio;
        bool operator==(const FitKey&) const = default;
    };
    mutable std::optional<FitKey> fitKey_;
    mutable TextFit fit_;
};
