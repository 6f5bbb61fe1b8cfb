#pragma once

#include <QLineEdit>

// A single-line text field. Change() is emitted at once whenever the text
// changes, by typing or by the program, and only then. The typing limit
// holds for what the user types or pastes; a text that the program sets is
// always kept in full (QLineEdit's maximum length would cut it).
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    // typingLimit 0: no limit.
    explicit TextField(int typingLimit = 0, QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    // Hides QLineEdit::setText, which would apply the typing limit.
    void setText(const QString& text);

Q_SIGNALS:
    void Change();

private:
    class TypingLimitValidator;

    // How long the text may grow by the edit under way.
    qsizetype AllowedLength() const;

    int typingLimit_;
    bool settingText_ = false;
    // The text before the edit under way: an edit may shorten a text that
    // the program made longer than the limit.
    QString textBefore_;
};
