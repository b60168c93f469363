// character_figures.h: the fighters' procedural figures, their poses and pictures; shared by
// the character files of the data builder (build_characters.cpp and its helpers).
#pragma once

#include "characters/characters.h"
#include "tools/databuild/databuild.h"

// ---- figure parts ---------------------------------------------------------------------
// What each bone of a figure stands for. Humanoids use the first fifteen; the Sphinx reads
// her front legs as arms and her hind legs as legs; the Hydra has its own parts.
enum FigurePart : u8 {
    PART_PELVIS,
    PART_CHEST,
    PART_HEAD,
    PART_UPPER_ARM_R,
    PART_FOREARM_R,
    PART_HAND_R,
    PART_UPPER_ARM_L,
    PART_FOREARM_L,
    PART_HAND_L,
    PART_THIGH_R,
    PART_SHIN_R,
    PART_FOOT_R,
    PART_THIGH_L,
    PART_SHIN_L,
    PART_FOOT_L,
    PART_TAIL,
    PART_WING_R,
    PART_WING_L,
    PART_NECK_0,          // the Hydra: four necks and heads
    PART_HEAD_0,
    PART_NECK_1,
    PART_HEAD_1,
    PART_NECK_2,
    PART_HEAD_2,
    PART_NECK_3,
    PART_HEAD_3,
    PART_EDGE,            // a blade-trail edge: follows its hand, never posed
    PART_COUNT
};

enum FigureBody : u8 {
    BODY_HUMAN,
    BODY_SPHINX,
    BODY_HYDRA
};

enum FigureWeapon : u8 {
    WEAPON_NONE,
    WEAPON_SWORD,
    WEAPON_SPEAR,
    WEAPON_AXE,
    WEAPON_CLUB,
    WEAPON_SHEARS,
    WEAPON_CLAWS,
    WEAPON_BOW,           // a curved stave and its string
    WEAPON_SHIELD,        // round, on the forearm, with a metal boss
    WEAPON_MIRROR_SHIELD, // round, polished to a mirror
    WEAPON_THREAD,        // a spindle and the thread of a life hanging from it
    WEAPON_STAFF          // a staff, sceptre or spear gripped as a spear, its head above the hand
                          // (a fighter's spear has its point at its tip, below the hand at rest)
};

// How one character's figure is rigged: its build and what its hands hold (where the
// blade trails run); what it looks like is its look (figure_look.h).
struct FigureStyle {
    FigureBody body;
    f32 height;           // world units, feet on z = 0
    f32 girth;            // 1 for an average build
    FigureWeapon weapon;          // in the right hand
    FigureWeapon second_weapon;   // in the left hand
    f32 weapon_length;
};
extern const FigureStyle figure_styles[];   // CHARACTER_COUNT rows

// A built rig: the skeleton's bones and which part each is.
struct FigureRig {
    EsqSkeleton skeleton;
    std::vector<FigurePart> parts;        // per bone
    int bone_of[PART_COUNT];              // -1 where the figure has no such part
    MeshPoint weapon_base, weapon_tip;    // first weapon, rest pose
    MeshPoint second_base, second_tip;    // second weapon (or the first's other edge)
};

// character_figures.cpp
void figure_rig(int id, FigureRig *rig);
// The rig of any build; `edges` are the blade-trail bones (a fighter's blade_trail_edges, all
// -1 for a figure with no trails).
void figure_rig_of(const FigureStyle &style, const i8 edges[4], FigureRig *rig);
// The fighter's model: the figure's mesh with the hit-zone points at the vertices the
// character's loader names. Unmasked: the Sphinx without her headdress.
EmdModel figure_model(int id, const FigureRig &rig, bool unmasked);

// ---- poses (character_poses.cpp) --------------------------------------------------------
// One pose: angles (256 units per turn) per part about the rest pose's axes, and the
// figure's root shift.
struct FigureAngles {
    f32 ax, ay, az;
};
struct FigurePose {
    FigureAngles part[PART_COUNT];
    MeshPoint shift;
    f32 hidden_heads;     // the Hydra: heads from this number on are shrunk away
};

// Writes every posed key of the character's skeleton from its key-frame table.
void figure_pose_keys(int id, FigureRig *rig);
// Writes one pose into key `key` of a rig; `unit` is the figure's height over 20.
void figure_write_pose(FigureRig *rig, int key, const FigurePose &p, f32 unit);

// ---- pictures (character_pictures.cpp) -------------------------------------------------
// The bytes of a picture entry by its name, in the entry's format (".jpg" or ".tga").
Bytes character_picture(int id, const LoadStep *step, const char *entry, int alternate);
Bytes summon_picture(const char *entry);
// The painted picture of a summon entry (a god's portrait, or an effect's picture) as 8-bit
// RGBA rows of size x size; false for an entry it has no painter for. A god is told apart by
// figure and attribute alone: no picture carries a name.
bool summon_picture_paint(const char *entry, std::vector<u8> *rgba, int *size);
// ---- projectile pictures (projectile_pictures.cpp) ------------------------------------
// A projectile frame or the stone skin, by its entry name ("proyectiles/odiseo12.jpg").
Bytes projectile_picture(const char *entry);

// ---- summoned gods (summon_figures.cpp) --------------------------------------------------
Bytes summon_model_entry(const char *entry);
Bytes summon_skeleton_entry(const char *entry);
