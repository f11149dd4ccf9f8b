#include "console/CommandCatalogue.h"

const CommandCatalogue &CommandCatalogue::system()
{
    return nmcli();
}
