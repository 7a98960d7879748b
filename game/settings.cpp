#include "game/settings.h"

#include "game/translate.h"

namespace mervane {

// Looked up at each call, so that a settings object made after the language is chosen
// has the names in it.
std::array<std::string, 3> DefaultPlayerNames() {
    //: The computer seats' names until the user gives others in Game Setup; at most 10
    //: characters.
    return {Tr("Settings", "Player1"), Tr("Settings", "Player2"), Tr("Settings", "Player3")};
}

}  // namespace mervane
