#pragma once

#include "common/errors.h"

namespace fin::finance {

// A search code that is not a whole number: besides the message and the
// cursor, the window empties that field.
class InvalidCodeError : public common::UserError {
public:
    using UserError::UserError;
};

// The selected title is no longer open and as it was listed (another
// workstation settled or changed it, or holds it right now). Nothing was
// written; the window closes the result so the user searches again.
class TitleChangedError : public common::UserError {
public:
    using UserError::UserError;
};

} // namespace fin::finance
