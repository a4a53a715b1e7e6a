#include "support/shown_texts.h"

#include "app/label_box.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace {

// A paint engine that keeps the texts drawn and nothing else. A line in
// more than one script (kana and kanji, say) comes in one piece a script:
// pieces that follow each other on one baseline are joined again.
class TextRecordingEngine : public QPaintEngine {
public:
    TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QPointF start = transform_.map(at);
        const bool follows =
            !texts.isEmpty() && std::abs(start.y() - end_.y()) < 0.5 && std::abs(start.x() - end_.x()) < 1.5;
        if (follows)
            texts.back() += item.text();
        else
            texts << item.text();
        end_ = transform_.map(at + QPointF(item.width(), 0));
    }
    Type type() const override { return QPaintEngine::User; }

    QStringList texts;

private:
    QTransform transform_;
    QPointF end_;
};

class TextRecordingDevice : public QPaintDevice {
public:
    explicit TextRecordingDevice(QSize size) : size_(size) {}
    ~TextRecordingDevice() override = default;
    QPaintEngine* paintEngine() const override { return &engine; }

    mutable TextRecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    QSize size_;
};

QStringList PaintedTexts(QWidget& window) {
    TextRecordingDevice device(window.size().expandedTo(QSize(1, 1)));
    window.render(&device);
    return device.engine.texts;
}

// The menu's title and items, brought up to date as when it opens.
void AddMenu(ShownTexts& shown, QMenu& menu, const QString& where) {
    emit menu.aboutToShow();
    shown.Add(where, menu.title());
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || action->menu() != nullptr) continue;
        shown.Add(where, action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            shown.Add(where + QStringLiteral(" tooltip"), action->toolTip());
    }
}

}  // namespace

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

void ShownTexts::Window(QWidget& window, const QString& where) {
    Add(where + QStringLiteral(" title"), window.windowTitle());
    for (const QString& text : PaintedTexts(window))
        Add(where, text);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        Add(where + QStringLiteral(" tooltip"), child->toolTip());
        if (!child->isVisibleTo(&window)) continue;
        // Texts a control shows as a picture (label boxes) or holds (buttons, labels, fields).
        if (auto* box = qobject_cast<CLabelBox*>(child))
            Add(where + QStringLiteral(" label box"), box->text());
        else if (const QVariant text = child->property("text"); text.typeId() == QMetaType::QString)
            Add(where + QStringLiteral(" control"), text.toString());
    }
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* action : bar->actions())
            if (action->menu() == nullptr) Add(where + QStringLiteral(" menu"), action->text());
    for (QMenu* menu : window.findChildren<QMenu*>())
        AddMenu(*this, *menu, where + QStringLiteral(" menu"));
}

void ShownTexts::Boxes(const platform::MessageBoxRecorder& boxes, const QString& where) {
    for (const platform::MessageBoxCall& call : boxes.calls) {
        Add(where + QStringLiteral(" message title"), QString::fromStdString(call.title));
        Add(where + QStringLiteral(" message"), QString::fromStdString(call.text));
    }
}

void ShownTexts::FileDialogs(const platform::FileDialogRecorder& dialogs, const QString& where) {
    for (const platform::FileDialogRequest& request : dialogs.requests) {
        Add(where + QStringLiteral(" file dialog title"), QString::fromStdString(request.title));
        Add(where + QStringLiteral(" file dialog filter"), QString::fromStdString(request.filter));
    }
}

void ShownTexts::Add(const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty()) entries_.push_back({where, text});
}

QStringList ShownTexts::Japanese(const Known& known) const {
    QStringList found;
    QStringList texts;
    for (const Entry& entry : entries_) {
        if (!HasJapanese(entry.text) || texts.contains(entry.text) ||
            (known && known(entry.where, entry.text)))
            continue;
        texts << entry.text;
        found << entry.where + QStringLiteral(": ") +
                     QString(entry.text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    }
    return found;
}

QStringList ShownTexts::Places(bool japaneseOnly) const {
    QStringList places;
    for (const Entry& entry : entries_)
        if ((!japaneseOnly || HasJapanese(entry.text)) && !places.contains(entry.where))
            places << entry.where;
    return places;
}

ModalDialogTaker::ModalDialogTaker(ShownTexts& shown) : timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this, &shown] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        const QString name = QString::fromLatin1(dialog->metaObject()->className());
        taken << dialog->windowTitle();
        shown.Window(*dialog, QStringLiteral("dialog ") + name);
        if (!answer || !answer(*dialog)) dialog->reject();
    });
    timer_->start(10);
}

ModalDialogTaker::~ModalDialogTaker() { delete timer_; }
