#include "ui/payable/payable_widgets.h"

#include "ui/common/forms.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QValidator>

namespace fin::ui::payable {

namespace {


// Watches one widget's events and calls back; deleted with the widget.
class EventHook : public QObject {
public:
    EventHook(QWidget* w, std::function<bool(QEvent*)> onEvent)
        : QObject(w)
        , m_onEvent(std::move(onEvent))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        m_onEvent(e);
        return false;
    }

private:
    std::function<bool(QEvent*)> m_onEvent;
};

} // namespace

base::Date toBaseDate(const QDate& d)
{
    return d.isValid() ? base::Date::fromYmd(d.year(), d.month(), d.day()) : base::Date{};
}

QDate toQDate(const base::Date& d)
{
    return d.isNull() ? QDate() : QDate(d.year(), d.month(), d.day());
}

QLineEdit* makeUpperEdit(QWidget* parent, const QString& objectName, int maxLength)
{
    QLineEdit* e = makeEdit(parent, objectName, maxLength);
    setUpperCase(e);
    return e;
}

QLineEdit* makeMaskedDate(QWidget* parent, const QString& objectName)
{
    QLineEdit* e = makeEdit(parent, objectName);
    e->setInputMask(QStringLiteral("99/99/9999"));
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    return e;
}

QLineEdit* makeAmount(QWidget* parent, const QString& objectName)
{
    QLineEdit* e = makeEdit(parent, objectName);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 12);
    return e;
}

void clearPromptOnClick(QLineEdit* edit, const QString& prompt)
{
    new EventHook(edit, [edit, prompt](QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress && edit->text() == prompt)
            edit->clear();
        return false;
    });
}

void onLeave(QWidget* w, std::function<void()> check)
{
    new EventHook(w, [check = std::move(check)](QEvent* e) {
        if (e->type() != QEvent::FocusOut)
            return false;
        switch (static_cast<QFocusEvent*>(e)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            return false;   // a message box or a list popup; the user did not leave
        default:
            check();
            return false;
        }
    });
}

} // namespace fin::ui::payable
