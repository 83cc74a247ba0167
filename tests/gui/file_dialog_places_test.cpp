// SPDX-License-Identifier: GPL-3.0-or-later
// Where the real file dialog starts and the name it offers, per kind of file: the folder
// last used for the kind, else the user's documents, never the working directory.
#include "editors/picture_dialogs.h"
#include "main_window_fixture.h"
#include "widgets/prompt_qt.h"
#include "widgets/qt_paths.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>

using Kind = kvr::FileRequest::Kind;
using Mode = kvr::FileRequest::Mode;

Q_DECLARE_METATYPE(kvr::FileRequest)

namespace {

kvr::FileRequest ask(Kind kind, Mode mode, std::string fileName = {}, std::string usualName = {})
{
    kvr::FileRequest r = kvr::FileRequest::forKind(kind, mode, "Choose", "Files|*.*", "", std::move(fileName));
    r.usualName = std::move(usualName);
    return r;
}

struct Seen {
    QString folder;
    QString name;
};

} // namespace

class FileDialogPlacesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString path(const QString& name) const { return m_root.filePath(name); }
    QString ini() const { return path(QStringLiteral("kvrdesk.ini")); }

    // Runs the prompt's dialog on `r`; the user picks `pick` (a whole name), or cancels
    // when it is empty.
    Seen show(kvrgui::QtPrompt& prompt, const kvr::FileRequest& r, const QString& pick = {})
    {
        Seen seen;
        WhenShown inside([](QObject* o) { return qobject_cast<QFileDialog*>(o) != nullptr; },
                         [&](QWidget* window) {
                             auto* dialog = static_cast<QFileDialog*>(window);
                             seen.folder = dialog->directory().absolutePath();
                             seen.name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                             if (pick.isEmpty())
                                 return dialog->reject();
                             dialog->selectFile(pick);
                             static_cast<QDialog*>(dialog)->accept(); // as the Open or Save button does
                         });
        const auto chosen = prompt.chooseFile(r);
        if (!inside.ran)
            seen.folder = QStringLiteral("(no dialog)");
        if (!pick.isEmpty() && chosen != kvrgui::toPath(pick))
            seen.name += QStringLiteral(" (not chosen)");
        return seen;
    }

  private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        for (const char* folder : {"home/Documents", "work", "kept", "cd"})
            QVERIFY(QDir().mkpath(path(QString::fromLatin1(folder))));
        qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("home/.config"))));
        // Where a program started from its own folder stands (on Windows, the program's).
        QVERIFY(QDir::setCurrent(path(QStringLiteral("work"))));
    }

    void init() { QFile::remove(ini()); }

    void dialogsStartWhereTheirKindWasLastUsed_data()
    {
        QTest::addColumn<kvr::FileRequest>("request");
        QTest::addColumn<QString>("keptFor"); // the kind whose folder "kept" and name "old.bin" are remembered
        QTest::addColumn<QString>("folder");  // expected: "documents", or a folder under the test's root
        QTest::addColumn<QString>("name");
        QTest::newRow("settings, first time") << ask(Kind::Settings, Mode::Save) << ""
                                              << "documents"
                                              << "";
        QTest::newRow("settings again") << ask(Kind::Settings, Mode::Save) << "settings"
                                        << "kept"
                                        << "old.bin";
        QTest::newRow("loading offers no saved name") << ask(Kind::Settings, Mode::Open) << "settings"
                                                      << "kept"
                                                      << "";
        QTest::newRow("another kind's folder is not this one's") << ask(Kind::Settings, Mode::Save) << "patches"
                                                                 << "documents"
                                                                 << "";
        QTest::newRow("first patch") << ask(Kind::Patch, Mode::Save, {}, "mod.kvpatch") << ""
                                     << "documents"
                                     << "mod.kvpatch";
        QTest::newRow("patch after one saved") << ask(Kind::Patch, Mode::Save, {}, "mod.kvpatch") << "patches"
                                               << "kept"
                                               << "old.bin";
        QTest::newRow("helmet sheet keeps its name")
            << kvr::savePictureDialog(Kind::Helmet, "Save", "HELMETS1.BMP") << "helmets"
            << "kept"
            << "HELMETS1.BMP";
        QTest::newRow("painting") << kvr::savePictureDialog(Kind::Painting, "Save") << "paintings"
                                  << "kept"
                                  << "old.bin";
        kvr::FileRequest cd = ask(Kind::GameCd, Mode::Open);
        cd.initialDirectory = kvrgui::toPath(path(QStringLiteral("cd")));
        QTest::newRow("the CD where the request starts") << cd << ""
                                                         << "cd"
                                                         << "";
        QTest::newRow("the CD where it was found") << cd << "gameCds"
                                                   << "kept"
                                                   << "";
        QTest::newRow("a folder gone") << ask(Kind::Settings, Mode::Save) << "settings (gone)"
                                       << "documents"
                                       << "old.bin";
    }
    void dialogsStartWhereTheirKindWasLastUsed()
    {
        QFETCH(kvr::FileRequest, request);
        QFETCH(QString, keptFor);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QFileInfo(documents).isDir());
        if (!keptFor.isEmpty()) {
            QSettings memory(ini(), QSettings::IniFormat);
            const QString kind = keptFor.section(' ', 0, 0);
            const QString kept = keptFor.endsWith(QStringLiteral("(gone)")) ? path(QStringLiteral("gone"))
                                                                            : path(QStringLiteral("kept"));
            memory.setValue("fileDialogs/" + kind + "/folder", kept);
            memory.setValue("fileDialogs/" + kind + "/file", "old.bin");
        }
        kvrgui::QtPrompt prompt;
        prompt.rememberIn(ini());

        const QString chosenFolder =
            path(QStringLiteral("chosen-") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
        QVERIFY(QDir().mkpath(chosenFolder));
        const QString chosen = chosenFolder + QStringLiteral("/picked.dat");
        QFile made(chosen);
        if (request.mode == Mode::Open)
            QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        const Seen first = show(prompt, request, chosen);
        QCOMPARE(first.folder, folder == "documents" ? documents : path(folder));
        QVERIFY(first.folder != QDir::currentPath());
        QCOMPARE(first.name, name);

        // The choice is the kind's from now on, for this prompt and the next start.
        kvrgui::QtPrompt later;
        later.rememberIn(ini());
        const QString savedName = request.mode == Mode::Save ? QStringLiteral("picked.dat") : QString();
        const QString next = request.fileName.empty() ? savedName : QString::fromStdString(request.fileName);
        for (kvrgui::QtPrompt* p : {&prompt, &later}) {
            const Seen again = show(*p, request);
            QCOMPARE(again.folder, chosenFolder);
            QCOMPARE(again.name, next);
        }
        // A cancelled dialog changes nothing; another kind still starts in the documents.
        const Seen other = show(later, ask(request.kind == Kind::Other ? Kind::Patch : Kind::Other, Mode::Open));
        QCOMPARE(other.folder, documents);
        QCOMPARE(show(later, request).folder, chosenFolder);
    }
};

QTEST_MAIN(FileDialogPlacesTest)
#include "file_dialog_places_test.moc"
