#include "platform/platform.h"

#include <allegro.h>
#include <iterator>

// Both dialogs share one plain window of the game library, so switching between them never
// loses the keyboard focus; the side picture stands at its left in both.
constexpr int DIALOG_WIDTH = 512;
constexpr int DIALOG_HEIGHT = 336;
constexpr int PICTURE_X = 16, PICTURE_Y = 16, PICTURE_WIDTH = 150, PICTURE_HEIGHT = 300;
constexpr int BUTTON_HEIGHT = 26;
constexpr int DIALOG_IDLE_MS = 10;   // between passes of the dialog, so it does not spin
constexpr int LIST_ITEMS_MAX = 5;

// Colours as RGB: a nearly black dialog with light grey text.
struct DialogColours {
    int back[3], text[3], list_back[3], button_back[3], chosen_back[3];
};
static const DialogColours dialog_colours = {{4, 0, 0}, {192, 192, 192}, {16, 8, 6}, {48, 20, 14}, {150, 90, 30}};

static char *resolution_item(int index, int *size);
static char *colour_depth_item(int index, int *size);
static char *texture_detail_item(int index, int *size);
static char *texture_colour_depth_item(int index, int *size);
static char *texture_sharpness_item(int index, int *size);
static char *screen_mode_item(int index, int *size);

// One row per list of the video set-up: its group box, its items, and the library's item
// callback for it (the list object has no other way to find its row).
struct VideoListInfo {
    const char *label;
    const char *items[LIST_ITEMS_MAX];   // video_list_sizes[] of them
    int x, y, w, h;   // the group box; the list sits inside it
    char *(*item)(int index, int *size);
};

static const VideoListInfo video_lists[] = {
    // label             items                                                         x    y    w    h
    {"Resolution", {"640x480", "800x600", "1024x768", "1280x960", "1600x1200"}, 186, 16, 160, 68, resolution_item},
    {"Color Depth", {"16 bit", "32 bit"}, 356, 16, 140, 68, colour_depth_item},
    {"Texture Detail", {"Normal", "High"}, 186, 96, 160, 44, texture_detail_item},
    {"Tex Color Depth", {"16 bit", "32 bit"}, 356, 96, 140, 44, texture_colour_depth_item},
    {"Texture sharpness", {"Normal", "Sharper"}, 186, 152, 160, 44, texture_sharpness_item},
    {"Screen mode", {"Fullscreen", "Windowed"}, 356, 152, 140, 44, screen_mode_item},
};
static_assert(std::size(video_lists) == VIDEO_LIST_COUNT, "one row per video list");

const u8 video_list_sizes[] = {5, 2, 2, 2, 2, 2};
static_assert(std::size(video_list_sizes) == VIDEO_LIST_COUNT, "one count per video list");

static char *video_list_item(VideoList list, int index, int *size)
{
    if (index < 0) {
        *size = video_list_sizes[list];
        return nullptr;
    }
    return const_cast<char *>(video_lists[list].items[index]);
}

static char *resolution_item(int index, int *size) { return video_list_item(VIDEO_LIST_RESOLUTION, index, size); }
static char *colour_depth_item(int index, int *size) { return video_list_item(VIDEO_LIST_COLOUR_DEPTH, index, size); }
static char *texture_detail_item(int index, int *size) { return video_list_item(VIDEO_LIST_TEXTURE_DETAIL, index, size); }
static char *texture_colour_depth_item(int index, int *size)
{
    return video_list_item(VIDEO_LIST_TEXTURE_COLOUR_DEPTH, index, size);
}
static char *texture_sharpness_item(int index, int *size)
{
    return video_list_item(VIDEO_LIST_TEXTURE_SHARPNESS, index, size);
}
static char *screen_mode_item(int index, int *size) { return video_list_item(VIDEO_LIST_SCREEN_MODE, index, size); }

// Object numbers of the two dialogs.
enum LauncherObject : int {
    LAUNCHER_OBJECT_CLEAR,
    LAUNCHER_OBJECT_PICTURE,
    LAUNCHER_OBJECT_START,
    LAUNCHER_OBJECT_VIDEO_SETUP,
    LAUNCHER_OBJECT_COUNT
};
enum VideoSetupObject : int {
    VIDEO_OBJECT_CLEAR,
    VIDEO_OBJECT_PICTURE,
    VIDEO_OBJECT_GROUPS,                                      // one per list
    VIDEO_OBJECT_LISTS = VIDEO_OBJECT_GROUPS + VIDEO_LIST_COUNT,  // in tab order
    VIDEO_OBJECT_ACCEPT = VIDEO_OBJECT_LISTS + VIDEO_LIST_COUNT,
    VIDEO_OBJECT_CANCEL,
    VIDEO_OBJECT_COUNT
};

