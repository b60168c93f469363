// Melee hit detection: once per fight tick the hit-zone points of both fighters are placed in
// the world, the fighter allowed to strike searches its live attack points against the other's
// body points on x and z, and a found hit goes to the hit resolution. A tick without a hit
// ends with the checks for stuns, knock-outs, lost heads, wounds and round wins.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <allegro.h>

// KEEP: 255/360, not 256/360: headings in degrees become slightly less than a turn of the
// library's 256-unit angles; every hit zone has always been placed so.
constexpr f32 HEADING_TO_ANGLE = 0.7083334f;
constexpr f32 KNOCKED_OUT_LIFE = 0.001f;
constexpr i8 STUN_THRESHOLD = 10;
constexpr f32 WOUND_LIGHT_LIFE = 0.5f;
constexpr f32 WOUND_HEAVY_LIFE = 0.25f;
constexpr int PAN_VOICE = 127;

i32 wound_level[2];

HitSquare hit_square(f32 x, f32 z, f32 half_x, f32 half_z)
{
    return {x - half_x, x + half_x, z - half_z, z + half_z};
}

static bool strictly_inside(f32 v, f32 low, f32 high)
{
    return v > low && v < high;
}

static bool intervals_overlap(f32 a_low, f32 a_high, f32 b_low, f32 b_high)
{
    return strictly_inside(a_low, b_low, b_high) || strictly_inside(a_high, b_low, b_high) ||
           strictly_inside(b_low, a_low, a_high) || strictly_inside(b_high, a_low, a_high);
}

bool zones_overlap(const HitSquare &a, const HitSquare &b)
{
    return intervals_overlap(a.x_low, a.x_high, b.x_low, b.x_high) &&
           intervals_overlap(a.z_low, a.z_high, b.z_low, b.z_high);
}

// The fighter's placement: turned about z by its heading, then moved to its position.
static void zone_placement(const Fighter *f, MATRIX_f *m)
{
    MATRIX_f turn, move;
    get_z_rotate_matrix_f(&turn, f->heading * HEADING_TO_ANGLE);
    get_translation_matrix_f(&move, f->pos_x, f->pos_y, f->pos_z);
    matrix_mul_f(&turn, &move, m);
}

// A point without a vertex, or bound past the posed vertices, keeps its last position.
static void place_zones(const Fighter *f, Model *model)
{
    if (!model || !model->pos)
        return;
    MATRIX_f m;
    zone_placement(f, &m);
    for (int i = 0; i < MODEL_HIT_ZONES; i++) {
        const int v = model->hit_vertex[i];
        if (v < 0 || v >= model->vertex_count)
            continue;
        HitZone *zone = &model->hit_zones[i];
        apply_matrix_f(&m, model->pos[v][0], model->pos[v][1], model->pos[v][2], &zone->x, &zone->y, &zone->z);
    }
}

void update_hit_zones()
{
    for (int p = 0; p < 2; p++)
        place_zones(&fighters[p], fighter_models[p]);
}

static bool is_kick(i32 action)
{
    switch (action) {
    case ACTION_KICK:
    case ACTION_KICK_CROUCH:
    case ACTION_KICK_AIR:
    case ACTION_KICK_FORWARD:
    case ACTION_KICK_SWEEP:
        return true;
    default:
        return false;
    }
}

// A fighter's heads in play, 1..4 (always 1 for a fighter without heads).
static int heads_in_play(const Fighter *f)
{
    return fighter_head_index(f) + 1;
}

struct ZoneRange {
    int first, count;
};

// The striker's live attack points: its weapon or its kick, or one per head plus two.
static ZoneRange attack_zones(int striker)
{
    const Fighter *f = &fighters[striker];
    const Fighter *d = &fighters[1 - striker];
    const HitCharacter &rules = hit_character(f);
    if (rules.heads)
        return {HIT_HEAD_ATTACK_ZONE, heads_in_play(f) + 2};
    const i32 move = fighter_skeleton(striker)->action;
    bool kick = is_kick(move) && !rules.kicks_with_weapon;
    if (move == ACTION_KICK_SWEEP && striker == 1 && d->character == rules.side_two_sweep_weapon_vs)
        kick = false;
    return {kick ? HIT_KICK_ZONE : HIT_WEAPON_ZONE, 2};
}

