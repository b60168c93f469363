// engine.h: the engine layer (settings, log, archive, textures, fonts, models, skeletons,
// drawing, timers, music); used by every other subsystem except platform/.
#pragma once

#include "base/base.h"

// ---- asset archive (archive.cpp) -------------------------------------------------
// Program lifetime: opened by the start-up loader, closed at shutdown.
typedef void *ArchiveHandle;                 // minizip's unzFile
extern ArchiveHandle asset_archive;          // data/dat00.dat, 0 while closed

ArchiveHandle archive_open(const char *path);
void archive_close(ArchiveHandle archive);
// 1 while the handle is open (archive_open gave it and archive_close has not taken it back).
int archive_is_open(ArchiveHandle archive);
// Reads one whole entry (name matched without regard to case) into a new buffer that the
// caller frees with free(). Returns 1, or 0 with *data = 0 when the entry is missing, short,
// fails its CRC or cannot be allocated; every failure but a missing entry logs the entry and
// the reason.
int archive_read_entry(ArchiveHandle archive, const char *name, u8 **data, u32 *size);
// 1 when the archive holds an entry of that name (matched as archive_read_entry does).
int archive_has_entry(ArchiveHandle archive, const char *name);

// ---- paths and log (log.cpp) -----------------------------------------------------------
// Program lifetime: set by main before anything reads a file.
constexpr size_t BASE_DIR_SIZE = 4096;
extern char base_dir[BASE_DIR_SIZE];         // the program's own directory, ending in "/"

// base_dir + relative into out; returns 1, or 0 (out empty) when it does not fit.
int base_path(char *out, size_t size, const char *relative);
// Appends one formatted line (cut at 255 characters) to data/initlog.txt, opening and
// closing the file for every call. A null format or a file that cannot be opened writes nothing.
void log_printf(const char *format, ...) __attribute__((format(printf, 1, 2)));
// The closing lines of the log, written last of all at shutdown.
void log_close();
// Creates (empties) data/initlog.txt. LOG_UNSAFE: something other than a plain file of its own
// holds its name (a link, a second name of another file, a FIFO, a device), and this run keeps
// no log; LOG_FAILED: the folder cannot take it. Both put the file or folder and the reason in why.
enum LogStart : int { LOG_STARTED, LOG_UNSAFE, LOG_FAILED };
LogStart log_create(char *why, size_t size);

// ---- timers (timers.cpp) ---------------------------------------------------------------
#include <atomic>

// Timer periods in the game library's 1,193,181 Hz clock units.
constexpr int LOGIC_TICK_60HZ = 19886;
constexpr int LOGIC_TICK_30HZ = 39772;   // the knock-out slow motion

// Written by the timer callbacks on the library's timer thread, read by the main loop.
extern std::atomic<int> logic_ticks_pending;   // logic ticks owed to the main loop
extern std::atomic<int> seconds_counter;       // whole seconds, back to 0 past 1000
// The period the logic tick was last asked to run at (also while no timer runs, as in tests).
extern int logic_tick_units;

// Installs the seconds timer and the 60 Hz logic tick; returns 1, or 0 on failure.
int timers_install();
void timers_remove();
void timer_logic_tick();
void timer_second_tick();
// The one place that changes the logic tick's rate.
void timer_logic_rate_set(int units);

// ---- settings and progress (config.cpp) ------------------------------------------------
// Program lifetime: read from data/qx.cfg at start-up, written back at shutdown.
// Video (launcher)
extern u8 resolution_index;       // 0 640x480, 1 800x600, 2 1024x768, 3 1280x960, 4 1600x1200
extern u8 colour_depth;           // 16 or 32 bits
extern u8 texture_detail;         // 0 Normal, 1 High
extern u8 texture_sharpness;      // 0 Normal, 1 Sharper
extern u8 texture_colour_depth;   // 0 16 bit, 1 32 bit
extern u8 screen_mode;            // 0 full screen, 1 windowed
extern u8 vsync_option;           // the VSYNC option: swap interval 0 or 1 (Allegro owns the name vsync)
extern u8 glow_effect;            // 0 or 1
extern f32 brightness;            // gamma, 1.0 neutral, 0.5..2.5
extern u8 shadow_quality;         // 0 blob shadows, 1 projected shadows
// Audio and game options
extern u32 effects_volume;        // 0..64
extern u32 music_volume;          // 0..128
extern u32 rounds_to_win;         // 1..3
extern u32 round_time_option;     // 0 80 s, 1 70 s, 2 60 s
extern i8 difficulty;             // 1 Easiest, 2 Easy, 4 Normal, 5 Hard
// Controls, per player (0 side one, 1 side two). Key bindings hold scancodes in the older
// numbering of the game library (modifiers 103..114); the input code translates.
extern u8 input_device[2];        // 0 keyboard, 1 joystick
extern i32 bind_key_up[2], bind_key_down[2], bind_key_left[2], bind_key_right[2];
extern i32 bind_key_hard_swing[2], bind_key_low_swing[2], bind_key_kick[2], bind_key_start[2];
extern i32 bind_joy_index[2];     // joystick number, negative: none
extern i32 bind_joy_stick[2];     // stick of that joystick
extern i32 bind_joy_hard_swing[2], bind_joy_low_swing[2], bind_joy_kick[2], bind_joy_start[2];  // -1 none
// Progress
extern u8 gallery_bought;         // 0/1
extern u8 profiles_unlocked;      // 0/1
extern u32 credits;
extern u8 unlocked_medusa, unlocked_ares, unlocked_sphinx, unlocked_hydra, unlocked_atropos;  // 0/1
// Biography state per character: 0 not offered, 1 offered, 2 bought.
extern u8 profile_jason, profile_odysseus, profile_atalanta, profile_perseus, profile_hippolyte,
    profile_polyphemus, profile_minotaur, profile_medusa, profile_sphinx, profile_hydra,
    profile_ares, profile_atropos;
