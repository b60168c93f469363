// The key-frame sequencer every character runs: one call per fighter per logic tick turns the
// skeleton's action into a walk through the character's key frames. All that differs between
// characters is in their tables; nothing here asks which character it runs.
#include "characters/characters.h"

// The entry blend of the idle block while the fighter is airborne.
constexpr f32 SEQ_AIRBORNE_IDLE_BLEND = 2.0f;
// Samples the tables play run at the sample's own pitch.
constexpr int SEQ_SAMPLE_PITCH = 1000;
// A special end restarts the call once; a second restart could only come from a table that
// ends into a special, and is refused so a bad table cannot loop forever.
constexpr int SEQ_MAX_PASSES = 2;

// The keys of one block in the bank of this call.
struct SeqKeys {
    int lo, hi, step_hi, bank;
};

static SeqKeys seq_block_keys(const SeqBlock *block, int bank)
{
    int offset = (block->flags & SEQ_FIXED_KEYS) ? 0 : bank;
    SeqKeys keys;
    keys.lo = block->lo + offset;
    keys.hi = block->hi + offset;
    keys.step_hi = (block->step_hi ? block->step_hi : block->hi) + offset;
    keys.bank = offset;
    return keys;
}

int sequencer_bank(const CharacterSequence *sequence, const Fighter *fighter)
{
    if (fighter->heads_left < 0 || fighter->heads_left >= SEQ_BANK_CHOICES)
        return 0;
    return sequence->bank_by_heads[fighter->heads_left];
}

const SeqBlock *sequencer_find_block(const CharacterSequence *sequence, int action)
{
    for (int i = 0; i < sequence->block_count; i++) {
        const SeqBlock *block = &sequence->blocks[i];
        if (block->action == action || block->twin == action)
            return block;
    }
    return nullptr;
}

static int seq_outer_key_add(const SeqBlock *block, int key, int out[SEQ_OUTER_KEYS], int count)
{
    if (key >= block->lo && key <= block->hi)
        return count;
    for (int i = 0; i < count; i++)
        if (out[i] == key)
            return count;
    out[count] = key;
    return count + 1;
}

int sequencer_outer_keys(const SeqBlock *block, int out[SEQ_OUTER_KEYS])
{
    int count = 0;
    if (block->entry_key)
        count = seq_outer_key_add(block, block->entry_key, out, count);
    if (block->end & (END_HOLD | END_TO_KEY))
        count = seq_outer_key_add(block, block->end_key, out, count);
    else if (!(block->flags & SEQ_LOOP))
        count = seq_outer_key_add(block, block->hi + 1, out, count);
    return count;
}

// A key time or a speed: a constant, or that constant times one of the fighter's tuning factors.
static f32 seq_rated(const Fighter *fighter, f32 ticks, int rate)
{
    if (rate < 0 || rate >= TUNING_RATE_COUNT)
        return ticks;
    return ticks * fighter->anim_rate[rate];
}

static bool seq_key_test(const SeqEvent *event, const Skeleton *skeleton, int bank)
{
    int key = event->key + bank;
    switch (event->test) {
    case SEQ_ANY_KEY: return true;
    case SEQ_TO_IS: return skeleton->key_to == key;
    case SEQ_TO_AT_MOST: return skeleton->key_to <= key;
    case SEQ_TO_ABOVE: return skeleton->key_to > key;
    case SEQ_FROM_IS: return skeleton->key_from == key;
    case SEQ_FROM_AT_MOST: return skeleton->key_from <= key;
    case SEQ_FROM_ABOVE: return skeleton->key_from > key;
    }
    return false;
}

// Throws the fighter's projectile from a launch row: from where it stands, toward where it faces.
static void seq_launch(const CharacterSequence *sequence, const Fighter *fighter, int row)
{
    if (row < 0 || row >= sequence->launch_count || fighter->side < 0 || fighter->side > 1)
        return;
    const SeqLaunch *launch = &sequence->launches[row];
    Projectile *p = &projectiles[fighter->side];
    projectile_launched(fighter->side);
    p->move_id = launch->move_id;
    p->kind = launch->kind;
    p->direction = fighter->facing;
    p->lock = 0;
    p->flat = launch->flat;
    p->texture_set = launch->texture_set;
    p->frame = 0;
    p->pos[0] = fighter->facing == 1 ? fighter->pos_x + launch->ahead : fighter->pos_x - launch->ahead;
    p->pos[1] = fighter->pos_y;
    p->pos[2] = launch->height;
    for (int axis = 0; axis < 3; axis++)
        p->size[axis] = launch->size[axis];
    p->speed = seq_rated(fighter, launch->speed, launch->speed_rate);
    p->decay = launch->decay;
    p->life = 1.0f;
}

