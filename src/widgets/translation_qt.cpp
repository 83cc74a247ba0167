// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/translation_qt.h"

#include "core/tr_marker.h"
#include "widgets/prompt_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTranslator>

#include <memory>

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

// The core's messages hold names as the system spells them (UTF-8 here) beside game
// texts in the game's code page: text that reads as UTF-8 is taken as such.
QString fromCore(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    return utf8.hasError() ? fromAnsi(text) : decoded;
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
    // Qt's own widgets and dialogs write numbers as the language does, not as the system.
    QLocale::setDefault(QLocale(state.code));
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
    QLocale::setDefault(QLocale(code));
    return true;
}

QString currentLanguage()
{
    return installed().code;
}

QString coreText(kvr::Marked text)
{
    return QCoreApplication::translate(text.context, text.text);
}

QString translatedMessage(const kvr::Message& message)
{
    const QString pattern = message.marked()
                                ? QCoreApplication::translate(message.context().c_str(), message.pattern().c_str())
                                : fromCore(message.pattern());
    const std::vector<kvr::Message>& args = message.args();
    if (args.empty())
        return pattern;
    // One pass, so that a file name holding "%2" stays what it is.
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        const qsizetype n = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() - 1 : -1;
        if (c == QLatin1Char('%') && n >= 0 && std::size_t(n) < args.size()) {
            text += translatedMessage(args[std::size_t(n)]);
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace kvrgui