extern u8 blood;                  // 0 off, 255 on

constexpr size_t CONFIG_FILE_SIZE = 169;

// Reads the settings; returns 1 when the file existed. A missing file gets the defaults and
// is written at once (returns 0); an unreadable one gets the defaults for this run and is
// then never overwritten.
int config_load(const char *path);
// Writes the settings through a temporary file renamed over path; returns 1, or 0 (old file
// kept, one log line).
int config_save(const char *path);
// The missing-file values (bindings, devices and blood are left alone).
void config_set_defaults();
// Both players' default devices, keys and joystick buttons.
void config_set_default_bindings();
// What a first run starts with (also a missing or short file's missing fields): the defaults,
// the default bindings, windowed.
void config_set_first_run();
// Writes the reader's note (an unreadable or short file) to the log once the log exists.
void config_log_note();

// ---- models (model.cpp) ----------------------------------------------------------
// Program lifetime: read by the character and arena loaders the first time they need a
// figure, kept in their caches and freed with model_free at shutdown.
constexpr int MODEL_HIT_ZONES = 11;   // 0..6 body zones, 7..10 attack points
constexpr u16 BONE_NONE = 255;        // a vertex bone at or above this is moved by no bone

struct HitZone {
    f32 x, y, z;   // world position, recomputed from Model::pos by hit detection every pass
    f32 radius;    // world units, written by the character loader
};

// One triangle. Corners wind counter-clockwise seen from the front.
struct Polygon {
    u8 surface_kind;      // 0 plain, 1 sphere-mapped reflection, 2 unlit, 5 alpha-tested reflective
    u8 two_sided;         // 1: drawn with face culling off
    u8 poly_flag;         // carried, not interpreted
    u16 poly_tag;         // carried into the masked-polygon queue, not interpreted
    u16 corner[3];        // vertex indices, each below Model::vertex_count
    f32 tex_uv[6];        // texture layer: u, v of corner 0, 1, 2; v = 0 is the picture's top row
    f32 lightmap_uv[6];   // lightmap layer, same order
    u8 pass;              // 0-1 opaque, 2-3 alpha-tested or held back, 4-5 blended, 6+ never drawn
    u16 texture_index;    // into the owner's texture table
    u16 lightmap_index;   // added to the arena's lightmap base
};

// Every array is its own allocation owned by the record; the per-vertex arrays hold
// vertex_count entries, the per-polygon ones polygon_count.
struct Model {
    u16 *bone_a;                        // the bone that moves each vertex, >= BONE_NONE for none
    u16 *bone_b;                        // bone in the first skeleton of a two-skeleton chain
    u16 *vertex_tag;                    // carried, not interpreted
    u16 vertex_count;
    u16 polygon_count;
    i16 hit_vertex[MODEL_HIT_ZONES];    // vertex of each hit-zone point, -1 none; set by loaders
    f32 (*rest_pos)[3];                 // model space as read, z up
    f32 (*mid_pos)[3];                  // between the two skeletons of two-skeleton skinning
    f32 (*pos)[3];                      // posed by skinning; drawn, and followed by the hit zones
    HitZone hit_zones[MODEL_HIT_ZONES];
    u16 *polygon_tag;                   // zeroed, not interpreted
    f32 (*rest_normals)[3];             // unit length, or zero where no face (or cancelling faces) meet
    f32 (*normals)[3];                  // posed by skinning, not renormalised
    Polygon *polygons;
    // The drawers' vertex arrays (model_corners.cpp): one slot per distinct corner, a vertex
    // with both its coordinate pairs, so a vertex shared by triangles is sent and lit once.
    u32 slot_count;
    u32 *corner_slot;                   // 3 per polygon: the slot of each corner
    u16 *slot_vertex;                   // the vertex each slot draws
    f32 (*slot_uv)[2];                  // texture layer
    f32 (*slot_lightmap_uv)[2];         // lightmap layer
    f32 (*slot_pos)[3];                 // draw-only: the posed positions, gathered per draw
    f32 (*slot_normals)[3];             // draw-only: the posed normals, gathered per draw
    u8 mesh_shared;                     // 1: the read-only arrays are another record's (model_twin)
};

// Reads an .emd entry into a new Model with its rest normals, the posed arrays zeroed and
// every hit_vertex -1. Returns 0 (after a log line) when the entry is missing or damaged.
Model *model_load(ArchiveHandle archive, const char *entry_name);
// Recomputes one vertex's rest normal from the faces round it.
void model_vertex_normal(int vertex, Model *model);
// A second figure of a model already read, as a fresh read of the same entry would give it:
// a new record with posed arrays of its own that shares the source's read-only ones (rest
// pose, bones, polygons, corner slots). The source must outlive it. 0 when out of memory.
Model *model_twin(const Model *source);
// Frees the arrays the record owns and the record; a null model is ignored.
void model_free(Model *model);

