// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/helmets/helmet_window.h"

#include "core/user_prompt.h"
#include "editors/helmets/helmet_editor.h"
#include "textures/converter.h"
#include "widgets/editor_services.h"
#include "widgets/picture_file_qt.h"
#include "widgets/picture_qt.h"
#include "widgets/pixel_view.h"

#include "widgets/process_runner_qt.h"
#include "widgets/prompt_qt.h"
#include "widgets/record_document.h"
#include "widgets/spoken_name.h"
#include "widgets/translation_qt.h"
#include <QScrollArea>

#include <QAccessible>
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
// The preview shows one helmet large, as the old stretched preview did (292 x 56).
constexpr int kPreviewZoom = 4;

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

// The sheet, zoomed, so a point on it is told as a pixel of the sheet; without a sheet
// it says that there is none.
class SheetPicture : public PixelView {
  public:
    explicit SheetPicture(QWidget* parent)
        : PixelView(QSize(kvr::helmets::kSheetWidth, kvr::helmets::kSheetHeight), 1, parent),
          m_missing(new QLabel(this))
    {
        m_missing->setObjectName(QStringLiteral("sheetMissingLabel"));
        m_missing->setText(coreText(kvr::kHelmetSheetMissing));
        m_missing->setWordWrap(true);
        m_missing->setAlignment(Qt::AlignCenter);
        m_missing->setMargin(12);
        m_missing->setGeometry(rect());
    }
    void setSheet(QImage image)
    {
        m_missing->setVisible(image.isNull());
        setImage(std::move(image));
    }
    QLabel* missingLabel() const { return m_missing; }

  protected:
    void resizeEvent(QResizeEvent* event) override
    {
        m_missing->setGeometry(rect());
        PixelView::resizeEvent(event);
    }

  private:
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
    connect(m_sheet, &PixelView::pressed, this, &THelmetForm::onSheetPressed);
    connect(m_sheet, &PixelView::released, this, &THelmetForm::onSheetReleased);
    m_preview = new PixelView(QSize(kvr::helmets::kWidth, kvr::helmets::kHeight), kPreviewZoom, this);
    m_preview->setObjectName(QStringLiteral("previewPicture"));
    setSpokenName(m_sheet, tr("Helmet sheet"));
    setSpokenName(m_preview, tr("Selected helmet"));
    m_preview->setToolTip(tr("Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture"));

    auto* drivers = new QGroupBox(tr(" Drivers "), this);
    m_drivers = new QListWidget(drivers);
    m_drivers->setObjectName(QStringLiteral("driverList"));
    setSpokenName(m_drivers, drivers->title());
    m_drivers->setMinimumWidth(170);
    const QString swapHint =
        tr("Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.");
    m_drivers->setToolTip(swapHint);
    m_sheet->setToolTip(swapHint + QLatin1Char('\n') + tr("Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture"));
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
    // Beside the sheet: the driver list; below it the preview and the buttons.
    pictures->addWidget(framed(scrolledToFit(m_sheet, QSize(320, 360), this), this), 0, Qt::AlignLeft);
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
            [this] { guarded([this](Prompt& prompt) { m_helmets.saveHelmetAsBitmap(prompt, m_files); }); });
    connect(m_loadHelmet, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.loadHelmetFromBitmap(prompt, m_files); }); });
    connect(m_saveAll, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.saveAllHelmetsAsBitmap(prompt, m_files); }); });
    connect(m_loadAll, &QPushButton::clicked, this,
            [this] { guarded([this](Prompt& prompt) { m_helmets.loadAllHelmetsFromBitmap(prompt, m_files); }); });
    connect(m_export, &QPushButton::clicked, this, [this] { onConverter(true); });
    connect(m_import, &QPushButton::clicked, this, [this] { onConverter(false); });
    connect(&services.document, &RecordDocument::recordChanged, this, &THelmetForm::onRecordChanged);
}

THelmetForm::~THelmetForm() = default;

PixelView* THelmetForm::sheetPicture() const
{
    return m_sheet;
}

void THelmetForm::keyPressEvent(QKeyEvent* event)
{
    // Ctrl++ / Ctrl+- zoom the picture in focus, or the sheet.
    if (const int step = zoomKey(event)) {
        PixelView* view = focusWidget() == m_preview ? m_preview : static_cast<PixelView*>(m_sheet);
        view->setZoom(view->zoom() + step);
        return;
    }
    WindowFrame::keyPressEvent(event);
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
    speakPicked();
    m_showing = false;

    if (!m_helmets.available()) {
        m_sheet->setSheet({});
        m_preview->setImage({});
        return;
    }
    m_sheet->setSheet(toImage(kvr::renderDib(m_helmets.sheet())));
    m_preview->setImage(toImage(kvr::renderDib(m_helmets.singleHelmet())));
}

void THelmetForm::speakPicked()
{
    // A screen reader hears of the pick as the bold line shows it: the line says so and
    // the change is told.
    const int picked = m_helmets.picked() < m_drivers->count() ? m_helmets.picked() : -1;
    const QString pickedText = tr("Picked: Space on another driver swaps the two helmets, Escape puts it down");
    for (int line = 0; line < m_drivers->count(); ++line) {
        QListWidgetItem* item = m_drivers->item(line);
        const QString wanted = line == picked ? pickedText : QString();
        if (item->data(Qt::AccessibleDescriptionRole).toString() == wanted)
            continue;
        item->setData(Qt::AccessibleDescriptionRole, wanted);
        QAccessibleEvent told(m_drivers, QAccessible::DescriptionChanged);
        told.setChild(line);
        QAccessible::updateAccessibility(&told);
    }
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
