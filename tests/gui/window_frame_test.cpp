// What the frame gives every window: one showing of the record for each change.
#include "core/errors.h"
#include "core/settings_record.h"
#include "editor_boxes.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
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
};

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
