#pragma once

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <optional>

namespace fin::common {

// Amount display patterns the windows use: "###,#0.00" groups thousands with
// a point; "#0.00" and "##0.00" do not. The decimal separator is a comma.
inline const QString kMoneyGrouped = QStringLiteral("###,#0.00");
inline const QString kMoneyPlain = QStringLiteral("#0.00");

QString formatMoney(base::Money value, const QString& pattern = kMoneyGrouped);

// Reads an amount typed the Brazilian way: "1.234,56", "1234,56", "150",
// "-0,10", with blanks around. A point followed by exactly three digits
// groups thousands; a lone point with other digits is read as the decimal
// separator ("10.5"). Nothing else is accepted.
std::optional<base::Money> parseMoney(const QString& text);

// dd/mm/yyyy.
QString formatDate(const base::Date& date);
// "dd/mm/yyyy" (day and month may have one digit; a two-digit year is 20yy).
std::optional<base::Date> parseDate(const QString& text);

} // namespace fin::common
