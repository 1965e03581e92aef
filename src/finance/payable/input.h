#pragma once

// Reading what the payable windows typed: each helper refuses a bad text with
// a message and the field it came from, before anything is written.

#include "base/date.h"
#include "base/money.h"

#include <QString>

#include <optional>

namespace fin::finance::payable_input {

inline constexpr int kTextWidth = 80;   // DES_OBS and DES_OBS_TITULO

// Blank, or only the separators of a date mask ("  /  /    ").
bool isBlank(const QString& text);

// A whole number (32 bits); otherwise "Código inválido: " + the trimmed text.
int code(const QString& text, const QString& field);
std::optional<int> optionalCode(const QString& text, const QString& field);

// An amount typed the Brazilian way, brought to cents; otherwise
// "Valor inválido: " + the trimmed text. Blank gives nothing.
std::optional<base::Money> optionalAmount(const QString& text, const QString& field);

// dd/mm/yyyy; blank or impossible dates give nothing.
std::optional<base::Date> optionalDate(const QString& text);

// Refuses a text longer than its column.
QString boundedText(const QString& text, const QString& field, int width = kTextWidth);

} // namespace fin::finance::payable_input
