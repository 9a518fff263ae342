#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "systems/System.h"

class QLabel;
class QPushButton;
class QueltaGame;

// Play on the table and Stop, with a line on how the system's session on the
// table stands. Playing runs on the table's own thread like START, so the
// click returns when the session ends; the window keeps answering meanwhile.
class SystemPlayBar : public QWidget {
public:
    // `systemToPlay` gives the system the window shows, or nothing when its
    // fields are wrong (the window then says why).
    SystemPlayBar(QWidget* parent, QueltaGame& game, std::function<std::optional<systems::System>()> systemToPlay);

    void play();
    void stop();
    // Shows the game's state now rather than at the next turn of the timer.
    void refresh();

    static constexpr int kRefreshMs = 100;

private:
    QueltaGame& game_;
    std::function<std::optional<systems::System>()> systemToPlay_;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer timer_;
};
