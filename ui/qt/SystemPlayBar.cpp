#include "ui/qt/SystemPlayBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/QueltaGame.h"

SystemPlayBar::SystemPlayBar(QWidget* parent, QueltaGame& game,
                             std::function<std::optional<systems::System>()> systemToPlay)
    : QWidget(parent), game_(game), systemToPlay_(std::move(systemToPlay)) {
    setObjectName(QStringLiteral("fraPlayOnTable"));
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    whole->addLayout(buttons);
    play_ = new QPushButton(tr("&Play on the table"), this);
    play_->setObjectName(QStringLiteral("cmdPlayOnTable"));
    play_->setToolTip(tr("Plays the system on the table spin by spin: its chips are placed before every spin."));
    stop_ = new QPushButton(tr("S&top playing"), this);
    stop_->setObjectName(QStringLiteral("cmdStopPlaying"));
    buttons->addWidget(play_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblPlayOnTable"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    whole->addWidget(status_);
    connect(play_, &QPushButton::clicked, this, [this] { play(); });
    connect(stop_, &QPushButton::clicked, this, [this] { stop(); });

    // The session moves at the table's yields; the line follows it from here
    // and never calls into the game.
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start();
    refresh();
}

void SystemPlayBar::play() {
    if (game_.systemPlaying())
        return;
    const std::optional<systems::System> system = systemToPlay_();
    if (!system)
        return;
    play_->setEnabled(false);
    stop_->setEnabled(true);
    game_.playSystem(*system);
    refresh();
}

void SystemPlayBar::stop() {
    game_.stopSystem();
    refresh();
}

void SystemPlayBar::refresh() {
    const SystemPlayStatus& status = game_.systemPlay();
    play_->setEnabled(!status.playing);
    stop_->setEnabled(status.playing && !status.stopAsked);
    const QString text = QString::fromStdString(describeSystemPlay(status));
    if (status_->text() != text)
        status_->setText(text);
}
