#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/dialog_template.h"
#include "app/label_box.h"
#include "dialogs/guide_content.h"
#include "dialogs/guide_dialog.h"
#include "dialogs/hidden_caption.h"
#include "dialogs/open_guide.h"
#include "platform/fonts.h"
#include "res/ids.h"
#include "support/guide_closer.h"
#include "support/pixel_probe.h"

namespace {

constexpr int kAllGuides[] = {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN,
                              ID_CUT_GUIDE,  ID_HOWTO_GUIDE, IDC_ZONE_GUIDE};

// Texts of the dialog's visible plain labels, top to bottom then left to right.
QStringList VisibleTexts(const QWidget& dialog) {
    QList<QLabel*> labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible()) labels << label;
    std::sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList texts;
    for (const QLabel* label : labels) texts << label->text();
    return texts;
}

QPushButton* Button(const QWidget& dialog) {
    return qobject_cast<QPushButton*>(FindControl(dialog, ID_FRAMEWORK_OK));
}

// Counts paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

class GuideDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void eachGuideShowsItsTitleCaptionsTextsAndButton() {
        for (int command : kAllGuides) {
            const GuideContent& content = *GuideContentFor(command);
            CGuideDialog dialog(content, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(dialog.windowTitle(), QString::fromUtf8(content.title));
            QCOMPARE(Button(dialog)->text(), QString::fromUtf8(content.button));

            QStringList expected;
            for (const GuideItem& item : content.items) {
                if (item.kind == GuideItemKind::LabelledText) expected << QString::fromUtf8(item.label);
                if (item.kind != GuideItemKind::Caption) expected << QString::fromUtf8(item.text);
                if (item.kind != GuideItemKind::Caption || item.id == IDC_STATIC) continue;
                // Captions are controls of their own, holding their text.
                QWidget* caption = FindControl(dialog, item.id);
                QVERIFY2(caption, qPrintable(QString::number(item.id)));
                const auto* box = qobject_cast<CLabelBox*>(caption);
                const auto* hidden = qobject_cast<QLabel*>(caption);
                QCOMPARE(box ? box->text() : hidden->text(), QString::fromUtf8(item.text));
                QCOMPARE(caption->isVisible(), !content.hiddenCaptions);
                if (box) QCOMPARE(box->fill(), QColor::fromRgb(item.fill));
            }
            QCOMPARE(VisibleTexts(dialog), expected);

            // Nothing is cut off: every control lies inside the dialog, none overlaps the next.
            const QRect client = dialog.rect();
            for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(client.contains(child->geometry()), qPrintable(dialog.windowTitle()));
            for (QLabel* label : dialog.findChildren<QLabel*>())
                if (label->isVisible())
                    QVERIFY(label->height() >= label->heightForWidth(label->width()));
        }
    }

