// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <QString>

#include <memory>

class QSettings;
class QWidget;

namespace kvrgui {

// Asks the user with message boxes and file dialogs.
class QtPrompt : public kvr::UserPrompt {
  public:
    explicit QtPrompt(QWidget* parent = nullptr);
    ~QtPrompt() override;
    void setParent(QWidget* parent) { m_parent = parent; }
    // File dialogs remember the folder and the name last used for each kind of file in
    // this INI file (kvrdesk.ini); without it they remember nothing.
    void rememberIn(const QString& iniFile);

    bool confirm(const kvr::Message& text) override;
    void inform(const kvr::Message& text) override;
    void warn(const kvr::Message& text) override;
    bool confirmList(const kvr::Message& text, const std::vector<kvr::Message>& lines,
                     const kvr::Message& action) override;
    std::optional<int> choose(const kvr::Message& text, const std::vector<kvr::Message>& answers) override;
    std::optional<std::vector<kvr::FormEntry>> fillForm(const kvr::Message& text,
                                                        const std::vector<kvr::FormEntry>& entries,
                                                        const kvr::Message& action) override;
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override;
    bool convertPicture(kvr::PictureConversion& conversion) override;

  private:
    // The window a message belongs to: the one the user is working in, or, before any
    // is shown, none, so the message sits in the middle of the screen.
    QWidget* owner() const;

    QWidget* m_parent;
    std::unique_ptr<QSettings> m_memory;
};

// "Description|PATTERN" as a Qt name filter; on systems whose file names mind case the
// pattern is offered in lower case as well (a game copied from CD may be kvr.exe), and a
// lower-case one in upper case.
QString qtFilter(const kvr::Message& filter);

// Program texts are Windows ANSI bytes.
QString fromAnsi(const std::string& text);
std::string toAnsi(const QString& text);

} // namespace kvrgui