// ---- skeletons, posing and skinning (skeleton.cpp, skinning.cpp) -------------------
// The eight Skeleton blocks live from start-up to shutdown; each fight's loaders re-read
// them with skeleton_load, and the sequencers set keys and phase every logic tick. A block's
// bones are sized to its entry (a fight's figures hold a few dozen of the 256 a block may).
constexpr int SKELETON_MAX_BONES = 256;
constexpr int SKELETON_KEYS = 256;     // key frames per bone; key 0 holds the captured pose

// Same layout as the game library's float matrix (MATRIX_f, checked where it is used):
// v[row][column], then the translation. A point p becomes v p + t.
struct BoneMatrix {
    f32 v[3][3];
    f32 t[3];
};

struct Bone {
    f32 rest[3];                          // rest position, model space
    BoneMatrix matrix;                    // full transform, parents included after building
    BoneMatrix rotation;                  // rotation only, for normals
    f32 trans_keys[SKELETON_KEYS][3];     // translation per key
    f32 angle_keys[SKELETON_KEYS][3];     // angles about x, y, z; 256 units per turn
    f32 scale_keys[SKELETON_KEYS][3];     // scale per key; 1 leaves the bone's size alone
    u16 parent;                           // below the bone's own index; unused for bone 0
};

// Field order is fixed: the sequencers and the combat code read and write the header.
struct Skeleton {
    u8 attack_live;       // 255 while an attack is live
    u8 active_window;     // above 0 while the move's active keys run; read by melee hit tests
    f32 key_ticks;        // logic ticks per key step
    f32 phase;            // blend from key_from (0) to key_to (1); 2.0 right after a capture
    i16 key_from;         // 0..255
    i16 key_to;           // 0..255
    i16 prev_key_from;    // keys of the previous step, for the blade-trail sampler
    i16 prev_key_to;
    i16 posed_action;     // the action whose start pose was last captured
    i16 last_key_to;      // key_to at the last step, read by the fight camera
    i32 action;           // mirror of the fighter's action
    i16 bone_count;       // 0..SKELETON_MAX_BONES: how many bones `bones` holds
    Bone *bones;          // bone_count bones owned by the block, or null; freed by skeleton_bones_free
};

// Zeroes the header, gives the block the entry's bones (the old ones are freed) and fills
// them from an .esq entry. Returns 1, or 0 (after a log line) with the block untouched when
// the entry is missing or damaged.
int skeleton_load(Skeleton *skeleton, ArchiveHandle archive, const char *entry_name);
// Replaces the block's bones with `count` zeroed ones (none for 0) and sets bone_count; the
// rest of the header is left alone. Returns 1, or 0 with the block untouched when memory or
// the count is refused.
int skeleton_bones_alloc(Skeleton *skeleton, int count);
// Frees the block's bones and sets bone_count to 0; the block itself is the caller's.
void skeleton_bones_free(Skeleton *skeleton);
// Freezes the current in-between pose into key 0 of skeleton and, when second is not null,
// of second (the blur copy); then phase = 2, key_to = 0, posed_action = action.
void skeleton_capture_pose(Skeleton *skeleton, Skeleton *second);
// Builds one bone's matrix and rotation from its own keys at the current phase, no parent.
void skeleton_bone_matrix(Skeleton *skeleton, int bone);
// Builds every bone's matrices, parents' transforms included.
void skeleton_build_matrices(Skeleton *skeleton);
// Where a bone's rest position lands under its built matrix (model space); the origin for a
// bone outside the skeleton.
void skeleton_bone_point(const Skeleton *skeleton, int bone, f32 out[3]);
// Builds the skeleton's matrices and writes the model's pos and normals; a vertex whose bone
// is BONE_NONE or above, or not below bone_count, keeps its rest pose.
void model_skin(Model *model, Skeleton *skeleton);
// pos := rest_pos and normals := rest_normals for every vertex.
void model_copy_rest_pose(Model *model);
// Skinning through two chained skeletons: bone_b in first gives mid_pos, bone_a in second
// moves mid_pos to pos.
void model_skin_two_skeletons(Model *model, Skeleton *first, Skeleton *second);

// ---- Ogg stream layer (ogg_stream.cpp) -------------------------------------------
// Decodes an Ogg Vorbis file, a buffer at a time, into an audio stream of the game library.
// The music player is its one user in the game, through the memory source.
struct AUDIOSTREAM;                          // the game library's audio stream
struct PACKFILE;                             // the game library's packed file
struct AloggStream;                          // one stream being decoded; private to ogg_stream.cpp

// The caller's Ogg bytes as the decoder's data source (the data is not owned).
struct AloggMemorySource {
    u32 size;                                // bytes at data
    int64_t position;                        // next byte read; past the end, reads give 0
    const u8 *data;
};

// The game library's audio-stream calls in one place, so that unit tests can stand in a fake
// where no sound device plays. Nothing but tests points audio_sink anywhere else.
struct AudioSink {
    AUDIOSTREAM *(*open)(int samples, int stereo, int rate);  // 16-bit, full volume, centre pan
    void *(*buffer)(AUDIOSTREAM *stream);                       // a free buffer, or null
    void (*release)(AUDIOSTREAM *stream);                       // hands the filled buffer back
    void (*close)(AUDIOSTREAM *stream);
    void (*volume)(AUDIOSTREAM *stream, int volume);            // the voice's volume, 0..255
};
extern const AudioSink allegro_audio_sink;

