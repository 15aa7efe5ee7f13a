// How long saving and loading a hero take, with every list full: the
// largest Player.dll the game can write. Built only with
// -DVASKARN_BENCHMARK=ON; the game directory is a fresh temporary one.
#include <benchmark/benchmark.h>

#include <string>

#include "model/player.h"
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
BENCHMARK(BM_SaveFullHero)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
BENCHMARK(BM_LoadFullHero)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vaskarn

BENCHMARK_MAIN();
