#include "app/Form1.h"

#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

// While the panel covers "Info", the tab key passes it by.
void Form1::Command5_Click()
{
    Frame2->setVisible(false);
    Command6->setFocusPolicy(Qt::StrongFocus);
}

void Form1::Command6_Click()
{
    Frame2->setVisible(true);
    Command6->setFocusPolicy(Qt::NoFocus);
}

QString Form1::AboutText()
{
    return u"Kalustra#13"
           u"© 2024 Die Kalustra-Entwickler. Alle Rechte vorbehalten.#13"
           u"#13"
           u"Kalustra darf unverändert und kostenlos weitergegeben werden, solange dieser Hinweis "
           u"erhalten bleibt.#13"
           u"Die Nutzung geschieht auf eigene Gefahr; für Schäden oder verpasste Termine haften "
           u"die Entwickler nicht.#13"
           u"#13"
           u"Kontakt:#13"
           u"E-Mail: kalustra@example.org#13"
           u"Internet: https://www.example.org/kalustra"_s;
}