// Program lifetime.
extern const AudioSink *audio_sink;          // &allegro_audio_sink
extern int alogg_error_code;                 // the last negative vorbisfile result

void alogg_init();
void alogg_exit();
// Start a stream whose buffers hold block_size bytes of 16-bit sound (rounded down to whole
// frames). Null on failure; alogg_error_code then holds the decoder's refusal, if that was it.
// The memory stream reads the caller's data, which must outlive it; the file stream opens and
// the packfile stream takes over (and in the end closes) its file, also when it fails.
AloggStream *alogg_start_streaming_memory(const u8 *data, u32 size, int block_size);
AloggStream *alogg_start_streaming(const char *path, int block_size);
AloggStream *alogg_start_streaming_packfile(PACKFILE *file, int block_size);
// Looping on: at the end of the file the decoder goes back to its start within the same
// buffer, so the stream only ends on a file that decodes nothing or a decoding error.
void alogg_stream_loop(AloggStream *stream, int loop);
// Refills the audio stream when it has a free buffer. Returns 1 while the stream lives, 0 once
// a refill decoded nothing (end of the file or a decoding error): the owner then stops it.
int alogg_update_streaming(AloggStream *stream);
// Stops the audio stream and frees everything of the stream but the caller's data.
void alogg_stop_streaming(AloggStream *stream);
AUDIOSTREAM *alogg_get_audio_stream(AloggStream *stream);

// The memory source's callbacks (vorbisfile's read, seek, close, tell), with fread and fseek
// meanings: read returns whole items; seek returns 0, or -1 leaving the position unchanged.
size_t alogg_memory_read(void *ptr, size_t size, size_t count, void *source);
int alogg_memory_seek(void *source, int64_t offset, int whence);
int alogg_memory_close_free(void *source);
long alogg_memory_tell(void *source);

// ---- music player (music.cpp) ----------------------------------------------------
// One Ogg tune at a time from asset_archive, looping for ever. Program lifetime; a tune is
// replaced only by music_stop followed by music_play.
constexpr int MUSIC_BLOCK_SIZE = 40960;      // bytes of decoded sound per stream buffer
extern int music_block_size;                 // MUSIC_BLOCK_SIZE once a tune was started
extern char music_name[256];                 // entry name of the current (or last) tune
extern u8 *music_data;                       // the whole compressed entry; 0 while none plays
extern u32 music_size;                       // bytes at music_data
extern AloggStream *music_stream;            // 0 while no tune plays
extern AUDIOSTREAM *music_audio_stream;      // the tune's voice; 0 while no tune plays

// Returns 0 when the tune plays, 1 when the entry is missing, damaged or does not decode.
// A tune already playing is stopped first.
int music_play(const char *name);
// Keeps the stream fed and starts the tune over when it ends; once per logic tick.
void music_poll();
void music_stop();
// Sets the music voice's volume; volume is on the MUSIC VOLUME scale, 0..128 (128 is the
// voice's full 255). Every change of the music's loudness goes through here; no tune: nothing.
void music_set_voice_volume(int volume);
// At exit, once the game library was started: the music, the Ogg layer and the timers.
void sound_shutdown();

// ---- the 3D view and the drawers' shared GL steps (draw_state.cpp) ---------------------
// Frame lifetime: the view every 3D drawer of the engine looks from. The frame drawer copies
// it from the cameras' globals (camera_eye, camera_centre, camera_up_z) before anything is
// drawn; tests set it directly.
struct DrawView {
    f32 eye[3];      // world position of the eye (z up, x the fight axis)
    f32 centre[3];   // the point looked at
    f32 up_z;        // the up vector is (0, 0, up_z)
};
extern DrawView draw_view;

void draw_view_set(const f32 eye[3], const f32 centre[3], f32 up_z);
// Identity model-view, then gluLookAt from draw_view's eye to its centre: where every 3D
// drawer starts its placement.
void camera_view_load();
// The current model-view, projection and viewport, read once (each read is a GL query) for
// a drawer that projects points with window_view_point: where a point lands in the window,
// in pixels from its bottom left.
struct WindowView {
    double model[16], projection[16];
    int viewport[4];
};
void window_view_read(WindowView *view);
void window_view_point(const WindowView *view, double x, double y, double z, double *window_x, double *window_y);
// glClear of the given buffers, the stencil always taken with the depth.
void view_clear(u32 buffers);
// With multitexture, makes texture unit 0 or 1 the active one; without, does nothing.
void texture_unit_select(int unit);
// With multitexture: unit 1 active, its 2D texturing off, then unit 0 active again.
void texture_unit1_off();
// The lit-skin environment of the active unit: texture times lit colour, doubled where
// combine is offered (GL_COMBINE with GL_MODULATE and RGB scale 2), GL_MODULATE otherwise.
void tex_env_lit_skin();
// Binds entry `index` of a texture table of `count` names; an index outside it binds 0.
void texture_table_bind(const u32 *table, u32 count, u32 index);
// A rectangle at depth z from (left, top) to (right, bottom) in the current model-view,
// showing the bound picture from (s0, t0) at its top left to (s1, t1) at its bottom right
// (t = 0 is the picture's top row), in the current colour. screen_rect_vertices sends only
// its four corners, for drawers that batch many rectangles in one glBegin(GL_QUADS).
void screen_rect_vertices(f32 left, f32 top, f32 right, f32 bottom, f32 z, f32 s0, f32 t0, f32 s1, f32 t1);
void screen_rect_draw(f32 left, f32 top, f32 right, f32 bottom, f32 z, f32 s0 = 0, f32 t0 = 0, f32 s1 = 1,
                      f32 t1 = 1);
