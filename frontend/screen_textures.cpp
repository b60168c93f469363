// The one table of picture names that the shop, the gallery and the stage select load into.
// A screen that loads first deletes what another screen left and records what it loaded, so
// that the next screen knows whether the set it finds is its own.
#include "frontend/frontend.h"

#include "engine/engine.h"

u32 screen_textures[SCREEN_TEXTURES];
u8 screen_texture_count;
u8 screen_texture_set;

static u32 screen_texture_from_archive(const char *entry, int mode)
{
    return texture_load(asset_archive, entry, mode);
}
u32 (*screen_texture_loader)(const char *entry, int mode) = screen_texture_from_archive;

// The whole table, not the count's part: the story screens load their pictures into slots of
// their own and leave the count alone, and every name the table holds is a live texture (each
// deletion zeroes its slot), so a name past the count would otherwise be forgotten undeleted.
void screen_textures_free()
{
    texture_table_delete(screen_textures, SCREEN_TEXTURES);
    screen_texture_count = 0;
    screen_texture_set = SCREEN_SET_NONE;
}

int screen_textures_load(u8 set, const ScreenPicture *pictures, int count)
{
    screen_textures_free();
    if (count > SCREEN_TEXTURES)
        count = SCREEN_TEXTURES;
    for (int i = 0; i < count; i++) {
        u32 name = screen_texture_loader(pictures[i].entry, pictures[i].mode);
        if (!name)
            return 2;
        screen_textures[i] = name;
        screen_texture_count = static_cast<u8>(i + 1);
    }
    screen_texture_set = set;   // only a whole set counts as a screen's own
    return 0;
}
