// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_harness.h"
#include "install/car_set.h"
#include "install/car_set_window.h"

#include <QPushButton>
#include <QtTest>

namespace {

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class CarSetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theCarSetReplacesTheTextures()
    {
        EditorHarness h;
        // A read-only painting of the game is replaced too.
        const std::filesystem::path ferrari = h.game() / "GAMEJAMS" / "FERRARI.JAM";
        std::ofstream(ferrari, std::ios::binary) << "old";
        std::filesystem::permissions(ferrari, std::filesystem::perms::owner_read);
        kvrgui::TInstCarSetForm w(h.services);
        w.show();
        QTest::mouseClick(w.installButton(), Qt::LeftButton);
        QCOMPARE(h.prompt.informed, std::vector<std::string>{"New carset installed!"});
        for (const char* name : kvr::kCarSetFiles)
            QCOMPARE(h.gameFile(std::string("GAMEJAMS/") + name), bytesOf(h.context.home.data(name)));
        QVERIFY(h.fatal.empty());

        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(CarSetWindowTest)
#include "car_set_window_test.moc"
