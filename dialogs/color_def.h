// The drawing-colour dialog "作画表示色設定": six colour numbers, each an entry
// of the 20-colour table shown below them. OK stores the numbers in their
// order and stops at the first one outside 0..19 with a message, the dialog
// staying open; Cancel stores nothing more.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "dialogs/colour_table.h"

class QLineEdit;
class QPushButton;
class ColourTableView;

class CColorDef : public QDialog {
    Q_OBJECT
public:
    // numbers: the persisted colour numbers, shown at start and written by OK.
    explicit CColorDef(ColourNumbers& numbers, QWidget* parent = nullptr);

    // ID_FRAMEWORK_OK and ID_FRAMEWORK_CANCEL; false for anything else.
    bool OnCommand(int id, std::intptr_t value);

    // The six field ids in the order of the colour numbers.
    static constexpr int FIELD_COUNT = COLOUR_NUMBER_COUNT;
    static const std::array<int, FIELD_COUNT> FIELD_IDS;

    QLineEdit* Field(int index) const { return fields_[index]; }
    QPushButton* OkButton() const { return okButton_; }
    ColourTableView* TableView() const { return tableView_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnOK();
    void FocusField(int index);
    int FieldIndexOf(QObject* object) const;

    ColourNumbers& numbers_;
    std::array<QLineEdit*, FIELD_COUNT> fields_{};
    QPushButton* okButton_ = nullptr;
    ColourTableView* tableView_ = nullptr;
    bool focusPlaced_ = false;
};
