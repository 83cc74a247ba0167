// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the core can tell a user, shown in German as a window shows it, holds no
// English word: the patterns are read from the sources themselves, so a message added
// without its translation fails here.
#include "editor_harness.h"

#include "core/settings_record.h"
#include "core/tr_marker.h"
#include "game/export_preview.h"
#include "game/record_fields.h"
#include "game/record_patch.h"
#include "widgets/translation_qt.h"

#include <QRegularExpression>
#include <QTest>

#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
namespace rec = kvr::rec;

namespace {

struct Pattern {
    std::string context;
    std::string text;
    std::string where;
};

// The text of C string literals put one after another, escapes read.
std::optional<std::string> literals(const std::string& s, std::size_t& i)
{
    std::string out;
    bool any = false;
    for (;;) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        if (i >= s.size() || s[i] != '"')
            return any ? std::optional(out) : std::nullopt;
        any = true;
        for (++i; i < s.size() && s[i] != '"'; ++i) {
            if (s[i] != '\\') {
                out += s[i];
                continue;
            }
            const char e = s[++i];
            if (e == 'n')
                out += '\n';
            else if (e == 't')
                out += '\t';
            else if (e == 'x') {
                out += char(std::stoi(s.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else if (e == 'u') {
                const QString c(QChar(char16_t(std::stoi(s.substr(i + 1, 4), nullptr, 16))));
                out += c.toStdString();
                i += 4;
            } else
                out += e;
        }
        ++i;
    }
}

// Every KVR_TR_NOOP of the program's sources.
std::vector<Pattern> markedPatterns()
{
    std::vector<Pattern> found;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KVR_SOURCE_DIR) / "src")) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        std::ifstream in(entry.path());
        std::stringstream all;
        all << in.rdbuf();
        const std::string s = all.str();
        for (std::size_t at = s.find("KVR_TR_NOOP("); at != std::string::npos; at = s.find("KVR_TR_NOOP(", at + 1)) {
            std::size_t i = at + 12;
            const auto context = literals(s, i);
            while (i < s.size() && (s[i] == ',' || std::isspace(static_cast<unsigned char>(s[i]))))
                ++i;
            const auto text = context ? literals(s, i) : std::nullopt;
            if (context && text)
                found.push_back({*context, *text, entry.path().filename().string()});
        }
    }
    return found;
}

// Words English has and German does not, as whole words.
const std::set<QString>& englishWords()
{
    static const std::set<QString> words = [] {
        std::set<QString> w;
        for (const char* s :
             {"the",     "of",     "and",   "file",  "files",      "cannot",   "holds",    "hold",    "driver",
              "drivers", "car",    "cars",  "track", "tracks",     "settings", "write",    "written", "read",
              "missing", "is",     "not",   "with",  "from",       "into",     "this",     "that",    "has",
              "will",    "must",   "which", "there", "picture",    "pictures", "game",     "value",   "values",
              "engine",  "colour", "wing",  "gear",  "qualifying", "other",    "expected", "expects", "nothing",
              "changed", "change", "could", "been",  "be",         "are",      "can",      "or",      "at",
              "off",     "it",     "its",   "for",   "by",         "to",       "as",       "all",     "one",
              "only",    "would",  "load",  "save",  "saved",      "open",     "rear",     "front",   "tyre",
              "fuel",    "laps",   "speed", "line",  "crew",       "selected", "enabled",  "random",  "weight",
              "human",   "player", "slot",  "sets",  "kept",       "left"})
            w.insert(QString::fromLatin1(s));
        return w;
    }();
    return words;
}

// The English words left in a text shown: quoted parts (keys of the file formats, names)
// and file names, fields and places are not words of a sentence.
QStringList englishWordsIn(QString shown)
{
    static const QRegularExpression quoted(QStringLiteral("\u201E[^\u201C]*\u201C|\"[^\"]*\"|'[^']*'"));
    static const QRegularExpression technical(QStringLiteral("\\S*[_\\\\/\\[*]\\S*|\\S*\\.\\w\\S*"));
    static const QRegularExpression word(QStringLiteral("\\b\\w+\\b"));
    shown.remove(quoted).remove(technical);
    QStringList left;
    for (auto it = word.globalMatch(shown); it.hasNext();) {
        const QString w = it.next().captured();
        if (englishWords().count(w.toLower()))
            left << w;
    }
    return left;
}

// The pattern with every place filled by a name or a number.
kvr::Message filled(const Pattern& p)
{
    static const char* samples[] = {"Corvane", "42", "Aurel Venkamp", "7", "Marvella", "3", "19", "5", "8"};
    std::vector<kvr::Message> args;
    for (const char* s : samples)
        args.emplace_back(s);
    return kvr::Message(kvr::Marked{p.context.c_str(), p.text.c_str()}, args);
}

} // namespace

class GermanTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(kvrgui::useLanguage(QStringLiteral("de"))); }
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void theWordListFindsEnglish()
    {
        struct Case {
            const char* text;
            QStringList english;
        };
        const Case cases[] = {
            {"Cannot open the settings file 42", {"Cannot", "open", "the", "settings", "file"}},
            {"Die Einstellungsdatei 42 kann nicht ge\u00f6ffnet werden", {}},
            {"Team 3 Grip, Name", {}},
            {"Feld team_names[0]: \u201Echanges\u201C erwartet, in C:\\Games\\the file.KVS", {}},
            {"\"Load it\" or not", {"or", "not"}},
        };
        for (const Case& c : cases)
            QCOMPARE(englishWordsIn(QString::fromUtf8(c.text)), c.english);
    }

    void everyCorePatternIsGerman()
    {
        const std::vector<Pattern> patterns = markedPatterns();
        // The sources mark hundreds of texts; a scan that finds few is broken.
        QVERIFY2(patterns.size() > 400, std::to_string(patterns.size()).c_str());
        QStringList failures;
        for (const Pattern& p : patterns) {
            const QString shown = kvrgui::translatedMessage(filled(p));
            if (const QStringList left = englishWordsIn(shown); !left.isEmpty())
                failures << QStringLiteral("%1 [%2]: %3 (%4)")
                                .arg(QString::fromStdString(p.where), QString::fromStdString(p.context), shown,
                                     left.join(QLatin1Char(' ')));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void everyPreviewLineIsGermanAndNamesItsSubject()
    {
        EditorHarness h(1);
        const kvr::SettingsRecord game = h.document.record();
        // Every value but the names changed, so the export would change them all.
        kvr::SettingsRecord changed = game;
        for (const kvr::RecordField& f : kvr::shownFields()) {
            if (f.path.front() == "car_numbers" && f.kind == kvr::FieldKind::Byte)
                continue; // the drivers keep their cars, and so their names
            if (f.kind == kvr::FieldKind::Word)
                changed.setWord(f.offset, std::uint16_t(game.word(f.offset) ^ 1));
            else if (f.kind == kvr::FieldKind::Flag)
                changed.setByte(f.offset, game.byte(f.offset) ? 0 : 1);
            else if (f.kind == kvr::FieldKind::Byte)
                changed.setByte(f.offset, std::uint8_t(game.byte(f.offset) ^ 1));
        }
        const kvr::ExportPreview preview = kvr::previewExport(h.context, changed);
        QVERIFY(preview.changes.size() > 400);
        QStringList shown{kvrgui::translatedMessage(kvr::previewHeading(preview, std::nullopt))};
        for (const kvr::ValueChange& c : preview.changes)
            shown << kvrgui::translatedMessage(c.namedLine());

        kvr::RecordPatch patch = kvr::makeValuesPatch(game, changed);
        for (kvr::PatchChange& c : patch.changes)
            if (c.name == "engine_power.race[4]")
                c.from = 1; // a value the patch does not expect
        const kvr::PatchOutcome outcome = kvr::applyPatches(game, {patch});
        QCOMPARE(outcome.unexpected.size(), std::size_t(1));
        shown << kvrgui::translatedMessage(kvr::patchPreviewHeading(game, outcome));
        for (const kvr::Message& line :
             kvr::patchPreviewLines(game, outcome, kvr::fieldNamesOf(h.context, game).tracks))
            shown << kvrgui::translatedMessage(line);

        QStringList failures;
        for (const QString& line : shown)
            if (const QStringList left = englishWordsIn(line); !left.isEmpty())
                failures << line + QStringLiteral(" (") + left.join(QLatin1Char(' ')) + QLatin1Char(')');
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        // The lines name teams, engines, drivers and tracks as the windows do, once in the
        // export's list and once in the patch's.
        QCOMPARE(shown.count(QString::fromUtf8("Sablewing-Kalvex V10, Qualifikation: 745 \u2192 744 BHP")), 2);
        for (const char* start : {"Aurel Venkamp, Grip in der Qualifikation: ", "Marvella, 1. Gang: ",
                                  "Corvane, Ausfallrate: ", "Halvex-Mordane V8, \u00DCbrige Sitzungen: "})
            QVERIFY2(shown.filter(QRegularExpression(QLatin1Char('^') + QString::fromUtf8(start))).size() == 2, start);
        QVERIFY(shown.filter(QStringLiteral("(der Patch erwartet 1)")).size() == 1);
    }
};

QTEST_MAIN(GermanTextsTest)
#include "german_texts_test.moc"
