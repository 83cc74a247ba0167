// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/conversion_window.h"

#include "graphics/picture_conversion.h"
#include "widgets/decimal_text_qt.h"
#include "widgets/pixel_view.h"
#include "widgets/spoken_name.h"
#include "widgets/translation_qt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace kvrgui {

namespace {

// Room for a 256 x 180 texture at 2x before the views scroll.
constexpr int kViewRoomWidth = 2 * 256 + 8;
constexpr int kViewRoomHeight = 2 * 180 + 8;

QImage paintedImage(const kvr::PaintedPicture& p)
{
    QImage image(p.width, p.height, QImage::Format_RGBA8888);
    for (int y = 0; y < p.height; ++y)
        std::copy_n(p.rgba.data() + std::size_t(y) * std::size_t(p.width) * 4, std::size_t(p.width) * 4,
                    image.scanLine(y));
    return image;
}

QImage indexedImage(const kvr::IndexedPicture& p)
{
    QImage image(p.width, p.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const kvr::ColourEntry& c : p.colours)
        table.push_back(qRgb(c.red, c.green, c.blue));
    image.setColorTable(table);
    for (int y = 0; y < p.height; ++y)
        std::copy_n(p.pixels.data() + std::size_t(y) * p.stride, p.width, image.scanLine(y));
    return image.convertToFormat(QImage::Format_RGB32);
}

// The largest zoom, up to 4x, at which a picture of the target's size fits its room.
int firstZoom(const kvr::ConversionTarget& target)
{
    return std::clamp(
        std::min(kViewRoomWidth / std::max(1, target.width), kViewRoomHeight / std::max(1, target.height)), 1, 4);
}

} // namespace

