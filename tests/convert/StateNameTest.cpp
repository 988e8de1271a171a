#include <gtest/gtest.h>

#include "convert/StateName.h"

namespace orvane {
namespace {

TEST(StateName, NamesAsTheFormsPrintThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"01", "ANDAMAN AND NICOBAR ISLAND"},
        {"16", "KERELA"},
        {"19", "MAHARASHTRA"},
        {"24", "ORRISA"},
        {"27", "RAJESTHAN"},
        {"31", "UTTER PRADESH"},
        {"35", "JHARKHAND"},
        // any other code gives the empty text
        {"1", ""},
        {"36", ""},
        {"00", ""},
        {"", ""},
        {" 16", ""},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(StateName(code), name) << "code " << code;
}

}  // namespace
}  // namespace orvane
