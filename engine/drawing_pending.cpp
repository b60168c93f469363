// Stand-ins for the platform branch's engine globals that the drawers read; deleted when engine
// start-up and the video mode land.
#include "engine/engine.h"

u8 *glow_read_buffer;
u8 *glow_blur_buffer;
u8 has_multitexture;
void (*gl_active_texture)(u32 unit);
void (*gl_multi_tex_coord2f)(u32 unit, f32 s, f32 t);
u8 has_tex_env_add;
u8 tex_env_combine;
u16 screen_width, screen_height;
u32 glow_texture;
