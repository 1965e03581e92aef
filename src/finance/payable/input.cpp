#include "finance/payable/input.h"

#include "common/brformat.h"
#include "common/errors.h"
#include "finance/payable/texts.h"

namespace fin::finance::payable_input {

bool isBlank(const QString& text)
{
    for (const QChar c : text)
        if (!c.isSpace() && c != u'/' && c != u'_')
            return false;
    return true;
}

int code(const QString& text, const QString& field)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        throw common::UserError(PayableTexts::invalidCode + text.trimmed(), field);
    return n;
}

std::optional<int> optionalCode(const QString& text, const QString& field)
{
    if (isBlank(text))
        return std::nullopt;
    return code(text, field);
}

std::optional<base::Money> optionalAmount(const QString& text, const QString& field)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const auto m = common::parseMoney(text);
    if (!m)
        throw common::UserError(PayableTexts::invalidAmount + text.trimmed(), field);
    // The columns hold cents: a third decimal is rounded, not cut.
    return m->roundedToCents();
}

std::optional<base::Date> optionalDate(const QString& text)
{
    if (isBlank(text))
        return std::nullopt;
    return common::parseDate(text);
}

QString boundedText(const QString& text, const QString& field, int width)
{
    if (text.size() > width)
        throw common::UserError(PayableTexts::textTooLong, field);
    return text;
}

} // namespace fin::finance::payable_input
