#include "controls/TextField.h"

#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>
#include <limits>

// Cuts what an edit inserted beyond the allowed length, as a maximum length
// would. Qt runs it for the program's texts as well, which pass unchanged.
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
        Q_EMIT Change();
    });
    if (typingLimit_ > 0)
        setValidator(new TypingLimitValidator(*this));
}

void TextField::setText(const QString& text)
{
    const QScopedValueRollback guard(settingText_, true);
    QLineEdit::setText(text);
}

qsizetype TextField::AllowedLength() const
{
    if (settingText_ || typingLimit_ == 0)
        return std::numeric_limits<qsizetype>::max();
    return std::max<qsizetype>(typingLimit_, textBefore_.size());
}
