#include "controls/InfoField.h"

#include "controls/RefusedCharacters.h"
#include "general/TextRoutines.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
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

void InfoField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = HoldableInput(event->text(), *this);
    if (typed == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (typed.isEmpty())
        return;
    QKeyEvent holdable(event->type(), event->key(), event->modifiers(), typed,
                       event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&holdable);
}

void InfoField::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = HoldableInput(event->commitString(), *this);
    if (committed == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // What is still being composed only shows; the commit enters the text.
    QInputMethodEvent holdable(event->preeditString(), event->attributes());
    holdable.setCommitString(committed, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&holdable);
    event->setAccepted(holdable.isAccepted());
}

void InfoField::insertFromMimeData(const QMimeData* source)
{
    const QString text = source->text();
    const QString pasted = HoldableInput(text, *this);
    if (pasted == text) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData holdable;
    holdable.setText(pasted);
    QPlainTextEdit::insertFromMimeData(&holdable);
}
