#pragma once

#include "base/date.h"

namespace fin::data {

class Transaction;

// The server's current timestamp, read in the caller's transaction. History
// rows, movements and receipts are keyed by it.
base::DateTime serverTimestamp(Transaction& tx);

} // namespace fin::data
