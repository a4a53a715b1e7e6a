// The image viewer under the offscreen platform: opening, scrolling by bars,
// keys, wheel and drags, painting, captions, the menu, image properties and
// the magnification command.
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "dialogs/color_def.h"
#include "dialogs/ratio_def.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "support/guide_closer.h"
#include "support/viewer_fixture.h"
#include "tests/unit/figure_pictures.h"
#include "tests/unit/reference_resample.h"
#include "viewer/gazo_view.h"

namespace {

// Answers the next magnification dialog: act on it, then OK (or Cancel).
void AnswerRatioDialog(std::function<void(CRatioDef&)> act, bool ok = true) {
    QTimer::singleShot(0, [act, ok] {
        auto* dialog = qobject_cast<CRatioDef*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        act(*dialog);
        dialog->OnCommand(ok ? ID_FRAMEWORK_OK : ID_FRAMEWORK_CANCEL, 0);
    });
}

// Steps the dialog's arrows until it shows percent.
void StepTo(CRatioDef& dialog, int percent) {
    for (int i = 0; i < 2000 && dialog.workingPercent() != percent; ++i)
        dialog.OnCommand(IDC_RATIO_ARROWS, dialog.workingPercent() < percent ? -1 : 1);
}

// Changes the viewer's magnification to percent through its dialog.
void Magnify(CGazoView& viewer, int percent) {
    AnswerRatioDialog([percent](CRatioDef& dialog) { StepTo(dialog, percent); });
    viewer.OnCommand(ID_MAGNIFICATION, 0);
}

void AddPoint(int x, int y) {
    SampleTable& table = App().sampleTable;
    table.AddPoint(x, y);
}

// Puts a width x height picture into slot 1 and opens its viewer; null when
// it does not open.
CGazoView* OpenSecondViewer(FakeMainDialog& main, int width, int height, const char* name) {
    PutTestImage(1, width, height, name);
    if (main.windows.AttachViewer(1) != 0) return nullptr;
    return App().registry.viewers[1];
}

QRgb TestPixel(int x, int y) { return qRgb(TestRed(x, y), TestGreen(x, y), TestBlue(x, y)); }

// Stands in for the edit window: the viewer's calls, in order.
class RecordingEditLink : public EditLink {
public:
    void RowsAppended() override { calls << "appended"; }
    void RowsChanged() override { calls << "changed"; }
    void RowsReplaced() override { calls << "replaced"; }
    void WorkStateChanged() override { calls << "state"; }
    void MagnificationChanged() override { calls << "magnification"; }
    void RealScaleChanged() override { calls << "scale"; }
    void StopSampling() override { calls << "stop"; }
    void CloseEditWindow() override { calls << "close"; }

    QStringList calls;
};

// Puts a link in the edit window's place for one scope.
struct ScopedEditLink {
    explicit ScopedEditLink(EditLink* link) : saved(std::exchange(App().registry.editLink, link)) {}
    ~ScopedEditLink() { App().registry.editLink = saved; }
    EditLink* saved;
};

}  // namespace

class GazoViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    platform::MessageBoxRecorder* boxes = nullptr;
    FakeMainDialog* main = nullptr;
    CGazoView* viewer = nullptr;

