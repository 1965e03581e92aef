#include "ui/common/clock.h"

namespace fin::ui {

namespace {
std::optional<QDateTime> g_fixed;
}

QDateTime Clock::now()
{
    return g_fixed ? *g_fixed : QDateTime::currentDateTime();
}

void Clock::setFixed(std::optional<QDateTime> moment)
{
    g_fixed = std::move(moment);
}

} // namespace fin::ui
