// The gods' pictures shown over the fight during a super, decoded as the game decodes them:
// each is a lit figure on black (the picture is added over the darkened fight), and no two
// gods look alike.
#include "engine/engine.h"
#include "support/data_set.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

static const char *const god_entries[] = {
    "divine/demeter.jpg", "divine/atenea.jpg",   "divine/artemisa.jpg", "divine/zeus.jpg",
    "divine/apolo.jpg",   "divine/poseidon.jpg", "divine/erinias.jpg",  "divine/hera.jpg",
    "divine/afrodita.jpg", "divine/hades.jpg",   "divine/fobos_deimos.jpg", "divine/moiras.jpg",
};

TEST(GodPictures, EachGodIsALitFigureOnBlackUnlikeTheOthers)
{
    picture_library_start();
    ArchiveHandle archive = data_set_archive_open();
    ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
    std::vector<Picture> pictures;
    for (const char *entry : god_entries) {
        SCOPED_TRACE(entry);
        Picture p = archive_picture(archive, entry);
        ASSERT_NE(p.pixels, nullptr);
        // The corners add nothing; a good part of the upper middle, where the god stands, is lit.
        for (int corner = 0; corner < 4; corner++) {
            const u8 *q = &p.pixels[(static_cast<size_t>(corner / 2 ? p.height - 2 : 1) * p.width +
                                     (corner % 2 ? p.width - 2 : 1)) * 4];
            EXPECT_LT(q[0] + q[1] + q[2], 40) << "corner " << corner;
        }
        int lit = 0, count = 0;
        for (int y = p.height / 8; y < p.height * 3 / 4; y++)
            for (int x = p.width / 4; x < p.width * 3 / 4; x++, count++) {
                const u8 *q = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
                lit += q[0] + q[1] + q[2] > 200;
            }
        EXPECT_GT(lit, count / 5);
        pictures.push_back(p);
    }
    for (size_t a = 0; a < pictures.size(); a++)
        for (size_t b = a + 1; b < pictures.size(); b++) {
            const Picture &pa = pictures[a], &pb = pictures[b];
            ASSERT_EQ(pa.width * pa.height, pb.width * pb.height);
            double difference = 0;
            for (size_t i = 0; i < static_cast<size_t>(pa.width) * pa.height * 4; i++)
                difference += std::abs(pa.pixels[i] - pb.pixels[i]);
            EXPECT_GT(difference / (pa.width * pa.height * 3.0), 8.0) << god_entries[a] << " against " << god_entries[b];
        }
    for (Picture &p : pictures)
        picture_free(&p);
    archive_close(archive);
}
