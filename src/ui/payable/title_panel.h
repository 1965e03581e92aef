#pragma once

#include <QWidget>

class QLineEdit;

namespace fin::finance {
struct PayableTitle;
}

namespace fin::ui::payable {

// The read-only data of the selected title, repeated on the three action
// pages of the payable query.
class TitlePanel : public QWidget {
public:
    explicit TitlePanel(QWidget* parent);
    // Shows the title, or empties every box when there is none.
    void showTitle(const finance::PayableTitle* title);
    QLineEdit* box(const QString& objectName) const;
};

} // namespace fin::ui::payable
