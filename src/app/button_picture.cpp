// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/button_picture.h"

#include "widgets/translation_qt.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <functional>
#include <optional>

#include <cmath>

namespace kvrgui {

namespace {

// The label's margins inside the picture.
constexpr qreal kLabelLeft = 4;
constexpr qreal kLabelTop = 2;
constexpr qreal kLabelRight = 6;
constexpr qreal kLabelBottom = 4;
constexpr int kSmallestPixels = 8;

// A flag of squares that ripple, fading out towards the right.
void paintFlag(QPainter& p, const QRectF& area, double square)
{
    const int cols = int(std::ceil(area.width() / square)) + 1;
    const int rows = int(std::ceil(area.height() / square)) + 1;
    for (int c = 0; c < cols; ++c) {
        const double x = area.left() + c * square;
        const double fade = std::max(0.0, 1.0 - (x - area.left()) / area.width());
        for (int r = 0; r < rows; ++r) {
            const double wave = std::sin((c * 0.7) + r * 0.25) * square * 0.35;
            const double y = area.top() + r * square + wave;
            const bool light = (c + r) % 2 == 0;
            QColor colour = light ? QColor(235, 235, 235) : QColor(20, 20, 24);
            colour.setAlphaF(0.85 * fade);
            p.fillRect(QRectF(x, y, square + 0.5, square + 0.5), colour);
        }
    }
}

void paintBackground(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), r.bottomRight());
    sky.setColorAt(0.0, QColor(18, 32, 70));
    sky.setColorAt(0.55, QColor(30, 30, 38));
    sky.setColorAt(1.0, QColor(90, 10, 14));
    p.fillRect(r, sky);
    paintFlag(p, QRectF(r.left(), r.top(), r.width() * 0.62, r.height()), r.height() / 5.0);
    // Two speed stripes across the lower part.
    QPainterPath stripe;
    stripe.moveTo(r.left() + r.width() * 0.25, r.bottom());
    stripe.lineTo(r.left() + r.width() * 0.55, r.top() + r.height() * 0.35);
    stripe.lineTo(r.left() + r.width() * 0.62, r.top() + r.height() * 0.35);
    stripe.lineTo(r.left() + r.width() * 0.32, r.bottom());
    p.fillPath(stripe, QColor(200, 24, 30, 170));
    p.translate(r.width() * 0.1, 0);
    p.fillPath(stripe, QColor(240, 200, 40, 120));
    p.resetTransform();
}

QFont labelFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(pixelSize);
    return font;
}

// The label in at most two lines at `pixelSize`, broken at the blank or after the hyphen
// that keeps the longer line shortest; nothing when it does not fit.
std::optional<QStringList> fitted(const QString& text, int pixelSize, QSizeF room)
{
    const QFontMetricsF metrics(labelFont(pixelSize));
    const auto fits = [&](const QStringList& lines) {
        qreal widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest <= room.width() && metrics.lineSpacing() * qreal(lines.size()) <= room.height();
    };
    if (fits({text}))
        return QStringList{text};
    std::optional<QStringList> best;
    qreal bestWidth = 0;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        const QChar c = text.at(i);
        // "Names +" over "Numbers", not "+ Numbers".
        if ((c != QLatin1Char(' ') && c != QLatin1Char('-')) || text.at(i + 1) == QLatin1Char('+'))
            continue;
        const QStringList lines = {text.left(c == QLatin1Char('-') ? i + 1 : i).trimmed(), text.mid(i + 1).trimmed()};
        const qreal widest =
            std::max(metrics.horizontalAdvance(lines.front()), metrics.horizontalAdvance(lines.back()));
        if (fits(lines) && (!best || widest < bestWidth)) {
            best = lines;
            bestWidth = widest;
        }
    }
    return best;
}

void paintLabel(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int pixelSize)
{
    const QRectF box = r.adjusted(kLabelLeft, kLabelTop, -kLabelRight, -kLabelBottom);
    const LabelLayout layout = labelLayout(text, pixelSize, box.size());
    p.setFont(labelFont(layout.pixelSize));
    const QString lines = layout.lines.join(QLatin1Char('\n'));
    p.setPen(QColor(0, 0, 0, 200));
    p.drawText(box.translated(1.5, 1.5), Qt::AlignRight | Qt::AlignBottom, lines);
    p.setPen(colour);
    p.drawText(box, Qt::AlignRight | Qt::AlignBottom, lines);
}