static int body_zone_count(const Fighter *f)
{
    return hit_character(f).heads ? heads_in_play(f) : HIT_BODY_ZONES;
}

static HitSquare zone_square(const HitZone &zone)
{
    return hit_square(zone.x, zone.z, zone.radius, zone.radius);
}

// The first body point of the defender that attack point `k` of the striker overlaps, -1 none.
static int body_point_struck(const Model *striker_model, int k, int defender)
{
    const Model *body = fighter_models[defender];
    const HitSquare attack = zone_square(striker_model->hit_zones[k]);
    const int count = body_zone_count(&fighters[defender]);
    for (int j = 0; j < count; j++)
        if (zones_overlap(attack, zone_square(body->hit_zones[j])))
            return j;
    return -1;
}

// The first overlapping pair, attack point outer and body point inner; or, for a trade, the
// body point found by the last attack point that found one (each find locks the striker at
// once). Returns the struck body point, -1 none.
static int strike_search(int striker, bool trade)
{
    const Model *model = fighter_models[striker];
    if (!model || !fighter_models[1 - striker])
        return -1;
    const ZoneRange attack = attack_zones(striker);
    int struck = -1;
    for (int k = 0; k < attack.count; k++) {
        const int j = body_point_struck(model, attack.first + k, 1 - striker);
        if (j < 0)
            continue;
        if (!trade)
            return j;
        struck = j;
        fighters[striker].hit_lock = FIGHTER_FLAG_ON;
    }
    return struck;
}

// A lone or precedence strike; true when it landed.
static bool strike(int striker)
{
    const int j = strike_search(striker, false);
    if (j < 0)
        return false;
    apply_melee_hit(striker, j, HIT_RULE_MELEE);
    return true;
}

// Two attacks of the same age: each side not yet locked searches; true when anyone was hit.
static bool trade()
{
    const int on_two = fighters[0].hit_lock == 0 ? strike_search(0, true) : -1;
    const int on_one = fighters[1].hit_lock == 0 ? strike_search(1, true) : -1;
    if (on_two >= 0 && on_one >= 0)
        apply_trade_hits(on_two, on_one);
    else if (on_two >= 0)
        apply_melee_hit(0, on_two, HIT_RULE_SWEEP_KNOCKDOWN);
    else if (on_one >= 0)
        apply_melee_hit(1, on_one, HIT_RULE_SWEEP_KNOCKDOWN);
    else
        return false;
    return true;
}

// What one side's attack looks like this tick.
struct AttackView {
    bool window;     // its active keys run
    bool live;       // an attack is under way
    bool locked;     // it already connected
    i32 age;
    i32 state;       // AttackState
};

static AttackView attack_view(int p)
{
    const Skeleton *sk = fighter_skeleton(p);
    const Fighter *f = &fighters[p];
    return {static_cast<i8>(sk->active_window) > 0, sk->attack_live == FIGHTER_FLAG_ON, f->hit_lock != 0,
            f->attack_age, f->attack_state};
}

// Both attacks live: the older one, or a recovering fighter's, strikes first; equal ages trade.
static bool strike_both_live(const AttackView &one, const AttackView &two)
{
    if (one.window && !one.locked && ((one.age > two.age && two.state == ATTACK_STATE_NORMAL) ||
                                      one.state == ATTACK_STATE_RECOVERING) && strike(0))
        return true;
    if (two.window && !two.locked && ((two.age > one.age && one.state == ATTACK_STATE_NORMAL) ||
                                      two.state == ATTACK_STATE_RECOVERING) && strike(1))
        return true;
    if (one.window && two.window && one.age == two.age && one.state == ATTACK_STATE_NORMAL &&
        two.state == ATTACK_STATE_NORMAL)
        return trade();
    return false;
}

// A lone attack strikes a defender that is neither stunned nor getting up.
static bool strike_alone(const AttackView &one, const AttackView &two)
{
    const bool one_idle = fighter_skeleton(0)->attack_live == 0;
    const bool two_idle = fighter_skeleton(1)->attack_live == 0;
    if (!one.locked && two.state == ATTACK_STATE_NORMAL && one.window && one.live && two_idle)
        return strike(0);
    if (!two.locked && one.state == ATTACK_STATE_NORMAL && two.window && two.live && one_idle)
        return strike(1);
    return false;
}

