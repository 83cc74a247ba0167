// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/translation_qt.h"

#include "core/tr_marker.h"
#include "widgets/prompt_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStringDecoder>
#include <QTranslator>

#include <memory>
#include <optional>

namespace kvrgui {

namespace {

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void drop(std::unique_ptr<QTranslator>& t)
{
    if (t)
        QCoreApplication::removeTranslator(t.get());
    t.reset();
}

// The translation of `text` under the first core context that has one.
std::optional<QString> lookUp(const std::string& text)
{
    for (const char* context : kvr::kMessageContexts) {
        const QString found = QCoreApplication::translate(context, text.c_str());
        if (found != QString::fromUtf8(text.c_str()))
            return found;
    }
    return std::nullopt;
}

// The core's messages hold names as the system spells them (UTF-8 here) beside game
// texts in the game's code page: text that reads as UTF-8 is taken as such.
QString fromCore(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    return utf8.hasError() ? fromAnsi(text) : decoded;
}

QString translatedLine(const std::string& line)
{
    if (line.empty())
        return {};
    // Translations are looked up by their UTF-8 source; a line with ANSI letters has none.
    const QString utf8 = fromCore(line);
    if (auto found = lookUp(utf8.toStdString()))
        return *found;
    if (const auto filled = kvr::filledFrom(line)) {
        const QString pattern = fromCore(filled->pattern);
        // A pattern that reads the same in every language ("%1: %2") still has its
        // arguments translated.
        const QString translated = lookUp(pattern.toStdString()).value_or(pattern);
        // One pass, so that a file name holding "%2" stays what it is.
        QString text;
        for (qsizetype i = 0; i < translated.size(); ++i) {
            const QChar c = translated.at(i);
            const qsizetype n = i + 1 < translated.size() ? translated.at(i + 1).digitValue() - 1 : -1;
            if (c == QLatin1Char('%') && n >= 0 && std::size_t(n) < filled->args.size()) {
                const std::string& arg = filled->args[std::size_t(n)];
                // An argument may be a message of its own.
                text += arg == line ? fromCore(arg) : translatedMessage(arg);
                ++i;
            } else {
                text += c;
            }
        }
        return text;
    }
    return utf8;
}

} // namespace

const std::vector<Language>& languages()
{
    static const std::vector<Language> list = {
        {"en", "English"},
        {"de", "Deutsch"},
        {"it", "Italiano"},
        {"es", "Espa\xc3\xb1ol"},
        {"fr", "Fran\xc3\xa7"
               "ais"},
        {"nl", "Nederlands"},
    };
    return list;
}

QString languageOfGame(int languageVersion)
{
    // The game's versions in the order of its version byte; two of them are English.
    static const char* const kByVersion[] = {"en", "de", "it", "es", "fr", "en", "nl"};
    if (languageVersion < 0 || languageVersion >= int(std::size(kByVersion)))
        return QStringLiteral("en");
    return QString::fromLatin1(kByVersion[languageVersion]);
}

QString translationsFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& relative : {QStringLiteral("translations"), QStringLiteral("../share/kvrdesk/translations")})
        if (program.exists(relative))
            return QDir::cleanPath(program.filePath(relative));
    return {};
}

bool useLanguage(const QString& code)
{
    Installed& state = installed();
    drop(state.own);
    drop(state.qt);
    state.code = QStringLiteral("en");
    if (code == QLatin1String("en") || code.isEmpty())
        return true;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("kvrdesk_") + code, translationsFolder()))
        return false;
    QCoreApplication::installTranslator(own.get());
    state.own = std::move(own);
    // Qt's own buttons and dialogs: from Qt's folder, or beside ours where the package
    // carries them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral("qtbase_") + code, translationsFolder())) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    state.code = code;
    return true;
}

QString currentLanguage()
{
    return installed().code;
}

QString coreText(const char* text)
{
    return lookUp(text).value_or(QString::fromUtf8(text));
}

QString translatedMessage(const std::string& text)
{
    if (const QString whole = translatedLine(text); whole != fromCore(text))
        return whole;
    QStringList lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines << translatedLine(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kvrgui
