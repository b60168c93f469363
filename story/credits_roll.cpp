#include "story/story.h"

#include "engine/engine.h"
#include "game/game.h"

int credits_roll_start()
{
    game_state = STATE_CREDITS;
    story_ticks = 0;
    music_stop();
    return music_play("musica/jason.ogg") != 0 ? 1 : 0;
}

// A Start press of either player ends the roll.
void credits_roll_tick()
{
    for (int p = 0; p < 2; p++) {
        if (!input_start[p] || latch_start[p])
            continue;
        latch_start[0] = latch_start[1] = 1;
        state_ticks = 0;
        game_state = STATE_CREDITS_EARNED;
        music_set_voice_volume(0);
        return;
    }
}
