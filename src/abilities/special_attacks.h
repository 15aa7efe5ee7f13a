#pragma once

#include <memory>

#include "abilities/special_attack.h"

namespace vaskarn {

// The 22 special-attack kinds. Each default constructor gives the kind's shop
// values; the pointer constructor copies name, price, energy cost, power and
// type from any record (the hero's collections keep such copies). Attack
// narrates and applies one use on elist[0]; energy, kills and rewards are the
// battle's business.

class Cleave1 : public Special_Attack {
public:
    Cleave1();
    explicit Cleave1(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Rampage : public Special_Attack {
public:
    Rampage();
    explicit Rampage(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Sweep : public Special_Attack {
public:
    Sweep();
    explicit Sweep(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Puncturing : public Special_Attack {
public:
    Puncturing();
    explicit Puncturing(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Poison_Blade : public Special_Attack {
public:
    Poison_Blade();
    explicit Poison_Blade(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Thrust : public Special_Attack {
public:
    Thrust();
    explicit Thrust(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Stab : public Special_Attack {
public:
    Stab();
    explicit Stab(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Jab : public Special_Attack {
public:
    Jab();
    explicit Jab(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Crush : public Special_Attack {
public:
    Crush();
    explicit Crush(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Fire_Blade : public Special_Attack {
public:
    Fire_Blade();
    explicit Fire_Blade(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Water_Blade : public Special_Attack {
public:
    Water_Blade();
    explicit Water_Blade(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Earth_Blade3 : public Special_Attack {
public:
    Earth_Blade3();
    explicit Earth_Blade3(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Light_Blade3 : public Special_Attack {
public:
    Light_Blade3();
    explicit Light_Blade3(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Cutter2 : public Special_Attack {
public:
    Cutter2();
    explicit Cutter2(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Flash2 : public Special_Attack {
public:
    Flash2();
    explicit Flash2(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Throw2 : public Special_Attack {
public:
    Throw2();
    explicit Throw2(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Spin2 : public Special_Attack {
public:
    Spin2();
    explicit Spin2(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Multiply2 : public Special_Attack {
public:
    Multiply2();
    explicit Multiply2(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

// The one kind whose damage does not depend on its power.
class Forged_Sword : public Special_Attack {
public:
    Forged_Sword();
    explicit Forged_Sword(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Finisher1 : public Special_Attack {
public:
    Finisher1();
    explicit Finisher1(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Midair_Cut : public Special_Attack {
public:
    Midair_Cut();
    explicit Midair_Cut(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

class Final_Cutter : public Special_Attack {
public:
    Final_Cutter();
    explicit Final_Cutter(const Special_Attack* other) : Special_Attack(other) {}
    void Attack(Entity* elist, int ecount) override;
};

// A copy of `from` as the kind its type names (type 0: a plain
// Special_Attack). nullptr when `from` is null or its type is not a kind.
std::unique_ptr<Special_Attack> MakeSpecialAttack(const Special_Attack* from);

}  // namespace vaskarn