// The one place a table's event touches the fighter, its skeleton or the fight.
static void seq_event(const CharacterSequence *sequence, const SeqEvent *event, Fighter *fighter,
                      Skeleton *skeleton)
{
    switch (event->code) {
    case SEQ_KEY_TICKS:
        skeleton->key_ticks = seq_rated(fighter, event->a, event->b);
        break;
    case SEQ_HIT_LOCK_CLEAR:
        fighter->hit_lock = 0;
        break;
    case SEQ_CAMERA_SHAKE:
        camera_shake = static_cast<u8>(event->a);
        break;
    case SEQ_ATTACK_STATE:
        fighter->attack_state = event->a;
        break;
    case SEQ_FIGHTER_ACTION:
        fighter->action = event->a;
        break;
    case SEQ_WINDOW_CLEAR:
        skeleton->active_window = 0;
        break;
    case SEQ_AIRBORNE:
        fighter->posture = POSTURE_AIR;
        fighter->jump_frame = 0;
        break;
    case SEQ_COOLDOWN:
        fighter->special_cooldown = static_cast<i8>(event->a);
        break;
    case SEQ_AURA:
        fighter->aura = event->a;
        break;
    case SEQ_LAUNCH:
        seq_launch(sequence, fighter, event->a);
        break;
    case SEQ_SAMPLE:
        sfx_play(event->a, static_cast<int>(effects_volume), event->b, SEQ_SAMPLE_PITCH);
        break;
    case SEQ_HEAD_LOST:
        fighter->heads_left--;
        fighter->life_shown = 1.0f;
        break;
    }
}

static void seq_events(const CharacterSequence *sequence, const SeqBlock *block, SeqEventWhen when,
                       int bank, Fighter *fighter, Skeleton *skeleton)
{
    for (int i = 0; i < sequence->event_count; i++) {
        const SeqEvent *event = &sequence->events[i];
        if (event->action == block->action && event->when == when &&
            seq_key_test(event, skeleton, bank))
            seq_event(sequence, event, fighter, skeleton);
    }
}

// The end of a block's keys. Returns true when the call must start over.
static bool seq_end(const CharacterSequence *sequence, const SeqBlock *block, const SeqKeys &keys,
                    Fighter *fighter, Skeleton *skeleton)
{
    u16 end = block->end;
    int end_key = block->end_key + keys.bank;
    if (end & END_HOLD)
        skeleton->key_from = skeleton->key_to = static_cast<i16>(end_key);
    if (end & END_TO_KEY)
        skeleton->key_to = static_cast<i16>(end_key);
    if (end & END_SKELETON_ACTION)
        skeleton->action = block->end_action;
    if (end & END_FIGHTER_ACTION_0)
        fighter->action = ACTION_IDLE;
    if (end & END_ATTACK_STATE_0)
        fighter->attack_state = ATTACK_STATE_NORMAL;
    if (end & END_ATTACK_STATE_1)
        fighter->attack_state = ATTACK_STATE_RECOVERING;
    if (end & END_DISARM)
        skeleton->attack_live = 0;
    if (end & (END_DISARM | END_WINDOW_0))
        skeleton->active_window = 0;
    if (end & END_AURA)
        fighter->aura = AURA_FADING;
    if (end & END_PHASE_ONE)
        skeleton->phase = 1.0f;
    // A fighter hit while a god's power runs blends back to idle during the summon.
    if ((end & END_SUMMON_DROP) && summon_phase)
        skeleton->action = ACTION_IDLE;
    seq_events(sequence, block, SEQ_ON_END, keys.bank, fighter, skeleton);
    return (end & END_RESTART) != 0;
}

