// The session survives the ways a game is ended from outside: the X server lost under it, a
// hang-up, a second copy started on the same folder; and a damaged start-up picture ends the
// start-up with the data-error box instead of a silent exit.
#include "support/data_set.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

constexpr u32 MIDAS_CREDITS = 99999;
// A lost display ends the game at once: well under a second on a quiet machine. The limit only
// tells "at once" from a hang, with room for a machine loaded to twice its cores.
constexpr double DISPLAY_LOST_SECONDS = 5.0;

static u32 saved_credits(const GameRun *run)
{
    Bytes settings = game_settings(run);
    return settings.size() == 169u ? settings_u32(settings, SETTINGS_CREDITS) : 0;
}

static void sleep_ms(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// From the title into a fight: START, the Minotaur picked, his load logged, the intro cut.
static ::testing::AssertionResult enter_fight(GameRun *run)
{
    ::testing::AssertionResult step = game_key_hold(run, "Return", 300);
    if (step)
        step = game_wait_settled(run, FADE_WAIT_MS);
    if (step)
        step = game_key_hold(run, "z", 300);
    if (step)
        step = game_wait_log(run, "blur ok!\n");
    if (step)
        step = game_wait_settled(run, PICK_WAIT_MS);
    if (step)
        step = game_key_hold(run, "z", 300);
    return step;
}

struct DisplayLoss {
    const char *name;
    bool in_fight;   // else at the title
    bool sigterm;    // the game told to quit as its server goes, as a logout does
};

static const DisplayLoss display_losses[] = {
    {"at the title", false, false},
    {"in a fight", true, false},
    {"with a quit signal at the same moment", false, true},
};

TEST(Session, ALostXServerEndsTheGameAtOnceWithTheSessionSaved)
{
    for (const DisplayLoss &test : display_losses) {
        SCOPED_TRACE(test.name);
        OwnDisplay display;
        ASSERT_TRUE(own_display_start(&display));
        GameRun run;
        ASSERT_TRUE(game_prepare(&run, "display-lost"));
        ASSERT_TRUE(game_start_playing(&run, {"-midastouch"}));
        if (test.in_fight) {
            ASSERT_TRUE(enter_fight(&run));
        }
        if (test.sigterm)
            kill(run.pid, SIGTERM);
        own_display_kill(&display);
        auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(game_wait_exit(&run, GAME_TIMEOUT_SECONDS));
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LE(seconds, DISPLAY_LOST_SECONDS);
        // No hang, and no crash: an exit status, never a signal.
        EXPECT_TRUE(run.exit_status == 0 || run.exit_status == 1) << run.exit_status;
        EXPECT_EQ(saved_credits(&run), MIDAS_CREDITS) << "the session's credits are on disk";
        std::string err = game_read_text(&run, "stderr.txt");
        EXPECT_EQ(err.find("AddressSanitizer"), std::string::npos) << err;
    }
}

// A closed terminal: the ordered shutdown, as SIGTERM gets. And a second copy on the same
// folder ends at once, before it touches the first one's log or settings.
TEST(Session, ASecondCopyEndsAtOnceAndAHangUpSavesTheFirstOnesSession)
{
    GameRun first;
    ASSERT_TRUE(game_prepare(&first, "hang-up"));
    ASSERT_TRUE(game_start_playing(&first, {"-midastouch"}));
    std::string log_before = game_read_text(&first, "data/initlog.txt");

    GameRun second;
    second.dir = first.dir;
    ASSERT_TRUE(game_start(&second));
    ASSERT_TRUE(game_wait_exit(&second, 5.0));
    EXPECT_EQ(second.exit_status, 1);
    // Both copies write stderr.txt of the same folder: the second's is the file now.
    EXPECT_NE(game_read_text(&second, "stderr.txt").find("already running"), std::string::npos);
    EXPECT_EQ(game_read_text(&first, "data/initlog.txt").compare(0, log_before.size(), log_before), 0)
        << "the first copy's log is kept";

    ASSERT_TRUE(game_signal_stop(&first, SIGHUP));
    EXPECT_EQ(first.exit_status, 0);
    EXPECT_EQ(saved_credits(&first), MIDAS_CREDITS);
    std::string log = game_read_text(&first, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {"\n -QORN successfully initialized!", "archivo config guardado\n",
                                     "\n -QORN successfully closed!"}));
    EXPECT_EQ(log.find("TAVROSK V."), log.rfind("TAVROSK V.")) << "one banner: one start wrote this log";
}

