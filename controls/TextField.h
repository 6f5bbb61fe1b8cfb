#pragma once

#include <QLineEdit>

// A single-line text field. Change() is emitted at once whenever the text
// changes, by typing or by the program, and only then. The typing limit
// holds for what the user types, pastes or drops; a text that the program
// sets, by whatever route (QLineEdit's setText or insert, the text
// property), is always kept in full, as QLineEdit's maximum length would not.
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    // typingLimit 0: no limit.
    explicit TextField(int typingLimit = 0, QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }

Q_SIGNALS:
    void Change();

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    class TypingLimitValidator;

    // How long the text may grow by the edit under way.
    qsizetype AllowedLength() const;

    int typingLimit_;
    // Set while the field handles the user's own input, and only then.
    bool userInput_ = false;
    // The text before the edit under way: an edit may shorten a text that
    // the program made longer than the limit.
    QString textBefore_;
};