void resolve_melee_hits()
{
    if (fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO)
        return;
    // While a projectile flies its pass replaces this one: melee contact is not tested.
    if (projectile_in_flight[0] || projectile_in_flight[1]) {
        resolve_projectile_hits();
        return;
    }
    update_hit_zones();
    const AttackView one = attack_view(0);
    const AttackView two = attack_view(1);
    if (one.window || two.window) {
        const bool hit = one.live && two.live ? strike_both_live(one, two) : strike_alone(one, two);
        if (hit)
            return;   // a tick with a hit has no end-of-pass checks: a knock-out waits a tick
    }
    check_stun_and_knockout(true);
}

static void check_stun(int p, bool shakes)
{
    Fighter *f = &fighters[p];
    if (f->stun_build <= STUN_THRESHOLD || fighter_losing_head(p))
        return;
    f->action = ACTION_STUNNED;
    fighter_skeleton(p)->action = ACTION_STUNNED;
    f->attack_state = ATTACK_STATE_STUNNED;
    f->stun_build = 0;
    if (shakes)
        camera_shake = 2;
}

// A Hydra whose head in play is spent loses it; its animation step then lowers heads_left.
// The last head ends by the knock-out instead.
static void check_head_lost(int p)
{
    Fighter *f = &fighters[p];
    if (!hit_character(f).heads || f->heads_left < 2 || fighter_losing_head(p) ||
        f->head_life[fighter_head_index(f)] > KNOCKED_OUT_LIFE)
        return;
    f->action = ACTION_HEAD_LOST;
    fighter_skeleton(p)->action = ACTION_HEAD_LOST;
}

static void knockout_voice(const Fighter *f)
{
    int sound;
    switch (hit_character(f).voice) {
    case VOICE_FEMALE: sound = SFX_VOICE_KO_FEMALE; break;
    case VOICE_MALE: sound = SFX_VOICE_KO_MALE; break;
    default: return;
    }
    sfx_stop(sound);
    fight_sound(sound, PAN_VOICE);
}

// Returns true when side p was knocked out now. The logic runs at 30 ticks per second from
// here until the round is decided.
static bool check_knockout(int p)
{
    Fighter *f = &fighters[p];
    const f32 life = hit_character(f).heads ? f->head_life[0] : f->life;
    if (life > KNOCKED_OUT_LIFE || f->action == ACTION_KO)
        return false;
    Skeleton *sk = fighter_skeleton(p);
    f->hit_lock = 0;
    f->action = ACTION_KO;
    f->effect_timer = 0;
    sk->attack_live = 0;
    sk->action = ACTION_KO;
    timer_logic_rate_set(LOGIC_TICK_30HZ);
    knockout_voice(f);
    return true;
}

static void check_wound(int p)
{
    const f32 life = fighters[p].life;
    if (life <= WOUND_LIGHT_LIFE)
        wound_level[p] = 1;
    if (life <= WOUND_HEAVY_LIFE)
        wound_level[p] = 2;
}

// The standing side takes the round; beating the Hydra takes the match.
static void check_round_win()
{
    const bool one_down = fighters[0].action == ACTION_KO;
    const bool two_down = fighters[1].action == ACTION_KO;
    if (one_down == two_down)
        return;
    const int loser = one_down ? 0 : 1;
    i32 *wins = one_down ? &p2_round_wins : &p1_round_wins;
    *wins += 1;
    if (hit_character(&fighters[loser]).heads)
        *wins = static_cast<i32>(rounds_to_win);
}

bool check_stun_and_knockout(bool stun_shakes_camera)
{
    check_stun(0, stun_shakes_camera);
    check_stun(1, stun_shakes_camera);
    check_head_lost(0);
    check_head_lost(1);
    bool knocked_out = check_knockout(0);
    knocked_out = check_knockout(1) || knocked_out;
    if (blood) {
        check_wound(0);
        check_wound(1);
    }
    if (knocked_out)
        check_round_win();
    return knocked_out;
}
