#pragma once

// Private to fin_data: the Firebird OO API and the pieces the layer shares.

#include "data/database.h"
#include "data/errors.h"

#include <firebird/Interface.h>

#include <QString>

namespace fin::data::fb {

Firebird::IMaster* master();
Firebird::IUtil* util();

// A status vector for one call; check() turns an error into the right DbError.
class Status {
public:
    Status();
    ~Status();
    Firebird::CheckStatusWrapper* operator&() { return &m_wrapper; }
    bool failed() const;
    // Throws when the last call failed; `context` prefixes nothing but is kept
    // for messages of this layer.
    void check();
    [[noreturn]] void raise();

private:
    Firebird::IStatus* m_status;
    Firebird::CheckStatusWrapper m_wrapper;
};

// Character set ids of the engine that the layer decodes itself.
constexpr unsigned kCsNone = 0;
constexpr unsigned kCsOctets = 1;
constexpr unsigned kCsUnicodeFss = 3;
constexpr unsigned kCsUtf8 = 4;
constexpr unsigned kCsWin1252 = 53;

QByteArray encodeText(const QString& text, unsigned charset);
QString decodeText(const char* data, unsigned length, unsigned charset);
unsigned bytesPerChar(unsigned charset);

} // namespace fin::data::fb

namespace fin::data {

struct Database::Impl {
    ConnectionParams params;
    Firebird::IAttachment* attachment = nullptr;
    unsigned charsetId = fb::kCsUtf8;
};

struct Transaction::Impl {
    Firebird::ITransaction* handle = nullptr;
};

} // namespace fin::data
