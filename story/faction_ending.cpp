#include "story/story.h"

void faction_ending_tick()
{
}
