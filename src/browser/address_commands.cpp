#include "browser/address_commands.h"

namespace tv {

void AddressCommands::scheme_command(std::string_view /*link_text*/)
{
    // The command table comes with the address lists.
    (void)app_;
    (void)platform_;
}

} // namespace tv
