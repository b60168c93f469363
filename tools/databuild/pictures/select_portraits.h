// select_portraits.h: the fighters' likenesses drawn from their figures (the select's
// portraits, which the loading panel and the shop show too, the ring icons, the locked and
// hidden cards); used by the builder's select and screens steps and by the tests.
#pragma once

#include "tools/databuild/databuild.h"

constexpr int PORTRAIT_SIDE = 128;          // a portrait, square like the quads that show it
constexpr int ICON_ATLAS_SIDE = 256;        // the ring icons' atlas: 4 columns, 3 rows of cells
constexpr int ICON_WIDTH = ICON_ATLAS_SIDE / 4;    // an icon, the width of its cell
constexpr int ICON_HEIGHT = ICON_ATLAS_SIDE / 3;   // and its height

// Draws every fighter's portraits and icon from the figures already in archive_entries (the
// characters step comes first); once, later calls return at once. False after a message when
// there is no offscreen GL context or a figure cannot be read.
bool select_likenesses_make();

// The made pictures in their entries' formats.
Bytes select_portrait_jpeg(int id, int variant);   // variant 1: the alternate colour set
Bytes select_icon_atlas_tga();                     // 32-bit, black and clear round each icon
Bytes select_locked_jpeg();
Bytes shop_silhouette_atlas_tga();                 // the icon atlas's layout, each figure black on clear
Bytes select_hidden_icon_tga();                    // one icon cell, ICON_WIDTH x ICON_HEIGHT