// The same rectangle without a picture: the menus' frames and shadows, and the dark bands
// that keep a line of text readable over a busy picture. Leaves 2D texturing on.
void screen_rect_fill(f32 left, f32 top, f32 right, f32 bottom, f32 z);

// ---- stage light (model_draw.cpp) ----
// Program lifetime: one record, allocated and zeroed by the start-up loader and filled by
// each arena loader; hit detection switches the hit light on and moves it.
struct StageLight {
    u8 hit_light_on;          // non-zero while the hit light shines
    f32 light0_ambient[4];    // RGBA ambient of GL light 0
    f32 light0_diffuse[4];    // RGBA diffuse of GL light 0
    f32 light0_position[4];   // position of GL light 0, w = 0 (a directional light)
    f32 light1_diffuse[4];    // RGBA of GL light 1, the hit light
    f32 light1_position[4];   // position of GL light 1, w = 1 (a point light at the hit)
};

// Sends light 0's position and, while the hit light shines, light 1's, in the current
// model-view: after every change of view. A null light sends nothing.
void stage_light_send_positions(const StageLight *light);

// ---- model drawing and the masked-polygon queue (model_draw.cpp, masked_polys.cpp) -------
// Where model_draw places a figure; callers copy a Fighter's position and angles into it.
struct ModelPlacement {
    f32 pos_x, pos_y, pos_z;   // world position
    f32 rot_x, rot_y;          // degrees about x and y
    f32 heading;               // degrees about z
};

constexpr u32 SKIN_SLOT_SIZE = 7;   // skins per fighter slot: side two's start at entry 7

// The pictures a figure's polygons bind; the frame and the screens fill one per figure.
struct ModelSkin {
    const u32 *textures;   // the skin table (skin_textures): entry base + texture_index
    u32 texture_count;     // entries in it; an index at or past the count binds texture 0
    u32 base;              // 0 for side one (draw mode 0), SKIN_SLOT_SIZE for side two (mode 1)
    u32 reflection;        // sphere map of shiny surfaces (tex_reflection)
    u32 wound_overlay;     // blood picture laid over every drawn triangle, 0 for none; a
                           // wounded figure shows no reflection
};

// One held-back triangle, carrying all it needs to be drawn after other models moved the
// GL matrices.
struct MaskedPoly {
    u8 surface_kind;
    u16 poly_tag;              // copied from the polygon, not interpreted
    u8 queue_kind;             // 0 drawn with depth writes, 1 without
    f32 angles[3];             // the placement's rot_x, rot_y and heading, degrees
    f32 position[3];           // the placement's position
    f32 corners[3][3];         // skinned corners, model space
    f32 view_corners[3][3];    // the same in camera space, written by masked_polys_sort
    f32 corner_normals[3][3];
    f32 corner_uv[6];          // texture-layer u, v of corners 0, 1, 2
    u32 texture;               // the skin picture's texture name, looked up when queued
    i32 next;                  // next entry of the same depth bucket, -1 = end
};

constexpr int MASKED_QUEUE_SIZE = 8192;
constexpr int MASKED_BUCKET_COUNT = 50000;   // tenth-of-a-unit depth slots
constexpr f32 MASKED_DEPTH_SCALE = 3.3333335f;   // depth sum of 3 corners to tenths of the mean

// Program lifetime: allocated by masked_polys_alloc, freed by masked_polys_free. Per frame:
// the frame drawer sets masked_count to 0 before the figures, model_draw appends, and
// masked_polys_draw draws the lot once.
extern MaskedPoly *masked_queue;     // MASKED_QUEUE_SIZE entries
extern i32 *masked_buckets;          // MASKED_BUCKET_COUNT list heads, -1 = empty
extern u16 masked_count;             // entries in use
extern u32 masked_dropped;           // triangles that found the queue full since the last draw

// Allocates the queue and the buckets (zeroed) and zeroes the arena's scroll offsets;
// returns 1, or 0 when either allocation fails.
int masked_polys_alloc();
void masked_polys_free();
// Draws a posed model at a placement with the arena's lights: opaque and alpha-tested
// triangles at once, the others appended to the queue. The caller sets the projection and
// draw_view; light may be null (no light positions are sent).
void model_draw(const ModelPlacement *placement, const Model *model, const ModelSkin *skin,
                const StageLight *light);
// Every triangle of a posed model at a placement, in the texture, colour and lighting the
// caller set (back faces culled unless two-sided); the caller loads the camera view first.
void model_draw_plain(const ModelPlacement *placement, const Model *model);
// The bucket of a triangle whose corners lie at these view depths summed: ten times the mean
// depth, truncated toward zero; -1 when it falls outside 0..MASKED_BUCKET_COUNT - 2 (behind
// the eye, farther than about 5,000 units, or not a number).
i32 masked_depth_key(f32 depth_sum);
// Moves every queued triangle into camera space and links it at the head of its depth
// bucket; triangles whose key is -1 are left out.
void masked_polys_sort();
// Sorts the queue and draws it from far to near, blended; the caller leaves the projection
// as for model_draw.
void masked_polys_draw(const StageLight *light);

