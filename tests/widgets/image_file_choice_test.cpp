// Choosing, dropping, previewing and opening image files in the main dialog.
#include <QComboBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <memory>

#include "app/preview_scaling.h"
#include "app/recent_images.h"
#include "image/image_kind.h"
#include "res/ids.h"
#include "support/image_files.h"
#include "support/main_dialog_harness.h"

class ImageFileChoiceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;

    std::string Path(const char* name) const { return harness->Path(name); }

    std::string Picture(const char* name, int width, int height, const char* format = "BMP") {
        const std::string path = Path(name);
        if (!WriteImageFile(QString::fromStdString(path), width, height, format)) qFatal("cannot write %s", name);
        return path;
    }

    QComboBox* Combo() const { return qobject_cast<QComboBox*>(dialog->Control(IDC_RECENT_COMBO)); }

    void DoubleClick(const QPoint& point) {
        QTest::mouseDClick(dialog->client(), Qt::LeftButton, Qt::NoModifier, point);
    }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
    }

    void cleanup() {
        dialog.reset();
        harness.reset();
    }

    void fileDialogAsksForImagesInTheLatestFolder() {
        const std::string first = Picture("first.bmp", 8, 8);
        harness->fileDialogs.Choose(first);
        dialog->OnCommand(IDC_FILE_SEARCH);
        QCOMPARE(harness->fileDialogs.requests.size(), size_t(1));
        const platform::FileDialogRequest& request = harness->fileDialogs.requests[0];
        QVERIFY(!request.save);
        QCOMPARE(request.filter,
                 std::string("jpg (*.jpg)|*.jpg|bmp (*.bmp)|*.bmp|gif (*.gif)|*.gif|png (*.png)|*.png||"));
        QVERIFY(request.options & platform::OFN_FILEMUSTEXIST);
        QVERIFY(request.initialDir.empty());  // nothing chosen before

        harness->fileDialogs.Cancel();
        dialog->OnCommand(IDC_FILE_SEARCH);
        QCOMPARE(harness->fileDialogs.requests[1].initialDir, harness->dir.path().toStdString());
        QCOMPARE(RecentImage(App().settings, 0), first);  // cancel changes nothing
    }

    void chosenBmpHeadsTheListAndFillsThePreview() {
        const std::string picture = Picture("plan.bmp", 40, 30);
        harness->fileDialogs.Choose(picture);
        dialog->OnCommand(IDC_FILE_SEARCH);
        QVERIFY(harness->boxes.calls.empty());
        QCOMPARE(RecentImage(App().settings, 0), picture);
        QCOMPARE(Combo()->count(), 1);
        QCOMPARE(Combo()->currentIndex(), 0);
        QCOMPARE(Combo()->itemText(0).toStdString(), picture);

        QVERIFY(dialog->previewLoaded());
        const QRect box = dialog->PreviewBox();
        const double s = PreviewFitScale(box.width(), box.height(), 40, 30);
        QCOMPARE(dialog->preview().image().displayScale, s);
        QCOMPARE(dialog->preview().pixels().width, ScaledLength(40, s));
        QCOMPARE(dialog->preview().pixels().height, ScaledLength(30, s));

        // Drawn from the box's top-left corner.
        const QImage painted = dialog->client()->grab().toImage();
        QCOMPARE(QColor(painted.pixel(box.topLeft())), QColor(200, 40, 10));
    }

    void unsupportedExtensionIsRefusedWithItsName() {
        const std::string kept = Picture("kept.bmp", 4, 4);
        harness->fileDialogs.Choose(kept);
        dialog->OnCommand(IDC_FILE_SEARCH);
        harness->fileDialogs.Choose(Path("a.txt"));
        dialog->OnCommand(IDC_FILE_SEARCH);
        QCOMPARE(harness->boxes.calls.size(), size_t(1));
        QCOMPARE(harness->boxes.calls[0].text, std::string("拡張子として [txt] のファイルが指定されました\n処理できません"));
        QCOMPARE(harness->boxes.calls[0].title, std::string("確認"));
        QCOMPARE(harness->boxes.calls[0].style, unsigned(platform::MB_OK));
        QCOMPARE(RecentImages(App().settings), std::vector<std::string>{kept});
        QVERIFY(dialog->previewLoaded());
    }

    void dropOfTwoFilesIsIgnoredOfOneTextFileEmptiesThePreview() {
        const std::string picture = Picture("kept.bmp", 4, 4);
        dialog->OnDropFiles({picture});
        QVERIFY(dialog->previewLoaded());

        dialog->OnDropFiles({Path("x.bmp"), Path("y.bmp")});
        QCOMPARE(RecentImages(App().settings), std::vector<std::string>{picture});

        const std::string text = Path("notes.txt");
        dialog->OnDropFiles({text});
        QCOMPARE(RecentImage(App().settings, 0), text);
        QCOMPARE(Combo()->itemText(0).toStdString(), text);
        QVERIFY(!dialog->previewLoaded());
        const QRect box = dialog->PreviewBox();
        QCOMPARE(QColor(dialog->client()->grab().toImage().pixel(box.center())), QColor(Qt::white));

        // A double click on the empty box opens nothing.
        DoubleClick(box.center());
        QVERIFY(harness->boxes.calls.empty());
        QVERIFY(dialog->isVisible());
        QVERIFY(!App().registry.viewImages[0]);
    }

    void dropEventCarriesTheLocalFile() {
        const std::string picture = Picture("dropped.bmp", 4, 4);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(picture))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &drop);
        QCOMPARE(RecentImage(App().settings, 0), picture);
        QVERIFY(dialog->previewLoaded());
    }

    void listChoicePromotesTheEntry() {
        const std::string older = Picture("older.bmp", 6, 3);
        const std::string newer = Picture("newer.bmp", 3, 6);
        dialog->OnDropFiles({older});
        dialog->OnDropFiles({newer});
        QCOMPARE(Combo()->count(), 2);
        Combo()->setCurrentIndex(1);
        dialog->OnRecentSelectionChange();
        QCOMPARE(RecentImages(App().settings), (std::vector<std::string>{older, newer}));
        QCOMPARE(Combo()->currentIndex(), 0);
        QCOMPARE(Combo()->itemText(0).toStdString(), older);
        QCOMPARE(dialog->preview().image().image.width(), 6);
    }

    void doubleClickOnTheBoxEdgeOpensOnePixelOutsideDoesNot() {
        Picture("plan.bmp", 20, 10);
        dialog->OnDropFiles({Path("plan.bmp")});
        const QRect box = dialog->PreviewBox();
        // Right and bottom edges as the box's window sees them.
        const QPoint rightEdge(box.left() + box.width(), box.top() + box.height());

        DoubleClick(rightEdge + QPoint(1, 0));
        DoubleClick(box.topLeft() - QPoint(0, 1));
        QVERIFY(dialog->isVisible());
        QVERIFY(!App().registry.viewImages[0]);

        DoubleClick(rightEdge);
        QVERIFY(App().registry.viewers[0]);
        QCOMPARE(App().registry.viewImages[0]->image.kind(), IMG_BMP);
        QCOMPARE(App().registry.viewImages[0]->image.width(), 20);
        QVERIFY(!dialog->isVisible());
    }

    void photoJpegIsAcceptedPreviewedAndOpenedAsJpeg() {
        const std::string photo = Picture("photo.JPEG", 30, 20, "JPG");
        harness->fileDialogs.Choose(photo);
        dialog->OnCommand(IDC_FILE_SEARCH);
        QVERIFY(harness->boxes.calls.empty());
        QCOMPARE(RecentImage(App().settings, 0), photo);
        QVERIFY(dialog->previewLoaded());
        QCOMPARE(dialog->preview().image().image.width(), 30);

        DoubleClick(dialog->PreviewBox().center());
        QVERIFY(harness->boxes.calls.empty());
        QVERIFY(App().registry.viewImages[0]);
        QCOMPARE(App().registry.viewImages[0]->image.kind(), IMG_JPEG);
        QCOMPARE(App().registry.viewImages[0]->image.height(), 20);
    }

    void pngPreviewsButDoesNotOpen() {
        const std::string png = Picture("drawing.png", 12, 9, "PNG");
        dialog->OnDropFiles({png});
        QVERIFY(dialog->previewLoaded());
        DoubleClick(dialog->PreviewBox().topLeft());
        QCOMPARE(harness->boxes.calls.size(), size_t(1));
        QCOMPARE(harness->boxes.calls[0].text, std::string("拡張子が jpg,bmp,gif 以外が指定されました"));
        QCOMPARE(harness->boxes.calls[0].title, png);
        QVERIFY(!App().registry.viewImages[0]);
        // Nothing opened: no edit window, and the dialog stays in front.
        QVERIFY(!App().registry.editWindow);
        QVERIFY(dialog->isVisible());
    }

    void gifOpensAsGif() {
        const std::string gif = Picture("anim.gif", 7, 5, "GIF");
        dialog->OnDropFiles({gif});
        QVERIFY(dialog->previewLoaded());
        DoubleClick(dialog->PreviewBox().center());
        QVERIFY(harness->boxes.calls.empty());
        QCOMPARE(App().registry.viewImages[0]->image.kind(), IMG_GIF);
        QCOMPARE(App().registry.viewImages[0]->image.width(), 7);
    }

    void vanishedFileGivesTheLoaderMessageAndNoViewer() {
        const std::string picture = Picture("gone.bmp", 5, 5);
        dialog->OnDropFiles({picture});
        QVERIFY(QFile::remove(QString::fromStdString(picture)));
        DoubleClick(dialog->PreviewBox().center());
        QCOMPARE(harness->boxes.calls.size(), size_t(1));
        QCOMPARE(harness->boxes.calls[0].text, std::string("BMP変換に失敗しました"));
        QCOMPARE(harness->boxes.calls[0].title, std::string("中断します"));
        QVERIFY(!App().registry.viewers[0]);
        QVERIFY(!App().registry.editWindow);
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(ImageFileChoiceTest)
#include "image_file_choice_test.moc"
