#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <string>

// Any bytes as "liste.txt": read, written, read again and written again.
// Both readings must give the same courses (a short slot mask comes back
// filled with "0") and keep the same lines; the second reading finds
// nothing to repair; both writings give the same bytes. Returns what went
// wrong, or nothing. Works in `folder`.
std::optional<std::string> CourseListRoundTripFault(QByteArrayView bytes, const QString& folder);
