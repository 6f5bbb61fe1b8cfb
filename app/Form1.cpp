#include "app/Form1.h"

#include "app/ListFileMessages.h"
#include "general/StdError.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>

#include <exception>
#include <utility>

using namespace Qt::Literals::StringLiterals;

Form1::Form1(const QString& listFileName)
    : Label2(*this), listFileName_(QFileInfo(listFileName).absoluteFilePath()),
      showMessage_([this](const Message& message) { return ShowMessageBox(this, message); }),
      chooseSaveFile_([this](const QString& suggestion) {
          return QFileDialog::getSaveFileName(this, u"Veranstaltungsliste speichern unter"_s,
                                              suggestion,
                                              u"Textdateien (*.txt);;Alle Dateien (*)"_s);
      }),
      autoSave_(listFile_, [this] { return SeenListBytes(); }),
      exportDialogs_(DesktopExportDialogs(this))
{
    listFileLock_ = listFile_.Lock();
    if (listFileLock_ != STD::GuardedFile::LockState::HeldElsewhere)
        listReading_.Start(listFileName_);
    BuildControls();
    ConnectEvents();
    connect(&autoSave_, &STD::BackgroundSave::Written, this, &Form1::ShowSaveState);
}

Form1::~Form1()
{
    // The controls go first, while the state their handlers use still exists.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QString Form1::DefaultListFileName()
{
    return u"liste.txt"_s;
}

void Form1::SetMessageFunction(MessageFunction showMessage)
{
    showMessage_ = std::move(showMessage);
}

void Form1::SetSaveFileFunction(SaveFileFunction chooseSaveFile)
{
    chooseSaveFile_ = std::move(chooseSaveFile);
}

MessageAnswer Form1::MsgBox(const Message& message)
{
    return showMessage_(message);
}

void Form1::Tell(const QString& text, MessageIcon icon)
{
    Ask(text, MessageButtons::Ok, icon);
}

MessageAnswer Form1::Ask(const QString& text, MessageButtons buttons, MessageIcon icon,
                         std::optional<MessageAnswer> defaultAnswer)
{
    return MsgBox({.text = text,
                   .title = windowTitle().remove(u"[*]"_s),
                   .buttons = buttons,
                   .icon = icon,
                   .defaultAnswer = defaultAnswer});
}

void Form1::RunHandler(const std::function<void()>& handler)
{
    ++handlersRunning_;
    RunGuarded(handler);
    // Handlers nest; the outermost one has left the courses as they stay.
    if (--handlersRunning_ == 0)
        NoticeCourseChanges();
}

void Form1::RunGuarded(const std::function<void()>& handler)
{
    int number = 0;
    QString text;
    try {
        handler();
        return;
    } catch (const STD::Error& error) {
        number = error.Number();
        text = error.Text();
    } catch (const std::exception& error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = u"Unbekannter Fehler"_s;
    }
    try {
        Tell(HandlerErrorText(number, text), MessageIcon::Critical);
    } catch (...) {
        // Nothing is left to tell the user with; the program goes on.
    }
}

void Form1::setVisible(bool visible)
{
    if (visible && !loaded_)
        RunHandler([this] { Form_Load(); });
    QWidget::setVisible(visible);
}

void Form1::closeEvent(QCloseEvent* event)
{
    qint16 cancel = 0;
    if (loaded_ && !unloaded_)
        RunHandler([this, &cancel] { Form_Unload(cancel); });
    if (cancel != 0) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}
