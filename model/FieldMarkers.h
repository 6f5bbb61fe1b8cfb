#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// How a name and an info stand in a line of the list file. A marker is "#"
// and the decimal code of the character it stands for: in a name "#44" for
// the comma that would end the name early, in an info "#13" for a line
// break that would end the line.
namespace FieldMarkers {

// A field with nothing to mark comes back as it is, not copied.
QString EncodeCaption(const QString& caption);
QString EncodeInfo(const QString& info);
// EncodeInfo's text in pieces, each handed to take in order: a long info is
// written out without a marked copy of it.
void ForEachInfoPiece(QStringView info, const std::function<void(QStringView)>& take);

// The readings of the two above, in the field's own characters: a huge
// info is not held twice.
QString DecodeCaption(QString field);
QString DecodeInfo(QString field);

} // namespace FieldMarkers
