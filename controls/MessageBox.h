#pragma once

#include <QString>

#include <functional>
#include <optional>

enum class MessageButtons
{
    Ok,
    YesNo,
    RetrySaveAsDiscardCancel,
    KeepOverwriteSaveAsCancel
};
enum class MessageIcon
{
    None,
    Question,
    Information,
    Warning,
    Critical
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Retry,
    Discard,
    Cancel,
    SaveAs,
    Keep,
    Overwrite
};

// One modal message: what the user reads and the buttons to answer with.
struct Message
{
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // Unset: the first button of the set.
    std::optional<MessageAnswer> defaultAnswer = std::nullopt;
};

// The one way the window asks the user anything. The program shows a
// message box; tests answer without a person.
using MessageFunction = std::function<MessageAnswer(const Message&)>;

class QWidget;

// A modal message box over `parent`, its buttons captioned in German. Closing
// it without a button gives the answer that means "leave things as they are".
MessageAnswer ShowMessageBox(QWidget* parent, const Message& message);
