// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_window.h"

#include "app/button_picture.h"
#include "widgets/font_warm_up.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kvrgui {

TStartForm::TStartForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("StartForm"));
    // The hourglass is read from the cursor theme when the window is made: made first, it
    // is read while the fonts still are, and both are ready before the first text is
    // measured.
    create();
    setCursor(Qt::WaitCursor);
    FontWarmUp::await();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 8);
    auto* picture = new QLabel(this);
    picture->setPixmap(splashPicture());
    layout->addWidget(picture);
    auto* text = new QLabel(tr("Loading data..."), this);
    text->setAlignment(Qt::AlignCenter);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    layout->addWidget(text);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(14);
    layout->addWidget(m_bar);
    m_bar->setCursor(Qt::WaitCursor);
    // A palette rather than a style sheet: the bar paints often and should paint cheaply.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x28));
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);
    setAutoFillBackground(true);
    adjustSize();
    setFixedSize(sizeHint());
}

void TStartForm::setProgress(int value)
{
    constexpr qint64 kFrameMs = 16;
    if (value == m_progress)
        return;
    m_progress = value;
    emit progressChanged(value);
    const bool last = value == m_bar->maximum();
    if (last || value == 0 || !m_sincePainted.isValid() || m_sincePainted.elapsed() >= kFrameMs) {
        // Setting the value paints the bar when the window is on screen.
        m_bar->setValue(value);
        m_sincePainted.start();
    }
}

void TStartForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
    // Shown, the whole window paints, the bar with it: its next paint can wait a frame.
    m_sincePainted.start();
}

} // namespace kvrgui
