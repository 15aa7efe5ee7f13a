# Sourced by transcript setups: writes Player.dll and Bank.dll byte by byte,
# so a case can start from a hero whose progress it chooses.
#   NAME TITLE GROUP GOLD LEVEL HP   the hero (a new Squire named Hero otherwise)
#   FLAGS                         15 digits, 0 or 1, in the file's flag order:
#                                 grasslands forest meadow oceancity forest2
#                                 mountain heaven swamp graveyard hellfire
#                                 vroengard castle runeking peace king
#   SPELLS                        lines of name|price|power|mpcost|type
#   POTIONS                       lines of name|price|hprestore|mprestore|amount
#   ITEMS                         lines of name|price (inventory items)
#   GODPOWERS                     lines of name|power
#   BLESSINGS                     lines of name|value
#   BANK                          the bank balance

int32() {
    local v=$(($1 & 0xFFFFFFFF))
    # shellcheck disable=SC2059
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))"
}

byte() {
    # shellcheck disable=SC2059
    printf "$(printf '\\x%02x' "$1")"
}

text36() {
    printf '%s' "$1"
    head -c $((36 - ${#1})) /dev/zero
}

# A counted list of name|value lines (none when empty), as the inventory,
# god powers and blessings are stored.
named_values() {
    if [ -z "$1" ]; then
        int32 0
        return
    fi
    int32 "$(printf '%s\n' "$1" | wc -l)"
    local name value
    while IFS='|' read -r name value; do
        text36 "$name"; int32 "$value"
    done <<<"$1"
}

write_hero() {
    local flags=${FLAGS:-000000000000000} i
    {
        text36 "${NAME:-Hero}"
        text36 "${TITLE:-Squire}"
        int32 "${GROUP:-1}"
        int32 "${GOLD:-100}"
        int32 "${HP:-40}"; int32 40; int32 10; int32 10; int32 20; int32 20  # HP, MP, energy
        int32 "${LEVEL:-1}"
        int32 1; int32 1; int32 1                                  # attack, defense, strength
        int32 0; int32 1; int32 0; int32 1                         # herblore, smithing
        int32 0; int32 0; int32 0                                  # tokens, bars, XP
        byte 0; int32 0; byte 0                                    # poisoned, job, bow
        text36 ""; int32 0; int32 0                                # bow name, power, arrows
        for ((i = 0; i < 15; i++)); do byte "${flags:i:1}"; done
        text36 "Bronze Dagger"; int32 6; int32 0
        for i in 1 2 3 4 5 6; do text36 ""; int32 0; int32 0; done
        if [ -n "${POTIONS:-}" ]; then
            int32 "$(printf '%s\n' "$POTIONS" | wc -l)"
            local pname pprice hprestore mprestore amount
            while IFS='|' read -r pname pprice hprestore mprestore amount; do
                text36 "$pname"; int32 "$pprice"; int32 "$hprestore"; int32 "$mprestore"; int32 "$amount"
            done <<<"$POTIONS"
        else
            int32 0
        fi
        named_values "${ITEMS:-}"
        named_values "${GODPOWERS:-}"
        named_values "${BLESSINGS:-}"
        if [ -n "${SPELLS:-}" ]; then
            int32 "$(printf '%s\n' "$SPELLS" | wc -l)"
            local name price power mpcost type
            while IFS='|' read -r name price power mpcost type; do
                text36 "$name"; int32 "$price"; int32 "$power"; int32 "$mpcost"; int32 "$type"
            done <<<"$SPELLS"
        else
            int32 0
        fi
        int32 0                                                    # special attacks
    } >Player.dll
    int32 "${BANK:-0}" >Bank.dll
}

# The int32 stored at byte offset $1 of Player.dll.
stored_int() {
    od -An -t d4 --endian=little -j "$1" -N 4 Player.dll | tr -d ' '
}

# The byte stored at offset $1 of Player.dll.
stored_byte() {
    od -An -t u1 -j "$1" -N 1 Player.dll | tr -d ' '
}

# Overwrites the int32 at byte offset $1 of Player.dll with $2 (tokens at
# 136, bars at 140, and so on).
store_int() {
    int32 "$2" | dd of=Player.dll bs=1 seek="$1" conv=notrunc status=none
}

# The names stored in one of Player.dll's lists (potions, items, godpowers,
# blessings, spells or specials), one a line, in the file's order.
stored_names() {
    local lists=(potions items godpowers blessings spells specials) sizes=(52 40 40 40 52 52)
    local offset=521 i j count
    for i in 0 1 2 3 4 5; do
        count=$(stored_int "$offset")
        offset=$((offset + 4))
        if [ "${lists[i]}" = "$1" ]; then
            for ((j = 0; j < count; j++)); do
                dd if=Player.dll bs=1 skip=$((offset + j * sizes[i])) count=36 status=none | tr -d '\0'
                echo
            done
            return
        fi
        offset=$((offset + count * sizes[i]))
    done
}
