// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the program is translated in every language: a .ts entry left unfinished,
// a text of the sources missing from a .ts, or an entry whose text left the sources fails.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

namespace {

struct Entry {
    QString context;
    QString source;
    bool operator<(const Entry& o) const { return std::tie(context, source) < std::tie(o.context, o.source); }
};

struct TsFile {
    std::map<Entry, QString> translations; // empty: unfinished
    std::set<Entry> vanished;
    QString error;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot read ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entry = Entry{context, {}};
        else if (xml.name() == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                ts.vanished.insert(entry);
            else
                ts.translations[entry] = type == QLatin1String("unfinished") ? QString() : text;
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

QString described(const Entry& e)
{
    return e.context + QStringLiteral(": \"") + e.source + QLatin1Char('"');
}

} // namespace

class CompletenessTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* code : {"de", "it", "es", "fr", "nl"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        const QString ts = QStringLiteral(KVR_SOURCE_DIR "/translations/kvrdesk_%1.ts").arg(language);
        const TsFile shipped = readTs(ts);
        QVERIFY2(shipped.error.isEmpty(), qPrintable(shipped.error));

        // What the sources hold today: lupdate into a copy, with the options the build uses.
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QFileInfo(ts).fileName());
        QVERIFY(QFile::copy(ts, fresh));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(KVR_SOURCE_DIR));
        QStringList args = QString::fromLatin1(KVR_LUPDATE_OPTIONS).split(QLatin1Char('|'), Qt::SkipEmptyParts);
        args << QStringLiteral(KVR_SOURCE_DIR "/src") << QStringLiteral("-ts") << fresh;
        lupdate.start(QStringLiteral(KVR_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        const TsFile current = readTs(fresh);
        QVERIFY2(current.error.isEmpty(), qPrintable(current.error));

        // Missing and vanished entries first: the lead needs them all, unfinished ones by the score.
        QStringList problems;
        QStringList unfinished;
        for (const auto& [entry, text] : current.translations) {
            if (!shipped.translations.count(entry))
                problems << QStringLiteral("missing (run the kvr-update-translations target): ") + described(entry);
            else if (text.isEmpty())
                unfinished << QStringLiteral("unfinished: ") + described(entry);
        }
        for (const auto& [entry, text] : shipped.translations)
            if (!current.translations.count(entry))
                problems << QStringLiteral("vanished from the sources: ") + described(entry);
        for (const Entry& entry : shipped.vanished)
            problems << QStringLiteral("vanished from the sources: ") + described(entry);
        for (const QString& p : problems)
            qInfo().noquote() << language << p;
        for (const QString& p : unfinished.mid(0, 10))
            qInfo().noquote() << language << p;
        if (unfinished.size() > 10)
            qInfo().noquote() << language << "and" << unfinished.size() - 10 << "more unfinished";
        problems << unfinished;
        QCOMPARE(problems.size(), 0);
    }

    // What the walk through the windows found, kept from coming back.
    void theTranslationsKeepTheirTypography_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("why");
        for (const char* code : {"de", "it", "es", "fr", "nl"})
            QTest::addRow("%s blank after a slash", code) << code << "\\w/ \\w"
                                                          << "no blank after a slash";
        QTest::newRow("de straight quotes") << "de"
                                            << "[\"']"
                                            << "German quotes are „“, its apostrophe ’";
        QTest::newRow("de spaced hyphen") << "de"
                                          << " - "
                                          << "a compound takes no blanks (X-Achse), a separator the dash (–)";
    }
    void theTranslationsKeepTheirTypography()
    {
        QFETCH(QString, language);
        QFETCH(QString, pattern);
        QFETCH(QString, why);
        const TsFile ts = readTs(QStringLiteral(KVR_SOURCE_DIR "/translations/kvrdesk_%1.ts").arg(language));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const QRegularExpression wrong(pattern, QRegularExpression::UseUnicodePropertiesOption);
        QStringList found;
        for (const auto& [entry, text] : ts.translations)
            if (wrong.match(text).hasMatch())
                found << described(entry) + QStringLiteral(" -> \"") + text + QLatin1Char('"');
        QVERIFY2(found.isEmpty(), qPrintable(why + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
    }
};

QTEST_GUILESS_MAIN(CompletenessTest)
#include "completeness_test.moc"
