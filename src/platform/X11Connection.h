#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform {

// A reply of the X server, freed with it.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

// Qt's own connection to the X server; nullptr on any platform but X11 (xcb) or once the
// connection has broken.
xcb_connection_t* qtX11Connection();

// The number of the screen that the display name asks for (0 where it names none).
int defaultX11Screen();

} // namespace platform
