// databuild.h: the data builder's steps; each step adds the entries of one part of the game.
#pragma once

#include "tools/writers/writers.h"

// Everything that goes into data/dat00.dat, in the order it was added.
extern std::vector<ZipEntry> archive_entries;
void archive_add(const std::string &name, Bytes bytes);

// One step per content area; each writes files into data_dir or adds archive entries.
// Returns 1, or 0 after printing what failed.
int build_settings(const char *data_dir);
int build_music(const char *data_dir);       // musica/*.ogg
int build_fonts(const char *data_dir);
int build_tuning(const char *data_dir);      // data/<name>.txt, copied from tuning/
int build_title(const char *data_dir);       // the title menu's pictures
int build_characters(const char *data_dir);
int build_overlays(const char *data_dir);    // misc/exit.jpg
int build_sounds(const char *data_dir);      // data/dat01.dat, the sound bank
int build_shared_pictures(const char *data_dir);   // the start-up loader's HUD, effect and screen pictures
