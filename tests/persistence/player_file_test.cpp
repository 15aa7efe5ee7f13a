#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "model/player.h"
#include "persistence/binary_codec.h"
#include "support/loader_check.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

constexpr std::size_t kFixed = 521;
const std::string kPause = "\nPress the Enter key to continue\n\n";

std::string Saved(TestWorld& world, const Player& hero) {
    EXPECT_TRUE(hero.Save());
    return world.ReadFile("Player.dll").value_or("");
}

// Every fixed field distinct, so a field at a neighbour's offset shows.
void FillFixed(Player& h) {
    h.SetName("Aldric"), h.SetGroupName("Knight"), h.SetGroup(3);
    h.SetGold(1001), h.SetHP(1002), h.SetMaxHP(1003), h.SetMP(1004), h.SetMaxMP(1005), h.SetEnergy(1006);
    h.SetMaxEnergy(1007), h.SetLevel(1008), h.SetAttack(1009), h.SetDefense(1010), h.SetStrength(1011);
    h.SetHerbloreXP(1012), h.SetHerbloreLevel(1013), h.SetSmithingXP(1014), h.SetSmithingLevel(1015);
    h.SetTokens(1016), h.SetBars(1017), h.SetXP(-1018), h.SetPoisoned(true), h.SetWorkshopJob(1);
    h.SetBow(true), h.SetBowName("Longbow"), h.SetBowPower(1019), h.SetArrows(1020);
    h.SetGrasslands(true), h.SetMeadow(true), h.SetMountain(true), h.SetHellFire(true), h.SetKing(true);
    Weapon w;
    w.CreateWeapon("Rune Sword", 1021, 1022);
    h.SetWeapon(w);
    Armor a[6];
    for (int i = 0; i < 6; ++i) a[i].CreateArmor("Piece " + std::to_string(i), 2000 + i, 3000 + i);
    h.SetCape(a[0]), h.SetHelm(a[1]), h.SetPlatebody(a[2]), h.SetPlatelegs(a[3]), h.SetShield(a[4]);
    h.SetGauntlets(a[5]);
}

// Up to n entries in each list (god powers and blessings stop at their capacity).
void FillLists(Player& h, int n) {
    for (int i = 0; i < n; ++i) {
        const std::string tag = std::to_string(i);
        Potion p;
        Inventory item;
        God_Power g;
        Blessings b;
        p.CreatePotion("Potion " + tag, i, -i, 10 * i), p.SetAmount(i + 1), item.CreateItem("Item " + tag, i);
        g.CreateGodPower("God " + tag, i + 7), b.CreateBlessing("Blessing " + tag, i + 9);
        Spell s;
        s.SetName("Spell " + tag), s.SetPrice(i), s.SetPower(i + 1), s.SetMPCost(i + 2);
        s.SetSpellType(static_cast<Spell_Type>(i % (kLastSpellType + 1)));
        Special_Attack sa;
        sa.SetName("Special " + tag), sa.SetPrice(i), sa.SetPower(i + 3), sa.SetEnergyCost(i + 4);
        sa.SetAttackType(static_cast<Special_Attack_Type>(i % (kLastSpecialAttackType + 1)));
        h.AddPotion(&p), h.AddItem(&item), h.AddGod_Power(&g), h.AddBlessing(&b), h.AddSpell(&s);
        h.AddSpecialAttack(&sa);
    }
}

// A hand-made list entry: a name, then its numbers.
void Entry(ByteWriter& out, const std::string& name, std::initializer_list<int> numbers) {
    out.Text36(name);
    for (int n : numbers) out.Int32(n);
}

// A new hero's fixed part, poisoned with a flag byte of 7, then hand-made lists.
void WriteWithLists(TestWorld& world, const ByteWriter& lists) {
    std::string fixed = Saved(world, Player()).substr(0, kFixed);
    fixed[148] = '\7';
    world.WriteFile("Player.dll", fixed + lists.Bytes());
}

TEST(PlayerFileTest, EveryFieldAtItsOffset) {
    TestWorld world;
    std::string bytes = Saved(world, Player());
    ASSERT_EQ(bytes.size(), 545u);
    EXPECT_EQ(bytes.substr(0, 40), "Hero" + std::string(32, '\0') + "Hero");
    EXPECT_EQ(bytes.substr(72, 12), std::string("\1\0\0\0\x64\0\0\0\x28\0\0\0", 12));  // class 1, gold 100, HP 40

    Player hero;
    FillFixed(hero);
    ByteWriter file;  // the layout, field by field
    file.Text36("Aldric"), file.Text36("Knight"), file.Int32(3);
    for (int value = 1001; value <= 1017; ++value) file.Int32(value);
    file.Int32(-1018), file.Flag(true), file.Int32(1), file.Flag(true), file.Text36("Longbow");
    file.Int32(1019), file.Int32(1020);
    for (char flag : std::string("101001000100001")) file.Flag(flag == '1');
    file.Text36("Rune Sword"), file.Int32(1021), file.Int32(1022);  // the damage before the price
    for (int piece : {1, 2, 3, 0, 4, 5}) {  // helm, platebody, platelegs, cape, shield, gauntlets
        file.Text36("Piece " + std::to_string(piece)), file.Int32(2000 + piece), file.Int32(3000 + piece);
    }
    for (int list = 0; list < 6; ++list) file.Int32(0);
    EXPECT_EQ(Saved(world, hero), file.Bytes());
}