    void captionBoxesArePaintedInTheirFill() {
        CGuideDialog dialog(*GuideContentFor(ID_CUT_GUIDE), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage picture = dialog.grab().toImage();
        const QRect caption = FindControl(dialog, IDC_CAPTION_CUT_ZONE)->geometry();
        const QColor fill(0, 64, 64);
        QVERIFY(CountColour(picture, caption, fill) > caption.width() * caption.height() / 2);
        QVERIFY(CountColour(picture, caption, Qt::white) > 0);  // the caption's text
    }

    void hiddenCaptionsArePaintedByTheDialogWithoutBorder() {
        CGuideDialog dialog(*GuideContentFor(ID_HOWTO_GUIDE), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage picture = dialog.grab().toImage();
        for (int id : {IDC_CAPTION_FEATURES, IDC_CAPTION_GETTING_STARTED}) {
            const QRect place = FindControl(dialog, id)->geometry();
            const QColor fill(0, 64, 64);
            // Filled to its very corners: no border.
            QCOMPARE(picture.pixelColor(place.topLeft()), fill);
            QCOMPARE(picture.pixelColor(place.bottomRight()), fill);
            QVERIFY(CountColour(picture, place, Qt::white) > 0);
            QCOMPARE(CountColour(picture, place, Qt::black), 0);
            // Nothing of the fill outside the place.
            QCOMPARE(picture.pixelColor(place.topLeft() - QPoint(1, 1)) == fill, false);
        }
    }

    void longCaptionsAreCutToTheirByteLimit() {
        // Label boxes show 47 Shift-JIS bytes, hidden captions 49; only whole characters.
        using Painter = std::function<void(QPainter&, const QRect&, const QString&)>;
        const QColor fill(0, 48, 48);
        const Painter labelBox = [&](QPainter& p, const QRect& r, const QString& t) {
            DrawLabelBox(p, r, t, fill);
        };
        const Painter hidden = [&](QPainter& p, const QRect& r, const QString& t) {
            PaintHiddenCaption(p, r, t, fill);
        };
        auto picture = [](const Painter& paint, const QString& text) {
            QImage image(700, 30, QImage::Format_RGB32);
            image.fill(Qt::gray);
            QPainter painter(&image);
            paint(painter, image.rect(), text);
            return image;
        };
        const QString digits = QString("0123456789").repeated(6);
        for (const auto& [paint, limit] : {std::pair(labelBox, 47), std::pair(hidden, 49)}) {
            const QImage cut = picture(paint, digits.left(limit));
            QCOMPARE(picture(paint, digits), cut);
            QVERIFY(picture(paint, digits.left(limit - 1)) != cut);  // not cut shorter
            // A double-byte character that would pass the limit is left out whole.
            const QString straddling = digits.left(limit - 1) + QString("あ");
            QCOMPARE(picture(paint, straddling), picture(paint, digits.left(limit - 1)));
        }
    }

    void editWindowGuidesOpenOnePixelRightOfTheirOwner() {
        QWidget owner;
        owner.setGeometry(100, 50, 300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const QRect frame = owner.frameGeometry();
        for (int command : {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN}) {
            GuideCloser closer;
            closer.Arm();
            QVERIFY(OpenGuide(command, &owner));
            QVERIFY(closer.closed);
            QCOMPARE(closer.title, QString::fromUtf8(GuideContentFor(command)->title));
            QCOMPARE(closer.place, QPoint(frame.x() + frame.width() + 1, frame.y()));
        }
        // Guides of the main dialog and the viewer keep the default place.
        CGuideDialog howTo(*GuideContentFor(ID_HOWTO_GUIDE), &owner);
        QVERIFY(!howTo.testAttribute(Qt::WA_Moved));
        QVERIFY(howTo.parentWidget() == nullptr);
    }

    void viewerRepaintsAfterItsCutGuideCloses() {
        QWidget viewer;
        viewer.resize(200, 150);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        PaintCounter counter;
        viewer.installEventFilter(&counter);
        GuideCloser closer;
        closer.Arm();
        QVERIFY(OpenGuide(ID_CUT_GUIDE, &viewer));
        QVERIFY(closer.closed);
        QVERIFY(counter.paints > 0);  // repainted at once, before OpenGuide returns

        // Other guides leave their owner alone.
        counter.paints = 0;
        closer.Arm();
        QVERIFY(OpenGuide(ID_HOWTO_GUIDE, &viewer));
        QCOMPARE(counter.paints, 0);
    }

    void otherCommandsOpenNothing() {
        bool sawDialog = false;
        QTimer::singleShot(0, [&] { sawDialog = QApplication::activeModalWidget() != nullptr; });
        QVERIFY(!OpenGuide(ID_SAMPLING_STOP_REQUEST, nullptr));
        QVERIFY(!OpenGuide(0, nullptr));
        QCoreApplication::processEvents();
        QVERIFY(!sawDialog);
    }

    void theButtonOrItsCommandCloses() {
        CGuideDialog dialog(*GuideContentFor(ID_DATA_EXPLAIN), nullptr);
        dialog.show();
        QVERIFY(!dialog.OnCommand(ID_FRAMEWORK_CANCEL));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.OnCommand(ID_FRAMEWORK_OK));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(GuideDialogTest)
#include "guide_dialog_test.moc"
