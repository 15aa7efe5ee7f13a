#include <string>

#include "core/file_system.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "persistence/binary_codec.h"
#include "persistence/save_files.h"

namespace vaskarn {

std::string BankFileBytes(const Player& hero) {
    ByteWriter out;
    out.Int32(hero.GetBankAmount());
    return out.Bytes();
}

bool Player::SaveBank() const { return gameDir().WriteAtomically(kBankFile, BankFileBytes(*this)); }

// The bank goes first: should Player.dll then fail to be replaced, the
// hero's file is untouched and the failure is reported.
bool SaveHeroAndBank(const Player& hero) {
    const std::string player = PlayerFileBytes(hero);
    const std::string bank = BankFileBytes(hero);
    return gameDir().WriteAllAtomically({{kBankFile, bank}, {kPlayerFile, player}});
}

void Player::LoadBank() {
    const FileContent file = gameDir().ReadFile(kBankFile);
    if (file.state == FileContent::State::Missing) {
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
    // A file that is there but cannot be read is treated like one too short
    // to hold the amount: the hero keeps the balance it had, and the file is
    // not replaced, so a balance the game cannot read now is not lost.
    ByteReader in(file.bytes);
    if (const auto amount = in.Int32()) SetBankAmount(*amount);
}

}  // namespace vaskarn
