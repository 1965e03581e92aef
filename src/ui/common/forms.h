#pragma once

#include "data/statement.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>
#include <utility>

class QBoxLayout;
class QGridLayout;
class QLabel;

namespace fin::ui {

// A row of command buttons: ("&Incluir", "btnIncluir"), ... in that order.
class ButtonPanel : public QWidget {
public:
    ButtonPanel(QWidget* parent, std::initializer_list<std::pair<QString, QString>> captionsAndNames);
    QPushButton* button(const QString& objectName) const;
};

// The entry panel of the entry windows: "&Incluir", "&Cancelar", "&Salvar", "&Sair".
ButtonPanel* entryButtons(QWidget* parent);

// A line edit with its object name; `maxLength` 0 leaves it free.
QLineEdit* makeEdit(QWidget* parent, const QString& objectName, int maxLength = 0);
// A code box wide enough for nine digits.
QLineEdit* makeCodeEdit(QWidget* parent, const QString& objectName);
// A pick list at least `minChars` characters wide.
QComboBox* makeList(QWidget* parent, const QString& objectName, int minChars);
// What is typed in the box turns into upper case.
void setUpperCase(QLineEdit* edit);
// A date box typed and shown dd/mm/yyyy, with a calendar.
QDateEdit* makeDateEdit(QWidget* parent, const QString& objectName);
// A read-only box (shows a value the user cannot change).
QLineEdit* makeReadOnly(QWidget* parent, const QString& objectName);

// Fills a combo with one entry per row: the shown text from `textColumns`
// (joined by " - ") and the item data from `keyColumn`.
void fillCombo(QComboBox* combo, const data::Rows& rows, const QString& keyColumn, const QStringList& textColumns);
// Selects the entry whose data equals `key` (as text); -1 when none.
int selectComboKey(QComboBox* combo, const QString& key);

// A code box and its list: choosing in the list fills the code, a code in
// the box shows its entry in the list (none when the code is unknown).
void bindCodeToList(QLineEdit* code, QComboBox* list);

// A label bound to a control: the label's mnemonic focuses it.
QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent);

} // namespace fin::ui
