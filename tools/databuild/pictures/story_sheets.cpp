// The story's storyboard sheets beside the data set (figure-sheets/story-<script>.jpg): for
// the opening story, each character ending and both faction endings, every picture beside
// the lines typed under it. The scripts are the game's own, played tick by tick as the game
// plays them (on the pictures just made, with silent tunes), and each line goes under the
// picture that shows most while its last word is typed.
#include "tools/databuild/pictures/story_frames.h"

#include "tools/databuild/figures/figure_render.h"

#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"

#include <allegro.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

constexpr int SHEET_WIDTH = 1000;
constexpr int SHEET_THUMB_W = 300, SHEET_THUMB_H = 190;   // room for a picture's window
constexpr int SHEET_TEXT_X = SHEET_THUMB_W + 20;
constexpr int SHEET_TEXT_PX = 15, SHEET_LINE_H = 20, SHEET_PAD = 8;
constexpr int SHEET_CAPTION_PX = 11, SHEET_CAPTION_H = 16;   // the picture's name over its lines
constexpr int SHEET_TITLE_PX = 22, SHEET_TITLE_H = 40;
constexpr int SHEET_QUALITY = 88;
constexpr int SHEET_TICKS = 30000;       // more than the longest script takes
constexpr int ENDING_HOLD_TICKS = 120;   // the logic tick's wait before an ending's first step

// ---- silent tunes ----------------------------------------------------------------------------
// The scripts start their tunes; here they play into nothing.
static AUDIOSTREAM silent_stream;
static u8 silent_buffer[1 << 16];

static AUDIOSTREAM *silent_open(int samples, int stereo, int)
{
    return static_cast<size_t>(samples) * (stereo ? 4 : 2) <= sizeof silent_buffer ? &silent_stream : nullptr;
}
static void *silent_buffer_of(AUDIOSTREAM *) { return silent_buffer; }
static void silent_nothing(AUDIOSTREAM *) {}
static void silent_volume(AUDIOSTREAM *, int) {}
static const AudioSink silent_sink = {silent_open, silent_buffer_of, silent_nothing, silent_nothing, silent_volume};

static const char *const story_tunes[] = {"musica/cinematic1.ogg", "musica/tavrosk2.ogg", "musica/ending.ogg"};

// An archive of the story's pictures and a short silent tune under each of its tunes' names,
// opened as the game's asset archive; null after a message.
static ArchiveHandle sheet_archive_open(std::string *path)
{
    std::vector<ZipEntry> picked;
    for (const ZipEntry &entry : archive_entries)
        if (!entry.name.compare(0, 6, "intro/") || !entry.name.compare(0, 8, "finales/") || !entry.name.compare(0, 7, "titulo/"))
            picked.push_back(entry);
    std::vector<i16> quiet(11025, 0);
    Bytes ogg;
    if (!ogg_write(ogg, quiet.data(), static_cast<u32>(quiet.size()), 1, 22050, 0.0f))
        return nullptr;
    for (const char *tune : story_tunes)
        picked.push_back({tune, ogg});
    char scratch[] = "/tmp/tavrosk-story-XXXXXX";
    int fd = mkstemp(scratch);
    if (fd < 0)
        return nullptr;
    close(fd);
    *path = scratch;
    return zip_write(scratch, picked) ? archive_open(scratch) : nullptr;
}

// ---- walking a script --------------------------------------------------------------------------
// A story quad as the screen shows it: its picture, its rectangle in story units at the
// pictures' depth (left, right, top, bottom) and its alpha.
struct SheetQuad {
    std::string entry;
    f32 l, r, t, b;
    f32 alpha;
};

struct SheetLine {
    std::string picture;   // archive entries, space-separated, in drawing order; "" for black
    std::string text;
    std::vector<SheetQuad> screen;   // the story quads on show, in drawing order (none on an ending)
    int key;                         // page * STORY_LINES + line
};

// How many ticks each picture of a character ending was on top while a line was typed, by the
// line's key: the line goes beside the one on top for most of them, as a reader sees it.
using SheetTopTicks = std::map<int, std::map<std::string, int>>;

static int story_line_key()
{
    return static_cast<int>(story_page * STORY_LINES + story_line);
}

