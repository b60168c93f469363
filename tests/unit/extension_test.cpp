#include "engine/engine.h"

#include <gtest/gtest.h>

struct ExtensionCase {
    const char *name;
    const char *list;
    int found;
};

static const ExtensionCase extension_cases[] = {
    {"GL_EXT_texture_env_add", "GL_ARB_multitexture GL_EXT_texture_env_add_extra GL_EXT_bgra", 0},   // prefix
    {"GL_EXT_texture_env", "GL_EXT_texture_env_add", 0},                                               // prefix of the only one
    {"texture_env_add", "GL_EXT_texture_env_add", 0},                                                  // suffix
    {"GL_ARB_multitexture", "GL_ARB_multitexture GL_EXT_bgra GL_EXT_texture_lod_bias", 1},             // first
    {"GL_EXT_texture_lod_bias", "GL_ARB_multitexture GL_EXT_bgra GL_EXT_texture_lod_bias", 1},         // last
    {"GL_EXT_bgra", "GL_ARB_multitexture GL_EXT_bgra GL_EXT_texture_lod_bias", 1},                     // middle
    {"GL_EXT_texture_lod_bias", "GL_EXT_texture_lod_bias ", 1},                                        // trailing blank
    {"GL_EXT_texture_env_add", "GL_EXT_texture_env_add_extra GL_EXT_texture_env_add", 1},             // after a longer one
    {"", "GL_ARB_multitexture ", 0},
    {" ", "GL_ARB_multitexture  GL_EXT_bgra", 0},
    {"GL_ARB_multitexture GL_EXT_bgra", "GL_ARB_multitexture GL_EXT_bgra", 0},                        // two names
    {"GL_EXT_bgra", "", 0},
    {"GL_EXT_bgra", nullptr, 0},
    {nullptr, "GL_EXT_bgra", 0},
};

TEST(Extensions, OnlyWholeNamesOfTheListAreFound)
{
    for (const ExtensionCase &test : extension_cases)
        EXPECT_EQ(extension_in_list(test.name, test.list), test.found)
            << "\"" << (test.name ? test.name : "(null)") << "\" in \"" << (test.list ? test.list : "(null)") << "\"";
}

// Without a context the driver's string is null: nothing is found, nothing crashes.
TEST(Extensions, NoContextMeansNoExtension)
{
    EXPECT_EQ(gl_has_extension("GL_ARB_multitexture"), 0);
}
