#pragma once

#include <QDateTime>

#include <optional>

namespace fin::ui {

// "Now" and "today" of the workstation; tests fix them.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static void setFixed(std::optional<QDateTime> moment);
};

} // namespace fin::ui
