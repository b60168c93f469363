#include "story/story.h"

u32 story_ticks;