// Set by the library's event thread when the window's close box is pressed.
static volatile int dialog_close_pressed;

static void dialog_close_press()
{
    dialog_close_pressed = 1;
}

static int colour(const int rgb[3])
{
    return makecol(rgb[0], rgb[1], rgb[2]);
}

// A frame with its title on the top edge, round each option list.
static int group_box_proc(int msg, DIALOG *d, int)
{
    if (msg != MSG_DRAW)
        return D_O_K;
    BITMAP *target = gui_get_screen();
    int half = text_height(font) / 2;
    rect(target, d->x, d->y + half, d->x + d->w - 1, d->y + d->h - 1, d->fg);
    textout_ex(target, font, static_cast<const char *>(d->dp), d->x + 6, d->y, d->fg, d->bg);
    return D_O_K;
}

// The library's list box, drawn so that the chosen item stays readable: a bronze bar under
// it, and a light frame round the list that has the focus. Item rows start 2 pixels in, as
// the library's click handling expects.
static int option_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW)
        return d_list_proc(msg, d, c);
    BITMAP *target = gui_get_screen();
    int row_height = text_height(font);
    int count = 0;
    auto item = reinterpret_cast<char *(*)(int, int *)>(d->dp);
    item(-1, &count);
    rectfill(target, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg);
    rect(target, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1,
         (d->flags & D_GOTFOCUS) ? colour(dialog_colours.text) : colour(dialog_colours.button_back));
    for (int i = 0; i < count; i++) {
        int y = d->y + 2 + i * row_height;
        if (i == d->d1)
            rectfill(target, d->x + 2, y, d->x + d->w - 3, y + row_height - 1, colour(dialog_colours.chosen_back));
        textout_ex(target, font, item(i, nullptr), d->x + 6, y, d->fg, -1);
    }
    return D_O_K;
}

// The side picture: a dusk sky, a sun and a temple front under the game's name.
static BITMAP *dialog_picture_make()
{
    BITMAP *picture = create_bitmap(PICTURE_WIDTH, PICTURE_HEIGHT);
    if (!picture)
        return nullptr;
    for (int y = 0; y < PICTURE_HEIGHT; y++) {
        int shade = 255 * (PICTURE_HEIGHT - y) / PICTURE_HEIGHT;
        hline(picture, 0, y, PICTURE_WIDTH - 1, makecol(shade * 2 / 3, shade / 5, shade / 10));
    }
    circlefill(picture, 75, 120, 30, makecol(240, 180, 70));
    int stone = makecol(30, 14, 8);
    triangle(picture, 20, 200, 130, 200, 75, 176, stone);
    rectfill(picture, 20, 200, 130, 206, stone);
    for (int column = 0; column < 5; column++)
        rectfill(picture, 26 + column * 22, 208, 34 + column * 22, 262, stone);
    rectfill(picture, 14, 264, 136, 270, stone);
    rectfill(picture, 8, 272, 142, 280, stone);
    BITMAP *title = create_bitmap(text_length(font, "TAVROSK"), text_height(font));
    if (title) {
        clear_to_color(title, bitmap_mask_color(title));
        textout_ex(title, font, "TAVROSK", 0, 0, makecol(250, 210, 110), -1);
        masked_stretch_blit(title, picture, 0, 0, title->w, title->h, (PICTURE_WIDTH - title->w * 2) / 2, 30,
                            title->w * 2, title->h * 2);
        destroy_bitmap(title);
    }
    return picture;
}

static DIALOG dialog_object(DIALOG_PROC proc, int x, int y, int w, int h, int flags, const void *dp)
{
    DIALOG object = {};
    object.proc = proc;
    object.x = x;
    object.y = y;
    object.w = w;
    object.h = h;
    object.fg = colour(dialog_colours.text);
    object.bg = colour(dialog_colours.back);
    object.flags = flags;
    object.dp = const_cast<void *>(dp);
    return object;
}

static void dialog_common_fill(DIALOG *dialog, BITMAP *picture)
{
    dialog[0] = dialog_object(d_clear_proc, 0, 0, DIALOG_WIDTH, DIALOG_HEIGHT, 0, nullptr);
    dialog[1] = dialog_object(d_bitmap_proc, PICTURE_X, PICTURE_Y, PICTURE_WIDTH, PICTURE_HEIGHT,
                              picture ? 0 : D_HIDDEN, picture);
}

