// SPDX-License-Identifier: GPL-3.0-or-later
// What the frame gives every window: one showing of the record for each change, and the
// Edit menu in every window the main window opens.
#include "app/des_window.h"
#include "app/editor_buttons.h"
#include "app/ie_window.h"
#include "app/main_window.h"
#include "core/errors.h"
#include "core/settings_record.h"
#include "editor_boxes.h"
#include "main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace rec = kvr::rec;

namespace {

// A value editor of the human driver's weight that counts how often it shows the record.
class CountingWindow : public kvrgui::EditorWindow {
  public:
    explicit CountingWindow(kvrgui::EditorServices& services)
        : EditorWindow(services, kvr::Editor::Tuning, QStringLiteral("Counting"))
    {
        box = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addLayout(buttonRow());
        connect(box, &QLineEdit::editingFinished, this, [this] {
            const std::string text = box->text().toStdString();
            edit(QStringLiteral("Weight"), [&](kvr::SettingsRecord& r) {
                if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
                    throw kvr::GeneralError("not a weight");
                r.setWord(rec::kHumanWeight, std::uint16_t(std::stoi(text)));
            });
        });
    }
    QLineEdit* box;
    int shown = 0;

  protected:
    void showRecord() override
    {
        ++shown;
        showText(box, QString::number(record().word(rec::kHumanWeight)));
    }
};

using Action = std::function<void(CountingWindow&, EditorHarness&)>;
// The weight the demo game holds, and the one of the original settings.
constexpr int kGames = -1;
constexpr int kOriginal = -2;

// Alt and a letter open a menu of `bar`, Escape closes it: the bar then holds the focus
// and shows it, and the next Escape (or Tab) gives the focus back to `control`.
void checkMenuBarFocus(QWidget* window, QMenuBar* bar, QWidget* control, Qt::Key letter)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);
    const QImage plain = bar->grab().toImage();
    for (Qt::Key back : {Qt::Key_Escape, Qt::Key_Tab}) {
        QTest::keyClick(control, letter, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY2(menu, "Alt and the letter open the menu");
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::focusWidget(), bar);
        QVERIFY2(bar->grab().toImage() != plain, "the bar shows that it holds the focus");
        QTest::keyClick(bar, back);
        QCOMPARE(QApplication::focusWidget(), control);
        QCOMPARE(bar->grab().toImage(), plain);
    }
    window->hide();
}

} // namespace

Q_DECLARE_METATYPE(Action)

class WindowFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void eachActionShowsTheRecordOnce_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("weight");
        const struct {
            const char* what;
            Action action;
            int weight;
        } rows[] = {
            {"a typed value", [](CountingWindow& w, EditorHarness&) { typeInto(w.box, QStringLiteral("611")); }, 611},
            {"a refused value", [](CountingWindow& w, EditorHarness&) { typeInto(w.box, QStringLiteral("x")); }, 600},
            {"the value it holds", [](CountingWindow& w, EditorHarness&) { typeInto(w.box, QStringLiteral("600")); },
             600},
            {"Import data from game", [](CountingWindow& w, EditorHarness&) { w.importButton()->click(); }, kGames},
            {"Restore original data", [](CountingWindow& w, EditorHarness&) { w.restoreButton()->click(); }, kOriginal},
            {"a change made elsewhere",
             [](CountingWindow&, EditorHarness& h) {
                 h.document.change("elsewhere", [](kvr::SettingsRecord& r) { r.setWord(rec::kHumanWeight, 700); });
             },
             700},
            {"the Edit menu's Undo", [](CountingWindow& w, EditorHarness&) { w.undoAction()->trigger(); }, kGames},
        };
        for (const auto& r : rows)
            QTest::newRow(r.what) << r.action << r.weight;
    }

    void eachActionShowsTheRecordOnce()
    {
        QFETCH(Action, action);
        QFETCH(int, weight);
        EditorHarness h;
        const std::uint16_t inGame = h.document.record().word(rec::kHumanWeight);
        kvr::SettingsRecord original;
        kvr::readSettingsFile(h.context.home.data("ORIGIN.SET"), original);
        QVERIFY(original.word(rec::kHumanWeight) != 600 && inGame != 600);
        h.document.change("start", [](kvr::SettingsRecord& r) { r.setWord(rec::kHumanWeight, 600); });
        CountingWindow w(h.services);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.shown, 1);
        w.shown = 0;
        action(w, h);
        QCOMPARE(w.shown, 1);
        const int expected = weight == kGames      ? inGame
                             : weight == kOriginal ? original.word(rec::kHumanWeight)
                                                   : weight;
        QCOMPARE(int(h.document.record().word(rec::kHumanWeight)), expected);
        QCOMPARE(w.box->text(), QString::number(expected));
    }

    void theMenuBarShowsTheFocusItHoldsAndGivesItBack()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        kvrgui::TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), kvrgui::TMainForm::StartResult::Ready);
        checkMenuBarFocus(&form, form.menuBar(), form.button(QStringLiteral("gripButton")), Qt::Key_F);
        EditorHarness h;
        CountingWindow w(h.services);
        checkMenuBarFocus(&w, w.menuBar(), w.box, Qt::Key_E);
        QVERIFY(prompt.unexpected.empty());
    }

    // Every window the main window opens has the Edit menu; the picture windows' own
    // items are enabled only when their history has a step.
    void everyWindowHasTheEditMenu()
    {
        Setup s;
        s.makeGame();
        GuiPrompt prompt;
        kvrgui::TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(s.game()), kvrgui::TMainForm::StartResult::Ready);
        QList<kvrgui::WindowFrame*> windows{form.importExportForm(), form.descriptionForm()};
        for (const kvrgui::EditorButton& e : kvrgui::editorButtons())
            windows << qobject_cast<kvrgui::WindowFrame*>(form.editorWindow(QLatin1String(e.name)));
        for (kvrgui::WindowFrame* w : windows) {
            QVERIFY(w);
            QVERIFY2(w->menuBar(), qPrintable(w->objectName()));
            const QList<QAction*> menus = w->menuBar()->actions();
            QCOMPARE(menus.size(), 1);
            QCOMPARE(menus[0]->text(), QStringLiteral("&Edit"));
            QCOMPARE(menus[0]->menu()->actions(), (QList<QAction*>{w->undoAction(), w->redoAction()}));
            QCOMPARE(w->undoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
            const bool own =
                w->objectName() == QLatin1String("helmetsWindow") || w->objectName() == QLatin1String("jamsWindow");
            w->show();
            QVERIFY2(own || w->undoAction()->isEnabled() == form.document().undoStack()->canUndo(),
                     qPrintable(w->objectName()));
            QVERIFY2(!own || !w->undoAction()->isEnabled(), qPrintable(w->objectName()));
            QVERIFY(w->backButton());
            QVERIFY(w->backButton()->font().bold());
            w->hide();
        }
        QVERIFY(prompt.unexpected.empty());
    }
};

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
