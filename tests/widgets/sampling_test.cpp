// Sampling clicks and coordinate correction in the viewer beside its edit
// window, under the offscreen platform: clicks on the image add points that
// the grid shows, a correction picks a point near a click, moves it with
// Ctrl and the arrow keys and hands it back to the grid when it ends.
#include <QApplication>
#include <QAction>
#include <QtTest>

#include <memory>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/paired_windows.h"
#include "viewer/gazo_view.h"

namespace {

SampleTable& Table() { return App().sampleTable; }

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class SamplingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PairedWindows> pair;
    CGazoView* viewer = nullptr;
    CEditData* edit = nullptr;

    const std::vector<platform::MessageBoxCall>& Boxes() const { return pair->world->boxes.calls; }
    void Click(int x, int y) { pair->Click(x, y); }
    void ViewerKey(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(viewer, key, mods); }
    void StartSampling() { pair->Press(IDC_SAMPLING_START); }
    QString Cell(int line, int column) const { return edit->cell(line, column)->text(); }
    QString Caption() {
        viewer->UpdateViewerTitle();
        return viewer->windowTitle();
    }
    // Enabled state of a viewer menu item as the menu shows it when opened.
    bool MenuItemEnabled(int id) {
        QAction* action = pair->MenuAction(id, viewer);
        return action != nullptr && action->isEnabled();
    }
    // Points appended without the viewer, shown in the grid.
    void AddPoints(std::initializer_list<std::pair<int, int>> points) {
        for (auto [x, y] : points) Table().AddPoint(x, y);
        edit->ShowLastRow();
    }
    // Correction started from the menu command, its two boxes forgotten.
    void BeginCorrection() {
        viewer->OnCommand(ID_CORRECTION_START, 0);
        QVERIFY(viewer->correcting());
        pair->world->boxes.calls.clear();
    }

private slots:
    void init() {
        pair = std::make_unique<PairedWindows>();
        viewer = pair->viewer;
        edit = pair->edit;
        QVERIFY(viewer != nullptr && edit != nullptr);
        QVERIFY(viewer->client()->width() > 300 && viewer->client()->height() > 200);
    }

    void cleanup() { pair.reset(); }

    void clicksAppendTheDotUnderTheClickScrolledOrNot() {
        StartSampling();
        QCOMPARE(Caption(), QString::fromUtf8("サンプリングモード。左ボタンでクリックし、右回りで定義のこと。"));
        Click(120, 45);
        QCOMPARE(Table().count, 1);
        QCOMPARE(Table().rows[0].x, 120);
        QCOMPARE(Table().rows[0].y, 45);
        QCOMPARE(Table().rows[0].type, 1);

        // The image pushed 30 dots to the left: the same client position is
        // 30 dots further right on the image.
        for (int i = 0; i < 30; ++i) ViewerKey(Qt::Key_Right);
        QCOMPARE(viewer->scroll().OriginX(), -30);
        Click(120, 45);
        QCOMPARE(Table().rows[1].x, 150);
        QCOMPARE(Table().rows[1].y, 45);

        // Beside the image: stored as it is, below 0 or beyond the raster.
        for (int i = 0; i < 60; ++i) ViewerKey(Qt::Key_Left);
        Click(10, 190);
        QCOMPARE(Table().rows[2].x, -20);
        QCOMPARE(Table().rows[2].y, 190);
        QCOMPARE(QString(Table().rows[2].xText), QString("     -20"));

        // Two quick clicks: the second press comes as a double click and
        // counts like the first.
        Click(60, 70);
        QTest::mouseDClick(viewer->client(), Qt::LeftButton, {}, QPoint(61, 70));
        QCOMPARE(Table().count, 5);
        QCOMPARE(Table().rows[3].x, 30);
        QCOMPARE(Table().rows[4].x, 31);
        QVERIFY(Boxes().empty());
        QCOMPARE(Table().workState, int(WS_SAMPLING));
    }

