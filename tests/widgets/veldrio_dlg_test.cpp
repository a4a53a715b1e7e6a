// The main dialog under the offscreen platform: start-up, layout, menu,
// caption, settings and the network warning.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/about_dlg.h"
#include "app/label_box.h"
#include "app/recent_images.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/guide_closer.h"
#include "support/image_files.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

class VeldrioDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;

    std::string ProgramPath() const { return harness->ProgramPath(); }
    std::unique_ptr<CVeldrioDlg> Start(const std::string& programPath) { return harness->Start(programPath); }
    QRect Dlu(int x, int y, int width, int height, const CVeldrioDlg& dialog) const {
        return MainDialogHarness::Dlu(dialog, x, y, width, height);
    }

private slots:
    void init() { harness = std::make_unique<MainDialogHarness>(); }
    void cleanup() { harness.reset(); }

    void startsWithCaptionDefaultsAndNoMessage() {
        auto dialog = Start(ProgramPath());
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("ヴェルドリオ V2.10"));
        QVERIFY(harness->boxes.calls.empty());
        // First run: the defaults are written at once beside the program.
        QFile settings(harness->dir.filePath("SetteiKol.bin"));
        QVERIFY(settings.exists());
        QCOMPARE(settings.size(), qint64(9116));
        QCOMPARE(App().programDir, harness->dir.path().toStdString());
    }

    void captionRestoredAtEveryPaint() {
        auto dialog = Start(ProgramPath());
        dialog->setWindowTitle(QString::fromUtf8("DF処理待ち"));
        dialog->client()->grab();
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("ヴェルドリオ V2.10"));
    }

    void labelBoxesCarryTheirTextsAndColours() {
        auto dialog = Start(ProgramPath());
        struct Expected {
            int id;
            const char* text;
            QColor fill;
        };
        const Expected labels[] = {
            {IDC_LABEL_FILE_CHOICE, "画像ファイル選択", QColor(0, 48, 48)},
            {IDC_LABEL_SCREEN_CUT, "画面カット＆View", QColor(0, 48, 48)},
            {IDC_LABEL_CLIP_VIEW, "クリップ画面View", QColor(0, 48, 48)},
            {IDC_LABEL_ZONE, "指定範囲", QColor(160, 160, 160)},
            {IDC_LABEL_RECENT, "最新DFパスリスト", QColor(160, 160, 160)},
        };
        for (const Expected& expected : labels) {
            auto* label = qobject_cast<CLabelBox*>(dialog->Control(expected.id));
            QVERIFY2(label, QByteArray::number(expected.id));
            QCOMPARE(label->text(), QString::fromUtf8(expected.text));
            QCOMPARE(label->fill(), expected.fill);
            // Painted: the fill inside the outline, white text somewhere.
            const QImage picture = label->grab().toImage();
            QCOMPARE(QColor(picture.pixel(3, 3)), expected.fill);
            QCOMPARE(QColor(picture.pixel(1, 1)), QColor(Qt::black));
            bool white = false;
            for (int y = 0; y < picture.height() && !white; ++y)
                for (int x = 0; x < picture.width() && !white; ++x)
                    white = QColor(picture.pixel(x, y)) == QColor(Qt::white);
            QVERIFY2(white, expected.text);
        }
        auto* hint = qobject_cast<QLabel*>(dialog->Control(IDC_STATIC));
        QVERIFY(hint);
        QCOMPARE(hint->text(), QString::fromUtf8("JPG, BMP, GIF, PNG のみ対応"));
    }

    void controlsAtTheirPlaces() {
        auto dialog = Start(ProgramPath());
        QCOMPARE(dialog->client()->size(), Dlu(0, 0, 306, 203, *dialog).size());
        QCOMPARE(dialog->Control(IDC_FILE_SEARCH)->geometry(), Dlu(76, 12, 48, 16, *dialog));
        QCOMPARE(dialog->Control(IDC_LABEL_FILE_CHOICE)->geometry(), Dlu(8, 12, 64, 19, *dialog));
        QCOMPARE(dialog->Control(IDC_CLOSE)->geometry(), Dlu(258, 172, 40, 20, *dialog));
        QCOMPARE(dialog->Control(IDC_ZONE_TEXT)->geometry(), Dlu(152, 148, 126, 20, *dialog));
        QCOMPARE(dialog->PreviewBox(), Dlu(164, 8, 76, 84, *dialog));
        QVERIFY(!dialog->Control(IDC_PREVIEW_BOX)->isVisible());
        // The drop-down list keeps its place and width; its closed height is its own.
        const QRect combo = dialog->Control(IDC_RECENT_COMBO)->geometry();
        QCOMPARE(combo.topLeft(), Dlu(8, 100, 292, 96, *dialog).topLeft());
        QCOMPARE(combo.width(), Dlu(8, 100, 292, 96, *dialog).width());

        const std::pair<int, const char*> buttons[] = {
            {IDC_FILE_SEARCH, "DFサーチ"}, {IDC_ZONE_GUIDE, "ガイド"}, {IDC_CUT_AND_VIEW, "カット＆View"},
            {IDC_ZONE_START, "始点"},      {IDC_ZONE_END, "終点"},     {IDC_ZONE_FLASH, "範囲"},
            {IDC_CLIP_VIEW, "クリップ画像View"}, {IDC_CLOSE, "クローズ"},
        };
        for (const auto& [id, text] : buttons) {
            auto* button = qobject_cast<QPushButton*>(dialog->Control(id));
            QVERIFY2(button, text);
            QCOMPARE(button->text(), QString::fromUtf8(text));
        }
        // Not resizable.
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    }

    void menuEndsWithTheAboutItem() {
        auto dialog = Start(ProgramPath());
        const QList<QAction*> popups = dialog->menuBar()->actions();
        QCOMPARE(popups.size(), 2);
        QCOMPARE(popups[0]->text(), QString::fromUtf8("設定(&S)"));
        QCOMPARE(popups[0]->menu()->actions().at(0)->text(), QString::fromUtf8("設定条件初期化 (&I)"));
        QCOMPARE(popups[1]->text(), QString::fromUtf8("表示(&V)"));
        const QList<QAction*> items = popups[1]->menu()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QString::fromUtf8("機能と使用法ガイド (&G)"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QString::fromUtf8("バージョン情報 Veldrio(&A)..."));
        QCOMPARE(items[2]->data().toInt(), 16);

        QMenu empty;
        dialog->AppendAboutItem(empty, QString());
        QVERIFY(empty.actions().isEmpty());
    }

    void aboutBoxForAnyValueFrom16To31() {
        auto dialog = Start(ProgramPath());
        int shown = 0;
        auto answer = [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            if (!about) return;
            ++shown;
            QCOMPARE(about->windowTitle(), QString::fromUtf8("バージョン情報 Veldrio"));
            bool version = false;
            for (QLabel* label : about->findChildren<QLabel*>())
                version = version || label->text() == QStringLiteral("Veldrio Version 1.0");
            QVERIFY(version);
            about->findChild<QPushButton*>()->click();
        };
        QTimer::singleShot(0, this, answer);
        dialog->OnSysCommand(16);
        QTimer::singleShot(0, this, answer);
        dialog->OnSysCommand(31);
        QCOMPARE(shown, 2);
        dialog->OnSysCommand(32);  // not the about item: nothing opens
        dialog->OnSysCommand(15);
        QCOMPARE(shown, 2);
    }

    void guideMenuAndZoneGuideButtonOpenTheirGuides() {
        auto dialog = Start(ProgramPath());
        GuideCloser closer;
        closer.Arm();
        QVERIFY(dialog->OnCommand(ID_HOWTO_GUIDE));
        QVERIFY(closer.closed);
        QCOMPARE(closer.title, QString("本ソフトの機能と使用ガイダンス"));
        closer.Arm();
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_GUIDE)), Qt::LeftButton);
        QVERIFY(closer.closed);
        QCOMPARE(closer.title, QString("モニタゾーン設定ガイド"));
        QVERIFY(harness->boxes.calls.empty());
    }

    void settingsResetAskedYesAndNo() {
        auto dialog = Start(ProgramPath());
        const std::string picture = harness->dir.filePath("kept.bmp").toStdString();
        AddRecentImage(App().settings, picture);

        harness->boxes.Answer(platform::IDNO);
        QVERIFY(dialog->OnCommand(ID_SETTINGS_RESET));
        QCOMPARE(harness->boxes.calls.size(), size_t(1));
        QCOMPARE(harness->boxes.calls[0].text, std::string("設定条件を初期化していいですか？"));
        QCOMPARE(harness->boxes.calls[0].title, std::string("確認"));
        QCOMPARE(harness->boxes.calls[0].style & 0x0F, unsigned(platform::MB_YESNO));
        QCOMPARE(RecentImage(App().settings, 0), picture);

        harness->boxes.Answer(platform::IDYES);
        QVERIFY(dialog->OnCommand(ID_SETTINGS_RESET));
        QCOMPARE(harness->boxes.calls.size(), size_t(3));
        QCOMPARE(harness->boxes.calls[2].text, std::string("本ソフトはいったんクローズしてください。"));
        QCOMPARE(RecentImage(App().settings, 0), std::string());
        // The combo keeps its entries until it is next refilled.
        QCOMPARE(qobject_cast<QComboBox*>(dialog->Control(IDC_RECENT_COMBO))->count(), 0);
    }

    void networkWarningOnlyForANetworkPath() {
        {
            auto dialog = Start("//server/share/veldrio");
            QCOMPARE(harness->boxes.calls.size(), size_t(1));
            const platform::MessageBoxCall& call = harness->boxes.calls[0];
            QCOMPARE(call.title, std::string("警告"));
            QVERIFY(call.text.rfind("「ヴェルドリオ」システムがネットワーク上から呼び出されました。\n本ソフトはローカル", 0) == 0);
            QCOMPARE(call.style, unsigned(platform::MB_OK | platform::MB_ICONEXCLAMATION));
            // Start-up goes on.
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("ヴェルドリオ V2.10"));
        }
        harness->boxes.calls.clear();
        auto local = Start(ProgramPath());
        QVERIFY(harness->boxes.calls.empty());
    }

    void closeButtonEndsTheDialogAndSavesTheSettings() {
        auto dialog = Start(ProgramPath());
        const std::string picture = harness->dir.filePath("kept.bmp").toStdString();
        AddRecentImage(App().settings, picture);
        qobject_cast<QPushButton*>(dialog->Control(IDC_CLOSE))->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());

        // What was saved is read back on the next start.
        harness->context = std::make_unique<ScopedAppContext>();
        auto next = Start(ProgramPath());
        // The path does not exist, so the next start prunes it: read the file itself.
        QFile settings(harness->dir.filePath("SetteiKol.bin"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().startsWith(QByteArray::fromStdString(picture)));
    }

    void closeMessageTakesTheEditWindowFirstThenViewersAndImages() {
        auto dialog = Start(ProgramPath());
        const std::string picture = harness->Path("plan.bmp");
        QVERIFY(WriteImageFile(QString::fromStdString(picture), 12, 8, "BMP"));
        dialog->OnDropFiles({picture});
        QTest::mouseDClick(dialog->client(), Qt::LeftButton, Qt::NoModifier, dialog->PreviewBox().center());
        QPointer<CEditData> edit = App().registry.editWindow;
        QPointer<CGazoView> viewer = App().registry.viewers[0];
        QVERIFY(edit && viewer);
        QVERIFY(!dialog->isVisible());

        // Closed while hidden behind the viewer (as the session ending does).
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->close();
        ProcessDeferredDeletes();
        QCOMPARE(finished.count(), 1);
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(edit.isNull());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());
        // The viewer goes with the dialog, before the slot images it shows.
        QVERIFY(viewer.isNull());
        QVERIFY(App().registry.viewers[0] == nullptr);
        QVERIFY(App().registry.viewImages[0] == nullptr);
    }

    void enterOutsideAButtonEndsTheDialog() {
        auto dialog = Start(ProgramPath());
        dialog->Control(IDC_RECENT_COMBO)->setFocus();
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(VeldrioDlgTest)
#include "veldrio_dlg_test.moc"