// The quads on show now, placed as the screen's perspective places them.
static std::vector<SheetQuad> quads_on_screen()
{
    constexpr f32 EYE = 20.0f;   // the eye's distance from the pictures' depth
    std::vector<SheetQuad> shown;
    for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++) {
        const StoryQuad &q = story_quads[i];
        const char *entry = q.texture < SCREEN_TEXTURES ? story_slot_entries[q.texture] : nullptr;
        if (!entry || q.alpha <= 0.0f)
            continue;
        f32 s = EYE / (EYE - q.position[2]);
        shown.push_back({entry, (q.position[0] + q.corners[0][0]) * s, (q.position[0] + q.corners[2][0]) * s,
                         (q.position[1] + q.corners[0][1]) * s, (q.position[1] + q.corners[2][1]) * s, q.alpha});
    }
    return shown;
}

// The pictures of the story quads that show most now: those at the highest alpha, since
// pictures fading together (the gods over their hall, the two halves of the forge) are seen
// together.
static std::string quads_strongest()
{
    constexpr f32 TOGETHER = 0.01f;
    f32 alpha = 0.0f;
    for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++)
        if (story_quads[i].texture < SCREEN_TEXTURES && story_slot_entries[story_quads[i].texture])
            alpha = std::max(alpha, story_quads[i].alpha);
    std::string shown;
    for (u32 i = 0; alpha > 0.0f && i < story_quad_count && i < STORY_QUADS; i++) {
        const StoryQuad &q = story_quads[i];
        const char *entry = q.texture < SCREEN_TEXTURES ? story_slot_entries[q.texture] : nullptr;
        if (entry && q.alpha >= alpha - TOGETHER && (" " + shown + " ").find(std::string(" ") + entry + " ") == std::string::npos)
            shown += (shown.empty() ? "" : " ") + std::string(entry);
    }
    return shown;
}

// A character ending's: the picture sliding in over the one going out, once it is half in.
static std::string ending_strongest()
{
    bool incoming = ending_texture == 0 || story_picture_fade >= 0.5f;
    u32 slot = incoming ? ending_texture : ending_prev_texture;
    const char *entry = slot < SCREEN_TEXTURES ? story_slot_entries[slot] : nullptr;
    return entry ? entry : "";
}

// Notes the line being typed once its last word is in (only pauses or the break remain).
static void sheet_sample(std::vector<SheetLine> *lines, int *last_key)
{
    if (story_line >= STORY_LINES)
        return;
    const char *line = story_lines[story_line];
    size_t length = strlen(line);
    while (length > 0 && line[length - 1] == ' ')
        length--;
    const char *rest = story_read_ptr + strspn(story_read_ptr, " ");
    int key = story_line_key();
    if (length == 0 || (*rest != '\n' && *rest != '\0') || key == *last_key)
        return;
    *last_key = key;
    bool ending = game_state == STATE_CHARACTER_ENDING;
    lines->push_back({ending ? ending_strongest() : quads_strongest(), std::string(line, length),
                      ending ? std::vector<SheetQuad>() : quads_on_screen(), key});
}

enum SheetScript : u8 {
    SHEET_INTRO,
    SHEET_ENDING,
    SHEET_ARES_WON,
    SHEET_HEROES_WON
};

// Plays one script to its end, noting its lines; false when it does not start.
static bool sheet_walk(int script, int character, std::vector<SheetLine> *lines)
{
    int started = 1;
    switch (script) {
    case SHEET_INTRO: started = intro_start(); break;
    case SHEET_ENDING:
        p1_character = character;
        started = ending_start();
        break;
    case SHEET_ARES_WON: started = faction_ending_start_ares(); break;
    default: started = faction_ending_start_heroes(); break;
    }
    if (started != 0)
        return false;
    int last_key = -1;
    SheetTopTicks top;
    for (int t = 0; t < SHEET_TICKS && story_end_stamp == 0; t++) {
        if (script == SHEET_INTRO && story_told())
            break;
        switch (script) {
        case SHEET_INTRO: intro_tick(); break;
        case SHEET_ENDING:
            if (++story_ticks > ENDING_HOLD_TICKS)
                ending_tick();
            break;
        default:
            story_ticks++;
            faction_ending_tick();
            break;
        }
        sheet_sample(lines, &last_key);
        if (game_state == STATE_CHARACTER_ENDING && story_line < STORY_LINES)
            top[story_line_key()][ending_strongest()]++;
    }
    for (SheetLine &line : *lines) {
        int most = 0;
        for (const auto &[picture, ticks] : top[line.key])
            if (ticks > most) {
                most = ticks;
                line.picture = picture;
            }
    }
    music_stop();
    texture_table_delete(screen_textures, SCREEN_TEXTURES);
    return true;
}