ConversionWindow::ConversionWindow(kvr::UserPrompt& prompt, kvr::PictureConversion& conversion, QWidget* parent)
    : WindowFrame(prompt, tr("Convert to the game's colours"), parent), m_conversion(conversion)
{
    const kvr::ConversionTarget& target = conversion.target();
    const int zoom = firstZoom(target);
    m_painted = new PixelView(QSize(conversion.painting().width, conversion.painting().height), zoom, this);
    m_painted->setObjectName(QStringLiteral("paintedView"));
    m_converted = new PixelView(QSize(target.width, target.height), zoom, this);
    m_converted->setObjectName(QStringLiteral("convertedView"));
    setSpokenName(m_painted, tr("As painted"));
    setSpokenName(m_converted, tr("In the game's colours"));
    const QString zoomHint = tr("Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures");
    m_painted->setToolTip(zoomHint);
    m_converted->setToolTip(zoomHint);
    // Zoomed together, so the two stay side by side pixel for pixel.
    connect(m_painted, &PixelView::zoomChanged, m_converted, &PixelView::setZoom);
    connect(m_converted, &PixelView::zoomChanged, m_painted, &PixelView::setZoom);
    m_painted->setImage(paintedImage(conversion.painting()));

    auto pictureGroup = [this](const QString& title, PixelView* view) {
        auto* group = new QGroupBox(title, this);
        (new QVBoxLayout(group))->addWidget(scrolled(view));
        return group;
    };
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(pictureGroup(tr("As painted"), m_painted));
    pictures->addWidget(pictureGroup(tr("In the game's colours"), m_converted));

    auto* options = new QGridLayout;
    auto* dithering = new QGroupBox(tr("Dithering"), this);
    m_none = new QRadioButton(tr("None: each colour its nearest"), dithering);
    m_none->setObjectName(QStringLiteral("noDitheringButton"));
    m_diffuse = new QRadioButton(tr("Error diffusion"), dithering);
    m_diffuse->setObjectName(QStringLiteral("diffusionButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_none);
    group->addButton(m_diffuse);
    m_strength = new QSlider(Qt::Horizontal, dithering);
    m_strength->setObjectName(QStringLiteral("strengthSlider"));
    m_strength->setRange(0, 100);
    m_strength->setSingleStep(5);
    m_strength->setPageStep(10);
    m_strengthLabel = new QLabel(dithering);
    setSpokenName(m_strength, tr("Strength of the error diffusion"));
    auto* ditherLayout = new QGridLayout(dithering);
    ditherLayout->addWidget(m_none, 0, 0, 1, 2);
    ditherLayout->addWidget(m_diffuse, 1, 0, 1, 2);
    ditherLayout->addWidget(m_strengthLabel, 2, 0);
    ditherLayout->addWidget(m_strength, 2, 1);
    options->addWidget(dithering, 0, 0, 2, 1);

    int row = 0;
    if (conversion.hasTransparency()) {
        auto* transparent = new QGroupBox(tr("Transparent pixels"), this);
        m_background = new QSpinBox(transparent);
        m_background->setObjectName(QStringLiteral("backgroundBox"));
        m_background->setRange(0, 255);
        setSpokenName(m_background, tr("Palette colour of transparent pixels"));
        m_backgroundSwatch = new QLabel(transparent);
        m_backgroundSwatch->setFixedSize(24, 24);
        m_backgroundSwatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_backgroundNote = new QLabel(transparent);
        m_backgroundNote->setObjectName(QStringLiteral("backgroundLabel"));
        m_backgroundNote->setWordWrap(true);
        auto* l = new QGridLayout(transparent);
        l->addWidget(new QLabel(tr("Colour:"), transparent), 0, 0);
        l->addWidget(m_background, 0, 1);
        l->addWidget(m_backgroundSwatch, 0, 2);
        l->addWidget(m_backgroundNote, 1, 0, 1, 4);
        l->setColumnStretch(3, 1);
        options->addWidget(transparent, row++, 1);
    }
    if (!conversion.sameSize()) {
        auto* size = new QGroupBox(tr("Size"), this);
        m_scale = new QCheckBox(tr("Scale to %1 x %2").arg(target.width).arg(target.height), size);
        m_scale->setObjectName(QStringLiteral("scaleBox"));
        m_sizeNote = new QLabel(size);
        m_sizeNote->setWordWrap(true);
        auto* l = new QVBoxLayout(size);
        l->addWidget(m_scale);
        l->addWidget(m_sizeNote);
        options->addWidget(size, row++, 1);
    }
    options->setColumnStretch(1, 1);

    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("figuresLabel"));
    m_figures->setWordWrap(true);

    m_ok = addButton(tr("OK"), "okButton");
    m_cancel = addButton(tr("Cancel"), "cancelButton");
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(options);
    layout->addWidget(m_figures);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_showing = true;
    const kvr::RemapOptions& o = conversion.options();
    (o.dithering == kvr::Dithering::None ? m_none : m_diffuse)->setChecked(true);
    m_strength->setValue(int(std::lround(o.strength * 100)));
    if (m_background)
        m_background->setValue(o.background);
    if (m_scale)
        m_scale->setChecked(conversion.scaled());
    m_showing = false;
    connect(group, &QButtonGroup::buttonToggled, this, [this] { onOptionChanged(); });
    connect(m_strength, &QSlider::valueChanged, this, [this] { onOptionChanged(); });
    if (m_background)
        connect(m_background, &QSpinBox::valueChanged, this, [this] { onOptionChanged(); });
    if (m_scale)
        connect(m_scale, &QCheckBox::toggled, this, [this] { onOptionChanged(); });
    showResult();
}

ConversionWindow::~ConversionWindow() = default;

QScrollArea* ConversionWindow::scrolled(PixelView* view)
{
    auto* area = new QScrollArea(this);
    area->setWidget(view);
    area->setAlignment(Qt::AlignCenter);
    area->setFocusPolicy(Qt::NoFocus);
    area->setFixedSize(kViewRoomWidth + area->verticalScrollBar()->sizeHint().width(),
                       kViewRoomHeight + area->horizontalScrollBar()->sizeHint().height());
    return area;
}

void ConversionWindow::onOptionChanged()
{
    if (m_showing)
        return;
    kvr::RemapOptions o = m_conversion.options();
    o.dithering = m_none->isChecked() ? kvr::Dithering::None : kvr::Dithering::Diffuse;
    o.strength = float(m_strength->value()) / 100.0f;
    if (m_background)
        o.background = std::uint8_t(m_background->value());
    if (m_scale) {
        BusyCursor busy;
        m_conversion.setScaled(m_scale->isChecked());
    }
    m_conversion.setOptions(o);
    showResult();
}

void ConversionWindow::showResult()
{
    const kvr::RemapOptions& o = m_conversion.options();
    m_strength->setEnabled(o.dithering == kvr::Dithering::Diffuse);
    m_strengthLabel->setEnabled(o.dithering == kvr::Dithering::Diffuse);
    m_strengthLabel->setText(tr("Strength: %1%").arg(int(std::lround(o.strength * 100))));
    if (m_background) {
        const kvr::ColourEntry c = m_conversion.target().palette[o.background];
        m_backgroundSwatch->setStyleSheet(
            QStringLiteral("background-color: rgb(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue));
        m_backgroundNote->setText(
            o.background == m_conversion.target().background
                ? tr("Transparent pixels take colour %1, the texture's background colour.").arg(o.background)
                : tr("Transparent pixels take colour %1 (the texture's background colour is %2).")
                      .arg(o.background)
                      .arg(m_conversion.target().background));
    }
    if (m_scale)
        m_sizeNote->setText(m_conversion.ready() ? QString() : translatedMessage(m_conversion.sizeProblem()));
    m_painted->setImage(paintedImage(m_conversion.source()));
    const kvr::RemapResult* result = m_conversion.result();
    m_ok->setEnabled(result != nullptr);
    if (!result) {
        m_converted->setImage({});
        m_figures->setText(translatedMessage(m_conversion.sizeProblem()));
        return;
    }
    m_converted->setImage(indexedImage(result->picture));
    const kvr::RemapFigures& f = result->figures;
    // ΔE, the painters' name for the difference, kept out of the texts to translate.
    const QString deltaE = QString(QChar(0x0394)) + QLatin1Char('E');
    const QLocale numbers = languageLocale();
    m_figures->setText(tr("%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is "
                          "invisible, 2 to 3 a near colour).")
                           .arg(f.changed)
                           .arg(f.pixels)
                           .arg(numbers.toString(f.meanDeltaE, 'f', 2))
                           .arg(numbers.toString(f.largestDeltaE, 'f', 2))
                           .arg(deltaE));
}

void ConversionWindow::keyPressEvent(QKeyEvent* event)
{
    // Ctrl++ / Ctrl+- zoom the pictures wherever the focus is.
    if (const int step = zoomKey(event)) {
        m_painted->setZoom(m_painted->zoom() + step);
        return;
    }
    WindowFrame::keyPressEvent(event);
}

} // namespace kvrgui
