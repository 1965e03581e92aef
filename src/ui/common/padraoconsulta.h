#pragma once

#include "finance/common/lookup.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fin::ui {

class ReadOnlyGrid;
class Session;

// The standard lookup, configured entirely by its caller: a search box with
// three search options over one table of the schema connection.
class Tfrm_padraoconsulta : public QDialog {
public:
    explicit Tfrm_padraoconsulta(Session& session, QWidget* parent = nullptr);

    // Stores the nine arguments, reads the declared length of the search
    // field and shows the window modally. True when the user confirmed a row;
    // read it with chosenRow(). Connection errors are thrown.
    bool PADRAOCONSULTA(const QString& campo, const QString& select, bool incremental, const QString& titulo,
                        const QString& retornaTexto, const QString& tabela, const QString& ordem,
                        const QString& label, const QString& condicao);
    bool PADRAOCONSULTA(const finance::StandardLookup& lookup);

    // What PADRAOCONSULTA does before the modal display.
    void configure(const finance::StandardLookup& lookup);
    const finance::StandardLookup& lookup() const { return m_lookup; }
    int fieldLength() const { return m_fieldLength; }

    // The result query: closed until the first search.
    bool isResultOpen() const { return m_open; }
    const data::Rows& Query_Pesquisa() const;
    // The current row of the result, when it has rows.
    std::optional<data::Row> chosenRow() const;

    bool confirmed() const { return m_confirmed; }
    // The typed text when the caller asked for it ("S") and the user confirmed.
    const QString& returnedText() const { return m_returnedText; }

    // The search of the "..." button.
    void search();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void display();
    void confirm();
    void closeResult();
    void moveCurrent(int delta);

    Session& m_session;
    finance::StandardLookup m_lookup;
    int m_fieldLength = 0;
    bool m_open = false;
    bool m_confirmed = false;
    QString m_returnedText;

    QButtonGroup* m_options;
    QLabel* m_label;
    QLineEdit* m_edit;
    QPushButton* m_dots;
    ReadOnlyGrid* m_grid;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace fin::ui