// ---- drawing the sheet ---------------------------------------------------------------------------
// The part of a picture the screen shows, scaled to fit a room `room_w` wide at (x, y), over
// a checked ground where it is transparent.
static void sheet_thumb(PaintCanvas &sheet, const PaintCanvas &picture, const StoryFrame &frame, int x0, int y0,
                        int room_w)
{
    f32 u0 = frame.u0 * picture.w, v0 = frame.v0 * picture.h;
    f32 w = (frame.u1 - frame.u0) * picture.w, h = (frame.v1 - frame.v0) * picture.h;
    f32 scale = std::min(room_w / w, SHEET_THUMB_H / h);
    int tw = static_cast<int>(w * scale), th = static_cast<int>(h * scale);
    x0 += (room_w - tw) / 2;
    for (int y = 0; y < th; y++)
        for (int x = 0; x < tw; x++) {
            int px = std::min(picture.w - 1, static_cast<int>(u0 + x / scale));
            int py = std::min(picture.h - 1, static_cast<int>(v0 + y / scale));
            PaintColour p = picture.px[static_cast<size_t>(py) * picture.w + px];
            PaintColour ground = ((x / 8 + y / 8) % 2) ? paint_rgb(70, 70, 80) : paint_rgb(95, 95, 105);
            sheet.px[static_cast<size_t>(y0 + y) * sheet.w + x0 + x] = paint_mix(ground, paint_alpha(p, 1.0f), p.a);
        }
}

static const PaintCanvas *made_picture(const std::vector<StoryMade> &made, const std::string &entry)
{
    for (const StoryMade &m : made)
        if (m.entry == entry)
            return &m.picture;
    return nullptr;
}

// The screen as the story shows it when a line is typed: every quad on show, later ones over
// earlier ones, each picture blended by its alpha, on black, in a 4:3 room.
static void sheet_screen(PaintCanvas &sheet, const std::vector<SheetQuad> &screen, const std::vector<StoryMade> &made,
                         int y0)
{
    constexpr f32 HALF_W = 8.408f, HALF_H = 6.306f;   // the screen at the pictures' depth, story units
    const int w = SHEET_THUMB_H * 4 / 3, h = SHEET_THUMB_H, x0 = SHEET_PAD + (SHEET_THUMB_W - w) / 2;
    paint_rect(sheet, x0, y0, x0 + w, y0 + h, paint_rgb(0, 0, 0), 1.0f);
    for (const SheetQuad &q : screen) {
        const PaintCanvas *picture = made_picture(made, q.entry);
        if (!picture)
            continue;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                f32 sx = ((x + 0.5f) / w * 2.0f - 1.0f) * HALF_W, sy = (1.0f - (y + 0.5f) / h * 2.0f) * HALF_H;
                f32 u = (sx - q.l) / (q.r - q.l), v = (q.t - sy) / (q.t - q.b);
                if (u < 0.0f || u >= 1.0f || v < 0.0f || v >= 1.0f)
                    continue;
                PaintColour p = picture->px[static_cast<size_t>(v * picture->h) * picture->w + static_cast<size_t>(u * picture->w)];
                PaintColour &out = sheet.px[static_cast<size_t>(y0 + y) * sheet.w + x0 + x];
                out = paint_mix(out, paint_alpha(p, 1.0f), p.a * q.alpha);
            }
    }
}

// What a line is typed over: the screen with its quads, or an ending's picture.
static void sheet_thumbs(PaintCanvas &sheet, const SheetLine &line, const std::vector<StoryMade> &made, int y0)
{
    if (!line.screen.empty()) {
        sheet_screen(sheet, line.screen, made, y0);
        return;
    }
    if (const PaintCanvas *picture = made_picture(made, line.picture))
        sheet_thumb(sheet, *picture, story_shape(line.picture.c_str()).frame, SHEET_PAD, y0, SHEET_THUMB_W);
}

// A block of `lines` lines: the picture's room, or its name and lines beside it if taller.
static int sheet_block_height(int lines)
{
    return std::max(SHEET_THUMB_H, SHEET_CAPTION_H + lines * SHEET_LINE_H) + 2 * SHEET_PAD;
}

