#pragma once

#include "cnab/auxiliar.h"
#include "cnab/retorno/return_row.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fin::cnab {

// A return file that cannot be read: names the line (1-based) and the field.
class ReturnFileError : public FieldError {
public:
    ReturnFileError(int line, std::string field, const std::string& message);
    int line() const { return m_line; }
    const std::string& field() const { return m_field; }

private:
    int m_line;
    std::string m_field;
};

enum class ReturnLayout { Cnab400, Cnab240 };

// Receives each row as soon as its record (or T/U pair) is complete.
using ReturnRowSink = std::function<void(ReturnRow&&)>;

// A reader: the file's bytes (Windows-1252), the path of the file (trimmed
// into DADOS_RETORNO), and where the rows go, in file order.
using ReturnReaderFn = void (*)(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);

void readBradesco400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);
void readItau400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);
void readBancoDoBrasil400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);
void readSantander400(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);
void readSicoob240(std::string_view bytes, std::string_view path, const ReturnRowSink& sink);

// What a bank code and layout lead to: a reader, or the message shown for a
// bank without one ("Banco não implementado" ...), or neither (a code the
// system does not know does nothing at all).
struct ReaderChoice {
    ReturnReaderFn reader = nullptr;
    std::string_view message;

    // Runs the reader; does nothing when there is none.
    void read(std::string_view bytes, std::string_view path, const ReturnRowSink& sink) const;
    std::vector<ReturnRow> readAll(std::string_view bytes, std::string_view path) const;
};

ReaderChoice chooseReturnReader(int bankCode, ReturnLayout layout);

// Occurrence text of a bank's table for a layout, or empty for a code the
// table lacks (also for banks without a table).
std::string_view occurrenceText(int bankCode, ReturnLayout layout, int code);

} // namespace fin::cnab
