// Every fixed text of the main dialog and of the data edit window lies
// inside its control, in the Japanese faces, at the control's template
// place: run once as it is and once at a device pixel ratio of 2
// (QT_SCALE_FACTOR=2, see tests/CMakeLists.txt).
#include <QtTest>

#include <memory>

#include "app/hint_text.h"
#include "data/edit_data.h"
#include "platform/fonts.h"
#include "res/ids.h"
#include "res/texts_app.h"
#include "support/main_dialog_harness.h"
#include "support/viewer_fixture.h"

namespace {

// The texts of client's fixed-text controls that spill out of them; empty
// when every one fits.
QStringList Spilling(const QWidget& client) {
    QStringList spilling;
    const QList<CHintText*> texts = client.findChildren<CHintText*>();
    for (CHintText* text : texts) {
        if (text->text().isEmpty()) continue;
        const TextFit fit = text->Fit();
        const QRectF box = text->contentsRect();
        const QRectF laidOut = fit.bounds.translated(box.topLeft());
        if (!box.contains(laidOut) || fit.lines < 1)
            spilling << QStringLiteral("%1: %2 lines, %3x%4 in %5x%6 at %7 pt")
                            .arg(text->text())
                            .arg(fit.lines)
                            .arg(laidOut.width())
                            .arg(laidOut.height())
                            .arg(box.width())
                            .arg(box.height())
                            .arg(fit.font.pointSizeF());
    }
    return spilling;
}

CHintText* HintWithText(const QWidget& client, const char* text) {
    for (CHintText* hint : client.findChildren<CHintText*>())
        if (hint->text() == QString::fromUtf8(text)) return hint;
    return nullptr;
}

}  // namespace

class StaticTextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void mainDialogHintsFitTheirTemplatePlaces() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        QCOMPARE(dialog->client()->findChildren<CHintText*>().size(), 4);
        QCOMPARE(Spilling(*dialog->client()).join("; "), QString());

        // The longest hint keeps its place and size, and stays legible.
        CHintText* drop = HintWithText(*dialog->client(), texts::HINT_DROP);
        QVERIFY(drop);
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2"))
            QCOMPARE(drop->devicePixelRatioF(), 2.0);
        QCOMPARE(drop->geometry(), MainDialogHarness::Dlu(*dialog, 32, 56, 128, 12));
        QVERIFY2(drop->Fit().font.pointSizeF() >= 6.0,
                 qPrintable(QString::number(drop->Fit().font.pointSizeF())));
        // A short hint keeps the dialog's own font.
        CHintText* formats = HintWithText(*dialog->client(), texts::HINT_FORMATS);
        QVERIFY(formats);
        QCOMPARE(formats->Fit().font.pointSizeF(), formats->font().pointSizeF());

        // And it is drawn: dark ink on the dialog's background.
        const QImage picture = drop->grab().toImage();
        int ink = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ink += qGray(picture.pixel(x, y)) < 96 ? 1 : 0;
        QVERIFY(ink > 20);
    }

    void editWindowTextsFitAndFollowTheirText() {
        ViewerTestWorld world;
        QVERIFY(OpenViewer(world.main, 0, 200, 150) != nullptr);
        CEditData* edit = App().registry.editWindow;
        QVERIFY(edit);
        QCOMPARE(Spilling(*edit->client()).join("; "), QString());

        // A text set later is fitted as well.
        auto* scale = qobject_cast<CHintText*>(edit->Control(IDC_SCALE_TEXT));
        QVERIFY(scale);
        scale->setText(
            QString::fromUtf8("実寸スケール：１ドット＝０．１２３４５６ｍｍ（画像上の２点で測った値）"));
        QCOMPARE(Spilling(*edit->client()).join("; "), QString());
        QCOMPARE(scale->Fit().lines, 1);
        edit->close();
        ProcessDeferredDeletes();
    }
};

QTEST_MAIN(StaticTextFitTest)
#include "static_text_fit_test.moc"
