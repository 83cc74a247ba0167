// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/prompt_qt.h"

#include "core/ansi.h"
#include "widgets/qt_paths.h"
#include "widgets/translation_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
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
} // namespace

QString fromAnsi(const std::string& text)
{
    return QString::fromStdString(kvr::ansiToUtf8(text));
}

std::string toAnsi(const QString& text)
{
    return kvr::utf8ToAnsi(text.toStdString());
}

QString qtFilter(const std::string& filter)
{
    const auto bar = filter.find('|');
    if (bar == std::string::npos)
        return QString::fromStdString(filter);
    const QString name = translatedMessage(filter.substr(0, bar));
    const QString pattern = QString::fromStdString(filter.substr(bar + 1));
    QString patterns = pattern;
    if (pattern.toLower() != pattern)
        patterns += " " + pattern.toLower();
    return name + " (" + patterns + ")";
}

QWidget* QtPrompt::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent && m_parent->isVisible() ? m_parent : nullptr;
}

bool QtPrompt::confirm(const std::string& text)
{
    NormalCursor normal;
    return QMessageBox::question(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Confirm"),
                                 translatedMessage(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void QtPrompt::inform(const std::string& text)
{
    NormalCursor normal;
    QMessageBox::information(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Information"),
                             translatedMessage(text), QMessageBox::Ok);
}

void QtPrompt::warn(const std::string& text)
{
    NormalCursor normal;
    QMessageBox::warning(owner(), QCoreApplication::translate("kvrgui::QtPrompt", "Warning"), translatedMessage(text),
                         QMessageBox::Ok);
}

bool QtPrompt::confirmList(const std::string& text, const std::vector<std::string>& lines, const std::string& action)
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
        for (const std::string& line : lines)
            list->addItem(QString::fromStdString(line));
        list->setMinimumSize(480, 240);
        layout->addWidget(list);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* go = buttons->addButton(translatedMessage(action), QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtPrompt::choose(const std::string& text, const std::vector<std::string>& answers)
{
    NormalCursor normal;
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("kvrgui::QtPrompt", "Confirm"),
                    translatedMessage(text), QMessageBox::NoButton, owner());
    std::vector<QAbstractButton*> buttons;
    for (const std::string& a : answers)
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

std::optional<std::filesystem::path> QtPrompt::chooseFile(const kvr::FileRequest& request)
{
    NormalCursor normal;
    QFileDialog dialog(owner(), translatedMessage(request.title));
    dialog.setNameFilter(qtFilter(request.filter));
    if (!request.initialDirectory.empty())
        dialog.setDirectory(fromPath(request.initialDirectory));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
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
    return toPath(dialog.selectedFiles().first());
}

} // namespace kvrgui
