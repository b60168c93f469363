// The stage select's drawer: background, the ten thumbnails with their shadows, the large
// preview of the highlighted tile, its name and description. Writes only GL.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <GL/gl.h>

constexpr f32 BACK_HALF_WIDTH = 21.5f;
constexpr f32 BACK_HALF_HEIGHT = 16.0f;
constexpr f32 BACK_DEPTH = -50.0f;
constexpr f32 BACK_TINT[3] = {0.5f, 0.5f, 1.0f};
constexpr f32 SHADOW_GREY = 0.6f;
constexpr f32 SHADOW_OFFSET = 0.5f;          // right and down
constexpr f32 TILE_DEPTH = -80.0f;
constexpr f32 TILE_LEFT = -24.0f;            // of the first column
constexpr f32 TILE_PITCH = 10.0f;
constexpr f32 TILE_WIDTH = 7.0f;
constexpr f32 ROW_TOP[2] = {-8.0f, -15.0f};
constexpr f32 TILE_HEIGHT = 5.0f;
constexpr f32 ATLAS_ROW_S[2] = {0.0f, 0.5f};   // the atlas holds the upper row left, the lower right
constexpr f32 ATLAS_HALF = 0.5f;
constexpr f32 ATLAS_CELL_T = 0.2f;
constexpr f32 ATLAS_CELL_T_USED = 0.19f;
constexpr f32 PREVIEW_LEFT = -18.0f, PREVIEW_TOP = 11.0f, PREVIEW_RIGHT = -3.0f, PREVIEW_BOTTOM = -3.0f;
constexpr f32 PREVIEW_DEPTH = -60.0f;
constexpr f32 TITLE_X = -14.0f, TITLE_Y = 15.0f, TITLE_DEPTH = -70.0f;
constexpr f32 NAME_Y = 11.0f, NAME_DEPTH = -90.0f;
constexpr f32 TEXT_DEPTH = -100.0f;
constexpr int TILES_PER_ROW = 5;

static void shadow_draw(f32 left, f32 top, f32 right, f32 bottom, f32 z)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glColor4f(SHADOW_GREY, SHADOW_GREY, SHADOW_GREY, 1.0f);
    screen_rect_fill(left + SHADOW_OFFSET, top - SHADOW_OFFSET, right + SHADOW_OFFSET, bottom - SHADOW_OFFSET, z);
}

// The thumbnails of one row, each over its shadow; the highlighted one pulses.
static void stage_row_draw(int row)
{
    f32 pulse = menu_pulse_level();
    for (int c = 0; c < TILES_PER_ROW; c++) {
        u32 tile = static_cast<u32>(row * TILES_PER_ROW + c);
        f32 left = TILE_LEFT + TILE_PITCH * static_cast<f32>(c);
        f32 top = ROW_TOP[row];
        shadow_draw(left, top, left + TILE_WIDTH, top - TILE_HEIGHT, TILE_DEPTH);
        glDisable(GL_BLEND);
        f32 grey = tile == stage_select_cursor ? pulse : 1.0f;
        glColor4f(grey, grey, grey, 1.0f);
        glBindTexture(GL_TEXTURE_2D, screen_textures[STAGE_SELECT_THUMBS]);
        f32 t0 = ATLAS_CELL_T * static_cast<f32>(c);
        f32 s0 = ATLAS_ROW_S[row];
        screen_rect_draw(left, top, left + TILE_WIDTH, top - TILE_HEIGHT, TILE_DEPTH, s0, t0, s0 + ATLAS_HALF,
                         t0 + ATLAS_CELL_T_USED);
    }
}

static void stage_preview_draw()
{
    shadow_draw(PREVIEW_LEFT, PREVIEW_TOP, PREVIEW_RIGHT, PREVIEW_BOTTOM, PREVIEW_DEPTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    u32 tile = stage_select_cursor < STAGE_TILES ? stage_select_cursor : 0;
    glBindTexture(GL_TEXTURE_2D, screen_textures[STAGE_SELECT_FIRST_PREVIEW + tile]);
    screen_rect_draw(PREVIEW_LEFT, PREVIEW_TOP, PREVIEW_RIGHT, PREVIEW_BOTTOM, PREVIEW_DEPTH);
}

static void stage_texts_draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_letters(TITLE_X, TITLE_Y, TITLE_DEPTH, "STAGE SELECT");
    const StageTile &tile = stage_tiles[stage_select_cursor < STAGE_TILES ? stage_select_cursor : 0];
    print_letters(tile.name_x, NAME_Y, NAME_DEPTH, "%s", tile.name);
    for (const StageTileLine &line : tile.lines)
        if (line.text)
            print_text(line.x, line.y, TEXT_DEPTH, "%s", line.text);
}

void stage_select_draw()
{
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    screen_draw_begin();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(BACK_TINT[0], BACK_TINT[1], BACK_TINT[2], 1.0f);
    glBindTexture(GL_TEXTURE_2D, screen_textures[STAGE_SELECT_BACK]);
    screen_rect_draw(-BACK_HALF_WIDTH, BACK_HALF_HEIGHT, BACK_HALF_WIDTH, -BACK_HALF_HEIGHT, BACK_DEPTH);
    stage_row_draw(0);
    stage_row_draw(1);
    stage_preview_draw();
    stage_texts_draw();
}
