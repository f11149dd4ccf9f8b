#include "app/startup/EntryPoint.h"

// The whole start (identity, crash dumps, theme, fault handler, translations, single instance,
// ManageStartup and the event loop) lives in EntryPoint, where it can be read and tested.
int main(int argc, char *argv[])
{
    return EntryPoint::run(argc, argv);
}