    void aClickIntoACellEndsSampling() {
        StartSampling();
        Click(30, 40);
        QTest::mouseClick(edit->cell(3, 1), Qt::LeftButton);
        QCOMPARE(Table().workState, int(WS_IDLE));
        QVERIFY(edit->Control(IDC_SAMPLING_START)->isEnabled());
        QVERIFY(!edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        QVERIFY(!Caption().startsWith(QString::fromUtf8("サンプリングモード")));
        Click(50, 50);
        QCOMPARE(Table().count, 1);
    }

    void theGridFollowsAppendedPoints() {
        StartSampling();
        for (int i = 0; i < 12; ++i) Click(10 + i, 20);
        QCOMPARE(Table().count, 12);
        QCOMPARE(edit->grid().topRow, 2);
        QCOMPARE(edit->rowCountText(), QString("12 / 200"));
        QCOMPARE(Cell(9, 0), QString("1"));
        QCOMPARE(Cell(9, 1), QString("      21"));
        QCOMPARE(Cell(9, 2), QString("      20"));
    }

    void clicksOutsideSamplingAddNothing() {
        Click(50, 50);  // idle
        QCOMPARE(Table().count, 0);
        StartSampling();
        viewer->SetDataView(false);
        Click(50, 50);
        QCOMPARE(Table().count, 0);
        viewer->SetDataView(true);
        QTest::mouseClick(viewer->client(), Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(Table().count, 0);
        Click(50, 50);
        QCOMPARE(Table().count, 1);
    }

    void anEmptyRowIsFilledInPlace() {
        AddPoints({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11},
                   {12, 12}, {13, 13}, {14, 14}});
        Table().InsertBlankRow(2);
        edit->ShowLastRow();
        QCOMPARE(edit->grid().topRow, 5);
        StartSampling();
        Click(120, 45);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("空行=2"));
        QCOMPARE(Utf8(Boxes()[0].title), QString::fromUtf8("確認"));
        QCOMPARE(Table().count, 15);
        QCOMPARE(Table().rows[2].x, 120);
        QCOMPARE(Table().rows[2].type, 1);
        // The page stays where it was; the filled row shows from the top.
        QCOMPARE(edit->grid().topRow, 5);
        pair->Press(IDC_PAGE_FIRST);
        QCOMPARE(Cell(2, 1), QString("     120"));
    }

