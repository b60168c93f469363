#include "support/fight_flow_fixture.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/tick_harness.h"

#include <cstring>

std::vector<std::string> fight_load_calls;
int fight_load_failing_character = -1;
int fight_load_failing_stage = -1;

static int record_character(int character, int slot, int alt_color)
{
    fight_load_calls.push_back("C" + std::to_string(slot) + ":" + std::to_string(character) + ":" +
                               std::to_string(alt_color));
    if (slot == 0 || slot == 1)
        fighters[slot].character = static_cast<u8>(character);
    return character == fight_load_failing_character ? 1 : 0;
}

static int record_arena(StageId stage)
{
    fight_load_calls.push_back("A" + std::to_string(stage));
    return stage == fight_load_failing_stage ? 1 : 0;
}

void fight_fixture_reset(int character1, int character2)
{
    harness_reset();
    for (int side = 0; side < 2; side++) {
        memset(&fighters[side], 0, sizeof fighters[side]);
        fighters[side].side = side;
        fighters[side].life = fighters[side].life_shown = 1.0f;
        fighters[side].heads_left = FIGHTER_HEAD_COUNT;
        for (f32 &head : fighters[side].head_life)
            head = 1.0f;
    }
    fighters[0].character = static_cast<u8>(character1);
    fighters[1].character = static_cast<u8>(character2);
    p1_character = character1;
    p2_character = character2;
    fight_character_loader = record_character;
    fight_arena_loader = record_arena;
    fight_load_calls.clear();
    fight_load_failing_character = fight_load_failing_stage = -1;
    stage_id = STAGE_ATHENS;
    summoner = summon_victim = 0;
}

void fight_fixture_fight(int mode)
{
    game_mode = mode;
    game_state = STATE_ROUND_START;
    fight_load_phase = 0;
    harness_run(1);
}

void fight_fixture_knock_out(int side)
{
    fighters[side].action = ACTION_KO;
    fighter_skeletons[side]->action = ACTION_KO;
}
