// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/helmets/helmet_window.h"

#include "core/user_prompt.h"
#include "editors/helmets/helmet_editor.h"
#include "textures/converter.h"
#include "widgets/editor_services.h"
#include "widgets/picture_qt.h"
#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"
#include "widgets/record_document.h"
#include "widgets/spoken_name.h"
#include "widgets/translation_qt.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace kvrgui {

namespace {

constexpr const char* kSingleHelmetFile = "SMALL.DIB";

QPoint pixelAt(const QMouseEvent* event)
{
    return {int(std::floor(event->position().x())), int(std::floor(event->position().y()))};
}

// A picture in a sunken frame that fits it exactly, so points on it are its pixels.
QFrame* framed(QWidget* picture, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(), frame->frameWidth());
    layout->addWidget(picture);
    return frame;
}

} // namespace

// The sheet at its own size, so a point on it is a pixel of the sheet; without a
// sheet it says that there is none.
class SheetPicture : public QWidget {
  public:
    explicit SheetPicture(QWidget* parent) : QWidget(parent), m_missing(new QLabel(this))
    {
        setFixedSize(kvr::helmets::kSheetWidth, kvr::helmets::kSheetHeight);
        m_missing->setObjectName(QStringLiteral("sheetMissingLabel"));
        m_missing->setText(coreText(kvr::kHelmetSheetMissing));
        m_missing->setWordWrap(true);
        m_missing->setAlignment(Qt::AlignCenter);
        m_missing->setMargin(12);
        m_missing->setGeometry(rect());
    }
    void setSheet(QImage image)
    {
        m_image = std::move(image);
        m_missing->setVisible(m_image.isNull());
        update();
    }
    QLabel* missingLabel() const { return m_missing; }

    std::function<void(QPoint)> pressed;
    std::function<void(QPoint)> released;

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_image.isNull())
            painter.fillRect(rect(), palette().base());
        else
            painter.drawImage(0, 0, m_image);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && pressed)
            pressed(pixelAt(event));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && released)
            released(pixelAt(event));
    }

  private:
    QImage m_image;
    QLabel* m_missing;
};

THelmetForm::THelmetForm(EditorServices& services, QWidget* parent)
    : WindowFrame(services, tr("Helmets"), parent),
      m_ownHelmets(services.helmets ? nullptr : std::make_unique<kvr::HelmetEditor>()),
      m_helmets(services.helmets ? *services.helmets : *m_ownHelmets),
      m_runner(std::make_unique<QtProcessRunner>(this)), m_bound(kvr::kConverterBound)
{
    m_sheet = new SheetPicture(this);
    m_sheet->setObjectName(QStringLiteral("sheetPicture"));
    m_sheet->pressed = [this](QPoint at) { onSheetPressed(at); };
    m_sheet->released = [this](QPoint at) { onSheetReleased(at); };
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("previewPicture"));
    m_preview->setFixedSize(kvr::helmets::kPreviewWidth, kvr::helmets::kPreviewHeight);

    auto* drivers = new QGroupBox(tr(" Drivers "), this);
    m_drivers = new QListWidget(drivers);
    m_drivers->setObjectName(QStringLiteral("driverList"));
    setSpokenName(m_drivers, drivers->title());
    m_drivers->setMinimumWidth(170);
    const QString swapHint =
        tr("Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.");
    m_drivers->setToolTip(swapHint);
    m_sheet->setToolTip(swapHint);
    m_drivers->installEventFilter(this);
    (new QVBoxLayout(drivers))->addWidget(m_drivers);

    m_saveHelmet = addButton(tr("Save helmet as bitmap"), "saveHelmetButton");
    m_loadHelmet = addButton(tr("Load helmet from bitmap"), "loadHelmetButton");
    m_saveAll = addButton(tr("Save all helmets as bitmap"), "saveAllButton");
    m_loadAll = addButton(tr("Load all helmets from bitmap"), "loadAllButton");
    m_import = addButton(tr("Import from game"), "importButton");
    m_export = addButton(tr("Export into game"), "exportButton");

    auto* files = new QGridLayout;
    files->addWidget(m_saveHelmet, 0, 0);
    files->addWidget(m_loadHelmet, 0, 1);
    files->addWidget(m_saveAll, 1, 0);
    files->addWidget(m_loadAll, 1, 1);
    files->addWidget(m_import, 2, 0);
    files->addWidget(m_export, 2, 1);

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(framed(m_sheet, this), 0, Qt::AlignLeft);
    pictures->addWidget(framed(m_preview, this), 0, Qt::AlignLeft);
    pictures->addLayout(files);
    pictures->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(pictures);
    top->addWidget(drivers, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    useOwnHistory(m_helmets);

    using Prompt = kvr::UserPrompt;
    connect(m_drivers, &QListWidget::currentRowChanged, this, &THelmetForm::onHelmetChosen);
    connect(m_saveHelmet, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.saveHelmetAsBitmap(prompt); }); });
    connect(m_loadHelmet, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.loadHelmetFromBitmap(prompt); }); });
    connect(m_saveAll, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.saveAllHelmetsAsBitmap(prompt); }); });
    connect(m_loadAll, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.loadAllHelmetsFromBitmap(prompt); }); });
    connect(m_export, &QPushButton::clicked, this, [this] { onConverter(true); });
    connect(m_import, &QPushButton::clicked, this, [this] { onConverter(false); });
    connect(&services.document, &RecordDocument::recordChanged, this, &THelmetForm::onRecordChanged);
}

