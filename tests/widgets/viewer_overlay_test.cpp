// The overlay as the viewer paints it: sample points while sampling, the
// calculated outline, centroid and axes after "計算実行", following the
// scroll position and the colours chosen from the viewer's menu.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "data/calc_driver.h"
#include "dialogs/color_def.h"
#include "platform/fonts.h"
#include "res/ids.h"
#include "support/pixel_probe.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

namespace {

// Rows of (type, x, y) in display dots, as the viewer samples them.
void SetOutline(const std::vector<std::array<int, 3>>& rows) {
    SampleTable& table = App().sampleTable;
    for (auto [type, x, y] : rows) {
        table.AddPoint(x, y);
        table.rows[static_cast<std::size_t>(table.count - 1)].type = type;
    }
}

bool Calculate() { return RunCalculation(App().sampleTable, App().calc, 1.0, nullptr); }

QColor PositionColour(ColourPosition position) {
    return ColourOf(OverlayColour(App().settings.colourNumbers, position));
}

}  // namespace

class ViewerOverlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    CGazoView* viewer = nullptr;

    QImage Shot() const { return viewer->client()->grab().toImage(); }

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void init() {
        world = std::make_unique<ViewerTestWorld>();
        viewer = OpenViewer(world->main, 0, 180, 170);
        QVERIFY(viewer != nullptr);
        // A right triangle, so that the principal axes run diagonally and
        // leave the centroid's cross arms visible.
        SetOutline({{1, 20, 20}, {1, 140, 20}, {1, 20, 140}});
    }

    void cleanup() { world.reset(); }

    void calculatedOutlineShowsEachPartInItsColour() {
        App().settings.colourNumbers = {2, 11, 6, 14, 13, 8};
        QVERIFY(Calculate());
        // Scrolled: the image's corner is 3 dots right of and 2 below the client's.
        for (int i = 0; i < 3; ++i) QTest::keyClick(viewer, Qt::Key_Left);
        for (int i = 0; i < 2; ++i) QTest::keyClick(viewer, Qt::Key_Up);
        const QImage shot = Shot();
        const int ox = viewer->originX(), oy = viewer->originY();
        QCOMPARE(ox, 3);
        QCOMPARE(oy, 2);

        // Point 2's cross above and below the outline's corner.
        QCOMPARE(shot.pixelColor(140 + ox, 20 + oy - 3), TableColour(2));
        QCOMPARE(shot.pixelColor(140 + ox, 20 + oy + 3), TableColour(2));
        // The numbers in their own colour, up and right of the points.
        QVERIFY(CountColour(shot, QRect(20 + ox, 0, 20, 20 + oy), TableColour(11)) > 0);
        // The middles of the segments; the hypotenuse's pixels may lie one off.
        QCOMPARE(shot.pixelColor(80 + ox, 20 + oy), TableColour(14));
        QCOMPARE(shot.pixelColor(20 + ox, 80 + oy), TableColour(14));
        QVERIFY(NearColour(shot, 80 + ox, 80 + oy, TableColour(14)));
        // The centroid at (60, 60): its cross off the diagonal axes, and its "C".
        QCOMPARE(shot.pixelColor(60 + ox, 60 + oy - 4), TableColour(6));
        QCOMPARE(shot.pixelColor(60 + ox - 4, 60 + oy), TableColour(6));
        QVERIFY(CountColour(shot, QRect(65 + ox, 40 + oy, 20, 25), TableColour(6)) > 6);
        // Both axes.
        QVERIFY(CountColour(shot, TableColour(13)) > 40);
        QVERIFY(CountColour(shot, TableColour(8)) > 40);
    }

    void arcPassesThroughItsMiddlePoint() {
        App().sampleTable.ClearTable();
        // The top of a half-disc: an arc from (20, 60) over (70, 12) to (120, 60).
        SetOutline({{2, 20, 60}, {1, 70, 12}, {1, 120, 60}, {1, 120, 110}, {1, 20, 110}});
        QVERIFY(Calculate());
        const QImage shot = Shot();
        const QColor segment = PositionColour(COLOUR_SEGMENT);
        QVERIFY(NearColour(shot, 70, 12, segment));
        // Other points of the same circle on the drawn side, none on the other.
        const SectionSegment& arc = App().calc.segments[0];
        for (int degrees : {30, 60, 120, 150}) {
            const double t = degrees * M_PI / 180;
            const int x = static_cast<int>(std::lround(arc.centreX + arc.radius * std::cos(t)));
            const int y = static_cast<int>(std::lround(arc.centreY - arc.radius * std::sin(t)));
            QVERIFY2(NearColour(shot, x, y, segment), qPrintable(QString::number(degrees)));
        }
        QVERIFY(!NearColour(shot, static_cast<int>(arc.centreX),
                            static_cast<int>(arc.centreY + arc.radius), segment));
    }

    void onlyPointsUntilCalculatedAndNothingWithoutRows() {
        App().sampleTable.workState = WS_SAMPLING;
        QImage shot = Shot();
        QCOMPARE(shot.pixelColor(140, 17), PositionColour(COLOUR_POINT_MARK));
        QCOMPARE(CountColour(shot, PositionColour(COLOUR_SEGMENT)), 0);

        QVERIFY(Calculate());
        App().sampleTable.workState = WS_MODIFIED;  // results of older data are not drawn
        QCOMPARE(CountColour(Shot(), PositionColour(COLOUR_SEGMENT)), 0);

        App().sampleTable.ClearTable();
        App().sampleTable.workState = WS_CALCULATED;
        shot = Shot();
        QCOMPARE(CountColour(shot, PositionColour(COLOUR_POINT_MARK)), 0);
        QCOMPARE(CountColour(shot, PositionColour(COLOUR_CENTROID)), 0);
    }

    void noOverlayBeforeTheViewerIsPaired() {
        viewer->SetDataView(false);
        QCOMPARE(CountColour(Shot(), PositionColour(COLOUR_POINT_MARK)), 0);
    }

    void coloursChosenFromTheMenuShowAtTheNextPaint() {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CColorDef*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            dialog->Field(COLOUR_POINT_MARK)->setText("11");
            dialog->OnCommand(ID_FRAMEWORK_OK, 0);
        });
        QVERIFY(viewer->OnCommand(ID_COLOUR_SETTINGS, 0));
        QCOMPARE(App().settings.colourNumbers[COLOUR_POINT_MARK], 11);
        QCOMPARE(Shot().pixelColor(140, 17), TableColour(11));
    }

    void colourNumbersOutsideTheTableDrawTheirDefault() {
        App().settings.colourNumbers = {-1, 20, 6, 14, 13, 8};  // from a damaged settings file
        const QImage shot = Shot();
        QCOMPARE(shot.pixelColor(140, 17), TableColour(DEFAULT_COLOUR_NUMBERS[COLOUR_POINT_MARK]));
        QVERIFY(CountColour(shot, QRect(140, 0, 25, 20), TableColour(DEFAULT_COLOUR_NUMBERS[1])) > 0);
    }
};

QTEST_MAIN(ViewerOverlayTest)
#include "viewer_overlay_test.moc"
