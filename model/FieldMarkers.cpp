#include "model/FieldMarkers.h"

#include "general/TextRoutines.h"

#include <algorithm>

namespace {

// "#35" stands for "#" itself, but is written, and read, only where a "#" is
// followed by the marker's digits or by "35": any other "#" stays as it is,
// so that older files read as they always did.
constexpr QStringView HashCode = u"35";
constexpr QStringView CommaCode = u"44";
constexpr QStringView LineBreakCode = u"13";
constexpr QStringView HashMarker = u"#35";
constexpr QStringView LineBreakMarker = u"#13";

bool NeedsHashMarker(QStringView after, QStringView markerCode)
{
    return after.startsWith(markerCode) || after.startsWith(HashCode);
}

void AppendMarker(QString& out, QStringView code)
{
    out += u'#';
    out += code;
}

// Writes "#" as "#35" where it would otherwise read as a marker.
void AppendHash(QString& out, QStringView after, QStringView markerCode)
{
    if (NeedsHashMarker(after, markerCode))
        AppendMarker(out, HashCode);
    else
        out += u'#';
}

// Most texts hold nothing that a field must write otherwise.
bool HoldsAnyOf(QStringView text, QStringView characters)
{
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return characters.contains(c); });
}

// The length of the line break at position i: CR LF, a lone LF, or none.
qsizetype LineBreakAt(QStringView text, qsizetype i)
{
    if (text[i] == u'\n')
        return 1;
    return text[i] == u'\r' && text.sliced(i + 1).startsWith(u'\n') ? 2 : 0;
}

// The reading of a field that EncodeCaption or EncodeInfo wrote, in the
// field's own characters: a marker never reads longer than it stands, so
// every character is read before its place is written. The text between
// markers moves in one piece.
QString DecodeFieldInPlace(QString field, QStringView markerCode, QStringView markerText)
{
    qsizetype read = field.indexOf(u'#');
    if (read < 0)
        return field;
    const qsizetype size = field.size();
    QChar* const data = field.data();
    const QStringView text(data, size);
    qsizetype written = read;
    while (read < size) {
        const QStringView after = text.sliced(read + 1);
        if (after.startsWith(markerCode)) {
            std::copy(markerText.begin(), markerText.end(), data + written);
            written += markerText.size();
            read += 1 + markerCode.size();
        } else {
            const bool hashMarker = after.startsWith(HashCode) &&
                                    NeedsHashMarker(after.sliced(HashCode.size()), markerCode);
            data[written++] = u'#';
            read += hashMarker ? 1 + HashCode.size() : 1;
        }
        qsizetype next = text.indexOf(u'#', read);
        if (next < 0)
            next = size;
        std::copy(data + read, data + next, data + written);
        written += next - read;
        read = next;
    }
    field.truncate(written);
    return field;
}

} // namespace

namespace FieldMarkers {

// A line break pasted into the chooser would end the line: names are one
// line, so it is written as a blank.
QString EncodeCaption(const QString& caption)
{
    if (!HoldsAnyOf(caption, u",#\n"))
        return caption;
    QString out;
    out.reserve(caption.size() + 8);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (const qsizetype lineBreak = LineBreakAt(caption, i)) {
            out += u' ';
            i += lineBreak - 1;
        } else if (c == u',') {
            AppendMarker(out, CommaCode);
        } else if (c == u'#') {
            AppendHash(out, caption.sliced(i + 1), CommaCode);
        } else {
            out += c;
        }
    }
    return out;
}

// A lone line feed comes back as a line break, which is how the info field
// shows it anyway.
void ForEachInfoPiece(QStringView info, const std::function<void(QStringView)>& take)
{
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < info.size(); ++i) {
        const QChar c = info[i];
        if (c != u'#' && c != u'\n' && c != u'\r')
            continue;
        const qsizetype lineBreak = LineBreakAt(info, i);
        // A lone CR stays text.
        if (lineBreak == 0 && c != u'#')
            continue;
        take(info.sliced(runStart, i - runStart));
        if (lineBreak != 0)
            take(LineBreakMarker);
        else
            take(NeedsHashMarker(info.sliced(i + 1), LineBreakCode) ? HashMarker : u"#");
        i += std::max<qsizetype>(lineBreak, 1) - 1;
        runStart = i + 1;
    }
    take(info.sliced(runStart));
}

QString EncodeInfo(const QString& info)
{
    if (!HoldsAnyOf(info, u"#\n"))
        return info;
    QString out;
    out.reserve(info.size() + 8);
    ForEachInfoPiece(info, [&out](QStringView piece) { out += piece; });
    return out;
}

QString DecodeCaption(QString field)
{
    return DecodeFieldInPlace(std::move(field), CommaCode, u",");
}

QString DecodeInfo(QString field)
{
    return DecodeFieldInPlace(std::move(field), LineBreakCode, STD::LineBreak());
}

} // namespace FieldMarkers
