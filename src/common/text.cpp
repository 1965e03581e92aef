#include "common/text.h"

namespace fin::common {

QString TextBefore(const QString& text, const QString& delimiter)
{
    const qsizetype at = text.toLower().indexOf(delimiter.toLower());
    return at < 0 ? text : text.left(at);
}

QString TextAfter(const QString& text, const QString& delimiter)
{
    const qsizetype at = text.toLower().indexOf(delimiter.toLower());
    return at < 0 ? QString() : text.mid(at + delimiter.size());
}

QString RemoveChar(const QString& text, QChar c)
{
    QString s = text;
    s.remove(c);
    return s;
}

QString DecimalToSql(const QString& text)
{
    QString s = RemoveChar(text, u'.');
    s.replace(u',', u'.');
    return s;
}

QString SwapChars(const QString& text, QChar a, QChar b)
{
    const QChar placeholder(203);
    QString s = text;
    s.replace(b, placeholder);
    s.replace(a, b);
    s.replace(placeholder, a);
    return s;
}

} // namespace fin::common
