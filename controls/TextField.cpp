#include "controls/TextField.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <memory>

// Cuts what the user's edit inserted beyond the allowed length, as a maximum
// length would. Qt runs it for the program's texts as well, which pass
// unchanged.
class TextField::TypingLimitValidator : public QValidator
{
public:
    explicit TypingLimitValidator(TextField& field) : QValidator(&field), field_(field) {}

    State validate(QString& input, int& position) const override
    {
        const qsizetype excess = input.size() - field_.AllowedLength();
        if (excess > 0) {
            // The inserted characters end at the cursor.
            const qsizetype from = std::max<qsizetype>(0, position - excess);
            input.remove(from, excess);
            position = int(from);
        }
        return Acceptable;
    }

private:
    const TextField& field_;
};

TextField::TextField(int typingLimit, QWidget* parent)
    : QLineEdit(parent), typingLimit_(typingLimit)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        textBefore_ = text;
        // The user's edit is done; what the handlers set in turn is the
        // program's text, even while the key that caused it is handled.
        const QScopedValueRollback programText(userInput_, false);
        Q_EMIT Change();
    });
    if (typingLimit_ > 0)
        setValidator(new TypingLimitValidator(*this));
}

bool TextField::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonRelease: // the middle button pastes the selection
    case QEvent::Drop: {
        const QScopedValueRollback typing(userInput_, true);
        return QLineEdit::event(event);
    }
    default:
        return QLineEdit::event(event);
    }
}

void TextField::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own menu returns before the user chooses; this one is run to the
    // end here, so that its paste counts as the user's input.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const QScopedValueRollback typing(userInput_, true);
    menu->exec(event->globalPos());
}

qsizetype TextField::AllowedLength() const
{
    if (!userInput_ || typingLimit_ == 0)
        return std::numeric_limits<qsizetype>::max();
    return std::max<qsizetype>(typingLimit_, textBefore_.size());
}