static DIALOG dialog_button(int x, int y, int w, const char *text)
{
    DIALOG button = dialog_object(d_button_proc, x, y, w, BUTTON_HEIGHT, D_EXIT, text);
    button.bg = colour(dialog_colours.button_back);
    return button;
}

// Runs one dialog until an exit object is chosen; returns its number, or -1 for ESC, the close
// box and a quit signal.
static int dialog_run(DIALOG *dialog, int focus)
{
    dialog_close_pressed = 0;
    DIALOG_PLAYER *player = init_dialog(dialog, focus);
    bool closed = false;
    while (update_dialog(player)) {
        if (dialog_close_pressed || quit_signalled()) {
            closed = true;
            break;
        }
        rest(DIALOG_IDLE_MS);
    }
    int object = shutdown_dialog(player);
    return closed ? -1 : object;
}

// The launcher: returns the object that closed it, or -1.
static int launcher_show(BITMAP *picture)
{
    DIALOG dialog[LAUNCHER_OBJECT_COUNT + 1] = {};
    dialog_common_fill(dialog, picture);
    dialog[LAUNCHER_OBJECT_START] = dialog_button(186, 252, 310, "Start Game");
    dialog[LAUNCHER_OBJECT_VIDEO_SETUP] = dialog_button(186, 290, 310, "Video Setup");
    return dialog_run(dialog, LAUNCHER_OBJECT_START);
}

// The video set-up: "Accept" copies the lists' choices into selection; "Cancel", ESC and the
// close box leave it as it was.
static void video_setup_show(BITMAP *picture, u8 selection[VIDEO_LIST_COUNT])
{
    DIALOG dialog[VIDEO_OBJECT_COUNT + 1] = {};
    dialog_common_fill(dialog, picture);
    int row_height = text_height(font);
    for (int i = 0; i < VIDEO_LIST_COUNT; i++) {
        const VideoListInfo &info = video_lists[i];
        dialog[VIDEO_OBJECT_GROUPS + i] = dialog_object(group_box_proc, info.x, info.y, info.w, info.h, 0, info.label);
        DIALOG &list = dialog[VIDEO_OBJECT_LISTS + i];
        list = dialog_object(option_list_proc, info.x + 10, info.y + 2 * row_height, info.w - 20,
                             video_list_sizes[i] * row_height + 4, 0, reinterpret_cast<void *>(info.item));
        list.bg = colour(dialog_colours.list_back);
        list.d1 = selection[i] < video_list_sizes[i] ? selection[i] : 0;
    }
    dialog[VIDEO_OBJECT_ACCEPT] = dialog_button(186, 290, 150, "Accept");
    dialog[VIDEO_OBJECT_CANCEL] = dialog_button(346, 290, 150, "Cancel");
    if (dialog_run(dialog, VIDEO_OBJECT_LISTS) != VIDEO_OBJECT_ACCEPT)
        return;
    for (int i = 0; i < VIDEO_LIST_COUNT; i++) {
        int chosen = dialog[VIDEO_OBJECT_LISTS + i].d1;
        if (chosen >= 0 && chosen < video_list_sizes[i])
            selection[i] = static_cast<u8>(chosen);
    }
}

LauncherResult launcher_run(u8 selection[VIDEO_LIST_COUNT])
{
    int depth = desktop_color_depth();
    set_color_depth(depth > 0 ? depth : 32);
    set_window_title("Tavrosk");
    if (set_gfx_mode(GFX_XWINDOWS, DIALOG_WIDTH, DIALOG_HEIGHT, 0, 0) != 0)
        return LAUNCHER_FAILED;
    set_close_button_callback(dialog_close_press);
    BITMAP *picture = dialog_picture_make();
    // A loop, not nested dialogs: the video set-up always comes back to the launcher.
    int chosen = launcher_show(picture);
    while (chosen == LAUNCHER_OBJECT_VIDEO_SETUP) {
        video_setup_show(picture, selection);
        chosen = quit_signalled() ? -1 : launcher_show(picture);
    }
    set_close_button_callback(nullptr);
    if (picture)
        destroy_bitmap(picture);
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    return chosen == LAUNCHER_OBJECT_START ? LAUNCHER_START : LAUNCHER_CLOSED;
}
