#include "controls/RefusedCharacters.h"

#include "general/Windows1252.h"

#include <QStringList>
#include <QToolTip>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// A notice names this many characters at most.
constexpr int NamedCharacters = 5;
// Long enough to read the notice while typing on.
constexpr int NoticeMilliseconds = 6000;

// The character and its code: a joiner or a variation selector shows as
// nothing.
QString Named(QStringView character)
{
    const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                                : char32_t(character[0].unicode());
    return u"„%1“ (U+%2)"_s.arg(character,
                                QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

} // namespace

QString RefusedCharactersText(const QString& refused)
{
    QStringList named;
    qsizetype i = 0;
    while (i < refused.size() && named.size() < NamedCharacters) {
        const qsizetype length = refused[i].isHighSurrogate() && i + 1 < refused.size() ? 2 : 1;
        named << Named(QStringView(refused).sliced(i, length));
        i += length;
    }
    const bool one = named.size() == 1;
    return u"%1 %2 nicht übernommen:\nDie Veranstaltungsliste wird in Windows-1252 "
           u"gespeichert, das %3 nicht kennt."_s.arg(
               named.join(u", "_s) + (i < refused.size() ? u" …"_s : QString()),
               one ? u"wurde"_s : u"wurden"_s, one ? u"dieses Zeichen"_s : u"diese Zeichen"_s);
}

void TellRefusedCharacters(QWidget& field, const QString& refused)
{
    QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), RefusedCharactersText(refused),
                       &field, QRect(), NoticeMilliseconds);
}

QString HoldableInput(const QString& input, QWidget& field)
{
    QString refused;
    QString kept = STD::Windows1252::HoldablePart(input, &refused);
    if (!refused.isEmpty())
        TellRefusedCharacters(field, refused);
    return kept;
}

HoldableTextValidator::HoldableTextValidator(QWidget& field) : QValidator(&field), field_(field) {}

QValidator::State HoldableTextValidator::validate(QString& input, int& position) const
{
    QString kept = HoldableInput(input, field_);
    if (kept.size() == input.size())
        return Acceptable;
    position = int(STD::Windows1252::HoldablePart(QStringView(input).first(position)).size());
    input = std::move(kept);
    return Acceptable;
}
