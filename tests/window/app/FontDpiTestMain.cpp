#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The font DPI is read once, as the application starts: QT_FONT_DPI on X11,
// a screen description offscreen. Without Qt's own high-DPI scaling it
// reaches the window as a logical DPI of 144, as where a desktop scales only
// its fonts.
int main(int argc, char** argv)
{
    qputenv("QT_FONT_DPI", "144");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QTemporaryFile screen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        if (!screen.open() || screen.write(R"({"screens": [{"name": "large-text", "x": 0, "y": 0,
                "width": 1920, "height": 1080, "logicalDpi": 144, "logicalBaseDpi": 96}]})") < 0)
            return 1;
        screen.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
