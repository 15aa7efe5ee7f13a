#include "crafting/workshop.h"

#include <cstdint>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

constexpr int kEnergyPerHour = 10;
constexpr int kPayPerHour = 100;


// How many hours, until the hero has the energy for them. Any count is
// weighed exactly; a negative one is worked as none.
Transition workhours(Player* player) {
    io() << "How many hours do you want to work?\n";
    io().Prompt();
    int hours = io().ReadNumber(0);
    if (player->GetEnergy() < std::int64_t{kEnergyPerHour} * hours) {
        io() << "You don't have enough energy to work that long.\n";
        wait();
        return Stay();
    }
    if (hours < 0) hours = 0;
    // The energy check bounds the hours, so the energy used fits; the pay
    // can pass the 32-bit edge and stops there.
    const int energy = kEnergyPerHour * hours;
    const int pay = SatMul(kPayPerHour, hours);
    io() << "You work for " << hours << " hours.\n"
         << "You use up " << energy << " energy.\n";
    player->UseEnergy(energy);
    io() << "Then, you go back to the front of the workshop,\n"
         << "and get paid " << pay << " coins.\n";
    player->AddGold(pay);
    wait();
    return Back();
}

// A shift of work, for a hero who has the job.
Transition continue_job(Player* player) {
    if (player->GetWorkshopJob() <= 0) {
        io() << "Err...you don't have a job here...\n";
        wait();
        return Back();
    }
    io() << "Welcome back, " << player->GetName() << ".\n"
         << "There's a bunch of horse wagons, wheel rims, and plenty of other\n"
            "stuff in the back of this building. Go there and you can start.\n";
    wait();
    io() << "You walk to the back of the building, and start your job.\n"
            "For each hour that you work, you use up 10 energy.\n";
    return GoTo(workhours);
}

Transition jobask(Player* player);

Transition jobaccept(Player* player) {
    io() << "Very nice, so I shall have you start work.\n"
            "Do you accept your job?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsNo(answer)) {
        io() << "I see, ok then.\n";
        wait();
        return Back();
    }
    if (!IsYes(answer)) return GoTo(jobask);
    io() << "Ok then, you're hired.\n";
    wait();
    io() << "Congratulations! You just got a job at the workshop!\n";
    player->SetWorkshopJob(1);
    wait();
    // The first shift at once; it hands control back to the menu.
    return GoTo(continue_job);
}

Transition jobask(Player*) {
    io() << "Ah, I see.\n"
            "But we can't just hire anybody, we need a talented worker.\n"
            "Are you talented?(y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    if (IsYes(answer)) return GoTo(jobaccept);
    if (IsNo(answer)) {
        io() << "Then I'm sorry, but we can't hire you.\n";
        wait();
        return Back();
    }
    return Stay();
}

Transition job(Player* player) {
    if (player->GetWorkshopJob() == 1) {
        io() << "You already have a job here.\n";
        wait();
        return Back();
    }
    return GoTo(jobask);
}

Transition no_thanks_bye(Player*) {
    io() << "\n"
            "Head Worker:\n"
            "Ok, bye.\n";
    wait();
    return ReturnTo(town);
}

Transition workshopmenu(Player*) {
    io() << "\n"
            "Head Worker:\n"
            "Hi, can we help you?\n\n"
            "1. I am here for work\n"
            "2. I want a job here\n"
            "3. No thanks, bye\n";
    io().Prompt();
    switch (io().ReadChar()) {
    case '1':
        return Open(continue_job);
    case '2':
        return Open(job);
    case '3':
        return GoTo(no_thanks_bye);
    default:
        return Stay();
    }
}

}  // namespace

Transition workshop(Player*) {
    io() << "As soon as the workers see you, they stop their work.\n";
    return GoTo(workshopmenu);
}

}  // namespace vaskarn
