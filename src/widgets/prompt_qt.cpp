// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/prompt_qt.h"

#include "core/ansi.h"
#include "widgets/conversion_window.h"
#include "widgets/file_places_qt.h"
#include "widgets/qt_paths.h"
#include "widgets/spoken_name.h"
#include "widgets/translation_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace kvrgui {

namespace {
// A question asked in the middle of a long action gets the normal pointer back.
struct NormalCursor {
    NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QApplication::restoreOverrideCursor(); }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;
};

// Cancel beside the action's own button, which Enter presses.
void addActionButtons(QDialog& dialog, QVBoxLayout* layout, const kvr::Message& action)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* go = buttons->addButton(translatedMessage(action), QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
}
} // namespace

QString fromAnsi(const std::string& text)
{
    return QString::fromStdString(kvr::ansiToUtf8(text));
}

std::string toAnsi(const QString& text)
{
    return kvr::utf8ToAnsi(text.toStdString());
}

QString qtFilter(const kvr::Message& filter)
{
    const QString whole = translatedMessage(filter);
    const auto bar = whole.lastIndexOf(QLatin1Char('|'));
    if (bar < 0)
        return whole;
    const QString name = whole.left(bar);
    QStringList patterns;
    for (const QString& pattern : whole.mid(bar + 1).split(' ', Qt::SkipEmptyParts)) {
        patterns << pattern;
        if (pattern.toLower() != pattern)
            patterns << pattern.toLower();
        else if (pattern.toUpper() != pattern)
            patterns << pattern.toUpper();
    }
    return name + " (" + patterns.join(' ') + ")";
}

QtPrompt::QtPrompt(QWidget* parent) : m_parent(parent) {}

QtPrompt::~QtPrompt() = default;

void QtPrompt::rememberIn(const QString& iniFile)
{
    m_memory = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

QWidget* QtPrompt::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent && m_parent->isVisible() ? m_parent : nullptr;
}

bool QtPrompt::confirm(const kvr::Message& text)
{
    NormalCursor normal;
    return QMessageBox::question(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Confirm"),
                                 translatedMessage(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void QtPrompt::inform(const kvr::Message& text)
{
    NormalCursor normal;
    QMessageBox::information(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Information"),
                             translatedMessage(text), QMessageBox::Ok);
}

void QtPrompt::warn(const kvr::Message& text)
{
    NormalCursor normal;
    QMessageBox::warning(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Warning"), translatedMessage(text),
                         QMessageBox::Ok);
}

bool QtPrompt::confirmList(const kvr::Message& text, const std::vector<kvr::Message>& lines, const kvr::Message& action)
{
    NormalCursor normal;
    QDialog dialog(owner());
    dialog.setWindowTitle(QCoreApplication::translate("kvrgui::QtPrompt", "Confirm"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(translatedMessage(text), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    if (!lines.empty()) {
        auto* list = new QListWidget(&dialog);
        list->setObjectName(QStringLiteral("changeList"));
        setSpokenName(list, QCoreApplication::translate("kvrgui::QtPrompt", "Values that will change"));
        for (const kvr::Message& line : lines)
            list->addItem(translatedMessage(line));
        list->setMinimumSize(480, 240);
        layout->addWidget(list);
    }
    addActionButtons(dialog, layout, action);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtPrompt::choose(const kvr::Message& text, const std::vector<kvr::Message>& answers)
{
    NormalCursor normal;
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("kvrgui::QtPrompt", "Confirm"),
                    translatedMessage(text), QMessageBox::NoButton, owner());
    std::vector<QAbstractButton*> buttons;
    for (const kvr::Message& a : answers)
        buttons.push_back(box.addButton(translatedMessage(a), QMessageBox::ActionRole));
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    if (!buttons.empty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return int(i);
    (void)cancel;
    return std::nullopt;
}

std::optional<std::vector<kvr::FormEntry>>
QtPrompt::fillForm(const kvr::Message& text, const std::vector<kvr::FormEntry>& entries, const kvr::Message& action)
{
    NormalCursor normal;
    QDialog dialog(owner());
    dialog.setWindowTitle(translatedMessage(action));
    auto* layout = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(translatedMessage(text), &dialog);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    std::vector<QWidget*> boxes;
    for (const kvr::FormEntry& e : entries) {
        const QString label = translatedMessage(e.label);
        QWidget* box = nullptr;
        if (e.maxChars == 0) {
            auto* check = new QCheckBox(label, &dialog);
            check->setChecked(e.checked);
            form->addRow(check);
            box = check;
        } else if (e.lines) {
            auto* edit = new QPlainTextEdit(QString::fromStdString(e.text), &dialog);
            edit->setTabChangesFocus(true);
            edit->setMinimumSize(420, 120);
            form->addRow(label, edit);
            box = edit;
        } else {
            auto* edit = new QLineEdit(QString::fromStdString(e.text), &dialog);
            edit->setMaxLength(int(e.maxChars));
            edit->setMinimumWidth(420);
            form->addRow(label, edit);
            box = edit;
        }
        box->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        boxes.push_back(box);
    }
    addActionButtons(dialog, layout, action);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<kvr::FormEntry> filled = entries;
    for (std::size_t i = 0; i < filled.size(); ++i) {
        if (auto* check = qobject_cast<QCheckBox*>(boxes[i]))
            filled[i].checked = check->isChecked();
        else if (auto* line = qobject_cast<QLineEdit*>(boxes[i]))
            filled[i].text = line->text().trimmed().toStdString();
        else if (auto* lines = qobject_cast<QPlainTextEdit*>(boxes[i]))
            filled[i].text = lines->toPlainText().left(qsizetype(filled[i].maxChars)).trimmed().toStdString();
    }
    return filled;
}

std::optional<std::filesystem::path> QtPrompt::chooseFile(const kvr::FileRequest& request)
{
    NormalCursor normal;
    QFileDialog dialog(owner(), translatedMessage(request.title));
    QStringList filters{qtFilter(request.filter)};
    for (const kvr::Message& other : request.otherFilters)
        filters << qtFilter(other);
    dialog.setNameFilters(filters);
    // A name typed without an extension takes the one of the kind of file chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const qsizetype dot = filter.indexOf(QLatin1String("(*."));
        if (dot >= 0 && !filter.contains(QLatin1String("*.*")))
            dialog.setDefaultSuffix(filter.mid(dot + 3).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')')));
    });
    dialog.setDirectory(startingFolder(request, m_memory.get()));
    if (const QString name = suggestedName(request, m_memory.get()); !name.isEmpty())
        dialog.selectFile(name);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (request.mode == kvr::FileRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    rememberChoice(request, chosen, m_memory.get());
    return toPath(chosen);
}

bool QtPrompt::convertPicture(kvr::PictureConversion& conversion)
{
    NormalCursor normal;
    ConversionWindow window(*this, conversion, owner());
    return window.exec() == QDialog::Accepted;
}

} // namespace kvrgui
