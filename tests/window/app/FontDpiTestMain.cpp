#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// Qt reads the font DPI once, as the application starts. On X11 it is
// QT_FONT_DPI; the offscreen platform takes it from a screen description.
// Without Qt's own high-DPI scaling, the larger font reaches the window as a
// logical DPI of 144, as under a desktop that scales only its fonts.
int main(int argc, char** argv)
{
    qputenv("QT_FONT_DPI", "144");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        if (!screens.open())
            return 1;
        screens.write(R"({"screens": [{"name": "large-text", "x": 0, "y": 0, "width": 1920,
            "height": 1080, "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
