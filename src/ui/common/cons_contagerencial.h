#pragma once

#include "ui/common/conbasico.h"

namespace fin::ui {

// The management account lookup. Whenever it closes, by any means, the
// highlighted account goes into the shared selection record; an empty list
// leaves the previous choice there.
class TF_ConsContasGerenciais : public TF_ConBasico {
public:
    explicit TF_ConsContasGerenciais(Session& session, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
};

} // namespace fin::ui
