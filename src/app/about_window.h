// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editor_home.h"

#include <QDialog>

class QLabel;

namespace kvrgui {

// Help > About kvrdesk: the version, the licence, the Qt it runs on, where the
// configuration lives and where the README is.
class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    TAboutForm(const kvr::EditorHome& home, QWidget* parent = nullptr);

    // The installed README and licence (the build tree has the installed shape); empty
    // when there is none.
    static QString readmeFile();
    static QString licenceFile();
};

} // namespace kvrgui
