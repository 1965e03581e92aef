#pragma once

// Shared by the payable operation tests.

#include "data/database.h"
#include "data/statement.h"
#include "finance/payable/actions.h"
#include "finance/payable/entry.h"
#include "finance/payable/query.h"
#include "finance/payable/texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <utility>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace fin::test::payable {

// The workstation's date: deliberately not the server's, so a test sees
// which of the two a column got.
inline const base::Date kToday = base::Date::fromYmd(2031, 3, 14);

using Params = std::initializer_list<std::pair<const char*, data::Value>>;

inline data::Rows query(data::Database& db, const char* sql, Params params = {})
{
    return db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, QString::fromUtf8(sql));
        for (const auto& [name, value] : params)
            st.set(QString::fromUtf8(name), value);
        return st.query();
    });
}

inline void exec(data::Database& db, const char* sql, Params params = {})
{
    db.inTransaction([&](data::Transaction& tx) {
        data::Statement st(tx, QString::fromUtf8(sql));
        for (const auto& [name, value] : params)
            st.set(QString::fromUtf8(name), value);
        st.execute();
    });
}

inline int count(data::Database& db, const char* sql, Params params = {})
{
    return query(db, sql, params).at(0).at(0).toInt();
}

// How many rows the actions write to: a refused action leaves these as they were.
struct Written {
    int open = 0, history = 0, cash = 0, bank = 0;
    bool operator==(const Written&) const = default;
};
inline Written written(data::Database& db)
{
    return {count(db, "SELECT COUNT(*) FROM CONTA_PAGAR WHERE DAT_PGTO_TOTAL IS NULL"),
            count(db, "SELECT COUNT(*) FROM HIST_CONTA_PAGAR"), count(db, "SELECT COUNT(*) FROM MOVIMENTO_CAIXA"),
            count(db, "SELECT COUNT(*) FROM MOVIMENTO_BANCO")};
}

// An open title of company 1 typed straight into the table.
inline void insertOpenTitle(data::Database& db, int doc, const char* value, int supplier = 1, int tipDoc = 2,
                            const char* obs = "OBS DO TITULO")
{
    exec(db,
         "INSERT INTO CONTA_PAGAR (COD_EMP, COD_DOC, COD_PARC, COD_FORNECEDOR, COD_TIP_DOC, COD_CONTA, DAT_CADASTRO, "
         "DAT_EMISSAO, DAT_VENCIMENTO, VLR_NOTA_FICAL, VLR_TITULO, VLR_JURO_DIARIO, DES_OBS) "
         "VALUES (1, :DOC, 1, :FORN, :TIP, 2, DATE '2031-03-01', DATE '2031-02-28', DATE '2031-04-10', 500, :VLR, "
         "0.15, :OBS)",
         {{"DOC", doc}, {"FORN", supplier}, {"TIP", tipDoc}, {"VLR", *base::Money::parse(value)},
          {"OBS", QString::fromUtf8(obs)}});
}

// The open title of company 1 with that document, as the search lists it.
inline finance::PayableTitle listed(data::Database& db, int doc, int supplier = 1, int tipDoc = 2, int parc = 1)
{
    const auto r = finance::searchOpenPayables(
        db, {QStringLiteral("1"), QString::number(supplier), QString::number(tipDoc)});
    for (const auto& t : r.titles)
        if (t.codDoc == doc && t.codParc == parc)
            return t;
    ADD_FAILURE() << "title " << doc << " not listed";
    return {};
}

// A cash settlement of the full value, as the page starts it.
inline finance::PayableSettlementInput settlement(const char* paid)
{
    finance::PayableSettlementInput s;
    s.vlrPago = QString::fromUtf8(paid);
    s.dataPagto = QStringLiteral("12/03/2031");
    s.tipoPagamento = finance::PayablePaymentType::Total;
    s.codHistorico = QStringLiteral("1");
    s.complemento = finance::PayableTexts::defaultComplement;
    return s;
}

} // namespace fin::test::payable
