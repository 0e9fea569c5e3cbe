#ifndef FLATMATES_OBJECTS_OUTLETICONS_H
#define FLATMATES_OBJECTS_OUTLETICONS_H

// Every wall outlet shows the same plug: in the socket while off, pulled
// out while on.
namespace OutletIcons
{
constexpr const char* kOff = "assets/icon_power01.png";
constexpr const char* kOn = "assets/icon_power01_on.png";
} // namespace OutletIcons

#endif
