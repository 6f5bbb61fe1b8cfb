#pragma once

#include <QPlainTextEdit>

// The multi-line info field. Its text keeps line breaks as CR LF, as the
// course's info holds them (Qt keeps LF). Change() is emitted at once when
// the text changes, by typing or by the program, and only then: Qt reports
// a change even when the same text is set again. A character that
// Windows-1252 cannot hold is refused with a notice wherever the user's
// input brings it (keys, input methods, paste, drop); the rest is kept.
// A text too long to lay out at once (notes of many megabytes) is shown only
// in its beginning and cannot be typed into; Text() still gives it whole.
class InfoField : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr qsizetype LongestShownText = 1 << 18;

    explicit InfoField(QWidget* parent = nullptr);

    QString Text() const { return text_; }
    void SetText(const QString& text);

Q_SIGNALS:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void ContentChanged();

    // Exactly the text last set or typed: Qt would turn a lone CR into a
    // paragraph, and the text must read back as it was set.
    QString text_;
    // What Qt shows for text_, to tell a real change from a repeated one.
    QString shown_;
    bool settingText_ = false;
};
