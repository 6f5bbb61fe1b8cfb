#include "app/Form1.h"
#include "app/SessionEnd.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // First of all: the threads Qt starts inherit the held signals.
    HoldEndingSignals();
    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kalustra"));
    // Qt's own dialogs (print, file) speak German like the window, whatever
    // the system's language. Without the translations they stay English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    Form1 window;
    SaveWhenTheSessionEnds(application, window);
    if (!window.Start())
        return 1;
    window.show();
    return application.exec();
}