THelmetForm::~THelmetForm() = default;

QWidget* THelmetForm::sheetPicture() const
{
    return m_sheet;
}

QLabel* THelmetForm::sheetMissingLabel() const
{
    return m_sheet->missingLabel();
}

void THelmetForm::showEvent(QShowEvent* event)
{
    // The single helmet's file gives only its size and colours: read it once.
    if (m_singleHelmetPending) {
        m_singleHelmetPending = false;
        runGuarded(services(), [this] { m_helmets.loadSingleHelmet(services().context.home.data(kSingleHelmetFile)); });
    }
    m_helmets.show(services().document.record());
    fillDriverList();
    WindowFrame::showEvent(event);
    m_drivers->setFocus();
}

void THelmetForm::onRecordChanged()
{
    if (!isVisible())
        return;
    // The drivers may have changed; the helmet chosen stays chosen while it has a line.
    const int line = m_helmets.selected();
    m_helmets.show(services().document.record());
    m_helmets.selectLine(line);
    fillDriverList();
    showState();
}

void THelmetForm::fillDriverList()
{
    m_showing = true;
    m_drivers->clear();
    for (const std::string& line : m_helmets.driverLines())
        m_drivers->addItem(fromAnsi(line));
    m_showing = false;
}

void THelmetForm::showState()
{
    m_showing = true;
    const int selected = m_helmets.selected();
    m_drivers->setCurrentRow(selected < m_drivers->count() ? selected : -1);
    // The helmet picked by the keyboard stands out until it is swapped or put down.
    for (int line = 0; line < m_drivers->count(); ++line) {
        QFont font = m_drivers->font();
        font.setBold(line == m_helmets.picked());
        m_drivers->item(line)->setFont(font);
    }
    m_showing = false;

    if (!m_helmets.available()) {
        m_sheet->setSheet({});
        m_preview->clear();
        return;
    }
    m_sheet->setSheet(toImage(kvr::renderDib(m_helmets.sheet())));
    const QImage single = toImage(kvr::renderDib(m_helmets.singleHelmet()));
    m_preview->setPixmap(
        QPixmap::fromImage(single.scaled(m_preview->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void THelmetForm::onHelmetChosen(int line)
{
    if (m_showing || line < 0)
        return;
    guarded([&] { m_helmets.selectLine(line); });
}

bool THelmetForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_drivers && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            guarded([this] { m_helmets.pickOrSwap(); });
            return true;
        }
        // Escape puts a picked helmet down before it closes the window.
        if (key->key() == Qt::Key_Escape && m_helmets.picked() >= 0) {
            guarded([this] { m_helmets.putDown(); });
            return true;
        }
    }
    return WindowFrame::eventFilter(watched, event);
}

void THelmetForm::onSheetPressed(QPoint at)
{
    guarded([&] { m_helmets.press(at.x(), at.y()); });
}

void THelmetForm::onSheetReleased(QPoint at)
{
    guarded([&] { m_helmets.release(at.x(), at.y()); });
}

void THelmetForm::onConverter(bool intoGame)
{
    guarded([&](kvr::UserPrompt& prompt) {
        const kvr::Converter converter(kvr::converterProgram(), services().context.home.tempDir(), *m_runner, m_bound);
        if (intoGame)
            m_helmets.exportIntoGame(prompt, converter, services().context.gameDir());
        else
            m_helmets.importFromGame(prompt, converter, services().context.gameDir());
    });
}

} // namespace kvrgui