    void aFullTableTakesNoMore() {
        for (int i = 0; i < SAMPLE_CAPACITY; ++i) Table().AddPoint(i, i);
        edit->ShowLastRow();
        StartSampling();
        Click(120, 45);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("これ以上データを追加できません"));
        QCOMPARE(Table().count, 200);
        QCOMPARE(Table().rows[199].x, 199);
        QCOMPARE(edit->grid().topRow, 190);
        QCOMPARE(Cell(9, 1), QString("     199"));
    }

    void correctionStartNeedsRows() {
        QVERIFY(MenuItemEnabled(ID_CORRECTION_START));
        QVERIFY(!MenuItemEnabled(ID_CORRECTION_END));
        viewer->OnCommand(ID_CORRECTION_START, 0);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("サンプリングデータがありません"));
        QCOMPARE(Utf8(Boxes()[0].title), QString::fromUtf8("確認"));
        QVERIFY(!viewer->correcting());
        QCOMPARE(Table().workState, int(WS_IDLE));
        // An end without a start changes nothing.
        viewer->OnCommand(ID_CORRECTION_END, 0);
        QCOMPARE(Table().workState, int(WS_IDLE));
    }

    void correctionStartStopsSamplingBeforeItsMessage() {
        AddPoints({{100, 80}});
        StartSampling();
        QCOMPARE(Table().workState, int(WS_SAMPLING));
        // What the program looks like while the message is up.
        int stateAtMessage = -1;
        bool startButtonAtMessage = false;
        platform::SetMessageBoxHook([&](const platform::MessageBoxCall& call) {
            pair->world->boxes.calls.push_back(call);
            stateAtMessage = Table().workState;
            startButtonAtMessage = edit->Control(IDC_SAMPLING_START)->isEnabled();
            return int(platform::IDOK);
        });
        viewer->OnCommand(ID_CORRECTION_START, 0);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("左ボタンで修正対象を選択してください"));
        QCOMPARE(Utf8(Boxes()[0].title), QString::fromUtf8("確認"));
        QCOMPARE(stateAtMessage, int(WS_IDLE));
        QVERIFY(startButtonAtMessage);
        QVERIFY(viewer->correcting());
        QCOMPARE(viewer->selectedRow(), -1);
        QCOMPARE(Table().workState, int(WS_VIEWER_SEARCH));
        QCOMPARE(Caption(), QString::fromUtf8("修正サンプリングデータ指定待ち中です。"));
        QVERIFY(!MenuItemEnabled(ID_CORRECTION_START));
        QVERIFY(MenuItemEnabled(ID_CORRECTION_END));
        // No point is added while correcting, although sampling came first.
        Table().workState = WS_SAMPLING;
        Click(10, 10);
        QCOMPARE(Table().count, 1);
    }

    void aClickPicksWithinFourDotsOnly() {
        AddPoints({{100, 80}});
        BeginCorrection();
        Click(105, 80);
        Click(100, 75);
        QVERIFY(Boxes().empty());
        QCOMPARE(viewer->selectedRow(), -1);
        QCOMPARE(Table().workState, int(WS_VIEWER_SEARCH));
        Click(104, 84);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("1 番目のデータをCtrl+矢印キーで修正してください"));
        QCOMPARE(Utf8(Boxes()[0].title), QString::fromUtf8("修正後、完了メニューをクリックしてください"));
        QCOMPARE(viewer->selectedRow(), 0);
        QCOMPARE(Table().workState, int(WS_VIEWER_EDIT));
        QCOMPARE(Caption(), QString::fromUtf8("1 番目のデータ修正中です。Ctrl+矢印で移動。完了メニューにて解除。"));
    }

    void theLowerRowWinsAndScrollingIsTakenIntoAccount() {
        AddPoints({{10, 10}, {50, 50}, {53, 52}});
        for (int i = 0; i < 20; ++i) ViewerKey(Qt::Key_Down);  // origin (0, -20)
        BeginCorrection();
        Click(54, 33);  // the dot (54, 53): rows 1 and 2 within reach
        QCOMPARE(viewer->selectedRow(), 1);
        QCOMPARE(Utf8(Boxes()[0].text), QString::fromUtf8("2 番目のデータをCtrl+矢印キーで修正してください"));
        // Another click switches to another point.
        Click(57, 35);
        QCOMPARE(viewer->selectedRow(), 2);
    }

    void ctrlArrowsMoveThePointAndTheGridFollowsAtTheEnd() {
        AddPoints({{100, 80}, {20, 30}});
        BeginCorrection();
        // Nothing picked yet: the keys neither move a point nor scroll.
        ViewerKey(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 100);
        QCOMPARE(Table().rows[1].x, 20);
        QCOMPARE(viewer->scroll().OriginX(), 0);

        Click(100, 80);
        for (int i = 0; i < 3; ++i) ViewerKey(Qt::Key_Left, Qt::ControlModifier);
        ViewerKey(Qt::Key_Down, Qt::ControlModifier);
        ViewerKey(Qt::Key_Up, Qt::ControlModifier);
        ViewerKey(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 97);
        QCOMPARE(Table().rows[0].y, 79);
        QCOMPARE(viewer->scroll().OriginX(), 0);  // consumed, not scrolled
        QCOMPARE(viewer->scroll().OriginY(), 0);
        // The grid keeps the old texts until the end.
        QCOMPARE(Cell(0, 1), QString("     100"));
        // Without Ctrl the arrows scroll as always.
        ViewerKey(Qt::Key_Right);
        QCOMPARE(viewer->scroll().OriginX(), -1);
        QCOMPARE(Table().rows[0].x, 97);

        viewer->OnCommand(ID_CORRECTION_END, 0);
        QVERIFY(!viewer->correcting());
        QCOMPARE(viewer->selectedRow(), 0);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        QCOMPARE(Cell(0, 1), QString("      97"));
        QCOMPARE(Cell(0, 2), QString("      79"));
        QCOMPARE(QString(Table().rows[0].xText), QString("      97"));
        QCOMPARE(Caption(), QString::fromUtf8("データ修正完了。計算指示待ち中。"));
        // After the end Ctrl+Left scrolls again and moves no point.
        ViewerKey(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 97);
        QCOMPARE(viewer->scroll().OriginX(), 0);
    }

    void noPickAndNoPointWhileTheTrackerIsShown() {
        AddPoints({{100, 80}});
        viewer->ShowTrackerZone(TrackerZone{20, 20, 320, 320});
        BeginCorrection();
        Click(100, 80);
        QVERIFY(Boxes().empty());
        QCOMPARE(viewer->selectedRow(), -1);
        QCOMPARE(Table().workState, int(WS_VIEWER_SEARCH));
        viewer->OnCommand(ID_CORRECTION_END, 0);
        StartSampling();
        Click(100, 80);
        QCOMPARE(Table().count, 1);
    }
};

QTEST_MAIN(SamplingTest)
#include "sampling_test.moc"