TEST(PlayerFileTest, FullHeroSurvivesSaveAndLoadByteForByte) {
    TestWorld world;
    Player hero, loaded;
    FillFixed(hero);
    FillLists(hero, 100);
    hero.SetBankAmount(777);
    const std::string first = Saved(world, hero);
    EXPECT_EQ(first.size(), kFixed + 24 + 300 * 52 + 130 * 40);
    world.TakeOutput();
    loaded.Load();
    EXPECT_EQ(world.TakeOutput(), std::string(1 + 100 + 3, '\n'));  // after the flags, per item, at the end
    EXPECT_EQ(Saved(world, loaded), first);
    EXPECT_EQ(loaded.GetBankAmount(), 0);
    EXPECT_NE(dynamic_cast<Fireball*>(loaded.GetSpell()[ST_FIREBALL].get()), nullptr);
    EXPECT_NE(dynamic_cast<Fire_Blade*>(loaded.GetSpecialAttack()[ST_FIREBLADE].get()), nullptr);
}

TEST(PlayerFileTest, ListEdgesFollowTheAddingRules) {
    TestWorld world;
    Player hero;
    FillLists(hero, 8);
    for (std::size_t slot = 1; slot < 7; ++slot) hero.GetPotion()[slot].reset();
    const std::string bytes = Saved(world, hero);
    EXPECT_EQ(bytes.substr(kFixed, 4), std::string("\2\0\0\0", 4));
    EXPECT_EQ(bytes.substr(kFixed + 4 + 52, 9), std::string("Potion 7\0", 9));
    hero.Load();
    EXPECT_EQ(hero.GetPotion()[1]->GetAmount(), 8);
    EXPECT_EQ(hero.GetPotion()[2], nullptr);

    ByteWriter lists;  // doses 0 and -4 are dropped, so is an unknown spell type
    lists.Int32(3);
    for (int dose : {0, -4, 3}) Entry(lists, "Dose " + std::to_string(dose), {1, 1, 1, dose});
    lists.Int32(0), lists.Int32(0), lists.Int32(0), lists.Int32(2);
    for (int type : {99, 0}) Entry(lists, "Kind", {1, 1, 1, type});
    WriteWithLists(world, lists);  // no special attacks' count at all: none
    hero.Load();
    EXPECT_EQ(hero.GetPotion()[0]->GetAmount(), 3);
    EXPECT_EQ(hero.GetPotion()[1], nullptr);
    EXPECT_EQ(hero.GetSpell()[0]->GetSpellType(), ST_GENERIC);
    EXPECT_EQ(hero.GetSpell()[1], nullptr);
    EXPECT_TRUE(!hero.GetInventory()[0] && !hero.GetGodPower()[0] && !hero.GetBlessings()[0]);
    EXPECT_EQ(hero.GetSpecialAttack()[0], nullptr);
    EXPECT_TRUE(hero.IsPoisoned());
}

TEST(PlayerFileTest, OverfullListsAnnounceOncePerEntry) {
    TestWorld world("\n\n");
    ByteWriter lists;
    lists.Int32(101);
    for (int i = 0; i < 101; ++i) Entry(lists, "P" + std::to_string(i), {40, 1, 1, 5});
    lists.Int32(101);
    for (int i = 0; i < 101; ++i) Entry(lists, "Item", {9});
    WriteWithLists(world, lists);
    Player hero;
    hero.Load();
    EXPECT_EQ(world.Output(), "\nYou can't hold any more potions, your potion inventory is full.\n" + kPause + "\n" +
                                  std::string(100, '\n') +
                                  "You don't have enough room in your inventory to store any more items.\n" + kPause +
                                  "\n\n\n\n");
    EXPECT_EQ(hero.GetGold(), 100);  // the refund gives way to the stored gold
}

// Loaded from memory, so that a thousand loads take a moment.
TEST(PlayerFileTest, EveryPrefixLoadsAndKeepsUnreadFields) {
    TestWorld world;
    testing::OneFileForAll files;
    const GameDir dir("game", files);
    const ServicesScope scope(Services{.dir = &dir});
    Player source;
    FillFixed(source);
    FillLists(source, 2);
    const std::string full = PlayerFileBytes(source);
    for (std::size_t length = 0; length < full.size(); ++length) {
        files.bytes = full.substr(0, length);
        Player hero;
        ASSERT_FALSE(world.EndsGame([&] { hero.Load(); })) << length;
        if (length == 81) {
            EXPECT_EQ(hero.GetGold() + hero.GetHP(), 1001 + 40);  // gold read, HP not
        }
        // A short read must not shift: the bow flag is never taken from another field's bytes.
        EXPECT_EQ(hero.HasBow(), length > 153) << length;
        const std::string resaved = PlayerFileBytes(hero);
        if (length >= kFixed) {
            EXPECT_EQ(resaved.substr(0, kFixed), full.substr(0, kFixed)) << length;
        }
        EXPECT_LT(resaved.size(), full.size()) << length;
    }
}

// Randomly damaged files are the fuzzer's work; its corpus runs in LoaderCorpusTest.
TEST(PlayerFileTest, HostileFilesLoadSafelyAndQuickly) {
    TestWorld world("\n");
    ByteWriter lists;  // one name twice, unterminated, two billion doses each
    lists.Int32(2);
    for (int i = 0; i < 2; ++i) Entry(lists, std::string(36, 'x'), {1, 2, 3, 2'000'000'000});
    lists.Int32(0x7fffffff);  // far more items than the file holds
    WriteWithLists(world, lists);
    Player hero;
    const auto start = std::chrono::steady_clock::now();
    hero.Load();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(hero.GetPotion()[0]->GetName(), std::string(35, 'x'));
    EXPECT_EQ(hero.GetPotion()[0]->GetAmount(), 0x7fffffff);
}

}  // namespace
}  // namespace vaskarn
