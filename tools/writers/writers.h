// writers.h: writers of the game's file formats; used by the data builder and the tests' fixtures.
#pragma once

#include "base/base.h"

#include <string>
#include <vector>

typedef std::vector<u8> Bytes;

// ---- zip archive (zip_writer.cpp) ----------------------------------------------------
struct ZipEntry {
    std::string name;   // "/" separated path inside the archive
    Bytes bytes;
};
// Writes a whole archive, deflating every entry. Returns 1, or 0 on any write failure.
int zip_write(const char *path, const std::vector<ZipEntry> &entries);

// ---- byte assembly (bytes.cpp) -------------------------------------------------------
// Little-endian, as the game's own formats store numbers.
void put_u8(Bytes &out, u32 value);
void put_u16(Bytes &out, u32 value);
void put_u32(Bytes &out, u32 value);
void put_f32(Bytes &out, float value);
// Big-endian, as the game library's datafiles store them.
void put_u16_be(Bytes &out, u32 value);
void put_u32_be(Bytes &out, u32 value);
// Writes bytes to a file; returns 1, or 0 on failure.
int file_write(const char *path, const Bytes &bytes);
// A whole file's bytes; none when it cannot be read.
Bytes file_read(const char *path);

// ---- .emd models and procedural meshes (emd_writer.cpp, mesh_shapes.cpp) -------------
// A point or size in model space: z up, the figure's front toward -y.
struct MeshPoint {
    f32 x, y, z;
};

constexpr u16 EMD_NO_BONE = 0xFFFF;   // a vertex no bone moves

// How a group of triangles is drawn; shared by every triangle a shape helper adds.
struct EmdSurface {
    u8 surface_kind;      // 0 plain, 1 reflective, 2 unlit, 5 alpha-tested reflective
    u8 two_sided;         // 1: no face culling
    u8 pass;              // 0-1 opaque, 2-3 alpha-tested, 4-5 blended
    u16 texture_index;    // into the owner's texture table
    u16 lightmap_index;   // arenas only
};
constexpr EmdSurface EMD_PLAIN = {0, 0, 0, 0, 0};   // opaque, one-sided, texture 0

struct EmdVertex {
    u16 bone_a;      // the bone that moves it, EMD_NO_BONE for none
    u16 bone_b;      // two-skeleton chains only; EMD_NO_BONE otherwise
    MeshPoint pos;   // rest position
    u16 tag;         // carried by the game, not interpreted
};

struct EmdPolygon {
    EmdSurface surface;
    u8 poly_flag;          // carried, not interpreted
    u16 poly_tag;          // carried, not interpreted
    u16 corner[3];         // counter-clockwise seen from the front
    f32 tex_uv[6];         // u, v per corner; v = 0 is the picture's top row
    f32 lightmap_uv[6];
};

struct EmdModel {
    std::string name;          // kept in the first name field, cut at 255 bytes
    int name_fields = 1;       // 1..256 fields of 256 bytes (0 is taken as 1)
    int skipped_records = 0;   // 20-byte records the game skips, 0..65535
    std::vector<EmdVertex> vertices;
    std::vector<EmdPolygon> polygons;
};

// The .emd entry for a model, byte for byte as the game reads it.
Bytes emd_encode(const EmdModel &model);

// Building blocks. Each returns the index of the first vertex it added; every vertex a
// shape adds is bound to the one bone given (EMD_NO_BONE for scenery that never moves).
// Texture and lightmap coordinates are the same, each face or band spanning 0..1.
// One vertex. Added alone, with no triangle using it, it is the point a hit zone or an
// emitter follows (its normal stays zero and nothing draws it).
int emd_add_vertex(EmdModel &model, int bone, MeshPoint pos);
// One triangle over existing vertices, with its corners' texture coordinates.
void emd_add_triangle(EmdModel &model, const EmdSurface &surface, int a, int b, int c,
                      const f32 uv[6]);
// A quad a-b-c-d (counter-clockwise seen from the front) as two triangles, u along a-b.
void emd_add_quad(EmdModel &model, const EmdSurface &surface, int a, int b, int c, int d);
// An axis-aligned box: 8 corners (x fastest, then y, then z), 12 triangles facing out.
int emd_add_box(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                MeshPoint half_size);
// A closed tapered tube from one joint to the next (a limb, a neck, a sword blade): a ring
// of `sides` vertices at each end, then the two cap centres (from, then to).
int emd_add_limb(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint from,
                 MeshPoint to, f32 radius_from, f32 radius_to, int sides);