// Consecutive lines under the same picture make one block: the picture, its lines beside it.
static PaintCanvas sheet_draw(const char *title, const std::vector<SheetLine> &lines, const std::vector<StoryMade> &made)
{
    int height = SHEET_TITLE_H;
    for (size_t i = 0, j; i < lines.size(); i = j) {
        for (j = i; j < lines.size() && lines[j].picture == lines[i].picture; j++) {}
        height += sheet_block_height(static_cast<int>(j - i));
    }
    PaintCanvas sheet = paint_canvas(SHEET_WIDTH, height, paint_rgb(30, 30, 38));
    font_text_paint(sheet, SHEET_PAD, SHEET_TITLE_PX + SHEET_PAD, SHEET_TITLE_PX, title, paint_rgb(230, 200, 120));
    int y = SHEET_TITLE_H;
    for (size_t i = 0, j; i < lines.size(); i = j) {
        for (j = i; j < lines.size() && lines[j].picture == lines[i].picture; j++) {}
        int block = sheet_block_height(static_cast<int>(j - i));
        paint_rect(sheet, 0, y, SHEET_WIDTH, y + 1, paint_rgb(60, 60, 70), 1.0f);
        sheet_thumbs(sheet, lines[i], made, y + SHEET_PAD);
        std::string caption = lines[i].picture.empty() ? "(told on black)" : lines[i].picture;
        font_text_paint(sheet, SHEET_TEXT_X, y + SHEET_PAD + SHEET_CAPTION_PX, SHEET_CAPTION_PX, caption.c_str(),
                        paint_rgb(150, 150, 160));
        for (size_t k = i; k < j; k++)
            font_text_paint(sheet, SHEET_TEXT_X, y + SHEET_PAD + SHEET_CAPTION_H + SHEET_LINE_H * static_cast<int>(k - i + 1) - 5,
                            SHEET_TEXT_PX, lines[k].text.c_str(), paint_rgb(240, 240, 240));
        y += block;
    }
    return sheet;
}

static bool sheet_write(const char *data_dir, const char *name, const PaintCanvas &sheet)
{
    std::string folder = std::string(data_dir) + "/../figure-sheets";
    mkdir(folder.c_str(), 0755);
    std::string path = folder + "/story-" + name + ".jpg";
    Bytes jpeg;
    if (!jpeg_write(jpeg, sheet.w, sheet.h, paint_bytes(sheet).data(), SHEET_QUALITY) || !file_write(path.c_str(), jpeg)) {
        fprintf(stderr, "databuild: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

static const char *const ending_sheet_names[CHARACTER_COUNT] = {
    "jason", "odysseus", "atalanta", "perseus", "hippolyte", "polyphemus",
    "minotaur", "medusa", "sphinx", "hydra", "ares", "atropos"};

// Walks and draws one script's sheet.
static bool sheet_make(const char *data_dir, int script, int character, const std::vector<StoryMade> &made)
{
    const char *name = script == SHEET_INTRO      ? "intro"
                       : script == SHEET_ENDING   ? ending_sheet_names[character]
                       : script == SHEET_ARES_WON ? "ares-won"
                                                  : "heroes-won";
    std::vector<SheetLine> lines;
    if (!sheet_walk(script, character, &lines)) {
        fprintf(stderr, "databuild: the story \"%s\" does not start for its sheet\n", name);
        return false;
    }
    return sheet_write(data_dir, name, sheet_draw(name, lines, made));
}

bool story_sheets_write(const char *data_dir, const std::vector<StoryMade> &made)
{
    if (!figure_render_start())
        return false;
    std::string path;
    ArchiveHandle archive = sheet_archive_open(&path);
    if (!archive) {
        fprintf(stderr, "databuild: no scratch archive for the story's sheets\n");
        return false;
    }
    ArchiveHandle previous = asset_archive;
    const AudioSink *previous_sink = audio_sink;
    asset_archive = archive;
    audio_sink = &silent_sink;
    game_mode = GAME_MODE_ARCADE_P1;
    bool ok = sheet_make(data_dir, SHEET_INTRO, 0, made);
    for (int id = 0; ok && id < CHARACTER_COUNT; id++)
        ok = sheet_make(data_dir, SHEET_ENDING, id, made);
    ok = ok && sheet_make(data_dir, SHEET_ARES_WON, 0, made) && sheet_make(data_dir, SHEET_HEROES_WON, 0, made);
    audio_sink = previous_sink;
    asset_archive = previous;
    archive_close(archive);
    unlink(path.c_str());
    return ok;
}
