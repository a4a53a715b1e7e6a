// The English interface as a user walks through it: the main dialog, a viewer
// with its edit window, their menus, the dialogs the menus open and a few
// message boxes show no Japanese character; in Japanese the same walk does.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "app/label_box.h"
#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "platform/ui_language.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"
#include "support/paired_windows.h"
#include "viewer/gazo_view.h"

namespace {

// Each text shown, with where: titles, controls, menus as when they open, messages.
struct ShownTexts {
    std::vector<std::pair<QString, QString>> seen;

    void Add(const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty()) seen.emplace_back(where, text);
    }
    void Window(QWidget& window, const QString& where) {
        Add(where + " title", window.windowTitle());
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (!child->isVisibleTo(&window)) continue;
            if (auto* box = qobject_cast<CLabelBox*>(child))
                Add(where, box->text());
            else if (const QVariant text = child->property("text"); text.typeId() == QMetaType::QString)
                Add(where, text.toString());
        }
        for (QMenuBar* bar : window.findChildren<QMenuBar*>())
            for (QAction* action : bar->actions())
                Add(where + " menu", action->text());
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            emit menu->aboutToShow();
            for (QAction* action : menu->actions())
                Add(where + " menu", action->text());
        }
    }
    void Asked(const platform::MessageBoxRecorder& boxes) {
        for (const platform::MessageBoxCall& call : boxes.calls)
            Add("message", QString::fromStdString(call.title + ": " + call.text));
    }
};

// While alive, records and cancels every modal dialog that opens.
struct ModalDialogTaker {
    explicit ModalDialogTaker(ShownTexts& shown) {
        QObject::connect(&timer, &QTimer::timeout, [this, &shown] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            ++taken;
            shown.Window(*dialog, QString("dialog ") + dialog->metaObject()->className());
            dialog->reject();
        });
        timer.start(10);
    }
    QTimer timer;
    int taken = 0;
};

void Press(QWidget* button) { QTest::mouseClick(qobject_cast<QPushButton*>(button), Qt::LeftButton); }

void Walk(ShownTexts& shown) {
    {
        MainDialogHarness harness;
        auto dialog = harness.Start();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        shown.Window(*dialog, "main");
        ModalDialogTaker taker(shown);
        dialog->OnCommand(ID_HOWTO_GUIDE);
        dialog->OnSysCommand(IDM_ABOUTBOX);
        QCOMPARE(taker.taken, 2);
        dialog->OnCommand(ID_SETTINGS_RESET);    // question, then done
        Press(dialog->Control(IDC_ZONE_FLASH));  // no zone yet
        shown.Asked(harness.boxes);
    }
    PairedWindows pair;
    QVERIFY(pair.viewer != nullptr && pair.edit != nullptr);
    shown.Window(*pair.viewer, "viewer");
    shown.Window(*pair.edit, "edit");
    ModalDialogTaker taker(shown);
    for (int id : {IDC_CALCULATE, ID_EXPORT_CSV, ID_PROC_GUIDE})  // refused while empty; a guide
        pair.edit->OnCommand(id, 0);
    for (int id : {ID_MAGNIFICATION, ID_COLOUR_SETTINGS, ID_REAL_SCALE})
        pair.viewer->OnCommand(id, 0);
    QVERIFY(taker.taken >= 4);
    shown.Asked(pair.world->boxes);
}

}  // namespace

class EnglishSweepTest : public QObject {
    Q_OBJECT

private slots:
    void noJapaneseInEnglishAndJapaneseInJapanese() {
        static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
        ShownTexts english, inJapanese;
        platform::UseUiLanguage(platform::UiLanguage::English);
        Walk(english);
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        Walk(inJapanese);
        QStringList found;
        for (const auto& [where, text] : english.seen)
            if (text.contains(japanese)) found << where + ": " + text;
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable("Japanese in English:\n" + found.join('\n')));
        QVERIFY(english.seen.size() > 150);
        QSet<QString> japanesePlaces;  // every title, menu and message seen in English is Japanese here
        for (const auto& [where, text] : inJapanese.seen)
            if (text.contains(japanese)) japanesePlaces << where;
        for (const auto& [where, text] : english.seen)
            if (where.endsWith("title") || where.endsWith("menu") || where.endsWith("message"))
                QVERIFY2(japanesePlaces.contains(where), qPrintable(where));
    }
};

QTEST_MAIN(EnglishSweepTest)
#include "english_sweep_test.moc"
