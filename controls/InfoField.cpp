#include "controls/InfoField.h"

#include "general/TextRoutines.h"

#include <QScopedValueRollback>

using namespace Qt::Literals::StringLiterals;

namespace {

QString ShortenedText(const QString& text)
{
    return text.first(InfoField::LongestShownText) +
           u"\n… (gekürzt: Diese Notizen sind zu lang, um sie hier ganz zu zeigen und zu "
           u"bearbeiten. Sie bleiben vollständig erhalten.)"_s;
}

} // namespace

InfoField::InfoField(QWidget* parent) : QPlainTextEdit(parent)
{
    // Tab moves on to the next field, as in every other field of the window.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &InfoField::ContentChanged);
}

void InfoField::SetText(const QString& text)
{
    if (text == text_)
        return;
    {
        const QScopedValueRollback guard(settingText_, true);
        const bool whole = text.size() <= LongestShownText;
        setPlainText(whole ? text : ShortenedText(text));
        setReadOnly(!whole);
    }
    text_ = text;
    shown_ = toPlainText();
    Q_EMIT Change();
}

void InfoField::ContentChanged()
{
    if (settingText_)
        return;
    const QString shown = toPlainText();
    if (shown == shown_)
        return;
    shown_ = shown;
    text_ = QString(shown).replace(u'\n', STD::LineBreak());
    Q_EMIT Change();
}
