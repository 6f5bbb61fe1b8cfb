#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The font DPI is read once, as the application starts; the offscreen
// platform takes it from a screen description. Without Qt's own high-DPI
// scaling it reaches the window as a logical DPI of 144, as where a desktop
// scales only its fonts (QT_FONT_DPI=144 on X11).
int main(int argc, char** argv)
{
    QTemporaryFile screen;
    if (!screen.open() || screen.write(R"({"screens": [{"name": "large-text", "x": 0, "y": 0,
            "width": 1920, "height": 1080, "logicalDpi": 144, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    screen.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
