#include "app/Form1.h"
#include "search/WeekGrid.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace {

QAction* NewAction(const QString& text, const QKeySequence& shortcut, QWidget& window)
{
    auto* action = new QAction(text, &window);
    action->setShortcut(shortcut);
    // Ctrl+P and Ctrl+E work wherever the focus is in the window.
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

} // namespace

void Form1::BuildGridMenu()
{
    PrintAction = NewAction(u"Drucken…"_s, QKeySequence(Qt::CTRL | Qt::Key_P), *this);
    PdfAction = NewAction(u"Als PDF speichern…"_s, {}, *this);
    PictureAction = NewAction(u"Als Bild speichern…"_s, {}, *this);
    CalendarAction =
        NewAction(u"In Kalender exportieren…"_s, QKeySequence(Qt::CTRL | Qt::Key_E), *this);
    GridMenu = new QMenu(this);
    GridMenu->setObjectName(u"GridMenu"_s);
    GridMenu->addActions({PrintAction, PdfAction, PictureAction, CalendarAction});
    UpdateExportActions();
}

// The Menu key and Shift+F10 open the menu where the grid or the search
// button has the focus; elsewhere they are left to the focused control.
void Form1::ConnectGridMenu()
{
    auto* menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKeys->setShortcutContext(Qt::WindowShortcut);
    menuKeys->setEnabled(false);
    addAction(menuKeys);
    connect(qApp, &QApplication::focusChanged, menuKeys, [this, menuKeys](QWidget*, QWidget* now) {
        menuKeys->setEnabled(now && OpensGridMenu(*now));
    });
    connect(menuKeys, &QAction::triggered, this, [this] {
        RunHandler([this] {
            if (QWidget* focused = focusWidget())
                ShowGridMenu(*focused, focused->rect().center());
        });
    });
}

bool Form1::OpensGridMenu(const QWidget& control) const
{
    return &control == Command2 || qobject_cast<const ArrayLabel*>(&control) != nullptr;
}

// A right click on any cell of the grid; the keyboard's requests come
// through the menu keys above.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    QWidget* control = childAt(event->pos());
    if (event->reason() != QContextMenuEvent::Mouse || !control || !OpensGridMenu(*control)) {
        event->ignore();
        return;
    }
    RunHandler([&] { ShowGridMenu(*control, control->mapFrom(this, event->pos())); });
}

void Form1::ShowGridMenu(QWidget& control, const QPoint& position)
{
    UpdateExportActions();
    GridMenu->popup(control.mapToGlobal(position));
}

void Form1::UpdateExportActions()
{
    if (!GridMenu)
        return;
    for (QAction* action : GridMenu->actions())
        action->setEnabled(shownTimetable_.has_value());
}
