// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's button labels are lettered at one size in every language: a long one
// wraps onto a second line rather than shrinking.
#include "app/button_picture.h"
#include "app/editor_buttons.h"
#include "widgets/translation_qt.h"

#include <QCoreApplication>
#include <QtTest>

class ButtonPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { kvrgui::useLanguage(QStringLiteral("en")); }

    void everyLabelFitsAtTheNormalSizeInEveryLanguage()
    {
        for (const kvrgui::Language& language : kvrgui::languages()) {
            QVERIFY(kvrgui::useLanguage(QString::fromLatin1(language.code)));
            QStringList labels = {QCoreApplication::translate("kvrgui::TMainForm", "EXIT")};
            for (const kvrgui::EditorButton& e : kvrgui::editorButtons())
                if (e.column != 0)
                    labels << QCoreApplication::translate("kvrgui::TMainForm", e.label);
            for (const QString& label : labels) {
                const kvrgui::LabelLayout layout = kvrgui::buttonLabelLayout(label);
                const QString what = QString::fromLatin1(language.code) + QStringLiteral(": ") + label;
                QVERIFY2(layout.pixelSize == kvrgui::kButtonLabelPixels, qPrintable(what));
                QVERIFY2(layout.lines.size() <= 2, qPrintable(what));
                QCOMPARE(layout.lines.join(QLatin1Char(' ')).remove(QLatin1Char(' ')),
                         QString(label).remove(QLatin1Char(' ')));
            }
        }
    }
};

QTEST_MAIN(ButtonPictureTest)
#include "button_picture_test.moc"
