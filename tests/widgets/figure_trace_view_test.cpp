// Tracing a figure from one click in the viewer beside its edit window,
// under the offscreen platform: the last item of the correction menu arms
// it, the next click on the picture fills the grid with the outline.
#include <QMenu>
#include <QtTest>

#include <memory>

#include "../unit/figure_pictures.h"
#include "app/app_context.h"
#include "data/edit_data.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "res/texts_viewer.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

class FigureTraceViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    CGazoView* viewer = nullptr;

    void ClickDot(int x, int y) {
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {},
                          QPoint(x + viewer->scroll().OriginX(), y + viewer->scroll().OriginY()));
    }

private slots:
    void init() {
        world = std::make_unique<ViewerTestWorld>();
        viewer = OpenViewer(world->main, 0, figpic::WIDTH, figpic::HEIGHT);
        QVERIFY(viewer != nullptr);
        const std::vector<std::uint8_t> rgb = figpic::Render(figpic::Figures()[1].rows, figpic::Damage::None);
        QVERIFY(viewer->viewImage()->image.StorePixels(rgb.data(), rgb.size(), false));
        viewer->viewImage()->displayScale = 2.0;  // shown at 200 %
        QVERIFY(viewer->RenderDisplay());
    }

    void cleanup() {
        if (world && App().registry.editWindow) App().registry.editWindow->close();
        ProcessDeferredDeletes();
        world.reset();
        ProcessDeferredDeletes();
    }

    void theClickAfterTheMenuItemFillsTheGridWithTheOutline() {
        QMenu* correction = nullptr;
        for (QMenu* popup : viewer->findChildren<QMenu*>())
            if (popup->title() == QString::fromUtf8(texts::VIEWER_MENU_CORRECTION)) correction = popup;
        QVERIFY(correction != nullptr);
        QCOMPARE(correction->actions().last()->text(), QString::fromUtf8("図形輪郭の自動トレース(&T)"));

        App().sampleTable.AddPoint(5, 5);
        correction->actions().last()->trigger();
        QCOMPARE(QString::fromStdString(world->boxes.Last().text),
                 QString::fromUtf8("左ボタンで図形の内側をクリックしてください"));
        ClickDot(480, 360);  // the plate's middle at 200 %
        QCOMPARE(QString::fromStdString(world->boxes.Last().text),
                 QString::fromUtf8("サンプリングデータがあります。\nトレース結果で置き換えますか？\n"
                                   "「いいえ」で穴・部品として後ろに追加します。"));
        QCOMPARE(App().sampleTable.count, 12);
        QCOMPARE(App().sampleTable.workState, int(WS_MODIFIED));
        // The grid shows the first row, at 200 %: (142.3, 100.45) x 2.
        CEditData* edit = App().registry.editWindow;
        QCOMPARE(edit->cell(0, 0)->text(), QString("1"));
        QVERIFY(edit->cell(0, 1)->text().startsWith(QString("284.")));
        QVERIFY(edit->cell(0, 2)->text().startsWith(QString("200.9")));

        // The next click is an ordinary one again: nothing is traced.
        const std::size_t boxes = world->boxes.calls.size();
        ClickDot(20, 20);
        QCOMPARE(world->boxes.calls.size(), boxes);
        QCOMPARE(App().sampleTable.count, 12);
        // Armed, then a correction started: the click picks a point instead.
        viewer->OnCommand(ID_TRACE_FIGURE, 0);
        viewer->OnCommand(ID_CORRECTION_START, 0);
        ClickDot(App().sampleTable.rows[0].x, App().sampleTable.rows[0].y);
        QVERIFY(QString::fromStdString(world->boxes.Last().text)
                    .startsWith(QString::fromUtf8("1 番目のデータを")));
        QCOMPARE(App().sampleTable.count, 12);
        if (qEnvironmentVariableIsSet("VELDRIO_TRACE_SHOT"))
            viewer->grab().save(qEnvironmentVariable("VELDRIO_TRACE_SHOT"));
    }

    // A table holding a part already: "No" keeps it and adds the tube's two
    // loops after a break, shown in the grid as "9" with blank coordinates.
    void theAnswerNoAddsTheTracedLoopsAfterABreak() {
        const figpic::Figure tube = figpic::HollowFigures()[0];
        const std::vector<std::uint8_t> rgb = figpic::Render(tube.rows, figpic::Damage::None);
        QVERIFY(viewer->viewImage()->image.StorePixels(rgb.data(), rgb.size(), false));
        QVERIFY(viewer->RenderDisplay());
        SampleTable& table = App().sampleTable;
        for (auto [x, y] : {std::pair{10, 10}, {60, 10}, {10, 60}})
            table.AddPoint(x, y);
        viewer->OnCommand(ID_TRACE_FIGURE, 0);
        world->boxes.Answer(platform::IDNO);
        ClickDot(2 * tube.seedX, 2 * tube.seedY);
        QCOMPARE(table.count, 3 + 1 + 6 + 1 + 6);
        QCOMPARE(table.rows[2].y, 60);
        QCOMPARE(table.rows[10].type, kLoopBreakType);
        CEditData* edit = App().registry.editWindow;
        QCOMPARE(edit->cell(3, 0)->text(), QString("9"));
        QCOMPARE(edit->cell(3, 1)->text().trimmed(), QString());
        // The tube's top at 200 %: (240.37, 80.21) x 2.
        QVERIFY(edit->cell(4, 1)->text().startsWith(QString("480.7")));
        QVERIFY(edit->cell(4, 2)->text().startsWith(QString("160.4")));
    }

    void aClickOnTheBackgroundOfAnEmptyPictureChangesNothing() {
        const std::vector<std::uint8_t> empty(std::size_t(figpic::WIDTH) * figpic::HEIGHT * 3, 215);
        QVERIFY(viewer->viewImage()->image.StorePixels(empty.data(), empty.size(), false));
        App().sampleTable.AddPoint(5, 5);
        viewer->OnCommand(ID_TRACE_FIGURE, 0);
        ClickDot(100, 100);
        QCOMPARE(QString::fromStdString(world->boxes.Last().text),
                 QString::fromUtf8("クリック位置に図形が見つかりません"));
        QCOMPARE(App().sampleTable.count, 1);
        QCOMPARE(App().sampleTable.rows[0].x, 5);
    }
};

QTEST_MAIN(FigureTraceViewTest)
#include "figure_trace_view_test.moc"
