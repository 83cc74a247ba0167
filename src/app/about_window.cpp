// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_window.h"

#include "widgets/qt_paths.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kvrgui {

namespace {

constexpr int kTextWidth = 440;
const QString kLicenceOnline = QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");

// The first of `candidates` (relative to the program's folder, or whole) that exists.
QString firstFile(std::initializer_list<QString> candidates)
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate : candidates)
        if (QFileInfo(program.filePath(candidate)).isFile())
            return QDir::cleanPath(program.filePath(candidate));
    return {};
}

QString link(const QString& target, const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

QString fileLink(const QString& file, const QString& text)
{
    return link(QUrl::fromLocalFile(file).toString(), text);
}

QLabel* paragraph(QWidget* parent, const char* name, const QString& html)
{
    auto* label = new QLabel(html, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return label;
}

} // namespace

QString TAboutForm::readmeFile()
{
    return firstFile({QStringLiteral("../share/doc/kvrdesk/README.md")});
}

QString TAboutForm::licenceFile()
{
    // Debian's package names the licence Debian keeps for every package.
    return firstFile({QStringLiteral("../share/doc/kvrdesk/LICENSE"), QStringLiteral("../licences/GPL-3.txt"),
                      QStringLiteral("/usr/share/common-licenses/GPL-3")});
}

TAboutForm::TAboutForm(const kvr::EditorHome& home, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About kvrdesk"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    QLabel* title =
        paragraph(this, "aboutTitle", QStringLiteral("<h2>kvrdesk %1</h2>").arg(QStringLiteral(KVR_VERSION)));
    layout->addWidget(title);
    layout->addWidget(paragraph(this, "aboutSummary", tr("Editor for the data of the racing game Kavorra.")));

    const QString licence = licenceFile();
    const QString licenceLink =
        licence.isEmpty() ? link(kLicenceOnline, tr("the licence")) : fileLink(licence, tr("the licence"));
    layout->addWidget(
        paragraph(this, "aboutLicence",
                  tr("kvrdesk is free software: you may share and change it under the terms of the GNU General Public "
                     "License, version 3 or (at your option) any later version (%1). It comes with no warranty.")
                      .arg(licenceLink)));

    layout->addWidget(paragraph(this, "aboutQt",
                                tr("It runs on Qt %1 (built with Qt %2).")
                                    .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR))));

    const QString config = QDir::toNativeSeparators(fromPath(home.stateDir));
    layout->addWidget(paragraph(this, "aboutConfiguration",
                                tr("Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.")
                                    .arg(fileLink(fromPath(home.stateDir), config))));

    const QString readme = readmeFile();
    layout->addWidget(paragraph(this, "aboutReadme",
                                readme.isEmpty() ? tr("How to use it: the README (README.md) of kvrdesk's sources.")
                                                 : tr("How to use it: %1.").arg(fileLink(readme, tr("the README")))));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kvrgui
