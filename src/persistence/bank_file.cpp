#include <optional>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "persistence/binary_codec.h"

namespace vaskarn {
namespace {

constexpr std::string_view kBankFile = "Bank.dll";

}  // namespace

bool Player::SaveBank() const {
    ByteWriter out;
    out.Int32(GetBankAmount());
    return gameDir().WriteAtomically(kBankFile, out.Bytes());
}

void Player::LoadBank() {
    const std::optional<std::string> file = gameDir().Read(kBankFile);
    if (!file) {
        io() << "This is your first time that you have seen the new update - Banks!\n"
             << "Now, you can access your own bank. If you die, you won't lose gold\n"
             << "from your bank. Plus, they are stored in a file called Bank.dll, so\n"
             << "you can withdraw your gold from the bank. All your characters will\n"
             << "have 1 bank, you can rename it if you like. I hope you enjoy this\n"
             << "update! Just visit the Blue Moon Inn inside the town, and you can\n"
             << "start using your bank! Yay!!!\n";
        wait();
        SaveBank();
        return;
    }
    // A file too short to hold the amount keeps the balance the hero had.
    ByteReader in(*file);
    if (const auto amount = in.Int32()) SetBankAmount(*amount);
}

}  // namespace vaskarn
