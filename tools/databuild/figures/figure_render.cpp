// Offscreen pictures of the figures: the builder has no window, so the game's model drawer
// runs in a surfaceless EGL context and the picture is read back from its pbuffer.
#include "tools/databuild/figures/figure_render.h"

#include "arenas/arenas.h"
#include "characters/characters.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <unistd.h>

constexpr int RENDER_SUPERSAMPLE = 2;   // drawn at this many times the picture's size, then averaged
constexpr int RENDER_SURFACE = FIGURE_RENDER_MAX * RENDER_SUPERSAMPLE;
constexpr f32 RENDER_NEAR = 0.5f, RENDER_FAR = 500.0f;

static bool egl_context_make()
{
    auto get_platform_display =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!get_platform_display)
        return false;
    EGLDisplay display = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major, minor;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor))
        return false;
    const EGLint config_attributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
        EGL_ALPHA_SIZE, 8, EGL_DEPTH_SIZE, 24, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(display, config_attributes, &config, 1, &count) || count < 1 || !eglBindAPI(EGL_OPENGL_API))
        return false;
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    const EGLint surface_attributes[] = {EGL_WIDTH, RENDER_SURFACE, EGL_HEIGHT, RENDER_SURFACE, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, surface_attributes);
    return context != EGL_NO_CONTEXT && surface != EGL_NO_SURFACE &&
           eglMakeCurrent(display, surface, surface, context);
}

// The engine's capability globals as its start-up would set them: full-size 32-bit textures,
// one texture unit (the portraits need no reflections or wounds).
static void render_caps_set()
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    gl_max_texture_size = largest;
    texture_detail = 1;
    texture_colour_depth = 1;
    has_multitexture = 0;
    has_tex_env_add = 0;
    tex_env_combine = 1;
}

bool figure_render_start()
{
    static int started = -1;
    if (started >= 0)
        return started == 1;
    started = egl_context_make() && masked_polys_alloc();
    if (!started) {
        fprintf(stderr, "databuild: no offscreen GL context (EGL surfaceless) for the figures' pictures\n");
        return false;
    }
    picture_library_start();
    render_caps_set();
    return true;
}

void figure_source_of(int id, int alternate, FigureSource *source)
{
    *source = {};
    const CharacterModule *module = character_modules[id];
    for (int i = 0; i < module->load_step_count; i++) {
        const LoadStep *step = &module->load_steps[i];
        if (step->kind == LOAD_MODEL && !source->model)
            source->model = step->entry;
        else if (step->kind == LOAD_SKELETON)
            source->skeleton = step->entry;
        else if (step->kind == LOAD_SKIN && step->index >= 0 && step->index < FIGURE_RENDER_SKINS)
            source->skins[step->index] = alternate && step->alt_entry ? step->alt_entry : step->entry;
    }
}

static const ZipEntry *entry_named(const std::vector<ZipEntry> &entries, const char *name)
{
    for (const ZipEntry &entry : entries)
        if (strcasecmp(entry.name.c_str(), name) == 0)
            return &entry;
    return nullptr;
}

// The game reads figures and arenas from an archive, so the named entries go into a scratch
// archive of their own, which the game's readers then open. Null names are skipped.
static ArchiveHandle scratch_archive(const char *const *names, int count, const std::vector<ZipEntry> &entries,
                                     std::string *path)
{
    std::vector<ZipEntry> picked;
    for (int i = 0; i < count; i++) {
        const ZipEntry *entry = names[i] ? entry_named(entries, names[i]) : nullptr;
        if (entry)
            picked.push_back(*entry);
    }
    char scratch[] = "/tmp/tavrosk-figure-XXXXXX";
    int fd = mkstemp(scratch);
    if (fd < 0)
        return nullptr;
    close(fd);
    *path = scratch;
    if (!zip_write(scratch, picked))
        return nullptr;
    return archive_open(scratch);
}

bool figure_render_load(FigureModel *figure, const FigureSource *source, const std::vector<ZipEntry> &entries)
{
    *figure = {};
    std::string path;
    const char *names[2 + FIGURE_RENDER_SKINS] = {source->model, source->skeleton};
    memcpy(names + 2, source->skins, sizeof source->skins);
    ArchiveHandle archive = scratch_archive(names, 2 + FIGURE_RENDER_SKINS, entries, &path);
    if (archive) {
        figure->model = source->model ? model_load(archive, source->model) : nullptr;
        if (figure->model && source->skeleton && !skeleton_load(&figure->skeleton, archive, source->skeleton))
            skeleton_bones_free(&figure->skeleton);
        for (int i = 0; i < FIGURE_RENDER_SKINS; i++)
            if (source->skins[i])
                figure->skins[i] = texture_load(archive, source->skins[i], TEXTURE_MIPMAP_RGBA);
        archive_close(archive);
    }
    if (!path.empty())
        unlink(path.c_str());
    if (!figure->model || figure->skeleton.bone_count == 0) {
        fprintf(stderr, "databuild: cannot read the figure %s\n", source->model ? source->model : "(none)");
        figure_render_free(figure);
        return false;
    }
    figure_render_pose(figure, 0);
    return true;
}

