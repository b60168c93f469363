#include "story/story.h"

void ending_tick()
{
}
