// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <QString>

class QWidget;

namespace kvrgui {

// Asks the user with message boxes and file dialogs.
class QtPrompt : public kvr::UserPrompt {
  public:
    explicit QtPrompt(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool confirm(const std::string& text) override;
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    bool confirmList(const std::string& text, const std::vector<std::string>& lines,
                     const std::string& action) override;
    std::optional<int> choose(const std::string& text, const std::vector<std::string>& answers) override;
    std::optional<std::filesystem::path> chooseFile(const kvr::FileRequest& request) override;

  private:
    // The window a message belongs to: the one the user is working in, or, before any
    // is shown, none, so the message sits in the middle of the screen.
    QWidget* owner() const;

    QWidget* m_parent;
};

// "Description|PATTERN" as a Qt name filter; on systems whose file names mind case the
// pattern is offered in lower case as well (a game copied from CD may be kvr.exe).
QString qtFilter(const std::string& filter);

// Program texts are Windows ANSI bytes.
QString fromAnsi(const std::string& text);
std::string toAnsi(const QString& text);

} // namespace kvrgui
