// A one-line text field over the game library's key buffer: printable keys are added, up to
// fourteen, backspace deletes, and the cursor glyph "_" with the NUL always follows the text
// so the buffer prints as it stands.
#include "frontend/frontend.h"

#include <allegro.h>

i32 text_field_length;

constexpr int FIRST_PRINTABLE = 32;
constexpr int LAST_PRINTABLE = 126;
constexpr char CURSOR_GLYPH = '_';

// The most characters a buffer of `size` bytes holds with the cursor glyph and the NUL.
static int text_field_capacity(int size)
{
    int room = size - 2;
    return room < TEXT_FIELD_MAX ? room : TEXT_FIELD_MAX;
}

static void text_field_cursor_put(char *buffer)
{
    buffer[text_field_length] = CURSOR_GLYPH;
    buffer[text_field_length + 1] = '\0';
}

void text_field_open(char *buffer, int size)
{
    text_field_length = 0;
    if (buffer && size >= 2)
        text_field_cursor_put(buffer);
}

void text_field_edit(char *buffer, int size)
{
    if (keypressed())
        text_field_key(buffer, size, readkey());
}

void text_field_key(char *buffer, int size, int key)
{
    if (!buffer || size < 2)
        return;
    int c = key & 0xff, scancode = key >> 8;
    // A length from another field or a smaller buffer never writes past this one.
    int capacity = text_field_capacity(size);
    if (text_field_length > capacity)
        text_field_length = capacity;
    if (c >= FIRST_PRINTABLE && c <= LAST_PRINTABLE) {
        if (text_field_length >= capacity)
            return;
        buffer[text_field_length++] = static_cast<char>(c);
        text_field_cursor_put(buffer);
        return;
    }
    if (scancode != KEY_BACKSPACE)
        return;
    if (text_field_length > 0)
        text_field_length--;
    text_field_cursor_put(buffer);
}
