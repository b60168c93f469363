#include "story/story.h"

void intro_tick()
{
}
