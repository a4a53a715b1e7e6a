// The clipboard picture: the main dialog's button opens it in a viewer, or
// says why it cannot; the real clipboard's contents become a bitmap block.
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "image/clipboard_dib.h"
#include "image/image_data.h"
#include "platform/clipboard.h"
#include "platform/clipboard_stub.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "res/texts_capture.h"
#include "res/texts_image.h"
#include "support/main_dialog_harness.h"
#include "viewer/gazo_view.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& block, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) block[at + i] = std::uint8_t(value >> (8 * i));
}

// A 40-byte information header followed by the stored rows.
Bytes Block(int width, int height, int bitsPerPixel, const Bytes& rows) {
    Bytes block(40 + rows.size(), 0);
    Put(block, 0, 40, 4);
    Put(block, 4, std::uint32_t(width), 4);
    Put(block, 8, std::uint32_t(height), 4);
    Put(block, 12, 1, 2);
    Put(block, 14, std::uint32_t(bitsPerPixel), 2);
    std::copy(rows.begin(), rows.end(), block.begin() + 40);
    return block;
}

// 2 x 2 at 24 bits, rows bottom-up, blue-green-red, padded to 8 bytes:
// top row red, green; bottom row blue, white.
Bytes TwoByTwo() {
    return Block(2, 2, 24, {255, 0, 0, 255, 255, 255, 0, 0,    // bottom: blue, white
                            0, 0, 255, 0, 255, 0, 0, 0});      // top: red, green
}
const Bytes kTwoByTwoRgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

Bytes PixelsOf(const CImageData& image) { return Bytes(image.pixels(), image.pixels() + image.pixelBytes()); }

QImage ThreeByTwo() {
    QImage image(3, 2, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90),
                            qRgb(100, 110, 120), qRgb(130, 140, 150), qRgb(160, 170, 180)};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, colours[y * 3 + x]);
    return image;
}
const Bytes kThreeByTwoRgb = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180};

Bytes Decoded(const Bytes& block) {
    CImageData image;
    if (!LoadClipboardDib(image, block.data(), block.size())) return {};
    return PixelsOf(image);
}

}  // namespace

class ClipboardCaptureTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;
    std::unique_ptr<platform::ClipboardStub> clipboard;

    void PressClipButton() {
        auto* button = qobject_cast<QPushButton*>(dialog->Control(IDC_CLIP_VIEW));
        QVERIFY(button);
        button->click();
    }

    // Nothing opened: the dialog stays, no edit window, no viewer.
    void VerifyNothingOpened() {
        QVERIFY(dialog->isVisible());
        QVERIFY(App().registry.editWindow == nullptr);
        for (CGazoView* viewer : App().registry.viewers) QVERIFY(viewer == nullptr);
    }

    void VerifyOneBox(const char* text, const char* title) {
        QCOMPARE(harness->boxes.calls.size(), std::size_t(1));
        QCOMPARE(harness->boxes.Last().text, std::string(text));
        QCOMPARE(harness->boxes.Last().title, std::string(title));
    }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
        clipboard = std::make_unique<platform::ClipboardStub>();
    }

    void cleanup() {
        clipboard.reset();
        dialog.reset();
        harness.reset();
        QGuiApplication::clipboard()->clear();
    }

    void emptyClipboardHasNoPicture() {
        PressClipButton();
        VerifyOneBox(texts::CLIP_NO_PICTURE, texts::TITLE_CONFIRM);
        VerifyNothingOpened();
        // An empty block is no picture either.
        harness->boxes.calls.clear();
        clipboard->Offer({});
        PressClipButton();
        VerifyOneBox(texts::CLIP_NO_PICTURE, texts::TITLE_CONFIRM);
    }

    void textOnlyOnTheRealClipboardHasNoPicture() {
        clipboard.reset();
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        PressClipButton();
        VerifyOneBox(texts::CLIP_NO_PICTURE, texts::TITLE_CONFIRM);
        VerifyNothingOpened();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
    }

    void unreachableClipboardCannotBeOpened() {
        clipboard->Unreachable();
        PressClipButton();
        VerifyOneBox(texts::CLIP_CANNOT_OPEN, texts::TITLE_CONFIRM);
        VerifyNothingOpened();
    }

    void eightBitPictureIsRefusedAndNothingOpens() {
        Bytes rows(4, 0);  // 2 x 2 palette indices, rows of 4 bytes
        Bytes block = Block(2, 2, 8, Bytes(1024, 0));  // the palette
        block.insert(block.end(), rows.begin(), rows.end());
        clipboard->Offer(block);
        PressClipButton();
        QCOMPARE(harness->boxes.calls.size(), std::size_t(2));
        QCOMPARE(harness->boxes.calls[0].text, std::string("BitPixel=8 は想定外です"));
        QCOMPARE(harness->boxes.calls[0].title, std::string(texts::TITLE_CONFIRM));
        QCOMPARE(harness->boxes.calls[1].text, std::string(texts::CLIP_CONVERT_FAILED));
        QCOMPARE(harness->boxes.calls[1].title, std::string(texts::TITLE_ABANDON));
        VerifyNothingOpened();
        // The slot stays free: the next picture opens in it.
        harness->boxes.calls.clear();
        clipboard->Offer(TwoByTwo());
        PressClipButton();
        QVERIFY(harness->boxes.calls.empty());
        QVERIFY(App().registry.viewers[0] != nullptr);
    }

    void shortBlockIsAConversionFailure() {
        Bytes block = TwoByTwo();
        block.pop_back();
        clipboard->Offer(block);
        PressClipButton();
        VerifyOneBox(texts::CLIP_CONVERT_FAILED, texts::TITLE_ABANDON);
        VerifyNothingOpened();
    }

    void twentyFourBitPictureOpensBesideTheEditWindow() {
        clipboard->Offer(TwoByTwo());
        PressClipButton();
        QVERIFY(harness->boxes.calls.empty());
        CGazoView* viewer = App().registry.viewers[0];
        CEditData* edit = App().registry.editWindow;
        QVERIFY(viewer && edit);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(App().registry.editViewerSlot, 0);
        const CImageData& image = App().registry.viewImages[0]->image;
        QCOMPARE(image.fileName(), std::string(texts::CLIP_IMAGE_NAME));
        QCOMPARE(image.kind(), IMG_CLIP);
        QCOMPARE(std::string(ImageKindLabel(image.kind())), std::string(texts::KIND_LABEL_CLIP));
        QCOMPARE(image.width(), 2);
        QCOMPARE(image.height(), 2);
        QCOMPARE(PixelsOf(image), kTwoByTwoRgb);
        QCOMPARE(App().registry.viewImages[0]->displayScale, 1.0);
        const QRect editRect = edit->frameGeometry();
        QCOMPARE(viewer->frameGeometry().topLeft(), QPoint(editRect.x() + editRect.width() + 1, editRect.y()));
        QCOMPARE(clipboard->reads, 1);
    }

    void twentyOneCapturesFindNoSlot() {
        clipboard->Offer(TwoByTwo());
        for (int i = 0; i < 20; ++i) QVERIFY(dialog->OnCommand(IDC_CLIP_VIEW));
        QVERIFY(harness->boxes.calls.empty());
        for (CGazoView* viewer : App().registry.viewers) QVERIFY(viewer != nullptr);
        CViewImage* lastImage = App().registry.viewImages[19].get();
        QVERIFY(dialog->OnCommand(IDC_CLIP_VIEW));
        VerifyOneBox(texts::VIEWERS_FULL, texts::TITLE_CONFIRM);
        // No slot's image was replaced.
        QCOMPARE(App().registry.viewImages[19].get(), lastImage);
    }

    void realClipboardImageBecomesABlock() {
        clipboard.reset();
        QGuiApplication::clipboard()->setImage(ThreeByTwo());
        const platform::ClipboardBitmap bitmap = platform::GetClipboardBitmap();
        QVERIFY(bitmap.state == platform::ClipboardState::Bitmap);
        // 40-byte header and 3 x 2 rows of 12 bytes.
        QCOMPARE(bitmap.block.size(), std::size_t(40 + 24));
        QCOMPARE(int(bitmap.block[14]), 32);
        QCOMPARE(Decoded(bitmap.block), kThreeByTwoRgb);
        // Reading leaves the clipboard as it was.
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(3, 2));
    }

    void offeredBmpBytesAreTakenAfterTheirFileHeader() {
        clipboard.reset();
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(ThreeByTwo().convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"));
        auto* data = new QMimeData;
        data->setData(QStringLiteral("image/bmp"), bmp);
        QGuiApplication::clipboard()->setMimeData(data);
        const platform::ClipboardBitmap bitmap = platform::GetClipboardBitmap();
        QVERIFY(bitmap.state == platform::ClipboardState::Bitmap);
        QCOMPARE(bitmap.block, Bytes(bmp.begin() + 14, bmp.end()));
        QCOMPARE(Decoded(bitmap.block), kThreeByTwoRgb);
    }

    void blockBuildersRefuseWhatIsNoPicture() {
        QVERIFY(platform::BitmapBlockOfBmpFile(QByteArray("BM")).empty());
        QVERIFY(platform::BitmapBlockOfBmpFile(QByteArray(20, 'x')).empty());
        QVERIFY(platform::BitmapBlockOfImage(QImage()).empty());
        // A one-pixel-wide image: rows of 4 bytes, the bottom row first.
        QImage column(1, 2, QImage::Format_RGB32);
        column.setPixel(0, 0, qRgb(1, 2, 3));
        column.setPixel(0, 1, qRgb(4, 5, 6));
        const Bytes block = platform::BitmapBlockOfImage(column);
        QCOMPARE(Bytes(block.begin() + 40, block.end()), Bytes({6, 5, 4, 0, 3, 2, 1, 0}));
    }
};

QTEST_MAIN(ClipboardCaptureTest)
#include "clipboard_capture_test.moc"
