// The story screens' shared machinery: a text typed into three lines page by page, picture
// quads that move and fade, and the music's fall after the end.
#include "story/story.h"

#include "story/story_local.h"

#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"

#include <GL/gl.h>

#include <cstring>

char story_text[STORY_TEXT_SIZE];
const char *story_read_ptr = story_text;
char story_lines[STORY_LINES][STORY_LINE_SIZE];
u32 story_chars_typed;
u32 story_line;
u32 story_page;
u32 story_tick_divider;
u32 story_scene;
i32 story_last_cue_page = -1;
i32 story_cue_pages[STORY_CUES];
StoryQuad story_quads[STORY_QUADS];
u32 story_quad_count;
const char *story_slot_entries[SCREEN_TEXTURES];
u8 story_kind;
u32 story_ticks;
u32 story_end_stamp;

constexpr u32 TYPE_DIVIDER = 10;             // ticks per cycle; typing on 0 and 5
constexpr u32 TYPE_TICK_A = 0, TYPE_TICK_B = 5;
constexpr u32 FULL_PAGE = STORY_LINES;
constexpr u32 MUSIC_FADE_TICKS = 240;
constexpr f32 MUSIC_FADE_PER_TICK = 0.0041666669f;   // 1/240 in single precision, as it always was
constexpr f32 SCREEN_DEPTH = -20.0f;
constexpr f32 LINE_X = -27.0f, LINE_Z = -70.0f;
constexpr f32 LINE_Y[STORY_LINES] = {-13.0f, -16.0f, -19.0f};

void story_text_start(const char *text)
{
    // Cut, never overrun: every text of the game fits with room to spare.
    std::strncpy(story_text, text ? text : "", STORY_TEXT_SIZE - 1);
    story_text[STORY_TEXT_SIZE - 1] = '\0';
    story_read_ptr = story_text;
    story_chars_typed = story_line = story_page = story_tick_divider = 0;
    for (char *line : story_lines)
        line[0] = '\0';
    story_ticks = 0;
    story_end_stamp = 0;
    logic_ticks_pending = 0;   // the time spent loading is not caught up in a burst
}

void story_scenes_reset(u8 kind)
{
    story_kind = kind;
    story_scene = 0;
    story_last_cue_page = -1;
    std::memset(story_cue_pages, 0, sizeof story_cue_pages);
    std::memset(story_quads, 0, sizeof story_quads);
    story_quad_count = 0;
}

void story_quad_set(int i, u32 slot, f32 half_w, f32 half_h, f32 x, f32 y, f32 z, f32 alpha, u32 flags,
                    f32 alpha_step, f32 vx, f32 vy, f32 vz)
{
    if (i < 0 || i >= STORY_QUADS)
        return;
    StoryQuad *q = &story_quads[i];
    const f32 corners[4][3] = {{-half_w, half_h, 0}, {-half_w, -half_h, 0}, {half_w, -half_h, 0}, {half_w, half_h, 0}};
    std::memcpy(q->corners, corners, sizeof corners);
    q->position[0] = x;
    q->position[1] = y;
    q->position[2] = z;
    q->texture = slot;
    q->alpha = alpha;
    q->flags = flags;
    q->alpha_step = alpha_step;
    q->velocity[0] = vx;
    q->velocity[1] = vy;
    q->velocity[2] = vz;
}

void story_quad_motion(int i, u32 flags, f32 step, f32 vx, f32 vy, f32 vz)
{
    if (i < 0 || i >= STORY_QUADS)
        return;
    StoryQuad *q = &story_quads[i];
    q->flags = flags;
    q->alpha_step = step;
    q->velocity[0] = vx;
    q->velocity[1] = vy;
    q->velocity[2] = vz;
}

bool story_end_wait_over()
{
    if (story_end_stamp == 0)
        return false;
    u32 elapsed = story_ticks - story_end_stamp;
    music_set_voice_volume(story_music_fade_volume(elapsed));
    return elapsed > MUSIC_FADE_TICKS;
}

bool story_start_pressed()
{
    return (input_start[0] && !latch_start[0]) || (input_start[1] && !latch_start[1]);
}

static u32 story_text_length()
{
    return static_cast<u32>(std::strlen(story_text));
}

