// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/launch_clock.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(521, 383);
    window.show();
    // Quit once the first frame is painted, as kvrdesk --startup-only does.
    QTimer::singleShot(0, &app, [&app] {
        kvrgui::printTimeSinceLaunch("shown after");
        app.quit();
    });
    return app.exec();
}
