#include "app/start_window.h"

#include "app/button_picture.h"

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 8);
    auto* picture = new QLabel(this);
    picture->setPixmap(splashPicture());
    layout->addWidget(picture);
    auto* text = new QLabel(QStringLiteral("Loading data..."), this);
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
    setCursor(Qt::WaitCursor);
    m_bar->setCursor(Qt::WaitCursor);
    setStyleSheet(QStringLiteral("QWidget#StartForm { background: #202028; border: 1px solid #606070; }"
                                 "QLabel { color: white; }"));
    setAttribute(Qt::WA_StyledBackground);
    adjustSize();
    setFixedSize(sizeHint());
}

void TStartForm::setProgress(int value)
{
    m_bar->setValue(value);
    m_bar->repaint();
}

void TStartForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

} // namespace kvrgui
