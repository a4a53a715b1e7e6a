// The Japanese face names of the windows resolve to the installed IPA faces.
#include <QFontInfo>
#include <QTest>

#include "platform/fonts.h"

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void faceNamesMapToIpaFaces() {
        const QFont fixed = platform::MakeFont(platform::kFixedGothic, 9);
        QCOMPARE(QFontInfo(fixed).family(), QStringLiteral("IPAGothic"));
        for (const char* face : {platform::kProportionalGothic, "ＭＳ P ゴシック", platform::kDialogFace})
            QCOMPARE(QFontInfo(platform::MakeFont(face, 9)).family(), QStringLiteral("IPAPGothic"));
    }

    void pointSizeBecomesThePixelHeightOfTheScreen() {
        const QFont font = platform::MakeFont(platform::kFixedGothic, 9);
        QCOMPARE(font.pixelSize(), platform::PointsToPixelHeight(9, platform::ScreenLogicalDpiY()));
        // A fixed-pitch face: a double-byte character takes two cells.
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8("画")),
                 2 * platform::AverageCharWidth(font));
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