private slots:
    void init() {
        world = std::make_unique<ViewerTestWorld>();
        boxes = &world->boxes;
        main = &world->main;
        viewer = OpenViewer(*main, 0, 40, 30);
        QVERIFY(viewer != nullptr);
    }

    void cleanup() { world.reset(); }

    void opensAtFullSizeWithCentredScrollRanges() {
        QCOMPARE(viewer->slotIndex(), 0);
        QVERIFY(viewer->dataView());
        QCOMPARE(viewer->viewImage()->displayScale, 1.0);
        QCOMPARE(viewer->display().width, 40);
        QCOMPARE(viewer->display().height, 30);
        const ViewerScroll& scroll = viewer->scroll();
        QCOMPARE(scroll.h.max, 120);
        QCOMPARE(scroll.v.max, 90);
        QCOMPARE(scroll.h.pos, 60);
        QCOMPARE(scroll.v.pos, 45);
        auto* hBar = viewer->findChildren<QScrollBar*>()[0];
        QCOMPARE(hBar->minimum(), 0);
        QVERIFY(hBar->maximum() == 120 || hBar->maximum() == 90);
        QCOMPARE(viewer->originX(), 0);
        QCOMPARE(viewer->originY(), 0);
    }

    void paintsTheImageAtTheOrigin() {
        const QImage shot = viewer->client()->grab().toImage();
        QCOMPARE(shot.pixel(0, 0), TestPixel(0, 0));
        QCOMPARE(shot.pixel(39, 29), TestPixel(39, 29));
        QCOMPARE(shot.pixel(12, 7), TestPixel(12, 7));
        // Around the image the erased background shows.
        QCOMPARE(shot.pixel(45, 5), viewer->client()->palette().color(QPalette::Window).rgb());
        // The right arrow moves the image one dot to the left.
        QTest::keyClick(viewer, Qt::Key_Right);
        QCOMPARE(viewer->scroll().h.pos, 61);
        const QImage moved = viewer->client()->grab().toImage();
        QCOMPARE(viewer->originX(), -1);
        QCOMPARE(moved.pixel(0, 0), TestPixel(1, 0));
    }

    void barsMoveByTheirActions() {
        QScrollBar* vBar = nullptr;
        QScrollBar* hBar = nullptr;
        for (auto* bar : viewer->findChildren<QScrollBar*>())
            (bar->orientation() == Qt::Vertical ? vBar : hBar) = bar;
        QVERIFY(vBar && hBar);
        vBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(viewer->scroll().v.pos, 55);
        QCOMPARE(vBar->value(), 55);
        vBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(viewer->scroll().v.pos, 54);
        hBar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(viewer->scroll().h.pos, 120);
        hBar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(viewer->scroll().h.pos, 0);
        QCOMPARE(hBar->value(), 0);
        hBar->setSliderPosition(33);  // thumb dragged
        QCOMPARE(viewer->scroll().h.pos, 33);

        // A value set without an action (the bar's context menu) moves the
        // picture as well.
        vBar->setValue(70);
        const QImage shot = viewer->client()->grab().toImage();
        QCOMPARE(shot.pixel(60 - 33 + 2, 0), TestPixel(2, 70 - 45));
    }

    void middleButtonDragMovesThePictureUnderThePointer() {
        auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, QPointF(at), viewer->client()->mapToGlobal(QPointF(at)), button, held,
                              Qt::NoModifier);
            QApplication::sendEvent(viewer->client(), &event);
        };
        send(QEvent::MouseButtonPress, {10, 10}, Qt::MiddleButton, Qt::MiddleButton);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ClosedHandCursor);
        send(QEvent::MouseMove, {20, 14}, Qt::NoButton, Qt::MiddleButton);
        send(QEvent::MouseMove, {30, 25}, Qt::NoButton, Qt::MiddleButton);
        send(QEvent::MouseButtonRelease, {30, 25}, Qt::MiddleButton, Qt::NoButton);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        const QImage shot = viewer->client()->grab().toImage();
        QCOMPARE(shot.pixel(20, 15), TestPixel(0, 0));  // moved by the drag's (20, 15)
        QCOMPARE(shot.pixel(20 + 39, 15 + 29), TestPixel(39, 29));
        for (auto* bar : viewer->findChildren<QScrollBar*>())
            QCOMPARE(bar->value(), bar->orientation() == Qt::Vertical ? 30 : 40);
        send(QEvent::MouseMove, {50, 50}, Qt::NoButton, Qt::LeftButton);  // released: nothing moves
        QCOMPARE(viewer->scroll().h.pos, 40);
        QCOMPARE(App().sampleTable.count, 0);
    }

    void wheelOverTheClientAndTheBarsMovesThePicture() {
        auto wheel = [](QWidget* target, QPoint delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), delta,
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &event);
        };
        wheel(viewer->client(), {0, -360}, Qt::NoModifier);
        QCOMPARE(viewer->scroll().v.pos, 46);
        // Over a bar the wheel is the viewer's too: one dot, not a bar step.
        for (auto* bar : viewer->findChildren<QScrollBar*>())
            wheel(bar, {0, -120}, Qt::NoModifier);
        QCOMPARE(viewer->scroll().v.pos, 48);
        QCOMPARE(viewer->scroll().h.pos, 60);
        // Alt turns the wheel's delta horizontal on the way in: still one
        // dot vertically.
        wheel(viewer->client(), {-120, 0}, Qt::AltModifier);
        QCOMPARE(viewer->scroll().v.pos, 49);
        const QImage shot = viewer->client()->grab().toImage();
        QCOMPARE(viewer->originY(), -4);
        QCOMPARE(shot.pixel(3, 0), TestPixel(3, 4));
    }

    void magnificationLabelOfTheEditWindowFollowsAtOnce() {
        CEditData* edit = App().registry.editWindow;
        QTRY_COMPARE(edit->magnificationText(), QString("100 %"));
        Magnify(*viewer, 400);  // no rows
        QCOMPARE(edit->magnificationText(), QString("400 %"));
    }

    void whatTheViewerTellsItsEditWindow() {
        CGazoView* plate = OpenSecondViewer(*main, figpic::WIDTH, figpic::HEIGHT, "plate.bmp");
        QVERIFY(plate != nullptr);
        const std::vector<std::uint8_t> rgb = figpic::Render(figpic::Figures()[1].rows, figpic::Damage::None);
        QVERIFY(plate->viewImage()->image.StorePixels(rgb.data(), rgb.size(), false));
        RecordingEditLink link;
        const ScopedEditLink swap(&link);

        Magnify(*plate, 200);  // no rows: only the percentage is news
        QCOMPARE(link.calls, QStringList({"magnification"}));
        link.calls.clear();
        plate->OnCommand(ID_TRACE_FIGURE, 0);
        QTest::mouseClick(plate->client(), Qt::LeftButton, {},
                          QPoint(480 + plate->scroll().OriginX(), 360 + plate->scroll().OriginY()));
        QCOMPARE(App().sampleTable.count, 12);
        // The table was replaced as a whole, not changed in place.
        QCOMPARE(link.calls, QStringList({"stop", "replaced"}));
        link.calls.clear();
        boxes->Answer(platform::IDYES);
        Magnify(*plate, 100);
        QCOMPARE(link.calls, QStringList({"changed", "magnification"}));
    }

    void captionFollowsTheScaleAndTheWorkState() {
        viewer->UpdateViewerTitle();
        QCOMPARE(viewer->windowTitle(), QString::fromUtf8("画像View Sr=0 DF=test.jpg BxH=40x30 ﾄﾞｯﾄ 100 % "));
        viewer->viewImage()->displayScale = 2.01;
        viewer->UpdateViewerTitle();
        QVERIFY(viewer->windowTitle().endsWith(QString::fromUtf8("ﾄﾞｯﾄ 200 % ")));
        viewer->viewImage()->displayScale = 0.29;
        viewer->UpdateViewerTitle();
        QVERIFY(viewer->windowTitle().endsWith(QString::fromUtf8("ﾄﾞｯﾄ 28 % ")));
        App().sampleTable.workState = WS_SAMPLING;
        QVERIFY(viewer->OnCommand(ID_SAMPLING_START_REQUEST, 0));
        QCOMPARE(viewer->windowTitle(),
                 QString::fromUtf8("サンプリングモード。左ボタンでクリックし、右回りで定義のこと。"));
        App().sampleTable.workState = WS_IDLE;
        QVERIFY(viewer->OnCommand(ID_SAMPLING_STOP_REQUEST, 0));
        QVERIFY(viewer->windowTitle().startsWith(QString::fromUtf8("画像View Sr=0")));
    }

    void imagePropertiesBox() {
        viewer->OnCommand(ID_IMAGE_PROPERTIES, 0);
        QCOMPARE(boxes->calls.size(), std::size_t(1));
        QCOMPARE(boxes->Last().title, std::string("画像プロパティ"));
        QCOMPARE(boxes->Last().text,
                 std::string("DF名   test.jpg\n画像ﾀｲﾌﾟ  JPEG\n画像ｻｲｽﾞ  幅 40 x 高さ 30 ドット\n"));
        QCOMPARE(boxes->Last().style, unsigned(platform::MB_OK));
    }

    void colourMenuOpensTheColourDialog() {
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            auto* dialog = qobject_cast<CColorDef*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            opened = true;
            dialog->OnCommand(ID_FRAMEWORK_CANCEL, 0);
        });
        QVERIFY(viewer->OnCommand(ID_COLOUR_SETTINGS, 0));
        QVERIFY(opened);
    }

    void cutGuideMenuOpensTheCutGuide() {
        GuideCloser closer;
        closer.Arm();
        QVERIFY(viewer->OnCommand(ID_CUT_GUIDE, 0));
        QVERIFY(closer.closed);
        QCOMPARE(closer.title, QString("作画画像切出しガイダンス"));
    }

    void menuItemsAndTheirEnabledStates() {
        QStringList titles;
        for (QAction* action : viewer->findChild<QMenuBar*>()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({QString::fromUtf8("ファイル(&F)"), QString::fromUtf8("画像変換(&G)"),
                                      QString::fromUtf8("作画設定(&S)"), QString::fromUtf8("座標修正(&Z)"),
                                      QString::fromUtf8("画像切出(&G)"), QString::fromUtf8("遠近補正 (&P)"),
                                      QString::fromUtf8("クローズ(&X)")}));
        QMenu* cut = viewer->findChild<QMenuBar*>()->actions()[4]->menu();
        emit cut->aboutToShow();
        QAction* writePng = cut->actions()[2];
        QCOMPARE(writePng->data().toInt(), ID_WRITE_ZONE_PNG);
        QVERIFY(!writePng->isEnabled());
        QVERIFY(cut->actions()[1]->isSeparator());
        viewer->ShowTrackerZone({1, 1, 5, 5});
        emit cut->aboutToShow();
        QVERIFY(writePng->isEnabled());
        QMenu* correction = viewer->findChild<QMenuBar*>()->actions()[3]->menu();
        emit correction->aboutToShow();
        QVERIFY(correction->actions()[0]->isEnabled());
        QVERIFY(!correction->actions()[1]->isEnabled());
    }

    void magnificationRendersAtTheNewScaleFromTheCorner() {
        QTest::keyClick(viewer, Qt::Key_Right);
        Magnify(*viewer, 200);
        QCOMPARE(boxes->calls.size(), std::size_t(0));  // no rows, no question
        QCOMPARE(viewer->viewImage()->displayScale, 2.0);
        QCOMPARE(viewer->display().width, 80);
        QCOMPARE(viewer->display().height, 60);
        QCOMPARE(viewer->scroll().h.max, 240);
        QCOMPARE(viewer->originX(), 0);
        QCOMPARE(viewer->originY(), 0);
        const QImage shot = viewer->client()->grab().toImage();
        // At 2.0 the first row and column of the raster are white.
        QCOMPARE(shot.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(0, 30), qRgb(255, 255, 255));
        QVERIFY(shot.pixel(40, 30) != qRgb(255, 255, 255));
        QVERIFY(viewer->windowTitle().endsWith(QString::fromUtf8("ﾄﾞｯﾄ 200 % ")));
    }

    void magnificationMovesSamplePointsWithThePicture() {
        AddPoint(7, 5);
        boxes->Answer(platform::IDYES);
        Magnify(*viewer, 200);
        QCOMPARE(boxes->calls.size(), std::size_t(1));
        QCOMPARE(boxes->Last().title, std::string("続行しますか？"));
        QCOMPARE(boxes->Last().style, unsigned(platform::MB_YESNO));
        const SampleTable& table = App().sampleTable;
        QCOMPARE(table.rows[0].x, 14);
        QCOMPARE(table.rows[0].y, 10);
        QCOMPARE(std::string(table.rows[0].xText), std::string("      14"));
        QCOMPARE(table.workState, int(WS_MODIFIED));

        App().sampleTable.rows[0].x = 15;
        App().sampleTable.rows[0].y = 11;
        Magnify(*viewer, 100);
        QCOMPARE(table.rows[0].x, 7);
        QCOMPARE(table.rows[0].y, 5);
    }

    void zoomingWhileSamplingKeepsSamplingAndClicksStillAddPoints() {
        CEditData* edit = App().registry.editWindow;
        qobject_cast<QPushButton*>(edit->Control(IDC_SAMPLING_START))->click();
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(7, 5));
        boxes->Answer(platform::IDYES);
        Magnify(*viewer, 200);
        const SampleTable& table = App().sampleTable;
        QCOMPARE(table.rows[0].x, 14);
        QCOMPARE(table.workState, int(WS_SAMPLING));
        QVERIFY(edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(30, 20));
        QCOMPARE(table.count, 2);
        QCOMPARE(table.rows[1].x, 30);
        QCOMPARE(table.rows[1].y, 20);
    }

    void answeringNoOrCancellingChangesNothing() {
        AddPoint(7, 5);
        App().sampleTable.workState = WS_CALCULATED;
        boxes->Answer(platform::IDNO);
        bool dialogOpened = false;
        AnswerRatioDialog([&dialogOpened](CRatioDef&) { dialogOpened = true; });
        viewer->OnCommand(ID_MAGNIFICATION, 0);
        QCoreApplication::processEvents();
        QVERIFY(!dialogOpened);
        AnswerRatioDialog([](CRatioDef& dialog) { StepTo(dialog, 300); }, false);
        viewer->OnCommand(ID_MAGNIFICATION, 0);
        QCOMPARE(viewer->viewImage()->displayScale, 1.0);
        QCOMPARE(App().sampleTable.rows[0].x, 7);
        QCOMPARE(App().sampleTable.workState, int(WS_CALCULATED));
        QCOMPARE(viewer->display().width, 40);
    }

    void zeroPercentIsRefusedAndNothingChanges() {
        AddPoint(7, 5);
        QTest::keyClick(viewer, Qt::Key_Down);
        Magnify(*viewer, 0);
        QCOMPARE(boxes->calls.size(), std::size_t(2));  // the question, then the refusal
        QCOMPARE(boxes->Last().text,
                 std::string("表示倍率 0 % は指定できません。\n1 % 以上を指定してください。"));
        QCOMPARE(boxes->Last().title, std::string("確認"));
        QCOMPARE(viewer->viewImage()->displayScale, 1.0);
        QCOMPARE(App().sampleTable.rows[0].x, 7);
        QCOMPARE(App().sampleTable.workState, int(WS_IDLE));
        QCOMPARE(viewer->scroll().v.pos, 46);  // scrolling kept too
        QCOMPARE(viewer->display().width, 40);
    }

    void scaleBeyondACoordinateCellIsRefused() {
        // 65535 x 4 dots at 160000 % would be 104,856,000 display dots wide:
        // more than a coordinate holds.
        CGazoView* wideViewer = OpenSecondViewer(*main, 65535, 4, "wide.bmp");
        QVERIFY(wideViewer != nullptr);
        Magnify(*wideViewer, 160000);
        QCOMPARE(boxes->calls.size(), std::size_t(1));
        QVERIFY(boxes->Last().text.find("160000 %") != std::string::npos);
        QCOMPARE(wideViewer->viewImage()->displayScale, 1.0);
        QCOMPARE(wideViewer->display().width, 65535);
    }

    void largePictureAt400PercentShowsTheFormulasDotsWithinTheTileBudget() {
        // 6000 x 4000 at 400 %: 24000 x 16000 display dots, over a gigabyte
        // were it held whole.
        CGazoView* bigViewer = OpenSecondViewer(*main, 6000, 4000, "big.jpg");
        QVERIFY(bigViewer != nullptr);
        Magnify(*bigViewer, 400);
        QVERIFY(boxes->calls.empty());
        QCOMPARE(bigViewer->display().width, 24000);
        QCOMPARE(bigViewer->display().height, 16000);

        // Scrolled into the picture's middle, past a tile edge.
        QScrollBar* hBar = nullptr;
        for (auto* bar : bigViewer->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Horizontal) hBar = bar;
        hBar->setSliderPosition(bigViewer->scroll().h.home + 10000 + 77);
        const QImage shot = bigViewer->client()->grab().toImage();
        QCOMPARE(bigViewer->originX(), -10077);
        const CImageData& image = bigViewer->viewImage()->image;
        QVERIFY(shot.width() > 256 && shot.height() > 256);
        for (int y = 0; y < shot.height(); y += 13)
            for (int x = 0; x < shot.width(); x += 11) {
                std::uint8_t dot[3];
                reference::ResampleDot(image.pixels(), 6000, 4000, 4.0, 24000, 16000, x + 10077, y, dot);
                QCOMPARE(shot.pixel(x, y), qRgb(dot[0], dot[1], dot[2]));
            }
        // Only the shown tiles and a ring around them are held.
        QCoreApplication::processEvents();
        const TileCache& tiles = bigViewer->tiles();
        QVERIFY(tiles.heldBytes() <= CGazoView::TILE_BUDGET);
        const std::size_t across = std::size_t(shot.width() / 256 + 2 + 2);
        const std::size_t down = std::size_t(shot.height() / 256 + 2 + 2);
        QVERIFY(tiles.tileCount() <= across * down);
        QVERIFY(tiles.tileCount() >= 4u);
    }

    void imageSmallerThanADotAtTheScaleShowsNothing() {
        // 5 x 5 at 10 % is 0 x 0 dots: nothing to draw, nothing fails.
        CGazoView* tiny = OpenSecondViewer(*main, 5, 5, "tiny.bmp");
        QVERIFY(tiny != nullptr);
        Magnify(*tiny, 10);
        QCOMPARE(tiny->viewImage()->displayScale, 0.1);
        QCOMPARE(tiny->display().width, 0);
        QCOMPARE(tiny->scroll().h.max, 1);
        const QImage shot = tiny->client()->grab().toImage();
        QCOMPARE(shot.pixel(0, 0), tiny->client()->palette().color(QPalette::Window).rgb());
        QTest::keyClick(tiny, Qt::Key_PageDown);
        QCOMPARE(tiny->scroll().v.pos, 1);
        QVERIFY(boxes->calls.empty());
    }

    void trackerZoneFollowsTheNewScale() {
        viewer->ShowTrackerZone({20, 20, 320, 320});
        Magnify(*viewer, 150);
        QCOMPARE(viewer->cutZone(), (TrackerZone{30, 30, 480, 480}));
        // By new / old scale: back at 100 % it is where it began.
        Magnify(*viewer, 100);
        QCOMPARE(viewer->cutZone(), (TrackerZone{20, 20, 320, 320}));
    }

    void deviceRasterIsRebuiltAfterAScreenDepthChange() {
        viewer->client()->grab();
        const int depth = App().lastScreenDepth;
        QVERIFY(depth > 0);
        App().lastScreenDepth = depth == 16 ? 32 : 16;
        const QImage shot = viewer->client()->grab().toImage();
        QCOMPARE(App().lastScreenDepth, depth);
        QCOMPARE(shot.pixel(12, 7), TestPixel(12, 7));
    }
};

QTEST_MAIN(GazoViewTest)
#include "gazo_view_test.moc"