// ---- arena, sky, sun and blob-shadow drawing (stage_draw.cpp, sky_draw.cpp) ----------
constexpr u32 STAGE_TEXTURE_SLOTS = 28;   // the running arena's texture table

// Fixed slots of the arena's texture table; polygon textures start at 0, lightmaps at the
// arena's lightmap base.
enum StageSlot : u32 {
    STAGE_SLOT_FLOOR_SPHERE = 18,   // Athens 2: sphere map of the reflective floor
    STAGE_SLOT_FLOOR_4 = 19,        // Athens 2: floor picture under polygons of texture 4
    STAGE_SLOT_FLOOR = 20,          // Athens 2: floor picture under every other polygon
    STAGE_SLOT_SKY = 23,            // sky panels centre, left, right (Troy one slot later)
    STAGE_SLOT_FLARE = 26,
    STAGE_SLOT_SUN = 27
};

// What the arena drawers read of the running arena and of a god's summon; the frame fills
// it from the arena and summon globals before the arena passes.
struct StageScene {
    const u32 *textures;     // the arena's texture table (stage_textures), STAGE_TEXTURE_SLOTS
    i32 stage_id;            // StageId: lightmap base, sky slots and the arena's extra passes
    i32 summon_phase;        // 0 none; SUMMON_EFFECT_PHASE while the god's effect is on screen
    f32 summon_fade_level;   // light level of the scene during a summon, 1.0 otherwise
};

constexpr i32 SUMMON_EFFECT_PHASE = 2;   // the summon phase that hides the arena's extras

// Program lifetime, zeroed by masked_polys_alloc: texture offsets of Arcadia's and the
// Labyrinth's moving surfaces, advanced once per drawn frame of those arenas, 0.0 .. 4.0.
extern f32 stage_scroll_u, stage_scroll_v;

// The arena posed by its skeleton: textures on unit 0, lightmaps on unit 1 (with
// multitexture), then the Athens 2 reflective floor and the Labyrinth's additive water.
// Advances the scroll offsets. Leaves blending on after an extra pass.
void stage_draw(const Model *model, const StageScene *scene);
// The arena as a flat silhouette for the glow pre-pass, alpha-tested cut-outs kept; the caller
// sets lighting off and the colour black first.
void stage_draw_glow_pass(const Model *model, const StageScene *scene);
// Slot of lightmap 0 in the arena's texture table, by stage id.
u32 stage_lightmap_base(i32 stage);
// One frame's advance of the scroll offsets of the arena `stage` (others do not move).
void stage_scroll_advance(i32 stage);
// The three sky panels, fixed in front of the camera and sliding with the view direction.
void sky_panorama_draw(const StageScene *scene);
// The sun disc and its flare: a camera-facing quad of half-size `size` at (x, y, z); bright
// 0 dim, 1 full. The caller enables blending; the flare leaves the depth test GL_ALWAYS.
void sun_draw(const StageScene *scene, f32 x, f32 y, f32 z, f32 size, int bright);
void sun_flare_draw(const StageScene *scene, f32 x, f32 y, f32 z, f32 size, int bright);
// A 20 x 20 blob 0.2 above the floor at (x, y); the caller binds the blob picture and
// enables blending.
void blob_shadow_draw(f32 x, f32 y);

// ---- glow overlay (glow.cpp) ------------------------------------------------------------
constexpr int GLOW_SIZE = 64;   // pixels per side of the pre-pass, the buffers and the texture

enum GlowMode : int {
    GLOW_SUBTRACT = 0,   // v - k
    GLOW_SCALE = 1       // (v / k) x v, in integers
};

// Keeps what is brighter than k in each byte of a GLOW_SIZE x GLOW_SIZE RGB picture, by mode,
// clamped to 0..255. Another mode, or GLOW_SCALE with k <= 0, leaves the bytes unchanged.
void glow_threshold(u8 *pixels, int mode, int k);
// 5 x 5 box blur of a GLOW_SIZE x GLOW_SIZE RGB picture into out, each mean taken over the
// samples that lie inside the picture.
void glow_blur(const u8 *in, u8 *out);
// Reads the pre-pass back from the bottom-left GLOW_SIZE x GLOW_SIZE pixels of the colour
// buffer, thresholds and blurs it into glow_texture.
void glow_capture(int mode, int k);
// Lays glow_texture over the whole view with a screen-like blend; the caller enables blending.
void glow_draw();

// ---- engine start-up and shutdown (engine_start.cpp) ----------------------------------------
// Program lifetime: set by engine_start, freed or restored by engine_shutdown.
extern u32 allegro_started;               // 1 once the game library runs; the shutdown stops it then
extern u8 *glow_read_buffer;              // 64 x 64 RGB read-back of the glow pass (12,288 bytes)
extern u8 *glow_blur_buffer;              // 64 x 64 RGB blurred copy (12,288 bytes)
// What the GL driver offers, probed once the window is up.
extern i32 gl_max_texture_size;           // GL_MAX_TEXTURE_SIZE, pixels
extern u8 has_multitexture;               // 255: GL_ARB_multitexture and both entry points below
extern i32 texture_units;                 // GL_MAX_TEXTURE_UNITS_ARB (read only with multitexture)
extern void (*gl_active_texture)(u32 unit);                      // glActiveTextureARB
extern void (*gl_multi_tex_coord2f)(u32 unit, f32 s, f32 t);     // glMultiTexCoord2fARB
extern void (*gl_client_active_texture)(u32 unit);               // glClientActiveTextureARB
extern u8 has_tex_env_add;                // 255: GL_ARB_ or GL_EXT_texture_env_add
extern u8 tex_env_combine;                // 0 none, 1 GL_EXT_texture_env_combine, 2 GL_ARB_texture_env_combine
extern u8 has_lod_bias;                   // 255: GL_EXT_texture_lod_bias
extern u8 has_swap_control;               // 255: GLX_EXT_ or GLX_MESA_swap_control
extern i32 saved_swap_interval;           // the interval found at start, put back at shutdown
extern u8 sound_available;                // 255: digital sound started
extern u8 joystick_available;             // 255: at least one joystick found
extern u8 launcher_closed;                // 1: the player closed the launcher (or a quit signal
                                          // did), the one start-up that ends without a fault

