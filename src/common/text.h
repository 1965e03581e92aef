#pragma once

#include <QString>

namespace fin::common {

// The part of `text` before the first `delimiter` (found case-insensitively);
// all of `text` when there is none.
QString TextBefore(const QString& text, const QString& delimiter);
// The part after the first `delimiter`; empty when there is none.
QString TextAfter(const QString& text, const QString& delimiter);
// `text` without any `c`.
QString RemoveChar(const QString& text, QChar c);
// "1.234.567,89" -> "1234567.89": points removed, then commas made points.
QString DecimalToSql(const QString& text);
// Every `a` becomes `b` and every `b` becomes `a` (through the placeholder
// character 203, which therefore also becomes `a`).
QString SwapChars(const QString& text, QChar a, QChar b);

} // namespace fin::common
