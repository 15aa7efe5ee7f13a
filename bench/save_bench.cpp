// How long saving and loading a hero take, with every list full: the
// largest Player.dll the game can write. Built only with
// -DVASKARN_BENCHMARK=ON; the game directory is a fresh temporary one.
#include <benchmark/benchmark.h>

#include <string>

#include "core/game_dir.h"
#include "core/services.h"
#include "model/player.h"
#include "persistence/save_files.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

void FillEveryList(Player& hero) {
    for (int i = 0; i < 100; ++i) {
        const std::string tag = std::to_string(i);
        Potion potion;
        potion.CreatePotion("Potion " + tag, i, i, 10 * i);
        potion.SetAmount(i + 1);
        Inventory item;
        item.CreateItem("Item " + tag, i);
        God_Power power;
        power.CreateGodPower("God Power " + tag, i);
        Blessings blessing;
        blessing.CreateBlessing("Blessing " + tag, i);
        Spell spell;
        spell.SetName("Spell " + tag), spell.SetPrice(i), spell.SetPower(i), spell.SetMPCost(i);
        spell.SetSpellType(static_cast<Spell_Type>(i % (kLastSpellType + 1)));
        Special_Attack attack;
        attack.SetName("Special " + tag), attack.SetPrice(i), attack.SetPower(i), attack.SetEnergyCost(i);
        attack.SetAttackType(static_cast<Special_Attack_Type>(i % (kLastSpecialAttackType + 1)));
        hero.AddPotion(&potion), hero.AddItem(&item), hero.AddGod_Power(&power), hero.AddBlessing(&blessing);
        hero.AddSpell(&spell), hero.AddSpecialAttack(&attack);
    }
}

void BM_SaveFullHero(benchmark::State& state) {
    testing::TestWorld world;
    Player hero;
    FillEveryList(hero);
    for (auto _ : state)
        if (!hero.Save()) state.SkipWithError("the save failed");
    state.counters["bytes"] = static_cast<double>(world.ReadFile("Player.dll").value_or("").size());
}
BENCHMARK(BM_SaveFullHero)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(20)->ReportAggregatesOnly(true);

// The status screen's save: the hero and the bank as one.
void BM_SaveHeroAndBank(benchmark::State& state) {
    testing::TestWorld world;
    Player hero;
    FillEveryList(hero);
    for (auto _ : state)
        if (!SaveHeroAndBank(hero)) state.SkipWithError("the save failed");
}
BENCHMARK(BM_SaveHeroAndBank)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(20)->ReportAggregatesOnly(true);

// The same save with the waits for the disk left out, to show what they cost.
class UnsyncedFiles final : public FileSystem {
public:
    FileContent Read(const Path& path, std::size_t limit) override { return real_.Read(path, limit); }
    int CreateNew(const Path& path, int& handle) override { return real_.CreateNew(path, handle); }
    int Write(int handle, std::string_view bytes) override { return real_.Write(handle, bytes); }
    int Sync(int) override { return 0; }
    int Close(int handle) override { return real_.Close(handle); }
    int Rename(const Path& from, const Path& to) override { return real_.Rename(from, to); }
    int Remove(const Path& path) override { return real_.Remove(path); }
    int SyncDirectory(const Path&) override { return 0; }

private:
    FileSystem& real_ = SystemFiles();
};

void BM_SaveFullHeroUnsynced(benchmark::State& state) {
    testing::TestWorld world;
    UnsyncedFiles unsynced;
    const GameDir dir(world.Dir(), unsynced);
    const ServicesScope scope(Services{nullptr, nullptr, nullptr, &dir, nullptr});
    Player hero;
    FillEveryList(hero);
    for (auto _ : state)
        if (!hero.Save()) state.SkipWithError("the save failed");
}
BENCHMARK(BM_SaveFullHeroUnsynced)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(20)->ReportAggregatesOnly(true);

void BM_LoadFullHero(benchmark::State& state) {
    testing::TestWorld world;
    {
        Player hero;
        FillEveryList(hero);
        if (!hero.Save()) state.SkipWithError("the save failed");
    }
    Player loaded;
    for (auto _ : state) {
        loaded.Load();
        world.TakeOutput();
    }
}
BENCHMARK(BM_LoadFullHero)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(20)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vaskarn

BENCHMARK_MAIN();
