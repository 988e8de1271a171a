#pragma once

#include <string>
#include <string_view>

#include "staging/StagingReader.h"

namespace orvane {

// The value of one field of the acknowledgement's dataset dsMain, read from
// the acknowledgement staging file (ACK.WIN). Field names match exactly, in
// their letter case; a field this handler does not know (Agri1, Agri2,
// SoftwareBy, or any other) is empty, so the page prints nothing there.
std::string dsMainGetValue(const StagingReader& reader, std::string_view field);

}  // namespace orvane