// The step part of a block: the next key pair, its key time, the attack window, the keyed
// events and the end of the keys. Returns true when the call must start over.
static bool seq_block_step(const CharacterSequence *sequence, const SeqBlock *block,
                           const SeqKeys &keys, Fighter *fighter, Skeleton *skeleton)
{
    bool first = skeleton->key_from == 0;
    if (first) {
        int from = (block->flags & SEQ_FIRST_PAST_LO) ? keys.lo + 1 : keys.lo;
        skeleton->key_from = static_cast<i16>(from);
        skeleton->key_to = static_cast<i16>(from + 1);
    } else {
        skeleton->key_from++;
        skeleton->key_to++;
    }
    if (block->ticks >= 0.0f)
        skeleton->key_ticks = seq_rated(fighter, block->ticks, block->rate);
    if (block->flags & SEQ_STEP_IDLE) {
        fighter->attack_state = ATTACK_STATE_NORMAL;
        fighter->action = ACTION_IDLE;
    }
    if (block->flags & SEQ_STEP_CALM)
        fighter->attack_state = ATTACK_STATE_NORMAL;
    skeleton->active_window += first ? block->window_first : block->window_later;
    if (block->window_clear_above && skeleton->key_to > block->window_clear_above + keys.bank)
        skeleton->active_window = 0;
    // A loop wraps before its keyed events look at the pair, so the step out of the last key
    // into the first (a walk's footfall) fires on every cycle, not only on the first.
    if (block->flags & SEQ_LOOP) {
        if (skeleton->key_from > keys.hi)
            skeleton->key_from = static_cast<i16>(keys.lo);
        if (skeleton->key_to > keys.hi)
            skeleton->key_to = static_cast<i16>(keys.lo);
        seq_events(sequence, block, SEQ_ON_STEP, keys.bank, fighter, skeleton);
        return false;
    }
    seq_events(sequence, block, SEQ_ON_STEP, keys.bank, fighter, skeleton);
    if (skeleton->key_to > keys.hi)
        return seq_end(sequence, block, keys, fighter, skeleton);
    return false;
}

// The entry part: blend from where the pose stands into the block's first key.
static void seq_block_entry(const CharacterSequence *sequence, const SeqBlock *block,
                            const SeqKeys &keys, Fighter *fighter, Skeleton *skeleton)
{
    skeleton->key_ticks = block->entry_ticks;
    if (block->flags & SEQ_ENTRY_IDLE) {
        if (fighter->posture == POSTURE_AIR)
            skeleton->key_ticks = SEQ_AIRBORNE_IDLE_BLEND;
        skeleton->attack_live = 0;
        skeleton->active_window = 0;
    }
    skeleton->key_from = (block->flags & SEQ_ENTRY_FROM_0) ? 0 : skeleton->key_to;
    skeleton->key_to = static_cast<i16>(block->entry_key ? block->entry_key + keys.bank : keys.lo);
    seq_events(sequence, block, SEQ_ON_ENTRY, keys.bank, fighter, skeleton);
}

static bool seq_plays(const SeqBlock *block, const Skeleton *skeleton)
{
    return skeleton->action == block->action || skeleton->action == block->twin;
}

// Runs the blocks in order; a block sees the action as the blocks before it left it.
// Returns true when a special end asks for the call to start over.
static bool seq_run_blocks(const CharacterSequence *sequence, int bank, Fighter *fighter,
                           Skeleton *skeleton)
{
    for (int i = 0; i < sequence->block_count; i++) {
        const SeqBlock *block = &sequence->blocks[i];
        if (!seq_plays(block, skeleton))
            continue;
        SeqKeys keys = seq_block_keys(block, bank);
        if (skeleton->key_to >= keys.lo && skeleton->key_to <= keys.step_hi &&
            seq_block_step(sequence, block, keys, fighter, skeleton))
            return true;
        if (seq_plays(block, skeleton) &&
            (skeleton->last_key_to < keys.lo || skeleton->last_key_to > keys.hi))
            seq_block_entry(sequence, block, keys, fighter, skeleton);
    }
    return false;
}

// One pass of a call: phase, capture on a new action, and the step when one is due.
static bool seq_pass(const CharacterSequence *sequence, Fighter *fighter, Skeleton *skeleton,
                     Skeleton *blur)
{
    // A key time of zero (or a nonsensical negative one from a damaged tuning file) makes
    // the step due at once instead of dividing by it.
    if (skeleton->key_ticks > 0.0f)
        skeleton->phase += 1.0f / skeleton->key_ticks;
    else
        skeleton->phase = 2.0f;
    // The capture leaves phase 2.0 and key_to 0, so every new action starts with a step
    // from the captured pose in key 0.
    if (skeleton->posed_action != skeleton->action)
        skeleton_capture_pose(skeleton, blur);
    if (skeleton->phase <= 1.0f)
        return false;
    skeleton->phase = 0.0f;
    skeleton->last_key_to = skeleton->key_to;
    skeleton->prev_key_from = skeleton->key_from;
    skeleton->prev_key_to = skeleton->key_to;
    return seq_run_blocks(sequence, sequencer_bank(sequence, fighter), fighter, skeleton);
}

void sequencer_step(const CharacterSequence *sequence, Fighter *fighter, Skeleton *skeleton,
                    Skeleton *blur)
{
    for (int pass = 0; pass < SEQ_MAX_PASSES; pass++)
        if (!seq_pass(sequence, fighter, skeleton, blur))
            return;
}
