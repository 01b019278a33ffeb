// The platform name shown in `lifeform.Panel40`: "Windows" and the release
// the system reports, for the releases the program knows by name.
#pragma once

#include "platform/platform.h"

#include <string>

namespace tv {

std::string system_name(const SystemVersion&);

} // namespace tv