constexpr size_t GLOW_BUFFER_SIZE = 64 * 64 * 3;

// Brings the engine up in its fixed order (settings, buffers, gamma, game library, launcher,
// log, window, GL probing, timers, sound, joysticks); returns 1, or 0 after its report.
int engine_start();
// Writes data/qx.cfg first, then puts back the swap interval and the desktop gamma and frees
// the engine's buffers; safe after a start-up that stopped anywhere.
void engine_shutdown();
// config_save on base_dir's data/qx.cfg; makes no X call. Returns as config_save.
int settings_save();
// Starts the game library with its timer, keyboard and mouse; returns 1, or 0 when it cannot
// start (no display).
int allegro_start();
// 1 when name is a whole word of the blank-separated list; an empty name, a name with a blank
// or a null list never matches.
int extension_in_list(const char *name, const char *list);
int gl_has_extension(const char *name);
// Fetches the multitexture entry points; returns 1 when both exist.
int gl_multitexture_init();
// A message box titled title; where none can be shown the text goes to the log as well.
void message_box(const char *title, const char *text);

// ---- game window, video mode, GL state and gamma (video.cpp) -------------------------------
// Program lifetime: set by the launcher and the video mode.
extern u16 screen_width, screen_height;   // the window's size in pixels
extern i32 window_active;                 // -1 once the window is up; ticks and frames wait for it
extern u32 glow_texture;                  // the glow pass's 64 x 64 RGB8 texture

// Opens the game window in the configured mode ("ERROR: Can't set ..." box on failure);
// returns 0 on success, 1 on failure.
// Half the view's width at `depth` units in front of the eye, in eye-space units: where the
// one projection's left and right edges lie at that depth.
f32 view_half_width(f32 depth);
int video_mode_set();
// The engine's fixed GL state, set once after the window opens.
void gl_init_state();
// Applies gamma (the brightness option, 1.0 neutral) to the desktop; a gamma that is not
// finite or not positive is ignored.
void gamma_set(f32 gamma);
// The ramp of gamma_set: entry i = (i / 255) ^ (1 / gamma) x 65535, truncated; 256 entries.
void gamma_ramp_build(f32 gamma, u16 *ramp);

// ---- launcher (launcher.cpp) ---------------------------------------------------------------
// Shows the launcher and the video set-up, then copies their choices into the settings and
// sets the screen size. Returns a LauncherResult: 0 start, 1 closed (the program ends),
// 2 no window for the dialogs.
int launcher_dialog();
// The dialogs' list indices (VIDEO_LIST_COUNT of them, platform.h) from the settings: a depth
// other than 32 shows as 16 bit, an index outside its list shows clamped.
void launcher_selection_from_settings(u8 *selection);
// Back into the settings: depth 16 or 32, the other five as chosen, and the screen size.
void launcher_selection_to_settings(const u8 *selection);
// screen_width x screen_height from resolution_index (640 x 480 for an unknown index).
void screen_size_from_resolution();

// ---- screenshots (screenshot.cpp) ----------------------------------------------------------
// Saves the frame as the first free scr%05d.jpg beside the program.
void screenshot_save();
// The same into the folder dir ("" the current one, else ending in "/"); returns 1 when the
// picture was written.
int screenshot_save_in(const char *dir);
constexpr int SCREENSHOT_NUMBER_MAX = 99999;
// The first number n from 0 whose scr%05d.jpg does not exist in dir; -1 when every number up
// to SCREENSHOT_NUMBER_MAX is taken.
int screenshot_free_number(const char *dir);

// ---- pictures and textures (picture.cpp, texture.cpp) -----------------------------
// A decoded picture: width x height pixels of R, G, B, A bytes, rows packed, top row first.
// Decoding needs no GL context, so tests and the fuzzer call the decoders directly.
struct Picture {
    int width;
    int height;
    u8 *pixels;   // malloc'd; picture_free releases it
};

// Each returns 1 and fills *picture, or 0 with *picture empty when the bytes are not a
// picture this game reads (uncompressed 24/32-bit TGA; baseline 8-bit JPEG).
int tga_decode(const u8 *data, size_t size, Picture *picture);
int jpeg_decode(const u8 *data, size_t size, Picture *picture);
void picture_free(Picture *picture);
// Starts the game library for memory bitmaps where nothing has started it yet (tools, tests,
// the fuzzer; the game starts it with its window) and sets 32-bit colour for new bitmaps.
void picture_library_start();

