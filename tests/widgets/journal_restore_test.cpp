// The work kept in the journal and offered back by the main dialog: Yes
// brings the picture with its rows and scale, a picture that is gone gives
// a blank one and a message, No removes the journal, a damaged journal is
// set aside with a message; a second program does not offer a journal in
// use; a change reaches the journal within a second and a normal end
// removes it.
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/app_context.h"
#include "app/journal_keeper.h"
#include "data/edit_data.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/texts_undo.h"
#include "support/image_files.h"
#include "support/main_dialog_harness.h"
#include "viewer/gazo_view.h"

class JournalRestoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;

    std::string Folder() const { return harness->dir.path().toStdString(); }
    JournalPaths Paths() const { return JournalPathsIn(Folder()); }

    // A journal of three rows at magnification 2 with a scale.
    JournalRecord Record(const std::string& picture) const {
        SampleTable table;
        table.AddPoint(20, 10);
        table.AddPoint(60, 10);
        table.AddPoint(60, 41);
        JournalRecord record;
        record.picturePath = picture;
        record.table = SnapshotOf(table, 2.0);
        record.mmPerDot = 0.5;
        record.plane = "200 150 2 2 3 58 4 57 38 3 37";
        return record;
    }
    void WriteJournal(const JournalRecord& record) const {
        QVERIFY(WriteJournalFile(Paths().journal, FormatJournal(record)));
    }
    const std::vector<platform::MessageBoxCall>& Boxes() const { return harness->boxes.calls; }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
    }

    void cleanup() {
        dialog.reset();
        harness.reset();
    }

    void yesBringsThePictureWithItsRowsAndScale() {
        const std::string picture = harness->Path("plan.bmp");
        QVERIFY(WriteImageFile(QString::fromStdString(picture), 60, 40, "BMP"));
        WriteJournal(Record(picture));
        JournalKeeper keeper(Folder());
        QVERIFY(keeper.Lock());
        harness->boxes.Answer(platform::IDYES);
        QVERIFY(dialog->OfferRestore(keeper));
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Boxes()[0].text, std::string(texts_undo::RESTORE_QUESTION));
        QVERIFY(Boxes()[0].style & platform::MB_YESNO);

        CViewImage* image = App().registry.viewImages[0].get();
        QVERIFY(image != nullptr && App().registry.viewers[0] != nullptr);
        QCOMPARE(image->sourcePath, picture);
        QCOMPARE(image->mmPerDot, 0.5);
        QCOMPARE(image->plane.ToText(), Record(picture).plane);
        // The rows were at 200 %; the viewer shows the picture at 100 %.
        const SampleTable& table = App().sampleTable;
        QCOMPARE(table.count, 3);
        QCOMPARE(table.rows[0].x, 10);
        QCOMPARE(table.rows[2].y, 20);
        CEditData* edit = App().registry.editWindow;
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->rowCountText(), QString("3 / 200"));
        QVERIFY(!App().history.CanUndo());  // a fresh start
    }

    void aPictureThatIsGoneGivesABlankOneAndSaysSo() {
        WriteJournal(Record(harness->Path("gone.jpg")));
        JournalKeeper keeper(Folder());
        QVERIFY(keeper.Lock());
        harness->boxes.Answer(platform::IDYES);
        QVERIFY(dialog->OfferRestore(keeper));
        QCOMPARE(Boxes().size(), size_t(2));
        QVERIFY(QString::fromStdString(Boxes()[1].text).contains("gone.jpg"));
        const CViewImage* image = App().registry.viewImages[0].get();
        QVERIFY(image != nullptr && image->image.HasPicture());
        QCOMPARE(image->image.width(), 640);
        QCOMPARE(App().sampleTable.count, 3);
    }

    void noRemovesTheJournal() {
        WriteJournal(Record("/nowhere.bmp"));
        JournalKeeper keeper(Folder());
        QVERIFY(keeper.Lock());
        harness->boxes.Answer(platform::IDNO);
        QVERIFY(!dialog->OfferRestore(keeper));
        QVERIFY(!std::filesystem::exists(Paths().journal));
        QVERIFY(App().registry.editWindow == nullptr);
    }

    void aDamagedJournalIsSetAsideWithAMessage() {
        std::string text = FormatJournal(Record("/nowhere.bmp"));
        text.resize(text.size() - 10);
        QVERIFY(WriteJournalFile(Paths().journal, text));
        JournalKeeper keeper(Folder());
        QVERIFY(keeper.Lock());
        QVERIFY(!dialog->OfferRestore(keeper));
        QCOMPARE(Boxes().size(), size_t(1));
        QVERIFY(QString::fromStdString(Boxes()[0].text).contains(".damaged"));
        QVERIFY(!std::filesystem::exists(Paths().journal));
        QVERIFY(std::filesystem::exists(Paths().journal + ".damaged"));
    }

    void aJournalInUseIsNotOfferedToASecondProgram() {
        WriteJournal(Record("/nowhere.bmp"));
        JournalKeeper running(Folder());
        QVERIFY(running.Lock());
        JournalKeeper second(Folder());
        QVERIFY(!second.Lock());
        QVERIFY(!dialog->OfferRestore(second));
        QVERIFY(Boxes().empty());
        QVERIFY(std::filesystem::exists(Paths().journal));
    }

    void aChangeIsKeptWithinASecondAndANormalEndRemovesIt() {
        const std::string picture = harness->Path("plan.bmp");
        QVERIFY(WriteImageFile(QString::fromStdString(picture), 60, 40, "BMP"));
        WriteJournal(Record(picture));
        JournalKeeper keeper(Folder());
        QVERIFY(keeper.Lock());
        harness->boxes.Answer(platform::IDYES);
        QVERIFY(dialog->OfferRestore(keeper));
        keeper.Keep();
        {
            UndoRecord record(App().history, ChangeKind::AddPoint);
            App().sampleTable.AddPoint(5, 5);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ReadJournalFile(Paths().journal).record.table.count == 4, 1000);
        const JournalRead read = ReadJournalFile(Paths().journal);
        QCOMPARE(read.record.picturePath, picture);
        QCOMPARE(read.record.table.magnification, 1.0);
        QCOMPARE(read.record.mmPerDot, 0.5);
        QCOMPARE(read.record.plane, Record(picture).plane);
        keeper.Finish();
        QVERIFY(!std::filesystem::exists(Paths().journal));
    }
};

QTEST_MAIN(JournalRestoreTest)
#include "journal_restore_test.moc"
