#include "draw_fixtures.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include "engine/engine_local.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <cstdlib>
#include <vector>

static void fixture_active_texture(u32 unit)
{
    glActiveTexture(unit);
}

static void fixture_multi_tex_coord2f(u32 unit, f32 s, f32 t)
{
    glMultiTexCoord2f(unit, s, t);
}

static void fixture_client_active_texture(u32 unit)
{
    glClientActiveTexture(unit);
}

void draw_caps_set(bool multitexture, int combine, bool env_add)
{
    has_multitexture = multitexture ? 255 : 0;
    gl_active_texture = fixture_active_texture;
    gl_multi_tex_coord2f = fixture_multi_tex_coord2f;
    gl_client_active_texture = fixture_client_active_texture;
    tex_env_combine = static_cast<u8>(combine);
    has_tex_env_add = env_add ? 255 : 0;
}

static void texture_unit_reset(u32 unit)
{
    glActiveTexture(unit);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void draw_gl_reset()
{
    glViewport(0, 0, 640, 480);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(35.0, 1.3333, 2.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    const GLenum off[] = {GL_BLEND, GL_CULL_FACE, GL_LIGHTING, GL_ALPHA_TEST, GL_FOG, GL_POLYGON_OFFSET_FILL};
    for (GLenum cap : off)
        glDisable(cap);
    texture_unit_reset(GL_TEXTURE1);
    texture_unit_reset(GL_TEXTURE0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);   // GL's own start value
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

struct SolidTexture {
    u32 rgba;
    u32 name;
};

u32 solid_texture(u8 r, u8 g, u8 b, u8 a)
{
    static std::vector<SolidTexture> made;
    u32 rgba = static_cast<u32>(r) << 24 | g << 16 | b << 8 | a;
    for (const SolidTexture &texture : made)
        if (texture.rgba == rgba)
            return texture.name;
    const u8 texels[16] = {r, g, b, a, r, g, b, a, r, g, b, a, r, g, b, a};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glBindTexture(GL_TEXTURE_2D, 0);
    made.push_back({rgba, name});
    return name;
}

const Palette &palette()
{
    static Palette colours;
    if (!colours.red)
        colours = {solid_texture(255, 0, 0),      solid_texture(0, 255, 0),          solid_texture(0, 0, 255),
                   solid_texture(255, 255, 255),  solid_texture(128, 128, 128),      solid_texture(0, 0, 0),
                   solid_texture(0, 255, 0, 0),   solid_texture(255, 0, 0, 128),     solid_texture(0, 255, 0, 128),
                   solid_texture(255, 255, 255, 128)};
    return colours;
}

EmdSurface fixture_surface(u8 pass, u8 surface_kind, u16 texture_index)
{
    EmdSurface surface = EMD_PLAIN;
    surface.pass = pass;
    surface.surface_kind = surface_kind;
    surface.texture_index = texture_index;
    return surface;
}

void draw_glow_setup()
{
    if (glow_read_buffer)
        return;
    glow_read_buffer = static_cast<u8 *>(calloc(1, GLOW_BUFFER_SIZE));
    glow_blur_buffer = static_cast<u8 *>(calloc(1, GLOW_BUFFER_SIZE));
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, GLOW_SIZE, GLOW_SIZE, 0, GL_RGB, GL_UNSIGNED_BYTE, glow_read_buffer);
    glBindTexture(GL_TEXTURE_2D, 0);
    glow_texture = name;
}

void draw_camera_front()
{
    const f32 eye[3] = {0, -80, 10}, centre[3] = {0, 0, 10};
    draw_view_set(eye, centre, 1.0f);
}

void draw_flat_light(StageLight *light, f32 level)
{
    *light = {};
    const f32 ambient[4] = {1, 1, 1, 1}, none[4] = {0, 0, 0, 1}, material[4] = {level, level, level, 1};
    for (int k = 0; k < 4; k++) {
        light->light0_ambient[k] = ambient[k];
        light->light0_diffuse[k] = none[k];
    }
    light->light0_position[1] = -1.0f;
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, none);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

void world_to_pixel(const f32 p[3], int *x, int *y)
{
    GLdouble model[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    camera_view_load();
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(p[0], p[1], p[2], model, projection, viewport, &wx, &wy, &wz);
    *x = static_cast<int>(wx);
    *y = static_cast<int>(wy);
}

Rgb pixel_at(int x, int y)
{
    u8 rgba[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

Rgb pixel_of(const f32 p[3])
{
    int x, y;
    world_to_pixel(p, &x, &y);
    return pixel_at(x, y);
}

bool rgb_near(Rgb got, Rgb expected, int tolerance)
{
    return abs(got.r - expected.r) <= tolerance && abs(got.g - expected.g) <= tolerance &&
           abs(got.b - expected.b) <= tolerance;
}

Model *fixture_model(const EmdModel &source)
{
    Bytes emd = emd_encode(source);
    Model *model = model_parse(emd.data(), static_cast<u32>(emd.size()), "fixture.emd");
    if (model)
        model_copy_rest_pose(model);
    return model;
}

void facing_triangle(EmdModel &model, const EmdSurface &surface, f32 x, f32 y, f32 z, f32 half)
{
    int a = emd_add_vertex(model, EMD_NO_BONE, {x - half, y, z - half});
    int b = emd_add_vertex(model, EMD_NO_BONE, {x + half, y, z - half});
    int c = emd_add_vertex(model, EMD_NO_BONE, {x, y, z + half});
    const f32 uv[6] = {0, 1, 1, 1, 0.5f, 0};
    emd_add_triangle(model, surface, a, b, c, uv);
}

bool posed_figure_build(PosedFigure *figure, const EmdSurface &arm)
{
    *figure = {};
    EmdModel source = {};
    EsqSkeleton bones = {};
    esq_add_bone(bones, -1, {0, 0, 0});
    esq_add_bone(bones, 0, {3, 0, 15});
    EmdSurface torso = EMD_PLAIN;
    emd_add_box(source, 0, torso, {0, 0, 10}, {3, 2, 6});
    emd_add_box(source, 1, arm, {4, 0, 20}, {1, 1, 5});
    figure->arm_marker = emd_add_vertex(source, 1, {4, 0, 20});
    figure->torso_marker = emd_add_vertex(source, 0, {0, 0, 10});
    figure->arm_rest[0] = 4;
    figure->arm_rest[1] = 0;
    figure->arm_rest[2] = 20;
    esq_set_turn(bones, 1, 1, 0, -64, 0);   // out to the side, clear of the torso
    Bytes emd = emd_encode(source), esq = esq_encode(bones);
    figure->model = model_parse(emd.data(), static_cast<u32>(emd.size()), "figure.emd");
    figure->skeleton = skeleton_blocks_new(1);
    if (!figure->model || !figure->skeleton ||
        !skeleton_parse(figure->skeleton, esq.data(), static_cast<u32>(esq.size()), "figure.esq"))
        return false;
    figure->skeleton->key_from = 1;
    figure->skeleton->key_to = 1;
    figure->skeleton->phase = 0.0f;
    model_skin(figure->model, figure->skeleton);
    return true;
}

void posed_figure_free(PosedFigure *figure)
{
    model_free(figure->model);
    skeleton_blocks_free(figure->skeleton, 1);
    *figure = {};
}

void eye_to_pixel(f32 x, f32 y, f32 z, int *px, int *py)
{
    f32 half_y = -z * tanf(17.5f * 3.14159265f / 180.0f);
    f32 half_x = half_y * 1.3333f;
    *px = static_cast<int>(GL_TEST_WIDTH / 2 + x / half_x * GL_TEST_WIDTH / 2);
    *py = static_cast<int>(GL_TEST_HEIGHT / 2 + y / half_y * GL_TEST_HEIGHT / 2);
}

Rgb eye_pixel(f32 x, f32 y, f32 z)
{
    int px, py;
    eye_to_pixel(x, y, z, &px, &py);
    return pixel_at(px, py);
}

std::vector<u8> window_pixels()
{
    std::vector<u8> pixels(GL_TEST_WIDTH * GL_TEST_HEIGHT * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void draw_blend_background()
{
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.2f, 0.9f);
    glVertex3f(-30.0f, -20.0f, -50.0f);
    glColor3f(1.0f, 0.5f, 0.0f);
    glVertex3f(30.0f, -20.0f, -50.0f);
    glColor3f(0.3f, 1.0f, 0.1f);
    glVertex3f(30.0f, 20.0f, -50.0f);
    glColor3f(0.6f, 0.0f, 0.6f);
    glVertex3f(-30.0f, 20.0f, -50.0f);
    glEnd();
}

u32 built_texture(const char *entry, int mode)
{
    ArchiveHandle archive = archive_open(test_data_archive_path().c_str());
    if (!archive)
        return 0;
    u32 name = texture_load(archive, entry, mode);
    archive_close(archive);
    return name;
}
