// A long session in the windows: viewers opened and closed, sampling clicks
// with corrections, magnification changes and calculations, over and over.
// The memory held at the end stays within 10 % of what it was after the
// first round: the resident size in a plain build; under AddressSanitizer,
// whose quarantine of freed blocks fills the resident size on its own, the
// bytes the program holds allocated. In the sanitized run LeakSanitizer
// checks at the end that nothing leaked.
#include <QEventLoop>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>

#include "app/app_context.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"
#include "dialogs/ratio_def.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's count of the bytes allocated and not yet freed.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int ROUNDS = 50;
constexpr int OPENS_PER_ROUND = 4;        // 200 viewer open/close cycles
constexpr int CLICKS_PER_ROUND = 20;      // 1,000 sampling clicks
constexpr int MAGNIFICATIONS_PER_ROUND = 2;  // 100 magnification changes
// and one calculation per round: 50

// Kilobytes the process holds: allocated under AddressSanitizer, else resident.
long HeldKilobytes() {
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
#endif
}

// Changes the viewer's magnification to percent through its dialog.
void Magnify(CGazoView& viewer, int percent) {
    QTimer::singleShot(0, [percent] {
        auto* dialog = qobject_cast<CRatioDef*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        for (int i = 0; i < 500 && dialog->workingPercent() != percent; ++i)
            dialog->OnCommand(IDC_RATIO_ARROWS, dialog->workingPercent() < percent ? -1 : 1);
        dialog->OnCommand(ID_FRAMEWORK_OK, 0);
    });
    viewer.OnCommand(ID_MAGNIFICATION, 0);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;

    CGazoView* Open() { return OpenViewer(world->main, 0, 400, 300); }

    // Clicks a clockwise circle of points, corrects one with Ctrl and the
    // arrows, changes the magnification, calculates.
    void WorkIn(CGazoView* viewer, int round) {
        CEditData* edit = App().registry.editWindow;
        QVERIFY(edit != nullptr);
        App().sampleTable.ClearTable();
        qobject_cast<QPushButton*>(edit->Control(IDC_SAMPLING_START))->click();
        for (int i = 0; i < CLICKS_PER_ROUND; ++i) {
            const double angle = 2 * M_PI * i / CLICKS_PER_ROUND;
            const QPoint at(150 + int(std::lround(100 * std::cos(angle))), 150 + int(std::lround(100 * std::sin(angle))));
            QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(App().sampleTable.count, CLICKS_PER_ROUND);
        edit->OnCommand(IDC_SAMPLING_STOP, 0);
        viewer->OnCommand(ID_CORRECTION_START, 0);
        QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(250, 150));
        QTest::keyClick(viewer, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(viewer, Qt::Key_Left, Qt::ControlModifier);
        viewer->OnCommand(ID_CORRECTION_END, 0);
        for (int i = 0; i < MAGNIFICATIONS_PER_ROUND; ++i) Magnify(*viewer, i % 2 == 0 ? 150 + round % 3 * 10 : 100);
        qobject_cast<QPushButton*>(edit->Control(IDC_CALCULATE))->click();
        QCOMPARE(App().sampleTable.workState, int(WS_CALCULATED));
        world->boxes.calls.clear();
    }

    void Round(int round) {
        for (int i = 0; i < OPENS_PER_ROUND; ++i) {
            CGazoView* viewer = Open();
            QVERIFY(viewer != nullptr);
            if (i == OPENS_PER_ROUND - 1) WorkIn(viewer, round);
            viewer->close();
            RunEventLoopOnce();
            ProcessDeferredDeletes();
        }
    }

    // As the program's event loop does between two user actions: handles
    // what is pending, deferred deletions included.
    static void RunEventLoopOnce() {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }

private slots:
    void longSessionHoldsItsMemory() {
        world = std::make_unique<ViewerTestWorld>();
        Round(0);
        if (QTest::currentTestFailed()) return;
        const long afterFirst = HeldKilobytes();
        for (int round = 1; round < ROUNDS; ++round) {
            Round(round);
            if (QTest::currentTestFailed()) return;
        }
        const long atEnd = HeldKilobytes();
        std::printf("memory held: %ld kB after the first round, %ld kB at the end\n", afterFirst, atEnd);
        QVERIFY2(atEnd <= afterFirst + afterFirst / 10, "the memory held grew by more than 10 %");
        if (App().registry.editWindow) App().registry.editWindow->close();
        ProcessDeferredDeletes();
        world.reset();
        ProcessDeferredDeletes();
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