// A changed byte inside a start-up picture: the data-error box, the entry in the log, and a
// failed start reported as one. The box is answered, or the game told to quit while it shows:
// then it goes with the game instead of staying on the screen.
TEST(Session, ADamagedStartUpPictureEndsInTheDataErrorBox)
{
    for (bool answered : {true, false}) {
        SCOPED_TRACE(answered ? "box answered" : "quit while the box shows");
        GameRun run;
        ASSERT_TRUE(game_prepare(&run, "damaged-picture"));
        ASSERT_TRUE(data_set_damage_entry(run.dir, "misc/sombra.jpg"));
        ASSERT_TRUE(game_start(&run));
        ASSERT_TRUE(game_keys(&run, {"Return"}));
        if (answered) {
            ASSERT_TRUE(game_answer_message_box(&run));
            ASSERT_TRUE(game_wait_exit(&run));
        } else {
            ASSERT_TRUE(game_wait_message_box(&run));
            ASSERT_TRUE(game_stop(&run));
            EXPECT_FALSE(game_wait_message_box(&run, 1.0)) << "the box was left on the screen";
        }
        EXPECT_EQ(run.exit_status, 1);
        EXPECT_NE(game_read_text(&run, "stderr.txt").find("Corrupt or missing datafiles!"), std::string::npos);
        std::string log = game_read_text(&run, "data/initlog.txt");
        EXPECT_TRUE(texts_in_order(log, {"\n       -misc/sombra.jpg: ", "\n     -misc/sombra.jpg failed!"}));
    }
}

// The Minotaur's first opponent's model is damaged (every other hero's, whichever the ladder
// draws): the fight load fails, the data-error box shows, and the run ends with status 1 as a
// failed start does, the entry named in the log and every shutdown line before its end.
TEST(Session, ADamagedFighterModelAtAFightLoadEndsWithStatusOne)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "damaged-model"));
    for (const char *entry : {"jason/jason.emd", "odiseo/odiseo.emd", "atalanta/atalanta.emd", "perseo/perseo.emd",
                              "hipolita/hipolita.emd", "polifemo/polifemo.emd"})
        ASSERT_TRUE(data_set_damage_entry(run.dir, entry));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_key_hold(&run, "Return", 300));
    sleep_ms(FADE_WAIT_MS);
    ASSERT_TRUE(game_key_hold(&run, "z", 300));
    ASSERT_TRUE(game_answer_message_box(&run));
    ASSERT_TRUE(game_wait_exit(&run));
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(game_read_text(&run, "stderr.txt").find("Corrupt or missing datafiles!"), std::string::npos);
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {".emd: ", "\n       -model_load: cannot read ", "JGL off!\n",
                                     "\n -QORN successfully closed!\n -Log ended at "}))
        << log;
}

// Waits until the run's stderr holds text.
static bool stderr_shows(const GameRun *run, const std::string &text)
{
    for (double waited = 0; waited < GAME_TIMEOUT_SECONDS; waited += 0.1) {
        if (game_read_text(run, "stderr.txt").find(text) != std::string::npos)
            return true;
        sleep_ms(100);
    }
    return false;
}

// A FIFO where the log belongs (a trap in a shared folder) would hang the start beyond the
// reach of any signal: the game plays without a log instead, and a quit ends it as ever. The
// FIFO goes once the game has passed it, since a failure report reads the log; no log comes
// back in its place.
TEST(Session, AFifoForTheLogLeavesTheGamePlayableWithoutALog)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "fifo-log"));
    std::string log_path = game_path(&run, "data/initlog.txt");
    remove(log_path.c_str());
    ASSERT_EQ(mkfifo(log_path.c_str(), 0644), 0);
    ASSERT_TRUE(game_start(&run));
    ASSERT_TRUE(game_keys(&run, {"Return"}));
    bool passed = stderr_shows(&run, "data/initlog.txt is not a plain file, playing without a log");
    remove(log_path.c_str());
    ASSERT_TRUE(passed) << game_read_text(&run, "stderr.txt");
    sleep_ms(SCREEN_WAIT_MS);
    ASSERT_TRUE(game_focus(&run));
    EXPECT_FALSE(game_wait_exit(&run, 1.0)) << "the game stopped without its log";
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_NE(access(log_path.c_str(), F_OK), 0) << "a log was made after all";
    EXPECT_EQ(game_settings(&run).size(), 169u);
}
