// The English interface as a user walks through it: the main dialog, a
// viewer with its edit window, every menu of each, the dialogs the menus
// open, the message boxes the common mistakes bring up and the file
// dialogs. No text shown may hold a Japanese character; with Japanese set
// again the same walk shows the Japanese texts.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/label_box.h"
#include "app/veldrio_dlg.h"
#include "data/edit_data.h"
#include "data/sample_table.h"
#include "dialogs/plane_def.h"
#include "image/view_image.h"
#include "platform/clipboard_stub.h"
#include "platform/fonts.h"
#include "platform/ui_language.h"
#include "res/ids.h"
#include "support/main_dialog_harness.h"
#include "support/paired_windows.h"
#include "viewer/gazo_view.h"

namespace {

// True when text holds a Japanese character (CJK punctuation, kana and
// ideographs U+3000-U+9FFF, full- and half-width forms U+FF00-U+FFEF).
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

// A paint engine that keeps the texts drawn and nothing else.
class TextEngine : public QPaintEngine {
public:
    TextEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
};

// An image whose painter only records the texts.
class TextImage : public QImage {
public:
    explicit TextImage(QSize size) : QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextEngine engine;
};

// Every text shown to the user, with where it was seen: titles, painted
// texts, tooltips, menus (brought up to date as when they open), message
// boxes and file dialogs.
struct ShownTexts {
    std::vector<std::pair<QString, QString>> seen;

    void Add(const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty()) seen.emplace_back(where, text);
    }
    void Window(QWidget& window, const QString& where) {
        Add(where + " title", window.windowTitle());
        TextImage image(window.size());
        window.render(&image);
        for (const QString& text : image.engine.texts)
            Add(where, text);
        for (QWidget* child : window.findChildren<QWidget*>()) {
            Add(where + " tooltip", child->toolTip());
            if (!child->isVisibleTo(&window)) continue;
            if (auto* box = qobject_cast<CLabelBox*>(child))  // drawn as a picture
                Add(where + " label box", box->text());
            else if (const QVariant text = child->property("text"); text.typeId() == QMetaType::QString)
                Add(where + " control", text.toString());
        }
        for (QMenuBar* bar : window.findChildren<QMenuBar*>())
            for (QAction* action : bar->actions())
                Add(where + " menu", action->text());
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            emit menu->aboutToShow();
            for (QAction* action : menu->actions()) {
                Add(where + " menu", action->text());
                if (action->toolTip() != QString(action->text()).remove('&'))
                    Add(where + " menu tooltip", action->toolTip());
            }
        }
    }
    void Asked(const platform::MessageBoxRecorder& boxes, const platform::FileDialogRecorder& dialogs) {
        for (const platform::MessageBoxCall& call : boxes.calls) {
            Add("message title", QString::fromStdString(call.title));
            Add("message", QString::fromStdString(call.text));
        }
        for (const platform::FileDialogRequest& request : dialogs.requests) {
            Add("file dialog title", QString::fromStdString(request.title));
            Add("file dialog filter", QString::fromStdString(request.filter));
        }
    }
};

// While alive, takes every modal dialog that opens: its texts go to shown,
// then answer answers it or, when it does not, the dialog is cancelled.
struct ModalDialogTaker {
    explicit ModalDialogTaker(ShownTexts& shown) {
        QObject::connect(&timer, &QTimer::timeout, [this, &shown] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            ++taken;
            shown.Window(*dialog, QString("dialog ") + dialog->metaObject()->className());
            if (!answer || !answer(*dialog)) dialog->reject();
        });
        timer.start(10);
    }
    QTimer timer;
    std::function<bool(QDialog&)> answer;
    int taken = 0;
};

void Press(QWidget* button) { QTest::mouseClick(qobject_cast<QPushButton*>(button), Qt::LeftButton); }

// The main dialog: its buttons' guides and messages, both menus' items.
void WalkMainDialog(ShownTexts& shown) {
    MainDialogHarness harness;
    auto dialog = harness.Start();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    shown.Window(*dialog, "main");
    {
        ModalDialogTaker taker(shown);
        dialog->OnCommand(ID_HOWTO_GUIDE);
        dialog->OnSysCommand(IDM_ABOUTBOX);
        Press(dialog->Control(IDC_ZONE_GUIDE));
        QCOMPARE(taker.taken, 3);
    }
    dialog->OnCommand(ID_SETTINGS_RESET);     // question, then done
    Press(dialog->Control(IDC_FILE_SEARCH));  // the open dialog, cancelled
    harness.fileDialogs.Choose(harness.Path("notes.txt"));
    // A file of a kind it cannot open, no zone yet, no picture on the clipboard then none to be had.
    platform::ClipboardStub clipboard;
    for (int id : {IDC_FILE_SEARCH, IDC_ZONE_FLASH, IDC_CUT_AND_VIEW, IDC_CLIP_VIEW})
        Press(dialog->Control(id));
    clipboard.Unreachable();
    Press(dialog->Control(IDC_CLIP_VIEW));
    shown.Window(*dialog, "main");
    shown.Asked(harness.boxes, harness.fileDialogs);
}

