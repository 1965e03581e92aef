#pragma once

#include <QObject>

class QWidget;

namespace fin::ui {

// Enter moves the focus to the next control, as Tab would, in every window
// of the program; grids, memos, bitmap buttons and message boxes keep Enter.
class EnterNavigation : public QObject {
public:
    explicit EnterNavigation(QObject* parent = nullptr);
    static void install();
    // Whether Enter pressed on `focus` moves the focus.
    static bool movesFocus(const QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Marks a button as a bitmap button (Enter keeps its meaning on it).
void markBitmapButton(QWidget* button);

} // namespace fin::ui
