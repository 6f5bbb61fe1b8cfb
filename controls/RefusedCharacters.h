#pragma once

#include <QString>
#include <QValidator>

class QWidget;

// Course text is stored in Windows-1252. A character that the code page
// cannot hold is refused where the user types, pastes, drops or composes
// it: the rest of the input is kept, and a short notice beside the field
// says which character and why.

// The notice, in German, for the refused characters (each once).
QString RefusedCharactersText(const QString& refused);

// Shows the notice as a tooltip below the field; the next one replaces it.
void TellRefusedCharacters(QWidget& field, const QString& refused);

// What of the user's input the field takes; the rest is told as above.
QString HoldableInput(const QString& input, QWidget& field);

// A line edit's filter: takes out what the code page cannot hold and tells
// the user. Text without such characters passes unchanged.
class HoldableTextValidator : public QValidator
{
public:
    explicit HoldableTextValidator(QWidget& field);

    State validate(QString& input, int& position) const override;

private:
    QWidget& field_;
};
