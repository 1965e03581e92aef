#pragma once

#include "ui/cashbank/book_window.h"

namespace fin::ui {

// "Movimento de Caixa": today's cash movements with the day's balances, and a
// movement typed by hand.
class Tfrm_mov_caixa : public BookWindow {
public:
    explicit Tfrm_mov_caixa(Session& session, QWidget* parent = nullptr);

protected:
    void startEntry() override;
    finance::RecordOutcome recordEntry(const Typed& typed) override;
};

} // namespace fin::ui
