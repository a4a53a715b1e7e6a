// The perspective plane as a user sets it: four corners clicked on the
// picture shown at 200 %, the rectangle's size typed, the plane named in
// the edit window and remembered for the picture; a corrected picture
// opened in a new viewer at its own real-unit scale; the plane cleared.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "data/edit_data.h"
#include "data/picture_scales.h"
#include "dialogs/plane_def.h"
#include "dialogs/rectify_def.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "res/texts_plane.h"
#include "res/texts_undo.h"
#include "support/pixel_probe.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

namespace {

// Acts on the dialog of type Dialog that the next command opens.
template <class Dialog>
void AnswerDialog(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) act(*dialog);
    });
}

void ClickCorners(CGazoView* viewer, std::initializer_list<QPoint> corners) {
    viewer->OnCommand(ID_PLANE_SET, 0);
    for (const QPoint& at : corners)
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, at);
}

}  // namespace

class PerspectivePlaneTest : public QObject {
    Q_OBJECT

private slots:
    void CornersSetThePlaneWhichOpensACorrectedPicture() {
        ViewerTestWorld world;
        QTemporaryDir dir;
        App().settingsPath = dir.filePath(QStringLiteral("SetteiKol.bin")).toStdString();
        CGazoView* viewer = OpenViewer(world.main, 0, 120, 90);
        QVERIFY(viewer != nullptr);
        CEditData* edit = App().registry.editWindow;
        CViewImage* image = viewer->viewImage();
        image->sourcePath = "/pics/sheet.jpg";
        image->mmPerDot = 0.25;  // a real-unit scale the plane replaces
        image->displayScale = 2.0;
        viewer->RenderDisplay();

        // Three corners on one line: refused, the dialog stays open until cancelled.
        ClickCorners(viewer, {{20, 20}, {100, 20}, {180, 20}, {20, 140}});
        QCOMPARE(world.boxes.Last().text, std::string(texts_plane::MSG_PLANE_CLICK));
        // Each clicked point is marked on the picture while the points are given.
        const QColor mark = ColourOf(OverlayColour(App().settings.colourNumbers, COLOUR_CENTROID));
        const QImage shown = viewer->client()->grab().toImage();
        QVERIFY(NearColour(shown, 20, 20, mark) && NearColour(shown, 180, 20, mark));
        const int rowsBefore = App().sampleTable.count;
        AnswerDialog<CPlaneDef>([](CPlaneDef& dialog) {
            dialog.widthEdit()->setText(QStringLiteral("160"));
            dialog.heightEdit()->setText(QStringLiteral("120"));
            dialog.OnCommand(ID_FRAMEWORK_OK, 0);
            QVERIFY(dialog.isVisible());
            dialog.OnCommand(ID_FRAMEWORK_CANCEL, 0);
        });
        viewer->OnCommand(ID_PLANE_FINISH, 0);
        QCOMPARE(world.boxes.Last().text, std::string(texts_plane::MSG_PLANE_ON_LINE));
        QVERIFY(!image->plane.IsSet());

        // Sampling started while corners are being clicked takes the clicks back.
        ClickCorners(viewer, {{20, 20}});
        qobject_cast<QPushButton*>(edit->Control(IDC_SAMPLING_START))->click();
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(60, 40));
        QCOMPARE(App().sampleTable.count, rowsBefore + 1);
        qobject_cast<QPushButton*>(edit->Control(IDC_SAMPLING_STOP))->click();
        App().sampleTable.count = rowsBefore;

        // The corners at 200 %: source dots (10, 10) to (90, 70), 160 x 120 mm.
        ClickCorners(viewer, {{20, 20}, {180, 20}, {180, 140}, {20, 140}});
        AnswerDialog<CPlaneDef>([](CPlaneDef& dialog) {
            dialog.widthEdit()->setText(QStringLiteral("160"));
            dialog.heightEdit()->setText(QStringLiteral("120"));
            dialog.OnCommand(ID_FRAMEWORK_OK, 0);
        });
        viewer->OnCommand(ID_PLANE_FINISH, 0);
        QCOMPARE(App().sampleTable.count, rowsBefore);  // the clicks sampled nothing
        QVERIFY(image->plane.IsSet());
        QCOMPARE(image->plane.photo[2].x, 90.0);
        QCOMPARE(edit->scaleText(), QStringLiteral("遠近補正: 4点, 160 x 120 mm"));
        QCOMPARE(StoredPicturePlane(App().settingsPath, "/pics/sheet.jpg"), image->plane);

        // The corrected picture at 0.5 dot per mm: 1 dot is 2 mm there.
        AnswerDialog<CRectifyDef>([](CRectifyDef& dialog) {
            dialog.dotsEdit()->setText(QStringLiteral("0.5"));
            dialog.OnCommand(ID_FRAMEWORK_OK, 0);
        });
        viewer->OnCommand(ID_PLANE_RECTIFY, 0);
        CGazoView* corrected = App().registry.viewers[1];
        QVERIFY(corrected != nullptr);
        QCOMPARE(corrected->viewImage()->mmPerDot, 2.0);
        QCOMPARE(edit->scaleText(), QStringLiteral("実寸スケール : 元画像 1 ドット = 2 mm"));
        // The photo's dots 0..119 x 0..89 span 238 x 178 mm from (-20, -20) mm.
        QCOMPARE(corrected->viewImage()->image.width(), 119);
        QCOMPARE(corrected->viewImage()->image.height(), 89);

        viewer->OnCommand(ID_PLANE_CLEAR, 0);
        QVERIFY(!image->plane.IsSet());
        QVERIFY(!StoredPicturePlane(App().settingsPath, "/pics/sheet.jpg").IsSet());

        // Clearing is a step of the undo history: undone, the plane is back,
        // remembered for the picture too; redone, it is gone again.
        const plane::PlaneSetting cleared = image->plane;
        QCOMPARE(App().history.UndoText().toStdString(), std::string(texts_undo::CHANGE_PLANE));
        App().history.Undo();
        QVERIFY(image->plane.IsSet());
        QCOMPARE(StoredPicturePlane(App().settingsPath, "/pics/sheet.jpg"), image->plane);
        App().history.Redo();
        QCOMPARE(image->plane, cleared);
    }
};

QTEST_MAIN(PerspectivePlaneTest)
#include "perspective_plane_test.moc"