// A viewer with its edit window: menus, dialogs, a sampling and a
// calculation, and the messages on the way.
void WalkViewerAndEditWindow(ShownTexts& shown) {
    PairedWindows pair;
    QVERIFY(pair.viewer != nullptr && pair.edit != nullptr);
    platform::FileDialogRecorder fileDialogs;
    QTemporaryDir dir;
    App().settingsPath = dir.filePath("SetteiKol.bin").toStdString();
    CGazoView& viewer = *pair.viewer;
    CEditData& edit = *pair.edit;
    const auto both = [&](const QString& when) {
        viewer.UpdateViewerTitle();
        shown.Window(viewer, "viewer" + when);
        shown.Window(edit, "edit" + when);
    };
    both("");
    // Refused while there is nothing to work on.
    for (int id : {IDC_CALCULATE, ID_PRINT_RESULTS, ID_PRINT_INCLINED, ID_PRINT_DETAIL, ID_PRINT_PROPERTIES,
                   ID_PRINT_SHEET, ID_EXPORT_CSV, ID_EXPORT_CAD, ID_IMPORT_DXF, ID_REOPEN_OUTLINE})
        edit.OnCommand(id, 0);
    for (int id : {ID_CORRECTION_START, ID_WRITE_ZONE_PNG, ID_IMAGE_PROPERTIES, ID_WRITE_WINDOW_BMP})
        viewer.OnCommand(id, 0);
    {
        ModalDialogTaker taker(shown);
        for (int id : {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN})
            edit.OnCommand(id, 0);
        for (int id : {ID_MAGNIFICATION, ID_COLOUR_SETTINGS, ID_REAL_SCALE, ID_CUT_GUIDE})
            viewer.OnCommand(id, 0);
        // The perspective plane: four corners, its dialog answered, the corrected picture's dialog.
        taker.answer = [](QDialog& dialog) {
            auto* plane = qobject_cast<CPlaneDef*>(&dialog);
            if (plane == nullptr) return false;
            plane->widthEdit()->setText("160");
            plane->heightEdit()->setText("120");
            plane->OnCommand(ID_FRAMEWORK_OK, 0);
            return true;
        };
        viewer.OnCommand(ID_PLANE_SET, 0);
        for (QPoint at : {QPoint(20, 20), QPoint(160, 20), QPoint(160, 120), QPoint(20, 120)})
            QTest::mouseClick(viewer.client(), Qt::LeftButton, {}, at);
        shown.Window(viewer, "viewer");
        viewer.OnCommand(ID_PLANE_FINISH, 0);
        QVERIFY(viewer.viewImage()->plane.IsSet());
        both(" plane");
        viewer.OnCommand(ID_PLANE_RECTIFY, 0);
        QTRY_VERIFY_WITH_TIMEOUT(taker.taken >= 9, 5000);
    }
    viewer.OnCommand(ID_PLANE_CLEAR, 0);
    // A square sampled and calculated: the captions, the status and the results.
    pair.Press(IDC_SAMPLING_START);
    both(" sampling");
    for (QPoint at : {QPoint(20, 20), QPoint(120, 20), QPoint(120, 100), QPoint(20, 100)})
        pair.Click(at.x(), at.y());
    pair.Press(IDC_SAMPLING_STOP);
    pair.Press(IDC_CALCULATE);
    both(" calculated");
    viewer.OnCommand(ID_CORRECTION_START, 0);
    both(" correcting");
    viewer.OnCommand(ID_CORRECTION_END, 0);
    edit.OnCommand(ID_EXPORT_CSV, 0);
    // A full table takes no more.
    for (int i = App().sampleTable.count; i < SAMPLE_CAPACITY; ++i)
        App().sampleTable.AddPoint(i, i);
    edit.ShowLastRow();
    pair.Press(IDC_SAMPLING_START);
    pair.Click(60, 60);
    pair.Press(IDC_CLEAR);  // question
    shown.Window(edit, "edit");
    shown.Asked(pair.world->boxes, fileDialogs);
}

ShownTexts Walk() {
    ShownTexts shown;
    WalkMainDialog(shown);
    WalkViewerAndEditWindow(shown);
    return shown;
}

}  // namespace

class EnglishSweepTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void noWindowMenuDialogOrMessageShowsJapaneseInEnglish() {
        platform::UseUiLanguage(platform::UiLanguage::English);
        const ShownTexts english = Walk();
        platform::UseUiLanguage(platform::UiLanguage::Japanese);
        QStringList found;
        for (const auto& [where, text] : english.seen)
            if (HasJapanese(text)) found << where + ": " + text;
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable("Japanese in English:\n" + found.join('\n')));
        QVERIFY(english.seen.size() > 300);

        // The same walk in Japanese shows Japanese in every title, menu and message.
        QSet<QString> japanesePlaces, japaneseTexts;
        for (const auto& [where, text] : Walk().seen)
            if (HasJapanese(text)) japanesePlaces << where, japaneseTexts << text;
        QVERIFY(japaneseTexts.size() > 200);
        for (const auto& [where, text] : english.seen)
            if (where.endsWith("title") || where.endsWith("menu") || where.endsWith("message"))
                QVERIFY2(japanesePlaces.contains(where), qPrintable(where));
    }
};

QTEST_MAIN(EnglishSweepTest)
#include "english_sweep_test.moc"
