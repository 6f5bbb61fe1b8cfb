#pragma once

#include <QString>

// The search button's caption is the state of the run: "Suchen" starts
// afresh, "Weiter suchen" asks for the next distribution of the value shown.
inline QString FreshSearchCaption()
{
    return QStringLiteral("Suchen");
}

inline QString ContinueSearchCaption()
{
    return QStringLiteral("Weiter suchen");
}
