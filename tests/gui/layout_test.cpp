// SPDX-License-Identifier: GPL-3.0-or-later
// No window clips a text: every label, button, check box, group box title and tab fits
// its widget, in each of the editor's languages. `layout_test --lang de` checks one.
#include "app/about_window.h"
#include "app/des_window.h"
#include "app/ie_window.h"
#include "app/main_window.h"
#include "app/path_window.h"
#include "app/shortcuts_window.h"
#include "app/start_window.h"
#include "graphics/picture_conversion.h"
#include "gui_prompt.h"
#include "main_window_fixture.h"
#include "widgets/conversion_window.h"
#include "widgets/translation_qt.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QtTest>

using kvrgui::TMainForm;

namespace {

QStringList g_languages;

QString plain(QString text, bool mnemonic)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument d;
        d.setHtml(text);
        text = d.toPlainText();
    }
    if (mnemonic)
        text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
    return text;
}

int textWidth(const QWidget* w, const QString& text)
{
    return w->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, text).width();
}

// The width a check box or radio button has for its text, after the indicator.
int roomAfterIndicator(QAbstractButton* b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const auto element = qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    return b->style()->subElementRect(element, &option, b).width();
}

// What of `w` is clipped, or nothing.
QString clipped(QWidget* w)
{
    const auto tooWide = [](const QString& what, const QString& text, int needed, int room) {
        return needed > room ? QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(what, text).arg(needed).arg(room)
                             : QString();
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = plain(label->text(), false);
        if (text.trimmed().isEmpty())
            return {};
        const QRect room =
            label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height()
                       ? QStringLiteral("label \"%1\" needs more lines than it has").arg(text)
                       : QString();
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, textWidth(label, line));
        return tooWide(QStringLiteral("label"), text, widest + label->indent(), room.width());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const QString text = plain(b->text(), true);
        if (text.trimmed().isEmpty())
            return {};
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
            return tooWide(QStringLiteral("check box"), text, textWidth(b, text), roomAfterIndicator(b));
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return tooWide(QStringLiteral("button"), text, textWidth(b, text) + icon, b->contentsRect().width() - margin);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QString title = plain(box->title(), true);
        if (title.trimmed().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The title is placed after the frame's corner; it must end inside the box.
        return tooWide(QStringLiteral("group box"), title, label.left() + textWidth(box, title), box->width());
    }
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = plain(tabs->tabText(i), true);
            if (const QString bad =
                    tooWide(QStringLiteral("tab"), text, textWidth(tabs, text), tabs->tabRect(i).width() - 8);
                !bad.isEmpty())
                return bad;
        }
    }
    return {};
}

QStringList clippingIn(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {window->objectName() + QStringLiteral(": not shown")};
    QStringList found;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window))
            if (const QString bad = clipped(w); !bad.isEmpty())
                found << QStringLiteral("%1 (%2): %3")
                             .arg(window->windowTitle().remove(QStringLiteral("[*]")), w->objectName(), bad);
    window->hide();
    return found;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanupTestCase() { kvrgui::useLanguage(QStringLiteral("en")); }

    void noWindowClipsAText_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : g_languages)
            QTest::newRow(qPrintable(code)) << code;
    }
    void noWindowClipsAText()
    {
        QFETCH(QString, language);
        Setup s;
        s.makeGame();
        s.configure();
        QSettings(QString::fromStdString((s.home.stateDir / "kvrdesk.ini").string()), QSettings::IniFormat)
            .setValue(QStringLiteral("language"), language);
        GuiPrompt prompt;
        TMainForm form(s.home, prompt);
        QCOMPARE(form.startUp(), TMainForm::StartResult::Ready);
        QCOMPARE(kvrgui::currentLanguage(), language);
        kvrgui::TPathForm path(prompt);
        kvrgui::TAboutForm about(s.home);
        kvrgui::TShortcutsForm shortcuts(form.menuBar());
        // A painting with transparency and of another size: every part of the window shows.
        kvr::PaintedPicture painting;
        painting.width = 300;
        painting.height = 200;
        painting.rgba.assign(300 * 200 * 4, 128);
        kvr::PictureConversion conversion(painting, {kvr::ColourTable{}, 256, 164, 0});
        kvrgui::ConversionWindow converting(prompt, conversion);
        std::vector<QWidget*> windows{
            &form,      form.splash(), form.descriptionForm(), form.importExportForm(), &path, &about,
            &shortcuts, &converting};
        for (const auto& e : std::initializer_list<const char*>{
                 "names", "power", "grip", "failures", "tuning", "noses", "pitline", "cockpit", "pitcrew", "jams",
                 "helmets", "cameras", "tracks", "cockpitManager", "trackManager", "carSetManager"}) {
            QDialog* d = form.editorWindow(QString::fromLatin1(e));
            QVERIFY2(d, e);
            windows.push_back(d);
        }
        QStringList found;
        for (QWidget* window : windows) {
            found << clippingIn(window);
            // The English keeps its texts as they are; a translated title has no blank at its ends.
            const QString title = window->windowTitle().remove(QStringLiteral("[*]"));
            if (language != QLatin1String("en") && title != title.trimmed())
                found << QStringLiteral("title \"%1\" has a blank at its end").arg(title);
        }
        for (const QString& f : found)
            qInfo().noquote() << "clipped:" << f;
        QCOMPARE(found.size(), 0);
    }
};

int main(int argc, char** argv)
{
    // `--lang XX` is ours; everything else goes to QtTest.
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (i + 1 < argc && !std::strcmp(argv[i], "--lang")) {
            g_languages << QString::fromLatin1(argv[++i]);
            continue;
        }
        rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    QApplication app(restCount, rest.data());
    if (g_languages.isEmpty())
        for (const kvrgui::Language& l : kvrgui::languages())
            g_languages << QString::fromLatin1(l.code);
    LayoutTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, restCount, rest.data());
}

#include "layout_test.moc"
