#include "convert/StateName.h"

#include <array>
#include <utility>

namespace orvane {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 35> kStates = {{
    {"01", "ANDAMAN AND NICOBAR ISLAND"},
    {"02", "ANDHRA PRADESH"},
    {"03", "ARUNACHAL PRADESH"},
    {"04", "ASSAM"},
    {"05", "BIHAR"},
    {"06", "CHANDIGARH"},
    {"07", "DADRA AND NAGAR HAVELI"},
    {"08", "DAMAN AND DIV"},
    {"09", "DELHI"},
    {"10", "GOA"},
    {"11", "GUJARAT"},
    {"12", "HARYANA"},
    {"13", "HIMACHAL PRADESH"},
    {"14", "JAMMU AND KASHMIR"},
    {"15", "KARNATAKA"},
    {"16", "KERELA"},
    {"17", "LAKSHWADEEP"},
    {"18", "MADHYA PRADESH"},
    {"19", "MAHARASHTRA"},
    {"20", "MANIPUR"},
    {"21", "MEGHALAYA"},
    {"22", "MIZORAM"},
    {"23", "NAGALAND"},
    {"24", "ORRISA"},
    {"25", "PONDICHERRY"},
    {"26", "PUNJAB"},
    {"27", "RAJESTHAN"},
    {"28", "SIKKIM"},
    {"29", "TAMILNADU"},
    {"30", "TRIPURA"},
    {"31", "UTTER PRADESH"},
    {"32", "WEST BENGAL"},
    {"33", "CHHATISHGARH"},
    {"34", "UTTARANCHAL"},
    {"35", "JHARKHAND"},
}};

}  // namespace

std::string StateName(std::string_view code) {
    for (const auto& [state_code, name] : kStates) {
        if (state_code == code) return std::string(name);
    }
    return {};
}

}  // namespace orvane
