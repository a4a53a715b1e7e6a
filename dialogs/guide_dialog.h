// A guidance dialog: fixed explanations under section captions, closed by
// its one button. Which guide it is comes from its GuideContent.
#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

struct GuideContent;
class QLabel;

class CGuideDialog : public QDialog {
    Q_OBJECT
public:
    // owner: the window that opens the guide; a guide placed beside its
    // owner takes its place from it. The dialog itself has no parent.
    CGuideDialog(const GuideContent& content, const QWidget* owner);

    // ID_FRAMEWORK_OK (the one button) closes the dialog; false for others.
    bool OnCommand(int id, std::intptr_t value = 0);

    const GuideContent& Content() const { return content_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceBeside(const QWidget& owner);

    const GuideContent& content_;
    std::vector<QLabel*> hiddenCaptions_;  // painted by the dialog, in order
};
