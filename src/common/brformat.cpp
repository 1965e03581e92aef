#include "common/brformat.h"

#include <QRegularExpression>

namespace fin::common {

QString formatMoney(base::Money value, const QString& pattern)
{
    const bool grouped = pattern.contains(u',');
    QString plain = QString::fromStdString(value.toString(2));   // "-1234.56"
    const bool negative = plain.startsWith(u'-');
    if (negative)
        plain.remove(0, 1);
    const qsizetype dot = plain.indexOf(u'.');
    QString units = plain.left(dot);
    const QString cents = plain.mid(dot + 1);
    if (grouped)
        for (qsizetype i = units.size() - 3; i > 0; i -= 3)
            units.insert(i, u'.');
    return (negative ? QStringLiteral("-") : QString()) + units + u',' + cents;
}

std::optional<base::Money> parseMoney(const QString& text)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    static const QRegularExpression kGrouped(QStringLiteral("^[-+]?\\d{1,3}(\\.\\d{3})+(,\\d*)?$"));
    static const QRegularExpression kPlain(QStringLiteral("^[-+]?\\d*(,\\d*)?$"));
    static const QRegularExpression kPointDecimal(QStringLiteral("^[-+]?\\d*\\.\\d*$"));
    if (kGrouped.match(s).hasMatch()) {
        s.remove(u'.');
    } else if (kPointDecimal.match(s).hasMatch()) {
        // A lone point that groups nothing is a decimal point.
    } else if (!kPlain.match(s).hasMatch()) {
        return std::nullopt;
    }
    s.replace(u',', u'.');
    if (s.endsWith(u'.'))
        s.chop(1);
    return base::Money::parse(s.toStdString());
}

QString formatDate(const base::Date& date)
{
    return date.isNull() ? QString() : QString::fromStdString(date.toDDMMYYYY());
}

std::optional<base::Date> parseDate(const QString& text)
{
    static const QRegularExpression kDate(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const auto m = kDate.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += 2000;
    const base::Date d = base::Date::fromYmd(year, m.captured(2).toInt(), m.captured(1).toInt());
    if (d.isNull())
        return std::nullopt;
    return d;
}

} // namespace fin::common
