// The data edit window beside a viewer, under the offscreen platform: typing
// and moving in the grid, paging, row commands, sampling, calculation, Clear,
// printing and CSV export from the menus, the refusal while the viewer
// corrects, the trace and closing.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "data/report_printing.h"
#include "image/view_image.h"
#include "platform/file_dialog_recorder.h"
#include "platform/fonts.h"
#include "platform/shared_memory_trace.h"
#include "res/ids.h"
#include "support/guide_closer.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"

namespace {

SampleTable& Table() { return App().sampleTable; }

QString CellText(CEditData& edit, int line, int column) { return edit.cell(line, column)->text(); }

// A square of side 20 at (10, 10), clockwise, of type 1 rows.
void AddSquare(CEditData& edit) {
    Table().AddPoint(10, 10);
    Table().AddPoint(30, 10);
    Table().AddPoint(30, 30);
    Table().AddPoint(10, 30);
    edit.ShowLastRow();
}

QRgb PixelAt(QWidget* widget, QPoint at) { return widget->grab().toImage().pixel(at); }

// Leftmost and rightmost columns of dark pixels in image within columns
// from..to and rows top..bottom; (width, -1) when there are none.
std::pair<int, int> InkColumns(const QImage& image, int from, int to, int top, int bottom) {
    std::pair<int, int> ink{image.width(), -1};
    for (int y = top; y <= bottom; ++y)
        for (int x = from; x <= to; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ink.first = std::min(ink.first, x);
                ink.second = std::max(ink.second, x);
            }
    return ink;
}

// The cell's whole text fits its text room in the font it is shown in, and
// its glyphs are drawn inside that room: none is cut at the left edge.
void ExpectShownWhole(CMyEditControl* cell) {
    const QRect room = cell->TextRect();
    const QFontMetrics metrics(cell->font());
    const int advance = metrics.horizontalAdvance(cell->text());
    QVERIFY2(advance < room.width(), qPrintable(cell->text()));
    const QImage image = cell->grab().toImage();
    const auto [left, right] = InkColumns(image, room.left() - 2, room.right() + 2, room.top(), room.bottom());
    QVERIFY(right >= 0);
    QVERIFY2(left >= room.left(), qPrintable(cell->text()));
    // The ink spans as far as the whole text drawn on its own, the first glyph included.
    QImage alone(advance + 20, metrics.height(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        painter.setFont(cell->font());
        painter.drawText(10, metrics.ascent(), cell->text());
    }
    const auto [aloneLeft, aloneRight] = InkColumns(alone, 0, alone.width() - 1, 0, alone.height() - 1);
    QVERIFY2(std::abs((right - left) - (aloneRight - aloneLeft)) <= 1, qPrintable(cell->text()));
}

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace

class EditDataTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    std::unique_ptr<platform::FileDialogRecorder> fileDialogs;
    std::unique_ptr<QTemporaryDir> programDir;
    CGazoView* viewer = nullptr;
    CEditData* edit = nullptr;

    // Types text into the focused cell.
    void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }
    CMyEditControl* Focused() const { return qobject_cast<CMyEditControl*>(QApplication::focusWidget()); }
    void ClickCell(int line, int column) {
        QTest::mouseClick(edit->cell(line, column), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void Press(int id) { qobject_cast<QPushButton*>(edit->Control(id))->click(); }
    const std::vector<platform::MessageBoxCall>& Boxes() const { return world->boxes.calls; }
    QString BoxText(size_t i) const { return QString::fromStdString(Boxes().at(i).text); }
    QString BoxTitle(size_t i) const { return QString::fromStdString(Boxes().at(i).title); }
    QString LastBoxText() const { return QString::fromStdString(Boxes().back().text); }
    QColor StatusFill() const {
        return QColor(PixelAt(edit->client(), edit->StatusBoxRect().topLeft() + QPoint(1, 1)));
    }

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void init() {
        cleanup();  // in case the last case stopped in its set-up
        world = std::make_unique<ViewerTestWorld>();
        fileDialogs = std::make_unique<platform::FileDialogRecorder>();
        programDir = std::make_unique<QTemporaryDir>();
        App().programDir = programDir->path().toStdString();
        viewer = OpenViewer(world->main, 0, 200, 150);
        QVERIFY(viewer != nullptr);
        edit = App().registry.editWindow;
        QVERIFY(edit != nullptr);
        edit->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(edit));
        QTRY_VERIFY(edit->cell(0, 0)->hasFocus());
    }

    void cleanup() {
        if (world && App().registry.editWindow) App().registry.editWindow->close();
        ProcessDeferredDeletes();
        fileDialogs.reset();
        world.reset();
        ProcessDeferredDeletes();
        programDir.reset();
    }

    void startsEmptyAndIdle() {
        QCOMPARE(edit->windowTitle(), QString::fromUtf8("サンプリングデータ編集"));
        QCOMPARE(edit->rowCountText(), QString("0 / 200"));
        QTRY_COMPARE(edit->magnificationText(), QString("100 %"));
        QVERIFY(edit->Control(IDC_SAMPLING_START)->isEnabled());
        QVERIFY(!edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        QCOMPARE(CellText(*edit, 0, 0), QString(" "));
        QCOMPARE(CellText(*edit, 9, 2), QString("        "));
        QCOMPARE(edit->cell(4, 1)->objectName(), QString("10401"));
        // Status box grey for "指示待ち中"; grid origin follows the heading.
        QCOMPARE(StatusFill(), QColor(212, 212, 212));
        const QRect heading = edit->Control(IDC_LABEL_SAMPLING_DATA)->geometry();
        const GridLayout& layout = edit->gridLayout();
        QCOMPARE(layout.origin.x, heading.x() + layout.W);
        QCOMPARE(layout.origin.y, heading.y() + heading.height() + layout.H / 2);
        QCOMPARE(edit->cell(0, 1)->geometry(),
                 QRect(layout.origin.x + 9 * layout.W, layout.origin.y + layout.H, 8 * layout.W, layout.H));
        // Header band dark, row-number column grey.
        QCOMPARE(QColor(PixelAt(edit->client(), QPoint(layout.origin.x + 3 * layout.W, layout.origin.y + 1))),
                 QColor(0, 16, 32));
        QCOMPARE(QColor(PixelAt(edit->client(), QPoint(layout.origin.x + 4 * layout.W, layout.origin.y + layout.H + 2))),
                 QColor(212, 212, 212));
    }

    void typingTypeThenCoordinatesCompletesTheRow() {
        Type("2");
        Key(Qt::Key_Tab);
        QCOMPARE(Focused(), edit->cell(0, 1));
        QCOMPARE(Table().rows[0].type, 2);
        QCOMPARE(Table().count, 0);
        QCOMPARE(CellText(*edit, 0, 0), QString("   2"));
        Type("  15 ");
        Key(Qt::Key_Return);
        QCOMPARE(QByteArray(Table().rows[0].xText), QByteArray("      15"));
        QCOMPARE(Table().count, 0);
        Type("40");
        Key(Qt::Key_Return);
        QCOMPARE(Table().count, 1);
        QCOMPARE(Table().rows[0].x, 15);
        QCOMPARE(Table().rows[0].y, 40);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        QCOMPARE(edit->rowCountText(), QString("1 / 200"));
        QCOMPARE(Focused(), edit->cell(1, 0));
        QCOMPARE(StatusFill(),
                 QColor(255, 128, 64));
        QVERIFY(Boxes().empty());
    }

    void rowCompletedBelowTheDataDoesNotGrowCount() {
        AddSquare(*edit);
        ClickCell(6, 0);
        Type("1");
        Key(Qt::Key_Tab);
        Type("5");
        Key(Qt::Key_Tab);
        Type("6");
        Key(Qt::Key_Tab);
        QCOMPARE(Table().count, 4);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        Press(IDC_PAGE_FIRST);
        QCOMPARE(CellText(*edit, 6, 1), QString("        "));
        // Leaving a cell by a click stores it as well.
        ClickCell(2, 2);
        Focused()->selectAll();
        Type("33");
        ClickCell(0, 0);
        QCOMPARE(QByteArray(Table().rows[2].yText), QByteArray("      33"));
        QCOMPARE(Table().rows[2].y, 33);
    }

    void arrowsAndShiftTabMoveTheCurrentCell() {
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        QCOMPARE(Focused(), edit->cell(2, 0));
        Key(Qt::Key_Right);
        QCOMPARE(Focused(), edit->cell(2, 1));
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        Key(Qt::Key_Left);
        QCOMPARE(Focused(), edit->cell(1, 2));
        Key(Qt::Key_Up);
        QCOMPARE(Focused(), edit->cell(0, 2));
        Key(Qt::Key_Up);  // the first row: nothing moves
        QCOMPARE(Focused(), edit->cell(0, 2));
        QCOMPARE(edit->grid().topRow, 0);
        // The text of a cell reached by a key is selected.
        QCOMPARE(Focused()->selectedText(), Focused()->text());
    }

    void tabFromTheLastCellScrollsTheGrid() {
        for (int i = 0; i < 12; ++i) Table().AddPoint(i, 2 * i);
        edit->RefreshPage();
        ClickCell(9, 2);
        Key(Qt::Key_Tab);
        QCOMPARE(edit->grid().topRow, 1);
        QCOMPARE(Focused(), edit->cell(9, 0));
        QCOMPARE(edit->grid().CurrentRow(), 10);
        QCOMPARE(CellText(*edit, 9, 1), QString("      10"));
        QCOMPARE(CellText(*edit, 0, 1), QString("       1"));
    }

    void escapeRestoresTheTextWithoutMoving() {
        AddSquare(*edit);
        Key(Qt::Key_Right);  // cell (0, 1), its text selected
        Type("77");
        QCOMPARE(Focused()->text(), QString("77"));
        Key(Qt::Key_Escape);
        QCOMPARE(Focused(), edit->cell(0, 1));
        QCOMPARE(Focused()->text(), QString("      10"));
        Key(Qt::Key_Return);
        QCOMPARE(Table().workState, int(WS_IDLE));  // nothing was stored
    }

    void controlVAndOtherCharactersDoNothing() {
        QApplication::clipboard()->setText("123");
        Key(Qt::Key_V, Qt::ControlModifier);
        Type("x1y");
        QCOMPARE(Focused()->text(), QString("1"));
    }

    void longCoordinateIsRefusedWithAMessage() {
        AddSquare(*edit);
        Key(Qt::Key_Right);
        Type("123456789");
        Key(Qt::Key_Return);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(BoxTitle(Boxes().size() - 1), QString::fromUtf8("確認"));
        QCOMPARE(Focused(), edit->cell(0, 1));
        QCOMPARE(Focused()->text(), QString("      10"));
        QCOMPARE(QByteArray(Table().rows[0].xText), QByteArray("      10"));
        // Leaving the cell by a click stores nothing either.
        Type("987654321");
        ClickCell(3, 2);
        QCOMPARE(Boxes().size(), size_t(2));
        QCOMPARE(CellText(*edit, 0, 1), QString("      10"));
        QCOMPARE(Table().rows[0].x, 10);
    }

    void pagingButtonsAndKeysStopAtTheirLimits() {
        for (int i = 0; i < 18; ++i) Press(IDC_PAGE_DOWN);
        QCOMPARE(edit->grid().topRow, 180);
        ClickCell(9, 0);
        for (int i = 0; i < 5; ++i) Key(Qt::Key_Down);
        QCOMPARE(edit->grid().topRow, 185);
        Press(IDC_PAGE_DOWN);
        QCOMPARE(edit->grid().topRow, 189);
        ClickCell(9, 0);
        Key(Qt::Key_Down);
        QCOMPARE(edit->grid().topRow, 189);
        Press(IDC_PAGE_LAST);
        QCOMPARE(edit->grid().topRow, 190);
        Key(Qt::Key_PageUp);
        QCOMPARE(edit->grid().topRow, 180);
        Key(Qt::Key_PageDown);
        QCOMPARE(edit->grid().topRow, 189);
        Press(IDC_PAGE_UP);
        QCOMPARE(edit->grid().topRow, 179);
        Press(IDC_PAGE_FIRST);
        QCOMPARE(edit->grid().topRow, 0);
        // The current cell has the focus again after paging.
        QVERIFY(Focused() != nullptr);
    }

    void pagingKeepsWhatWasTyped() {
        AddSquare(*edit);
        ClickCell(1, 1);
        Focused()->selectAll();
        Type("44");
        Key(Qt::Key_PageDown);
        QCOMPARE(QByteArray(Table().rows[1].xText), QByteArray("      44"));
    }

    void rowKeysInsertDeleteCopyPaste() {
        AddSquare(*edit);
        ClickCell(1, 0);
        Key(Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(Table().count, 5);
        QCOMPARE(CellText(*edit, 1, 0), QString(" "));
        QCOMPARE(CellText(*edit, 2, 1), QString("      30"));
        QCOMPARE(edit->rowCountText(), QString("5 / 200"));
        Key(Qt::Key_Down);
        Key(Qt::Key_D, Qt::ControlModifier);  // deletes (30, 10)
        QCOMPARE(Table().count, 4);
        QCOMPARE(CellText(*edit, 2, 2), QString("      30"));
        Key(Qt::Key_Up);
        Key(Qt::Key_P, Qt::ControlModifier);  // the deleted row into the blank line
        QCOMPARE(Table().rows[1].x, 30);
        QCOMPARE(CellText(*edit, 1, 1), QString("      30"));
        Key(Qt::Key_P, Qt::ControlModifier);  // nothing left to paste
        QCOMPARE(Boxes().size(), size_t(1));
        Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Table().savedCount, 1);
        QCOMPARE(Focused(), edit->cell(1, 0));
    }

    void samplingStartAndStop() {
        Press(IDC_SAMPLING_START);
        QCOMPARE(Table().workState, int(WS_SAMPLING));
        QVERIFY(!edit->Control(IDC_SAMPLING_START)->isEnabled());
        QVERIFY(edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        QCOMPARE(StatusFill(),
                 QColor(255, 255, 0));
        // The viewer stops sampling when its correction starts.
        edit->OnCommand(IDC_SAMPLING_STOP, 0);
        QCOMPARE(Table().workState, int(WS_IDLE));
        QVERIFY(edit->Control(IDC_SAMPLING_START)->isEnabled());
        QVERIFY(!edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        // Stop while not sampling changes nothing.
        Table().workState = WS_CALCULATED;
        edit->OnCommand(IDC_SAMPLING_STOP, 0);
        QCOMPARE(Table().workState, int(WS_CALCULATED));
    }

    void pointsFromTheViewerShowTheLastRow() {
        for (int i = 0; i < 15; ++i) Table().AddPoint(i, i);
        edit->ShowLastRow();
        QCOMPARE(edit->grid().topRow, 5);
        QCOMPARE(edit->rowCountText(), QString("15 / 200"));
        QCOMPARE(CellText(*edit, 9, 1), QString("      14"));
        edit->ShowLastRow();  // already shown: stays
        QCOMPARE(edit->grid().topRow, 5);
        Table().rows[7].x = 99;
        Table().CoordsToText();
        edit->RefreshPage();
        QCOMPARE(CellText(*edit, 2, 1), QString("      99"));
    }

    void calculationRefusals() {
        Press(IDC_CALCULATE);
        QCOMPARE(LastBoxText(),
                 QString::fromUtf8("３点以上定義されていないと計算に入れません"));
        AddSquare(*edit);
        Table().rows[3].type = 2;
        Press(IDC_CALCULATE);
        QCOMPARE(LastBoxText(), QString::fromUtf8("最終点に type=2\tは指定できません"));
        Table().rows[3].type = 1;
        Table().rows[1].type = 0;
        Press(IDC_CALCULATE);
        QCOMPARE(LastBoxText(),
                 QString::fromUtf8("2 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。"));
        QCOMPARE(BoxTitle(Boxes().size() - 1), QString::fromUtf8("計算に入れません"));
        QCOMPARE(Table().workState, int(WS_IDLE));
    }

    void calculationShowsResultsAndALaterEditMarksThem() {
        AddSquare(*edit);
        Press(IDC_SAMPLING_START);
        Press(IDC_CALCULATE);
        QVERIFY(Boxes().empty());
        QCOMPARE(Table().workState, int(WS_CALCULATED));
        QCOMPARE(App().calc.results.shown.A, 400.0);
        QCOMPARE(App().calc.results.R, 1.0);
        QVERIFY(edit->Control(IDC_SAMPLING_START)->isEnabled());
        QVERIFY(!edit->Control(IDC_SAMPLING_STOP)->isEnabled());
        QCOMPARE(StatusFill(),
                 QColor(128, 255, 255));
        const QRect box = edit->ResultBoxRect();
        QCOMPARE(QColor(PixelAt(edit->client(), box.topLeft() + QPoint(1, 1))), QColor(Qt::white));
        // Some text is drawn in the box.
        const QImage image = edit->client()->grab(box).toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 100;
        QVERIFY(dark > 100);

        ClickCell(0, 1);
        Focused()->selectAll();
        Type("12");
        Key(Qt::Key_Return);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        QCOMPARE(App().calc.results.shown.A, 400.0);
    }

    void calculationUsesTheViewersMagnification() {
        viewer->viewImage()->displayScale = 2.0;
        AddSquare(*edit);
        Press(IDC_CALCULATE);
        QCOMPARE(App().calc.results.R, 2.0);
        QCOMPARE(App().calc.results.source.A, 100.0);
    }

    void clearAsksFirst() {
        Press(IDC_CLEAR);
        QCOMPARE(LastBoxText(), QString::fromUtf8("有効なデータはありません"));
        AddSquare(*edit);
        Press(IDC_CALCULATE);
        world->boxes.Answer(platform::IDNO);
        Press(IDC_CLEAR);
        QCOMPARE(Table().count, 4);
        QCOMPARE(CellText(*edit, 0, 1), QString("      10"));
        world->boxes.Answer(platform::IDYES);
        Press(IDC_CLEAR);
        QCOMPARE(Table().count, 0);
        QCOMPARE(Table().workState, int(WS_IDLE));
        QCOMPARE(CellText(*edit, 0, 1), QString("        "));
        QCOMPARE(edit->rowCountText(), QString("0 / 200"));
        QCOMPARE(App().calc.results.shown.A, 400.0);  // the result box keeps the last values
    }

    void printingRefusedBeforeACalculation() {
        for (int id : {ID_PRINT_RESULTS, ID_PRINT_INCLINED, ID_PRINT_DETAIL}) {
            edit->OnCommand(id, 0);
            QCOMPARE(LastBoxText(), QString::fromUtf8("計算が完了しておらず印刷できません"));
        }
        QVERIFY(!QFile::exists(programDir->filePath("CalRslt.txt")));
    }

    void printingWritesTheReportAndStartsThePrintProgram() {
        // A print program that writes down its arguments, one a line.
        const QString program = QString::fromStdString(PrintProgramPath(App().programDir));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.tmp\"\n"
                     "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args.txt\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        AddSquare(*edit);
        Press(IDC_CALCULATE);
        const struct {
            int id;
            const char* file;
        } reports[] = {{ID_PRINT_RESULTS, "CalRslt.txt"},
                       {ID_PRINT_INCLINED, "InclRslt.txt"},
                       {ID_PRINT_DETAIL, "DetailDat.txt"}};
        for (const auto& report : reports) {
            QFile::remove(programDir->filePath("args.txt"));
            edit->OnCommand(report.id, 0);
            QVERIFY(Boxes().empty());
            const QString path = programDir->filePath(report.file);
            QVERIFY(QFile::exists(path));
            QTRY_VERIFY(QFile::exists(programDir->filePath("args.txt")));
            const std::string expected =
                "Lurm.exe\nF=" + path.toStdString() + "\nPF=" + report.file + "\nCV=1\n";
            QCOMPARE(ReadFile(programDir->filePath("args.txt")), expected);
        }
        QVERIFY(ReadFile(programDir->filePath("CalRslt.txt")).find("400.00") != std::string::npos);
    }

    void reportThatCannotBeWrittenLosesNothing() {
        AddSquare(*edit);
        Press(IDC_CALCULATE);
        App().programDir = programDir->filePath("missing").toStdString();
        edit->OnCommand(ID_PRINT_RESULTS, 0);
        QCOMPARE(Boxes().size(), size_t(2));
        QCOMPARE(BoxText(0), QString::fromUtf8("ファイルのオープンに失敗しました"));
        QCOMPARE(BoxTitle(1), QString::fromUtf8("確認要求"));
        QCOMPARE(Table().count, 4);
        QCOMPARE(Table().workState, int(WS_CALCULATED));
        QCOMPARE(App().calc.results.shown.A, 400.0);
    }

    void csvExportAsksWhenNotCalculatedAndRemembersTheFolder() {
        AddSquare(*edit);
        world->boxes.Answer(platform::IDNO);
        edit->OnCommand(ID_EXPORT_CSV, 0);
        QCOMPARE(LastBoxText(),
                 QString::fromUtf8("計算が完了していないか、データが修正されています。\n\n出力しますか？"));
        QVERIFY(fileDialogs->requests.empty());

        Press(IDC_CALCULATE);
        QVERIFY(QDir(programDir->path()).mkdir("out"));
        const QString first = programDir->filePath("out/one.csv");
        fileDialogs->Choose(first.toStdString());
        const size_t before = Boxes().size();
        edit->OnCommand(ID_EXPORT_CSV, 0);
        QCOMPARE(fileDialogs->requests.size(), size_t(1));
        const platform::FileDialogRequest& request = fileDialogs->requests[0];
        QVERIFY(request.save);
        QCOMPARE(QString::fromStdString(request.defaultExt), QString("csv"));
        QCOMPARE(QString::fromStdString(request.fileName), QString("*.csv"));
        QCOMPARE(QString::fromStdString(request.filter),
                 QString("csv (*.csv)|*.csv|dat (*.dat)|*.dat|All Files (*.*)|*.*||"));
        QCOMPARE(QString::fromStdString(request.initialDir), programDir->path());
        QVERIFY(!(request.options & platform::OFN_OVERWRITEPROMPT));
        QVERIFY(request.options & platform::OFN_HIDEREADONLY);
        QCOMPARE(Boxes().size(), before + 1);
        QCOMPARE(LastBoxText(), QString::fromUtf8("指定Csvファイルに書込みました"));
        const std::string csv = ReadFile(first);
        QVERIFY(csv.find("type,x,y\r\n1,      10,      10\r\n") != std::string::npos);

        fileDialogs->Cancel();
        edit->OnCommand(ID_EXPORT_CSV, 0);
        QCOMPARE(QString::fromStdString(fileDialogs->requests[1].initialDir), programDir->filePath("out"));
    }

    void csvThatCannotBeWrittenShowsBothMessages() {
        AddSquare(*edit);
        Press(IDC_CALCULATE);
        fileDialogs->Choose(programDir->filePath("missing/x.csv").toStdString());
        edit->OnCommand(ID_EXPORT_CSV, 0);
        QCOMPARE(Boxes().size(), size_t(2));
        QCOMPARE(BoxText(0), QString::fromUtf8("ファイルのオープンに失敗しました"));
        QCOMPARE(BoxText(1), QString::fromUtf8("Csv ファイル書込みに失敗しました"));
        QCOMPARE(Table().count, 4);
        QCOMPARE(Table().workState, int(WS_CALCULATED));
    }

    void readingAnOutlineBackShowsItFromTheFirstRowWithEveryTextWhole() {
        for (int i = 0; i < 25; ++i) Table().AddPoint(i, 3 * i);
        edit->ShowLastRow();
        QCOMPARE(edit->grid().topRow, 15);
        const QString path = programDir->filePath("outline.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A sound outline (reading back refuses crossings and far arcs).
        file.write("1,400.0000,23999.91\n1,-12.5,10\n1,500,20\n1,600,10\n");
        file.close();
        fileDialogs->Choose(path.toStdString());
        edit->OnCommand(ID_REOPEN_OUTLINE, 0);
        QCOMPARE(fileDialogs->requests.size(), size_t(1));
        QVERIFY(!fileDialogs->requests[0].save);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(LastBoxText(), QString::fromUtf8("現在のサンプリングデータを読込みデータで置き換えていいですか？"));
        QCOMPARE(Boxes().back().style, unsigned(platform::MB_YESNO));
        QCOMPARE(Table().count, 4);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        QCOMPARE(edit->grid().topRow, 0);
        QCOMPARE(edit->rowCountText(), QString("4 / 200"));
        QCOMPARE(CellText(*edit, 0, 1), QString("400.0000"));
        QCOMPARE(CellText(*edit, 0, 2), QString("23999.91"));
        ExpectShownWhole(edit->cell(0, 1));
        ExpectShownWhole(edit->cell(0, 2));
        // A short text keeps the cell's own font; a long one typed is shrunk too.
        QCOMPARE(edit->cell(1, 2)->font(), edit->cell(1, 2)->TextFont());
        ClickCell(1, 1);
        Focused()->selectAll();
        Type("-1234.56");
        Key(Qt::Key_Return);
        QCOMPARE(QByteArray(Table().rows[1].xText), QByteArray("-1234.56"));
        ExpectShownWhole(edit->cell(1, 1));

        // A file that cannot be read: its message, the table as it was.
        fileDialogs->Choose(programDir->filePath("missing.csv").toStdString());
        edit->OnCommand(ID_REOPEN_OUTLINE, 0);
        QCOMPARE(LastBoxText(), QString::fromUtf8("ファイルの読込みに失敗しました"));
        QCOMPARE(Table().count, 4);
    }

    void replacedTableShowsFromItsFirstRow() {
        for (int i = 0; i < 25; ++i) Table().AddPoint(i, 3 * i);
        edit->ShowLastRow();
        QCOMPARE(edit->grid().topRow, 15);
        // A trace in the viewer replaces the whole table.
        Table().ClearTable();
        for (int i = 0; i < 12; ++i) Table().AddPoint(100 + i, 5);
        EditLink* link = App().registry.EditWindowLink();
        QVERIFY(link != nullptr);
        link->RowsReplaced();
        QCOMPARE(edit->grid().topRow, 0);
        QCOMPARE(CellText(*edit, 0, 1), QString("     100"));
        QCOMPARE(CellText(*edit, 9, 1), QString("     109"));
        QCOMPARE(edit->rowCountText(), QString("12 / 200"));
    }

    void clickWhileTheViewerCorrectsIsRefused() {
        AddSquare(*edit);
        Table().workState = WS_VIEWER_SEARCH;
        ClickCell(2, 1);
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(BoxText(0),
                 QString::fromUtf8("画像Viewer でデータ修正中です。\nメニューを使ってデータ修正を終了させてください。"));
        QCOMPARE(BoxTitle(0), QString::fromUtf8("確認"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(viewer));
        QVERIFY(!edit->cell(2, 1)->hasFocus());
        // A button is refused the same way.
        QTest::mouseClick(edit->Control(IDC_CLEAR), Qt::LeftButton);
        QCOMPARE(Boxes().size(), size_t(2));
        QCOMPARE(Table().count, 4);
        QCOMPARE(Table().workState, int(WS_VIEWER_SEARCH));
    }

    void mouseClicksToggleCaretMode() {
        AddSquare(*edit);
        ClickCell(0, 1);
        QVERIFY(edit->CaretMode());
        QVERIFY(edit->cell(0, 1)->hasFocus());
        const int caret = Focused()->cursorPosition();
        Key(Qt::Key_Left);  // stays in the cell
        QCOMPARE(Focused(), edit->cell(0, 1));
        QCOMPARE(Focused()->cursorPosition(), std::max(caret - 1, 0));
        ClickCell(0, 1);
        QVERIFY(!edit->CaretMode());
        QCOMPARE(Focused()->selectedText(), Focused()->text());
        Key(Qt::Key_Left);
        QCOMPARE(Focused(), edit->cell(0, 0));
    }

    void traceWritesIntoTheMonitorsSharedMemory() {
        // No shared memory: nothing happens.
        shm_unlink(platform::TRACE_SHARED_MEMORY);
        QVERIFY(edit->OnCommand(ID_DIAGNOSTIC_TRACE, 0));

        const int fd = shm_open(platform::TRACE_SHARED_MEMORY, O_CREAT | O_EXCL | O_RDWR, 0600);
        if (fd < 0) QSKIP("the monitor's shared memory is in use");
        QVERIFY(ftruncate(fd, platform::TRACE_MAPPING_SIZE) == 0);
        ClickCell(4, 2);
        edit->OnCommand(ID_DIAGNOSTIC_TRACE, 0);
        auto* m = static_cast<unsigned char*>(
            mmap(nullptr, platform::TRACE_MAPPING_SIZE, PROT_READ, MAP_SHARED, fd, 0));
        close(fd);
        shm_unlink(platform::TRACE_SHARED_MEMORY);
        QVERIFY(m != MAP_FAILED);
        int32_t counter = 0;
        std::memcpy(&counter, m + 4, 4);
        QCOMPARE(counter, 3);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m + 8 + 9)), QByteArray("Test1/ EditLSr=4 EditCell=2"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m + 8 + 1034 + 9)),
                 QByteArray("Test2/ EditLSr=4 EditCell=2"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m + 8 + 2 * 1034 + 9)),
                 QByteArray("Test3/ EditLSr=4 EditCell=2"));
        munmap(m, platform::TRACE_MAPPING_SIZE);
    }

    void guidanceItemsOpenTheirGuideBesideTheWindow() {
        const QRect frame = edit->frameGeometry();
        const QStringList titles = {"手順ガイド", "データ編集ガイド", "データ説明"};
        int k = 0;
        for (int id : {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN}) {
            GuideCloser closer;
            closer.Arm();
            QVERIFY(edit->OnCommand(id, 0));
            QVERIFY(closer.closed);
            QCOMPARE(closer.title, titles[k++]);
            QCOMPARE(closer.place, QPoint(frame.x() + frame.width() + 1, frame.y()));
        }
        QVERIFY(!edit->OnCommand(12345, 0));
    }

    void destroyedWhileShownWithATypedCell() {
        AddSquare(*edit);
        ClickCell(1, 1);
        Type("123456789");  // would be refused if it were stored
        delete edit;
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(Boxes().empty());
        QCOMPARE(Table().rows[1].x, 30);
    }

    void closingClosesTheViewerAndTellsTheMainDialog() {
        edit->OnCommand(ID_WINDOW_CLOSE, 0);
        ProcessDeferredDeletes();
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(App().registry.viewers[0] == nullptr);
        bool told = false;
        for (const auto& command : world->main.commands) told |= command.first == ID_EDITWND_CLOSED;
        QVERIFY(told);
    }
};

QTEST_MAIN(EditDataTest)
#include "edit_data_test.moc"
