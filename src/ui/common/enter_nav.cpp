#include "ui/common/enter_nav.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace fin::ui {

namespace {
const char* const kBitmapProperty = "finBitmapButton";
}

void markBitmapButton(QWidget* button)
{
    button->setProperty(kBitmapProperty, true);
}

EnterNavigation::EnterNavigation(QObject* parent)
    : QObject(parent)
{
}

void EnterNavigation::install()
{
    qApp->installEventFilter(new EnterNavigation(qApp));
}

bool EnterNavigation::movesFocus(const QWidget* focus)
{
    if (!focus)
        return false;
    if (focus->property(kBitmapProperty).toBool())
        return false;
    if (qobject_cast<const QAbstractItemView*>(focus) || qobject_cast<const QPlainTextEdit*>(focus)
        || qobject_cast<const QTextEdit*>(focus))
        return false;
    // The editor of a grid cell belongs to the grid.
    for (const QWidget* p = focus->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p))
            return false;
    const QWidget* window = focus->window();
    return !qobject_cast<const QMessageBox*>(window);
}

bool EnterNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus || !movesFocus(focus))
        return false;
    // Same as Tab; the Enter key is consumed so that it does not also press
    // a dialog's default button.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focus, &tab);
    return true;
}

} // namespace fin::ui
