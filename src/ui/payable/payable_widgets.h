#pragma once

// Small pieces the two payable windows share.

#include "base/date.h"

#include <QDate>
#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace fin::ui::payable {

base::Date toBaseDate(const QDate& d);
QDate toQDate(const base::Date& d);

// A box that turns what is typed into upper case; `maxLength` 0 leaves it free.
QLineEdit* makeUpperEdit(QWidget* parent, const QString& objectName, int maxLength);

// A date typed as dd/mm/yyyy in a mask ("99/99/9999").
QLineEdit* makeMaskedDate(QWidget* parent, const QString& objectName);

// An amount box, right-aligned.
QLineEdit* makeAmount(QWidget* parent, const QString& objectName);

// A box prefilled with a prompt: a click empties it while it still shows the
// prompt (what the user typed is never thrown away by a click).
void clearPromptOnClick(QLineEdit* edit, const QString& prompt);

// Runs `check` whenever the user leaves `w` for another control of the same
// window (Tab, Enter, a click); not when another window takes the focus.
void onLeave(QWidget* w, std::function<void()> check);

} // namespace fin::ui::payable