void figure_render_pose(FigureModel *figure, int key)
{
    Skeleton *skeleton = &figure->skeleton;
    skeleton->key_from = skeleton->key_to = static_cast<i16>(key);
    skeleton->phase = 0.0f;
    model_skin(figure->model, skeleton);
}

void figure_render_bounds(const FigureModel *figure, f32 lo[3], f32 hi[3])
{
    const Model *model = figure->model;
    for (int k = 0; k < 3; k++) {
        lo[k] = 1e9f;
        hi[k] = -1e9f;
    }
    for (u32 v = 0; v < model->vertex_count; v++)
        for (int k = 0; k < 3; k++) {
            lo[k] = std::fmin(lo[k], model->pos[v][k]);
            hi[k] = std::fmax(hi[k], model->pos[v][k]);
        }
}

void figure_render_joint(FigureModel *figure, int bone, f32 out[3])
{
    skeleton_bone_point(&figure->skeleton, bone, out);
}

// Light 0 as the shot says, from a fixed direction in world space (sent after the view).
static void shot_light(const FigureShot *shot, StageLight *light)
{
    *light = {};
    f32 length = std::sqrt(shot->light[0] * shot->light[0] + shot->light[1] * shot->light[1] +
                           shot->light[2] * shot->light[2]);
    for (int k = 0; k < 3; k++) {
        light->light0_ambient[k] = shot->ambient;
        light->light0_diffuse[k] = shot->diffuse;
        light->light0_position[k] = length > 0.0f ? shot->light[k] / length : 0.0f;
    }
    light->light0_ambient[3] = light->light0_diffuse[3] = 1.0f;
    const f32 none[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_AMBIENT, light->light0_ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light->light0_diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

// The GL state the game's figure drawing starts from, on a clear ground.
static void shot_begin(const FigureShot *shot, int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(shot->fov_y, static_cast<double>(shot->width) / shot->height, RENDER_NEAR, RENDER_FAR);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_BLEND);
    glDisable(GL_FOG);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw_view_set(shot->eye, shot->centre, 1.0f);
}

// Averages each RENDER_SUPERSAMPLE square of the read-back (rows from the bottom) into one
// pixel of the picture (rows from the top). Colour is weighted by coverage, so the figure's
// edge does not darken toward the clear ground.
static void shot_average(const std::vector<u8> &big, int width, int height, std::vector<u8> *rgba)
{
    constexpr int S = RENDER_SUPERSAMPLE;
    rgba->assign(static_cast<size_t>(width) * height * 4, 0);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            f32 sum[4] = {};
            for (int sy = 0; sy < S; sy++)
                for (int sx = 0; sx < S; sx++) {
                    const u8 *p = &big[(static_cast<size_t>((height - 1 - y) * S + sy) * width * S + x * S + sx) * 4];
                    f32 a = p[3] / 255.0f;
                    for (int k = 0; k < 3; k++)
                        sum[k] += p[k] * a;
                    sum[3] += a;
                }
            u8 *out = &(*rgba)[(static_cast<size_t>(y) * width + x) * 4];
            for (int k = 0; k < 3; k++)
                out[k] = sum[3] > 0.0f ? static_cast<u8>(std::lround(sum[k] / sum[3])) : 0;
            out[3] = static_cast<u8>(std::lround(sum[3] * 255.0f / (S * S)));
        }
}

// The read-back of the drawn picture, averaged down into rgba.
static void shot_read(const FigureShot *shot, std::vector<u8> *rgba)
{
    int width = shot->width * RENDER_SUPERSAMPLE, height = shot->height * RENDER_SUPERSAMPLE;
    std::vector<u8> big(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, big.data());
    shot_average(big, shot->width, shot->height, rgba);
}

static void shot_figure_draw(const FigureModel *figure, const ModelPlacement *placement, StageLight *light)
{
    const ModelSkin skin = {figure->skins, FIGURE_RENDER_SKINS, 0, 0, 0};
    model_draw(placement, figure->model, &skin, light);
}

void figure_render_draw(const FigureModel *figure, const FigureShot *shot, std::vector<u8> *rgba)
{
    const FigureInScene one = {figure, {0, 0, 0, 0, 0, 0}, 0.0f};
    figure_render_draw_scene(&one, 1, shot, nullptr, rgba);
}

void figure_render_draw_in_arena(const FigureModel *figure, const ModelPlacement *placement, const FigureShot *shot,
                                 const FigureArena *arena, std::vector<u8> *rgba)
{
    const FigureInScene one = {figure, *placement, 0.0f};
    figure_render_draw_scene(&one, 1, shot, arena, rgba);
}