QPixmap paintButtonPicture(const QString& label, bool redLetters)
{
    QPixmap pixmap(kButtonPictureWidth, kButtonPictureHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, kButtonPictureWidth, kButtonPictureHeight);
    paintBackground(p, r);
    paintLabel(p, r, label, redLetters ? QColor(235, 30, 30) : Qt::white, kButtonLabelPixels);
    return pixmap;
}

QPixmap paintSplashPicture()
{
    QPixmap pixmap(360, 150);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, 360, 150);
    paintBackground(p, r);
    paintLabel(p, r.adjusted(0, 0, 0, -34), QCoreApplication::translate("kvrgui::ButtonPicture", "KVR Editor"),
               Qt::white, 34);
    paintLabel(p, r, QCoreApplication::translate("kvrgui::ButtonPicture", "for Kavorra"), QColor(240, 200, 40), 16);
    return pixmap;
}

QString& cacheFolder()
{
    static QString folder;
    return folder;
}

// A picture kept as its size and its 32-bit pixels: it loads with one read, without
// decoding and without the image format plugins.
QImage loadKept(const QString& path)
{
    QFile in(path);
    qint32 size[2] = {0, 0};
    if (!in.open(QIODevice::ReadOnly) || in.read(reinterpret_cast<char*>(size), sizeof size) != sizeof size ||
        size[0] <= 0 || size[1] <= 0 || size[0] > 4096 || size[1] > 4096)
        return {};
    QImage image(size[0], size[1], QImage::Format_RGB32);
    const qint64 bytes = image.sizeInBytes();
    if (in.size() != qint64(sizeof size) + bytes || in.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes)
        return {};
    return image;
}

bool keep(const QPixmap& pixmap, QIODevice& out)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const qint32 size[2] = {image.width(), image.height()};
    return out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size &&
           out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
}

// Painting the pictures costs more than all else at start (the lettering's font most of
// all), so each is painted once and kept as a file that loads fast; a new build paints anew.
QPixmap cached(const QString& name, const std::function<QPixmap()>& paint)
{
    if (cacheFolder().isEmpty())
        return paint();
    static const QString build = QString::number(qHash(QStringLiteral(__DATE__ __TIME__)), 16);
    // Keyed by the exact text and the language: "Cockpit-Manager" is no "Cockpit Manager",
    // and a text may read alike in two languages yet be lettered for another font.
    const QByteArray key = (currentLanguage() + QLatin1Char('\n') + name).toUtf8();
    const QString file = currentLanguage() + QLatin1Char('-') +
                         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex());
    const QString path = QDir(cacheFolder()).filePath(QStringLiteral("pictures-") + build + QStringLiteral("/") + file +
                                                      QStringLiteral(".rgb"));
    if (const QImage kept = loadKept(path); !kept.isNull())
        return QPixmap::fromImage(kept);
    QPixmap pixmap = paint();
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && keep(pixmap, out))
        out.commit();
    return pixmap;
}

} // namespace

LabelLayout labelLayout(const QString& text, int pixelSize, QSizeF room)
{
    // A label too long even for two lines gets smaller letters rather than running off.
    for (int size = pixelSize; size >= kSmallestPixels; --size)
        if (const auto lines = fitted(text, size, room))
            return {*lines, size};
    return {{text}, kSmallestPixels};
}

LabelLayout buttonLabelLayout(const QString& label)
{
    return labelLayout(
        label, kButtonLabelPixels,
        QSizeF(kButtonPictureWidth - kLabelLeft - kLabelRight, kButtonPictureHeight - kLabelTop - kLabelBottom));
}

void setPictureCache(const QString& folder)
{
    cacheFolder() = folder;
}

QPixmap buttonPicture(const QString& label, bool redLetters)
{
    return cached(label + (redLetters ? QStringLiteral("-red") : QString()),
                  [&] { return paintButtonPicture(label, redLetters); });
}

QPixmap splashPicture()
{
    return cached(QStringLiteral("splash"), paintSplashPicture);
}

} // namespace kvrgui
