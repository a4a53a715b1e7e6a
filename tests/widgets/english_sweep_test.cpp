// The English interface as a user walks through it: the main dialog, a
// viewer with its edit window, every menu of each, the dialogs the menus
// open, the message boxes the common mistakes bring up and the file
// dialogs. No text shown may hold a Japanese character; with Japanese set
// again the same walk shows the Japanese texts.
#include <QPushButton>
#include <QtTest>

#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "data/sample_table.h"
#include "dialogs/plane_def.h"
#include "image/view_image.h"
#include "platform/clipboard_stub.h"
#include "platform/fonts.h"
#include "platform/ui_language.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"
#include "support/paired_windows.h"
#include "support/shown_texts.h"
#include "viewer/gazo_view.h"

namespace {

void PressButton(QWidget* button) { QTest::mouseClick(qobject_cast<QPushButton*>(button), Qt::LeftButton); }

// The main dialog: its buttons' guides and messages, both menus' items.
void WalkMainDialog(ShownTexts& shown) {
    MainDialogHarness harness;
    auto dialog = harness.Start();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    shown.Window(*dialog, QStringLiteral("main"));
    {
        ModalDialogTaker taker(shown);
        dialog->OnCommand(ID_HOWTO_GUIDE);
        dialog->OnSysCommand(IDM_ABOUTBOX);
        PressButton(dialog->Control(IDC_ZONE_GUIDE));
        QCOMPARE(taker.taken.size(), 3);
    }
    dialog->OnCommand(ID_SETTINGS_RESET);           // question, then done
    PressButton(dialog->Control(IDC_FILE_SEARCH));  // the open dialog, cancelled
    harness.fileDialogs.Choose(harness.Path("notes.txt"));
    PressButton(dialog->Control(IDC_FILE_SEARCH));  // a file of a kind it cannot open
    PressButton(dialog->Control(IDC_ZONE_FLASH));
    PressButton(dialog->Control(IDC_CUT_AND_VIEW));  // no zone yet
    platform::ClipboardStub clipboard;               // no picture, then none to be had
    PressButton(dialog->Control(IDC_CLIP_VIEW));
    clipboard.Unreachable();
    PressButton(dialog->Control(IDC_CLIP_VIEW));
    shown.Window(*dialog, QStringLiteral("main"));
    shown.Boxes(harness.boxes, QStringLiteral("main"));
    shown.FileDialogs(harness.fileDialogs, QStringLiteral("main"));
}

// A viewer with its edit window: menus, dialogs, a sampling and a
// calculation, and the messages on the way.
void WalkViewerAndEditWindow(ShownTexts& shown) {
    PairedWindows pair;
    QVERIFY(pair.viewer != nullptr && pair.edit != nullptr);
    platform::FileDialogRecorder fileDialogs;
    QTemporaryDir dir;
    App().settingsPath = dir.filePath(QStringLiteral("SetteiKol.bin")).toStdString();
    CGazoView& viewer = *pair.viewer;
    CEditData& edit = *pair.edit;
    viewer.UpdateViewerTitle();
    shown.Window(viewer, QStringLiteral("viewer"));
    shown.Window(edit, QStringLiteral("edit"));

    // Refused while there is nothing to work on.
    edit.OnCommand(IDC_CALCULATE, 0);
    for (int id : {ID_PRINT_RESULTS, ID_PRINT_INCLINED, ID_PRINT_DETAIL, ID_PRINT_PROPERTIES, ID_PRINT_SHEET,
                   ID_EXPORT_CSV, ID_EXPORT_CAD})
        edit.OnCommand(id, 0);
    viewer.OnCommand(ID_CORRECTION_START, 0);
    viewer.OnCommand(ID_WRITE_ZONE_PNG, 0);
    {
        ModalDialogTaker taker(shown);
        for (int id : {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN})
            edit.OnCommand(id, 0);
        for (int id : {ID_MAGNIFICATION, ID_COLOUR_SETTINGS, ID_REAL_SCALE, ID_CUT_GUIDE})
            viewer.OnCommand(id, 0);
        // The perspective plane: four corners, then its dialog, answered,
        // and the corrected picture's dialog.
        taker.answer = [](QDialog& dialog) {
            auto* plane = qobject_cast<CPlaneDef*>(&dialog);
            if (plane == nullptr) return false;
            plane->widthEdit()->setText(QStringLiteral("160"));
            plane->heightEdit()->setText(QStringLiteral("120"));
            plane->OnCommand(ID_FRAMEWORK_OK, 0);
            return true;
        };
        viewer.OnCommand(ID_PLANE_SET, 0);
        for (QPoint at : {QPoint(20, 20), QPoint(160, 20), QPoint(160, 120), QPoint(20, 120)})
            QTest::mouseClick(viewer.client(), Qt::LeftButton, {}, at);
        shown.Window(viewer, QStringLiteral("viewer"));
        viewer.OnCommand(ID_PLANE_FINISH, 0);
        QVERIFY(viewer.viewImage()->plane.IsSet());
        shown.Window(edit, QStringLiteral("edit plane"));
        viewer.OnCommand(ID_PLANE_RECTIFY, 0);
        QTRY_VERIFY_WITH_TIMEOUT(taker.taken.size() >= 9, 5000);
    }
    viewer.OnCommand(ID_PLANE_CLEAR, 0);
    viewer.OnCommand(ID_IMAGE_PROPERTIES, 0);
    viewer.OnCommand(ID_WRITE_WINDOW_BMP, 0);
    edit.OnCommand(ID_IMPORT_DXF, 0);
    edit.OnCommand(ID_REOPEN_OUTLINE, 0);

    // A square sampled and calculated: the captions, the status and the results.
    pair.Press(IDC_SAMPLING_START);
    viewer.UpdateViewerTitle();
    shown.Window(viewer, QStringLiteral("viewer sampling"));
    shown.Window(edit, QStringLiteral("edit sampling"));
    for (QPoint at : {QPoint(20, 20), QPoint(120, 20), QPoint(120, 100), QPoint(20, 100)})
        pair.Click(at.x(), at.y());
    pair.Press(IDC_SAMPLING_STOP);
    pair.Press(IDC_CALCULATE);
    viewer.UpdateViewerTitle();
    shown.Window(viewer, QStringLiteral("viewer calculated"));
    shown.Window(edit, QStringLiteral("edit calculated"));
    viewer.OnCommand(ID_CORRECTION_START, 0);
    viewer.UpdateViewerTitle();
    shown.Window(viewer, QStringLiteral("viewer correcting"));
    viewer.OnCommand(ID_CORRECTION_END, 0);
    edit.OnCommand(ID_EXPORT_CSV, 0);

    // A full table takes no more.
    for (int i = App().sampleTable.count; i < SAMPLE_CAPACITY; ++i)
        App().sampleTable.AddPoint(i, i);
    edit.ShowLastRow();
    pair.Press(IDC_SAMPLING_START);
    pair.Click(60, 60);
    pair.Press(IDC_CLEAR);  // question
    shown.Window(edit, QStringLiteral("edit"));
    shown.Boxes(pair.world->boxes, QStringLiteral("viewer/edit"));
    shown.FileDialogs(fileDialogs, QStringLiteral("viewer/edit"));
}

ShownTexts Walk() {
    ShownTexts shown;
    WalkMainDialog(shown);
    WalkViewerAndEditWindow(shown);
    return shown;
}

}  // namespace

class EnglishSweepTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void noWindowMenuDialogOrMessageShowsJapaneseInEnglish() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        const ShownTexts english = Walk();
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        const QStringList found = english.Japanese();
        if (!found.isEmpty())
            qWarning().noquote() << "Japanese in English:\n" + found.join(QLatin1Char('\n'));
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + " texts with Japanese"));

        // The same walk in Japanese shows Japanese in every title, menu and message.
        const ShownTexts japanese = Walk();
        QVERIFY(english.count() > 300);
        const QStringList inJapanese = japanese.Places(true);
        for (const QString& place : english.Places(false)) {
            if (!place.endsWith(QStringLiteral("title")) && !place.endsWith(QStringLiteral("menu")) &&
                !place.endsWith(QStringLiteral("message")))
                continue;
            QVERIFY2(inJapanese.contains(place), qPrintable(place));
        }
        QVERIFY(japanese.Japanese().size() > 200);
    }
};

QTEST_MAIN(EnglishSweepTest)
#include "english_sweep_test.moc"