// The third argument of texture_load.
enum TextureMode : int32_t {
    TEXTURE_CLAMP_RGBA,         // level 0 only, clamped, alpha kept
    TEXTURE_CLAMP_RGB,          // level 0 only, clamped, alpha dropped
    TEXTURE_MIPMAP_RGBA,        // mipmapped, repeating
    TEXTURE_MIPMAP_RGB,
    TEXTURE_MIPMAP_RGBA_FULL,   // mipmapped; kept at its own size whatever the detail setting
    TEXTURE_MODE_COUNT
};

// Reads, decodes and uploads one archive entry (".jpg" names as JPEG, anything else as TGA)
// and leaves it bound to GL_TEXTURE_2D. Returns the GL texture name, which the caller owns,
// or 0 when the entry is missing, undecodable or the mode unknown.
u32 texture_load(ArchiveHandle archive, const char *entry_name, int mode);
// Deletes the first count names of a screen's or fight's texture table and sets each entry to
// 0, so that a name GL hands out again is never deleted twice; empty entries are skipped.
void texture_table_delete(u32 *names, int count);
// The first level of texture `name` as RGBA texels, its first row (t = 0) first, for a drawer
// that measures what a picture covers; an empty picture when GL holds none. Leaves the texture
// bound. The caller frees it with picture_free.
Picture texture_read(u32 name);
// The size a picture of width x height is uploaded at under a mode, from the texture detail
// setting and the driver's largest texture size.
void texture_upload_size(int mode, int width, int height, int *upload_width, int *upload_height);
// Whether texture_load takes an entry name for a JPEG.
int texture_name_is_jpeg(const char *entry_name);

// ---- bitmap fonts (fonts.cpp, font_tables.cpp) ------------------------------------------
// Program lifetime. The start-up loader writes the three atlas textures (texture_load in
// TEXTURE_MIPMAP_RGBA_FULL); fonts_build makes the display lists, fonts_free deletes them.
extern u32 font_text_texture;      // misc/letra.tga, 16 x 16 cells
extern u32 font_letters_texture;   // misc/textb.tga, 6 x 5 cells
extern u32 font_digits_texture;    // misc/number.tga, 5 x 2 cells
extern u32 font_text_lists;        // first of 256 display lists, one per glyph; 0 until built
extern u32 font_digits_lists;      // first of 10
extern u32 font_letters_lists;     // first of 29

enum FontId : int32_t {
    FONT_TEXT,      // 256 glyphs: printable ASCII from cell 63, Latin-1 225..255 in cells 0..30
    FONT_DIGITS,    // '0'..'9'
    FONT_LETTERS,   // 'A'..'Z', '[' drawn as '!', backslash (the gap between words), ']' as '?'
    FONT_COUNT
};

// Each glyph's list draws a quad as wide as the glyph's advance (at most quad_width) and
// quad_height high from the pen, textured with the matching left part of its atlas cell, then
// moves the pen right by the advance: quads of a text abut and never overlap. Units are the
// caller's.
struct FontLayout {
    int glyph_count;
    int first_char;      // the (signed) character of glyph 0
    float cell_s;        // atlas cell size in texture coordinates
    float cell_t;
    float row_limit;     // a cell starting beyond this s starts the next row
    float quad_width;
    float quad_height;
    float advance;       // the word gap: glyphs without an advance of their own, characters
                         // without a glyph, the letters font's backslash
};
extern const FontLayout font_layouts[];   // FONT_COUNT rows

// The glyph a character draws in a font, or -1 when the font has none for it.
int font_glyph_of(int font, char c);
float font_glyph_advance(int font, int glyph);
// How far a character moves the pen: its glyph's advance, or the word gap for a character the
// font has no glyph for (a space given to the capital letters).
float font_char_advance(int font, char c);
// The pen's travel over a whole text.
float font_text_width(int font, const char *text);
// The atlas cell (top-left corner, t = 0 the picture's top row) that a glyph is cut from.
void font_glyph_cell(int font, int glyph, float *s, float *t);
// Builds every glyph's display list; returns 1, or 0 when GL gave no lists.
int fonts_build();
void fonts_free();
// Print a printf-formatted text (cut at 255 characters) with the pen starting at (x, y, z)
// in eye space, whatever the model-view matrix holds, and leaves that matrix as it found it.
// Characters the font has no glyph for draw nothing and move the pen by the word gap.
// A null format prints nothing.
void print_text(float x, float y, float z, const char *format, ...) __attribute__((format(printf, 4, 5)));
void print_digits(float x, float y, float z, const char *format, ...) __attribute__((format(printf, 4, 5)));
void print_letters(float x, float y, float z, const char *format, ...) __attribute__((format(printf, 4, 5)));

// ---- the running arena (stage_state.cpp) ----------------------------------------------
// Program lifetime, overwritten by every arena load: the arena loaders (arenas/) write these
// and the frame hands them to the drawers above. The light record itself (stage_light) is the
// start-up loader's (game/).
extern u32 stage_textures[STAGE_TEXTURE_SLOTS];     // GL names by slot; 0 = empty
extern u8 stage_texture_count;                      // slots from 0 the next delete removes
extern i32 stage_id;                                // the running arena, StageId 0..9

// Hands light 0's ambient, diffuse and position to GL and enables light 0.
void stage_light0_apply(const StageLight *light);
// Deletes the running arena's textures and empties every slot, so that a name an earlier
// arena left in a slot the next arena does not fill is never deleted twice.
void stage_textures_delete();