// Appends the next character to the line being typed; a line never grows past its buffer.
static void story_type_char()
{
    char *line = story_lines[story_line];
    size_t length = std::strlen(line);
    if (length < STORY_LINE_SIZE - 1) {
        line[length] = *story_read_ptr;
        line[length + 1] = '\0';
    }
    story_read_ptr++;
    story_chars_typed++;
}

bool story_typewriter_step()
{
    bool new_page = false;
    bool remains = story_chars_typed < story_text_length();
    if (remains && (story_tick_divider == TYPE_TICK_A || story_tick_divider == TYPE_TICK_B)) {
        // A run of breaks costs no time, and stops at the end of a page.
        while (*story_read_ptr == '\n' && story_line < FULL_PAGE) {
            story_line++;
            story_chars_typed++;
            story_read_ptr++;
        }
        if (*story_read_ptr != '\0' && story_line < FULL_PAGE)
            story_type_char();
        if (story_line == FULL_PAGE && story_tick_divider == TYPE_TICK_A && *story_read_ptr != '\0') {
            for (char *line : story_lines)
                line[0] = '\0';
            story_line = 0;
            story_page++;
            new_page = true;
        }
    }
    story_tick_divider = (story_tick_divider + 1) % TYPE_DIVIDER;
    return new_page;
}

bool story_cue_due()
{
    if (story_page == 0 || story_scene >= STORY_CUES)
        return false;
    i32 page = static_cast<i32>(story_page);
    if (page != story_cue_pages[story_scene] || page == story_last_cue_page)
        return false;
    story_last_cue_page = page;
    story_scene++;
    return true;
}

void story_quads_step()
{
    for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++) {
        StoryQuad *q = &story_quads[i];
        if (q->flags & QUAD_MOVE)
            for (int axis = 0; axis < 3; axis++)
                q->position[axis] += q->velocity[axis];
        if (q->flags & QUAD_FADE) {
            q->alpha += q->alpha_step;
            q->alpha = q->alpha > 1.0f ? 1.0f : q->alpha < 0.0f ? 0.0f : q->alpha;
        }
    }
}

bool story_told()
{
    u32 scene = story_scene < STORY_CUES ? story_scene : STORY_CUES - 1;
    return story_cue_pages[scene] == STORY_CUE_NONE && story_chars_typed + 1 >= story_text_length();
}

int story_music_fade_volume(u32 elapsed)
{
    return static_cast<int>(static_cast<f32>(music_volume) * (1.0f - static_cast<f32>(elapsed) * MUSIC_FADE_PER_TICK));
}

void story_lines_draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int i = 0; i < STORY_LINES; i++)
        print_text(LINE_X, LINE_Y[i], LINE_Z, "%s", story_lines[i]);
}

int story_slot_load(int slot, const char *entry, int mode)
{
    if (slot < 0 || slot >= SCREEN_TEXTURES)
        return 0;
    story_slot_release(slot);
    screen_textures[slot] = texture_load(asset_archive, entry, mode);
    if (screen_textures[slot])
        story_slot_entries[slot] = entry;
    return screen_textures[slot] != 0;
}

void story_slot_release(int slot)
{
    if (slot < 0 || slot >= SCREEN_TEXTURES)
        return;
    texture_table_delete(&screen_textures[slot], 1);
    story_slot_entries[slot] = nullptr;
}

void story_picture_draw(u32 slot, const f32 corners[4][3], const f32 position[3], f32 alpha)
{
    static const f32 uv[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    glBindTexture(GL_TEXTURE_2D, slot < SCREEN_TEXTURES ? screen_textures[slot] : 0);
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    glBegin(GL_QUADS);
    for (int c = 0; c < 4; c++) {
        glTexCoord2f(uv[c][0], uv[c][1]);
        glVertex3f(position[0] + corners[c][0], position[1] + corners[c][1], position[2] + corners[c][2]);
    }
    glEnd();
}

void story_screen_state_set()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, SCREEN_DEPTH);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDepthFunc(GL_ALWAYS);   // later quads cover earlier ones, whatever their depth
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
}

void story_screen_draw()
{
    story_screen_state_set();
    if (story_kind == STORY_INTRO)
        intro_logos_draw();
    for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++) {
        const StoryQuad *q = &story_quads[i];
        story_picture_draw(q->texture, q->corners, q->position, q->alpha);
    }
    story_lines_draw();
}
