// Test support: every text a window shows its user, gathered as the user
// would meet it: the window's title, what the window paints (recorded while
// it paints itself into a device that keeps only the texts), tooltips and
// the items of its menus, the message boxes and file dialogs it asked for.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "platform/file_dialog_recorder.h"
#include "platform/message_box_recorder.h"

class QDialog;
class QTimer;
class QWidget;

// True when text holds a Japanese character (CJK punctuation, kana and
// ideographs U+3000-U+9FFF, full- and half-width forms U+FF00-U+FFEF).
bool HasJapanese(const QString& text);

class ShownTexts {
public:
    // The window's title, painted texts, tooltips and menus (each menu's
    // items brought up to date as when it opens).
    void Window(QWidget& window, const QString& where);
    // The texts of the message boxes and file dialogs recorded so far.
    void Boxes(const platform::MessageBoxRecorder& boxes, const QString& where);
    void FileDialogs(const platform::FileDialogRecorder& dialogs, const QString& where);
    void Add(const QString& where, const QString& text);

    // "where: text" of every text with a Japanese character, each text
    // once (where it was first seen), leaving out those known says are known.
    using Known = std::function<bool(const QString& where, const QString& text)>;
    QStringList Japanese(const Known& known = {}) const;
    // Every place a text was seen (only those with Japanese texts).
    QStringList Places(bool japaneseOnly) const;
    int count() const { return int(entries_.size()); }

private:
    struct Entry {
        QString where;
        QString text;
    };
    std::vector<Entry> entries_;
};

// While alive, takes every modal dialog that opens: its texts go to shown,
// then answer answers it, or when it does not (returns false), the dialog
// is cancelled.
class ModalDialogTaker {
public:
    explicit ModalDialogTaker(ShownTexts& shown);
    ~ModalDialogTaker();
    ModalDialogTaker(const ModalDialogTaker&) = delete;
    ModalDialogTaker& operator=(const ModalDialogTaker&) = delete;

    std::function<bool(QDialog&)> answer;
    // Titles of the dialogs taken, in order.
    QStringList taken;

private:
    QTimer* timer_;
};
