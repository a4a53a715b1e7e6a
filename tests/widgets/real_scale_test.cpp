// The real-unit scale as a user sets it: from the viewer's menu, by two
// clicks on the picture shown at 200 % and a length in mm, or typed; shown
// in the edit window and remembered for the picture.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "data/edit_data.h"
#include "data/picture_scales.h"
#include "dialogs/scale_def.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

namespace {

// Answers the next scale dialog once it is open (polled, at most 5 s).
void AnswerScaleDialog(std::function<void(CScaleDef&)> act) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        auto* dialog = qobject_cast<CScaleDef*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*tries < 500) return;
        poll->stop();
        poll->deleteLater();
        if (dialog != nullptr) act(*dialog);
    });
    poll->start(10);
}

}  // namespace

class RealScaleTest : public QObject {
    Q_OBJECT

private slots:
    void TwoClicksAt200PercentAndTypedScaleAgree() {
        ViewerTestWorld world;
        QTemporaryDir dir;
        App().settingsPath = dir.filePath(QStringLiteral("SetteiKol.bin")).toStdString();
        CGazoView* viewer = OpenViewer(world.main, 0, 80, 60);
        QVERIFY(viewer != nullptr);
        CEditData* edit = App().registry.editWindow;
        CViewImage* image = viewer->viewImage();
        image->sourcePath = "/pics/part.jpg";
        image->displayScale = 2.0;
        viewer->RenderDisplay();
        QCOMPARE(edit->scaleText(), QString());

        AnswerScaleDialog([](CScaleDef& dialog) { dialog.OnCommand(IDC_SCALE_MEASURE, 0); });
        viewer->OnCommand(ID_REAL_SCALE, 0);
        QCOMPARE(QString::fromStdString(world.boxes.Last().text),
                 QStringLiteral("画像上で既知の長さの両端を順にクリックしてください"));
        const int rowsBefore = App().sampleTable.count;
        // 60 x 80 display dots apart: 100 at 200 %, 50 source dots; 25 mm over them.
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(10, 10));
        AnswerScaleDialog([](CScaleDef& dialog) {
            dialog.lengthEdit()->setText(QStringLiteral("25"));
            dialog.OnCommand(ID_FRAMEWORK_OK, 0);
        });
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(70, 90));
        QTRY_COMPARE_WITH_TIMEOUT(image->mmPerDot, 0.5, 5000);
        QCOMPARE(App().sampleTable.count, rowsBefore);  // the clicks measured, they sampled nothing
        QCOMPARE(edit->scaleText(), QStringLiteral("実寸スケール : 元画像 1 ドット = 0.5 mm"));
        QCOMPARE(StoredPictureScale(App().settingsPath, "/pics/part.jpg"), 0.5);

        // Typed for the source scale: the same value; cleared: gone from the window and the file.
        AnswerScaleDialog([](CScaleDef& dialog) {
            QCOMPARE(dialog.typedEdit()->text(), QStringLiteral("0.5"));
            dialog.typedEdit()->setText(QStringLiteral("0.25"));
            dialog.OnCommand(ID_FRAMEWORK_OK, 0);
        });
        viewer->OnCommand(ID_REAL_SCALE, 0);
        QCOMPARE(image->mmPerDot, 0.25);
        AnswerScaleDialog([](CScaleDef& dialog) { dialog.OnCommand(IDC_SCALE_CLEAR, 0); });
        viewer->OnCommand(ID_REAL_SCALE, 0);
        QCOMPARE(image->mmPerDot, 0.0);
        QCOMPARE(edit->scaleText(), QString());
        QCOMPARE(StoredPictureScale(App().settingsPath, "/pics/part.jpg"), 0.0);
    }
};

QTEST_MAIN(RealScaleTest)
#include "real_scale_test.moc"
