#include "controls/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <map>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ButtonChoice
{
    MessageAnswer answer;
    QString caption;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonChoice> ChoicesOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {{MessageAnswer::Ok, u"OK"_s, QMessageBox::AcceptRole}};
    case MessageButtons::YesNo:
        return {{MessageAnswer::Yes, u"Ja"_s, QMessageBox::YesRole},
                {MessageAnswer::No, u"Nein"_s, QMessageBox::NoRole}};
    case MessageButtons::RetrySaveAsDiscardCancel:
        return {
            {MessageAnswer::Retry, u"Wiederholen"_s, QMessageBox::AcceptRole},
            {MessageAnswer::SaveAs, u"Anderswo speichern …"_s, QMessageBox::ActionRole},
            {MessageAnswer::Discard, u"Ohne Speichern schließen"_s, QMessageBox::DestructiveRole},
            {MessageAnswer::Cancel, u"Abbrechen"_s, QMessageBox::RejectRole}};
    case MessageButtons::KeepOverwriteSaveAsCancel:
        return {{MessageAnswer::Keep, u"Andere Fassung behalten"_s, QMessageBox::DestructiveRole},
                {MessageAnswer::Overwrite, u"Überschreiben"_s, QMessageBox::AcceptRole},
                {MessageAnswer::SaveAs, u"Anderswo speichern …"_s, QMessageBox::ActionRole},
                {MessageAnswer::Cancel, u"Abbrechen"_s, QMessageBox::RejectRole}};
    }
    return {};
}

QStyle::StandardPixmap StandardPixmapOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Information:
        return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::None:
    case MessageIcon::Critical:
        break;
    }
    return QStyle::SP_MessageBoxCritical;
}

// Qt looks a standard icon up in the icon theme for every box, which takes
// longer than the rest of the box; it does not change while the program runs.
QPixmap IconPixmap(MessageIcon icon)
{
    static std::map<MessageIcon, QPixmap> known;
    const auto [entry, added] = known.try_emplace(icon);
    if (added) {
        const QStyle& style = *QApplication::style();
        const int size = style.pixelMetric(QStyle::PM_MessageBoxIconSize);
        entry->second = style.standardIcon(StandardPixmapOf(icon))
                            .pixmap(QSize(size, size), qApp->devicePixelRatio());
    }
    return entry->second;
}

} // namespace

MessageAnswer ShowMessageBox(QWidget* parent, const Message& message)
{
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::NoButton,
                    parent);
    if (message.icon != MessageIcon::None)
        box.setIconPixmap(IconPixmap(message.icon));
    box.setTextFormat(Qt::PlainText);

    const std::vector<ButtonChoice> choices = ChoicesOf(message.buttons);
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> buttons;
    for (const ButtonChoice& choice : choices) {
        QPushButton* button = box.addButton(choice.caption, choice.role);
        buttons.emplace_back(button, choice.answer);
        if (choice.answer == message.defaultAnswer.value_or(choices.front().answer))
            box.setDefaultButton(button);
    }
    // Escape and the close button take the last choice: "No", "Abbrechen",
    // or the only button there is.
    box.setEscapeButton(buttons.back().first);

    box.exec();
    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return buttons.back().second;
}
