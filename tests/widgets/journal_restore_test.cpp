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

class JournalRestoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainDialogHarness> harness;
    std::unique_ptr<CVeldrioDlg> dialog;
    std::unique_ptr<JournalKeeper> keeper;

    const std::string& JournalPath() const { return keeper->paths().journal; }
    const std::vector<platform::MessageBoxCall>& Boxes() const { return harness->boxes.calls; }

    // A journal of three rows at magnification 2 with a scale and a plane.
    static JournalRecord Record(const std::string& picture) {
        SampleTable table;
        for (auto [x, y] : {std::pair{20, 10}, {60, 10}, {60, 41}})
            table.AddPoint(x, y);
        return {picture, {}, SnapshotOf(table, 2.0), 0.5, "200 150 2 2 3 58 4 57 38 3 37"};
    }
    // The journal text written, the lock taken, the question answered.
    bool Offer(const std::string& text, int answer) {
        if (!WriteJournalFile(JournalPath(), text) || !keeper->Lock()) return false;
        harness->boxes.Answer(answer);
        return dialog->OfferRestore(*keeper);
    }
    bool Offer(const JournalRecord& record, int answer) { return Offer(FormatJournal(record), answer); }
    std::string PlanPicture() const {
        const std::string picture = harness->Path("plan.bmp");
        return WriteImageFile(QString::fromStdString(picture), 60, 40, "BMP") ? picture : std::string();
    }

private slots:
    void init() {
        harness = std::make_unique<MainDialogHarness>();
        dialog = harness->Start();
        keeper = std::make_unique<JournalKeeper>(harness->dir.path().toStdString());
    }

    void cleanup() {
        keeper.reset();
        dialog.reset();
        harness.reset();
    }

    void yesBringsThePictureWithItsRowsAndScaleAndChangesAreKeptAgain() {
        const std::string picture = PlanPicture();
        QVERIFY(Offer(Record(picture), platform::IDYES));
        QCOMPARE(Boxes().size(), size_t(1));
        QCOMPARE(Boxes()[0].text, std::string(texts_undo::RESTORE_QUESTION));
        QVERIFY(Boxes()[0].style & platform::MB_YESNO);

        const CViewImage* image = App().registry.viewImages[0].get();
        QVERIFY(image != nullptr && App().registry.viewers[0] != nullptr);
        QCOMPARE(image->sourcePath, picture);
        QCOMPARE(image->mmPerDot, 0.5);
        QCOMPARE(image->plane.ToText(), Record(picture).plane);
        // The rows were at 200 %; the viewer shows the picture at 100 %.
        const SampleTable& table = App().sampleTable;
        QCOMPARE(table.count, 3);
        QCOMPARE(table.rows[0].x, 10);
        QCOMPARE(table.rows[2].y, 20);
        QVERIFY(App().registry.editWindow != nullptr);
        QCOMPARE(App().registry.editWindow->rowCountText(), QString("3 / 200"));
        QVERIFY(!App().history.CanUndo());  // a fresh start

        // A change reaches the journal within a second; a normal end removes it.
        keeper->Keep();
        {
            UndoRecord record(App().history, ChangeKind::AddPoint);
            App().sampleTable.AddPoint(5, 5);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ReadJournalFile(JournalPath()).record.table.count == 4, 1000);
        const JournalRead read = ReadJournalFile(JournalPath());
        QCOMPARE(read.record.picturePath, picture);
        QCOMPARE(read.record.table.magnification, 1.0);
        QCOMPARE(read.record.mmPerDot, 0.5);
        QCOMPARE(read.record.plane, Record(picture).plane);
        keeper->Finish();
        QVERIFY(!std::filesystem::exists(JournalPath()));
    }

    void aPictureThatIsGoneGivesABlankOneAndSaysSo() {
        QVERIFY(Offer(Record(harness->Path("gone.jpg")), platform::IDYES));
        QCOMPARE(Boxes().size(), size_t(2));
        QVERIFY(QString::fromStdString(Boxes()[1].text).contains("gone.jpg"));
        const CViewImage* image = App().registry.viewImages[0].get();
        QVERIFY(image != nullptr && image->image.HasPicture());
        QCOMPARE(image->image.width(), 640);
        QCOMPARE(App().sampleTable.count, 3);
    }

    void noRemovesTheJournalAndADamagedOneIsSetAside() {
        QVERIFY(!Offer(Record("/nowhere.bmp"), platform::IDNO));
        QVERIFY(!std::filesystem::exists(JournalPath()));
        QVERIFY(App().registry.editWindow == nullptr);

        std::string text = FormatJournal(Record("/nowhere.bmp"));
        text.resize(text.size() - 10);
        QVERIFY(!Offer(text, platform::IDYES));
        QCOMPARE(Boxes().size(), size_t(2));
        QVERIFY(QString::fromStdString(Boxes()[1].text).contains(".damaged"));
        QVERIFY(!std::filesystem::exists(JournalPath()));
        QVERIFY(std::filesystem::exists(JournalPath() + ".damaged"));
    }

    void aJournalInUseIsNotOfferedToASecondProgram() {
        QVERIFY(WriteJournalFile(JournalPath(), FormatJournal(Record("/nowhere.bmp"))));
        QVERIFY(keeper->Lock());
        JournalKeeper second(harness->dir.path().toStdString());
        QVERIFY(!second.Lock());
        QVERIFY(!dialog->OfferRestore(second));
        QVERIFY(Boxes().empty());
        QVERIFY(std::filesystem::exists(JournalPath()));
    }
};

QTEST_MAIN(JournalRestoreTest)
#include "journal_restore_test.moc"
