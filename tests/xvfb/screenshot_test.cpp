// F1 in the running game: one JPEG per press beside the program, numbered from scr00000.jpg,
// each a picture of the window's size.
#include "engine/engine.h"
#include "support/xvfb_game.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

constexpr int WINDOW_WIDTH = 640;    // the first-run settings: windowed 640 x 480
constexpr int WINDOW_HEIGHT = 480;

static Bytes file_bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Screenshot, F1SavesOnePicturePerPressBesideTheProgram)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "screenshot"));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_keys(&run, {"F1"}));
    ASSERT_TRUE(game_wait_screenshots(&run, 1));
    // Held over many frames, F1 still takes one picture.
    ASSERT_TRUE(game_key_hold(&run, "F1", 600));
    ASSERT_TRUE(game_wait_screenshots(&run, 2));
    // The shutdown runs after the last write has finished.
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::vector<std::string> shots = game_screenshots(&run);
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_EQ(shots[0], run.dir + "/scr00000.jpg");
    EXPECT_EQ(shots[1], run.dir + "/scr00001.jpg");
    picture_library_start();
    for (const std::string &shot : shots) {
        Bytes jpeg = file_bytes(shot);
        Picture picture = {};
        ASSERT_EQ(jpeg_decode(jpeg.data(), jpeg.size(), &picture), 1) << shot;
        EXPECT_EQ(picture.width, WINDOW_WIDTH) << shot;
        EXPECT_EQ(picture.height, WINDOW_HEIGHT) << shot;
        picture_free(&picture);
    }
    EXPECT_EQ(game_read_text(&run, "data/initlog.txt").find("Screenshot"), std::string::npos);
}
