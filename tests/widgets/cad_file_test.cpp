// Drawings from the edit window's file menu: "DXF読込み" opens a blank
// picture of the drawing beside the edit window with its real-unit scale
// and the outline as rows on it; a refused drawing only tells why; after
// a calculation "DXF/SVG出力" writes the drawing and the picture.
#include <QFile>
#include <QTest>

#include <cmath>

#include <fstream>
#include <memory>
#include <sstream>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "support/image_files.h"
#include "support/main_dialog_harness.h"

class CadFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;

    std::string Write(const char* name, const std::string& text) {
        const std::string path = harness->Path(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // A 60 x 30 mm plate with a round end (radius 15) on layer 0.
    static std::string Plate(const std::string& extra = {}) {
        return "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
               "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n45\n21\n0\n"
               "0\nLINE\n8\n0\n10\n0\n20\n30\n11\n0\n21\n0\n"
               "0\nARC\n8\n0\n10\n45\n20\n15\n40\n15\n50\n270\n51\n90\n"
               "0\nLINE\n8\n0\n10\n45\n20\n30\n11\n0\n21\n30\n" +
               extra + "0\nENDSEC\n0\nEOF\n";
    }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
        const std::string picture = harness->Path("photo.bmp");
        QVERIFY(WriteImageFile(QString::fromStdString(picture), 40, 30, "BMP"));
        dialog->OnDropFiles({picture});
        QTest::mouseDClick(dialog->client(), Qt::LeftButton, Qt::NoModifier, dialog->PreviewBox().center());
        QVERIFY(App().registry.editWindow != nullptr);
    }

    void cleanup() {
        dialog.reset();
        harness.reset();
    }

    void importOpensTheDrawingOnABlankPictureAndExportWritesItBack() {
        CEditData* edit = App().registry.editWindow;
        harness->fileDialogs.Choose(Write("plate.dxf", Plate()));
        edit->OnCommand(ID_IMPORT_DXF, 0);
        QVERIFY(harness->boxes.calls.empty());
        // 66 x 36 mm with the margins, at 40 dots a millimetre.
        const int slot = App().registry.editViewerSlot;
        QCOMPARE(slot, 1);
        const CViewImage& view = *App().registry.viewImages[std::size_t(slot)];
        QCOMPARE(view.image.width(), 2640);
        QCOMPARE(view.image.height(), 1440);
        QCOMPARE(view.mmPerDot, 0.025);
        const SampleTable& table = App().sampleTable;
        QCOMPARE(table.count, 7);  // 3 lines, the half turn as two arcs
        QCOMPARE(table.workState, int(WS_MODIFIED));
        QCOMPARE(edit->rowCountText(), QString("7 / 200"));

        edit->OnCommand(IDC_CALCULATE, 0);
        QCOMPARE(table.workState, int(WS_CALCULATED));
        const double mm2 = App().calc.results.source.A * view.mmPerDot * view.mmPerDot;
        QVERIFY(std::abs(mm2 - (45 * 30 + 3.14159265358979 * 225 / 2)) < 1e-3);

        const std::string out = harness->Path("out.dxf");
        harness->fileDialogs.Choose(out);
        edit->OnCommand(ID_EXPORT_CAD, 0);
        QVERIFY(harness->boxes.calls.empty());
        std::stringstream dxf;
        dxf << std::ifstream(out).rdbuf();
        QVERIFY(dxf.str().find("$INSUNITS\r\n70\r\n4\r\n") != std::string::npos);
        QVERIFY(dxf.str().find("ARC\r\n8\r\nOUTLINE") != std::string::npos);
        QVERIFY(QFile::exists(QString::fromStdString(harness->Path("out.svg"))));
    }

    void refusedDrawingTellsWhyAndOpensNothing() {
        CEditData* edit = App().registry.editWindow;
        harness->fileDialogs.Choose(Write("spline.dxf", Plate("0\nSPLINE\n5\n2A\n8\n0\n")));
        edit->OnCommand(ID_IMPORT_DXF, 0);
        QCOMPARE(harness->boxes.calls.size(), size_t(1));
        QVERIFY(QString::fromStdString(harness->boxes.calls[0].text).contains("SPLINE (ハンドル 2A)"));
        QCOMPARE(App().registry.editViewerSlot, 0);
        QCOMPARE(App().sampleTable.count, 0);
        // Nothing calculated yet: nothing to export.
        edit->OnCommand(ID_EXPORT_CAD, 0);
        QCOMPARE(harness->boxes.calls.size(), size_t(2));
        QVERIFY(harness->fileDialogs.requests.size() == 1);
    }
};

QTEST_MAIN(CadFileTest)
#include "cad_file_test.moc"
