#include "engine/engine.h"

#include "platform/platform.h"

#include <iterator>

struct ScreenSize {
    u16 width, height;
};
// By resolution_index; the resolution list of the video set-up names the same sizes.
static const ScreenSize resolution_sizes[] = {
    {640, 480}, {800, 600}, {1024, 768}, {1280, 960}, {1600, 1200},
};
static_assert(std::size(resolution_sizes) == 5, "one size per resolution item");

void screen_size_from_resolution()
{
    const ScreenSize &size =
        resolution_index < std::size(resolution_sizes) ? resolution_sizes[resolution_index] : resolution_sizes[0];
    screen_width = size.width;
    screen_height = size.height;
}

void launcher_selection_from_settings(u8 *selection)
{
    selection[VIDEO_LIST_RESOLUTION] = resolution_index;
    selection[VIDEO_LIST_COLOUR_DEPTH] = colour_depth == 32 ? 1 : 0;
    selection[VIDEO_LIST_TEXTURE_DETAIL] = texture_detail;
    selection[VIDEO_LIST_TEXTURE_COLOUR_DEPTH] = texture_colour_depth;
    selection[VIDEO_LIST_TEXTURE_SHARPNESS] = texture_sharpness;
    selection[VIDEO_LIST_SCREEN_MODE] = screen_mode;
    // A damaged settings file must not point a list past its last item.
    for (int i = 0; i < VIDEO_LIST_COUNT; i++)
        if (selection[i] >= video_list_sizes[i])
            selection[i] = video_list_sizes[i] - 1;
    // The game runs a damaged resolution at 640 x 480, so the list shows that size: the last
    // item would turn the damage into 1600 x 1200 once the choices are copied back.
    if (resolution_index >= std::size(resolution_sizes))
        selection[VIDEO_LIST_RESOLUTION] = 0;
}

void launcher_selection_to_settings(const u8 *selection)
{
    resolution_index = selection[VIDEO_LIST_RESOLUTION];
    colour_depth = static_cast<u8>(selection[VIDEO_LIST_COLOUR_DEPTH] * 16 + 16);
    texture_detail = selection[VIDEO_LIST_TEXTURE_DETAIL];
    texture_colour_depth = selection[VIDEO_LIST_TEXTURE_COLOUR_DEPTH];
    texture_sharpness = selection[VIDEO_LIST_TEXTURE_SHARPNESS];
    screen_mode = selection[VIDEO_LIST_SCREEN_MODE];
    screen_size_from_resolution();
}

int launcher_dialog()
{
    u8 selection[VIDEO_LIST_COUNT];
    launcher_selection_from_settings(selection);
    LauncherResult result = launcher_run(selection);
    // Also when the launcher was closed: the choices made before are saved at shutdown.
    launcher_selection_to_settings(selection);
    return result;
}
