// The inside of the frame "表示色指定": paints the 20 colours with their
// numbers, laid out by LayoutColourTable for the widget's own size.
#pragma once

#include <QWidget>

class ColourTableView : public QWidget {
    Q_OBJECT
public:
    explicit ColourTableView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
