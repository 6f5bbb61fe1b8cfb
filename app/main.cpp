#include "app/Form1.h"
#include "app/SessionEnd.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kalustra"));
    Form1 window;
    // Before the list is read: a signal from then on waits for the event loop.
    SaveWhenTheSessionEnds(application, window);
    if (!window.Start())
        return 1;
    window.show();
    return application.exec();
}
