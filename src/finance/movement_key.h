#pragma once

#include "base/date.h"

#include <functional>

namespace fin::data {
class Transaction;
}

namespace fin::finance {

// Inserts a row keyed by the server timestamp. Two workstations may read the
// same millisecond: a key that collides is read again and the insert retried,
// so neither row is lost. `insert` receives the key and does the insert;
// returns the key that was used.
base::DateTime insertWithServerKey(data::Transaction& tx, const std::function<void(const base::DateTime&)>& insert,
                                   int attempts = 50);

} // namespace fin::finance