// An ellipsoid (a head, a hand, a joint): the top pole, rings - 1 rings of `sides` vertices
// from top to bottom, then the bottom pole.
int emd_add_ball(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                 MeshPoint radii, int rings, int sides);
// A flat rectangle facing +z (a floor, a panel), centred on centre, `cells` x `cells` quads.
int emd_add_floor(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                  f32 half_x, f32 half_y, int cells);

// ---- .esq skeletons and key tables (esq_writer.cpp) ----------------------------------
constexpr int ESQ_KEYS = 256;   // every bone has exactly this many key frames

struct EsqKey {
    f32 trans[3];    // translation
    f32 scale[3];    // 1, 1, 1 leaves the bone's size alone; 0 collapses it
    f32 angles[3];   // about x, y, z; 256 units per turn
};

struct EsqBone {
    MeshPoint rest;        // the joint the bone turns about, model space
    u16 parent;            // a bone before this one; 0 for the root
    EsqKey keys[ESQ_KEYS];
};

struct EsqSkeleton {
    std::vector<EsqBone> bones;   // the game takes at most 256
};

// One bone's turn in a pose: angles about x, y, z (256 units per turn).
struct EsqTurn {
    int bone;
    f32 ax, ay, az;
};

// The .esq entry, byte for byte as the game reads it (7 + 14 B + 9,216 B bytes).
Bytes esq_encode(const EsqSkeleton &skeleton);
// Translation 0, scale 1, angles 0: what every unused key must hold.
EsqKey esq_identity_key();
// Adds a bone with every key the identity; parent -1 (or any value for the first bone)
// makes the root. Returns the bone's index.
int esq_add_bone(EsqSkeleton &skeleton, int parent, MeshPoint rest);
// Sets one key of one bone.
void esq_set_turn(EsqSkeleton &skeleton, int key, int bone, f32 ax, f32 ay, f32 az);
void esq_set_shift(EsqSkeleton &skeleton, int key, int bone, MeshPoint trans);
void esq_set_scale(EsqSkeleton &skeleton, int key, int bone, MeshPoint scale);
// Makes key `key` of every bone the identity and then applies the turns: one whole pose.
void esq_set_pose(EsqSkeleton &skeleton, int key, const EsqTurn *turns, int turn_count);
// Copies key `from` of every bone to key `to` (holding a pose over several keys).
void esq_copy_key(EsqSkeleton &skeleton, int from, int to);

// ---- Ogg Vorbis (ogg_writer.cpp) -----------------------------------------------------
// Encodes interleaved signed 16-bit sound (frames x channels, 1 to 8 channels) as one Ogg
// Vorbis stream at a VBR quality from -0.1 (smallest) to 1.0, appended to out. The stream's
// serial number is fixed, so the same sound always gives the same bytes. Returns 1, or 0 when
// the encoder refuses the settings.
int ogg_write(Bytes &out, const i16 *samples, u32 frames, int channels, int rate, float quality);

// ---- TGA and JPEG pictures (tga_writer.cpp, jpeg_writer.cpp) --------------------------
// Both take width x height pixels of R, G, B, A bytes, top row first.
// An uncompressed TGA of 24 bits (alpha dropped) or 32 bits, bottom row first, with the
// header the game's reader requires. Returns no bytes for a size or depth it cannot write.
Bytes tga_write(int width, int height, int bits, const u8 *rgba);
// A baseline JPEG made by JPGalleg (alpha dropped), quality 1..100. Returns 1, or 0 on failure.
int jpeg_write(Bytes &out, int width, int height, const u8 *rgba, int quality);

// ---- the sound bank: a game-library datafile of samples (datafile_writer.cpp) ----------
// One mono sound of signed 16-bit values.
struct DatSample {
    std::string name;       // the entry's NAME property (plain ASCII)
    int frequency;          // samples per second, 1..65535
    std::vector<i16> data;
};
// An uncompressed datafile whose entry k is samples[k], byte for byte as the game library's
// load_datafile reads it (big-endian fields, 16-bit data unsigned little-endian). Returns no
// bytes for a sample it cannot store.
Bytes datafile_encode_samples(const std::vector<DatSample> &samples);
