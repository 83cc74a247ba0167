// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/window_frame.h"

namespace kvrgui {

// "Track manager": installs the track pack, or puts the original tracks back from the
// game CD.
class Tinsttform : public WindowFrame {
    Q_OBJECT
public:
    explicit Tinsttform(EditorServices& services, QWidget* parent = nullptr);

    QPushButton* packButton() const { return m_pack; }
    QPushButton* originalButton() const { return m_original; }

private:
    void onInstallPack();
    void onInstallOriginal();
    // The track files now differ from the record's track data: the track editor reads
    // them again on its next entry instead of showing, and later writing, the old values.
    void tracksReplaced();

    QPushButton* m_pack;
    QPushButton* m_original;
};

} // namespace kvrgui
