#include "app/play/game_host.h"

#include <utility>

namespace mervane {

GameHost::GameHost(MessageBoxes& messages)
    : platform_(messages), game_(platform_), history_(game_.State().scores) {
    game_.AddObserver(&history_);
}

GameHost::~GameHost() {
    game_.RemoveObserver(&history_);
}

void GameHost::Dispatch(std::function<void()> command) {
    if (platform_.Quitting()) return;
    game_.WhenIdle([this, command = std::move(command)] {
        command();
        emit commandRun();
    });
}

}  // namespace mervane
