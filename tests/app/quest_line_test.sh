#!/usr/bin/env bash
# The whole quest line through the real game, from a prepared strong hero to
# the won save: one session per stage (quest_line/STAGE.in), each loading the
# last save, playing one quest, saving from the status screen and leaving.
# Between the sessions the hero lives only in his save, and after each one the
# saved flags must be exactly those earned so far.
# Each answer in the inputs is followed by one empty line more than the pauses
# up to the next question take; every question skips empty lines.
set -u
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../transcripts/hero_file.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# One blow fells any foe of the line and no blow hurts him; his level is past
# the reach of any XP, so no win stops for a level-up choice.
TITLE="Guilded Paladin" LEVEL=9000 write_hero
for offset in 76 80 84 96 100 108 112; do # gold, HP, max HP, energy, max energy, attack, defense
    store_int $offset 1000000
done

saved='Game Saved!;Thanks for playing Vaskarn'
# Stage | flags saved after it, in the file's order | lines its output must
# (or, after "!", must not) hold | list:name held at least once, or =N times.
while IFS='|' read -r stage flags lines holds; do
    "$bin" --seed 1 --dir . <"$here/quest_line/$stage.in" >"$stage.out" 2>"$stage.err"
    status=$?
    [ "$status" -eq 0 ] && [ ! -s "$stage.err" ] || fail "$stage: status $status $(cat "$stage.err")"
    got=$(od -An -tu1 -j198 -N15 Player.dll | tr -d ' \n')
    [ "$got" = "$flags" ] || fail "$stage: saved flags $got, expected $flags"
    IFS=';' read -ra wanted <<<"$lines"
    for line in "${wanted[@]}"; do
        if [ "${line:0:1}" = '!' ]; then
            ! grep -qF -- "${line:1}" "$stage.out" || fail "$stage: printed '${line:1}'"
        else
            grep -qF -- "$line" "$stage.out" || fail "$stage: never printed '$line'"
        fi
    done
    IFS=';' read -ra wanted <<<"$holds"
    for hold in "${wanted[@]}"; do
        list=${hold%%:*} name=${hold#*:} count=
        [[ $name == *=* ]] && count=${name##*=} name=${name%=*}
        held=$(stored_names "$list" | grep -cxF -- "$name")
        if [ -n "$count" ]; then [ "$held" = "$count" ]; else [ "$held" -gt 0 ]; fi ||
            fail "$stage: $held of $list '$name' saved"
    done
done <<STAGES
01_grasslands|100000000000000|now completed the Grasslands Quest!;$saved|items:Grass;items:Fish=20;items:Stone Key=0
02_ocean|100100000000000|You have now completed the Ocean City quest!;$saved|blessings:The Blessing Of The Fish
03_rainforest|110100000000000|You have completed the Rainforest Quest!;$saved|items:Bloated Frog;items:Blank Carved Button
04_meadow|111100000000000|you have completed the meadow quest!;$saved|items:Holy Grail
05_elven|111110000000000|falls to his knees, and bows his head;$saved|items:Balsa Wood;potions:Frog Mana Potion
06_swamp|111110010000000|You have completed the Swamplands Quest!;$saved|blessings:Swamplands Blessing;godpowers:The Power Of Imagination
07_heaven|111110110000000|You have now killed a total of 21 Light Warriors!;completed the Gates Of Heaven Quest!;$saved|items:Gold Sword;items:Fish=0;items:Bloated Frog=0;godpowers:The Power Of Light
08_graveyard|111110111000000|a new blessing, The Bringer Of Light!;$saved|godpowers:The Power Of The Shadows
09_mountain|111111111000000|You have completed the Mountain Quest!;$saved|godpowers:The Power Of Runite
10_hellfire|111111111100000|The Abyssal Demon Of Darkness falls back;$saved|godpowers:The Power Of The Underworld
11_runeking|111111111111100|The Rune King falls to his knees;$saved|
12_peace|111111111111110|Peace Quest Complete!!!;$saved|
13_king|111111111111111|King Quest Complete!!!;You have now won Vaskarn;Well, Goodbye Hero, and may peace be|
14_refused|111111111111111|You have already completed Vaskarn on this file.;!Where do you want to go?|
STAGES
exit $failed