// A soft dark disc on the ground under each figure that casts one, blended over the floor
// already drawn and hidden by the figures' feet (drawn before it, writing depth), so that
// they stand on the ground rather than float over it.
static void shot_shadows_draw(const FigureInScene *figures, int count)
{
    constexpr int SIDES = 24;
    constexpr f32 SHADOW_Z = 0.02f, SHADOW_DARK = 0.7f;
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    for (int i = 0; i < count; i++) {
        f32 r = figures[i].shadow_radius;
        if (r <= 0.0f)
            continue;
        const ModelPlacement &p = figures[i].placement;
        glBegin(GL_TRIANGLE_FAN);
        glColor4f(0.0f, 0.0f, 0.0f, SHADOW_DARK);
        glVertex3f(p.pos_x, p.pos_y, p.pos_z + SHADOW_Z);
        glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
        for (int k = 0; k <= SIDES; k++) {
            f32 a = 6.2831853f * k / SIDES;
            glVertex3f(p.pos_x + r * std::cos(a), p.pos_y + r * 0.8f * std::sin(a), p.pos_z + SHADOW_Z);
        }
        glEnd();
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

// The fight's order: the figures lit (they fill the held-back queue), the arena unlit, their
// shadows on its floor, the sky behind all where the arena has one, then what was held back
// blends over them. Without an arena the ground stays clear (alpha 0) and casts no shadow.
void figure_render_draw_scene(const FigureInScene *figures, int count, const FigureShot *shot, const FigureArena *arena,
                              std::vector<u8> *rgba)
{
    shot_begin(shot, shot->width * RENDER_SUPERSAMPLE, shot->height * RENDER_SUPERSAMPLE);
    StageLight light;
    shot_light(shot, &light);
    masked_count = 0;
    for (int i = 0; i < count; i++)
        shot_figure_draw(figures[i].figure, &figures[i].placement, &light);
    if (arena) {
        // Every picture shows its arena's first frame: water moved on by the pictures drawn
        // before would make a picture's bytes depend on which others were built.
        stage_scroll_u = stage_scroll_v = 0.0f;
        const StageScene scene = {arena->textures, arena->stage, 0, 1.0f};
        glDisable(GL_LIGHTING);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        stage_draw(arena->model, &scene);
        glDisable(GL_BLEND);
        camera_view_load();
        shot_shadows_draw(figures, count);
        if (arena->stage != STAGE_LABYRINTH && arena->stage != STAGE_TEMPLE) {
            glEnable(GL_TEXTURE_2D);
            sky_panorama_draw(&scene);
            camera_view_load();
        }
        glEnable(GL_LIGHTING);
    }
    masked_polys_draw(&light);
    shot_read(shot, rgba);
}

void figure_render_scale(FigureModel *figure, f32 scale)
{
    Model *model = figure->model;
    for (u32 v = 0; v < model->vertex_count; v++)
        for (int k = 0; k < 3; k++)
            model->pos[v][k] *= scale;
}

void figure_render_free(FigureModel *figure)
{
    for (u32 &name : figure->skins)
        if (name)
            glDeleteTextures(1, &name);
    skeleton_bones_free(&figure->skeleton);
    model_free(figure->model);
    *figure = {};
}

bool figure_arena_load(FigureArena *arena, int stage, const std::vector<ZipEntry> &entries)
{
    *arena = {};
    arena->stage = stage;
    const ArenaInfo &info = arena_table[stage];
    std::vector<const char *> names = {info.model_entry, info.skeleton_entry};
    for (int i = 0; i < info.texture_count; i++)
        names.push_back(info.textures[i].entry);
    std::string path;
    ArchiveHandle archive = scratch_archive(names.data(), static_cast<int>(names.size()), entries, &path);
    if (archive) {
        arena->model = model_load(archive, info.model_entry);
        if (arena->model && !skeleton_load(&arena->skeleton, archive, info.skeleton_entry))
            skeleton_bones_free(&arena->skeleton);
        for (int i = 0; i < info.texture_count; i++)
            arena->textures[info.textures[i].slot] = texture_load(archive, info.textures[i].entry, info.textures[i].mode);
        archive_close(archive);
    }
    if (!path.empty())
        unlink(path.c_str());
    if (!arena->model || arena->skeleton.bone_count == 0) {
        fprintf(stderr, "databuild: cannot read the arena %s\n", info.model_entry);
        figure_arena_free(arena);
        return false;
    }
    arena->skeleton.key_from = arena->skeleton.key_to = 0;
    arena->skeleton.phase = 0.0f;
    model_skin(arena->model, &arena->skeleton);
    return true;
}

void figure_arena_free(FigureArena *arena)
{
    for (u32 &name : arena->textures)
        if (name)
            glDeleteTextures(1, &name);
    skeleton_bones_free(&arena->skeleton);
    model_free(arena->model);
    *arena = {};
}
