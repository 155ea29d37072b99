// SPDX-License-Identifier: MIT
// Where serial port N lives. Users point the link
// $XDG_CONFIG_HOME/vx/com<N> (default ~/.config/vx/com<N>) at their device,
// a USB adapter say; without a link, port N is /dev/ttyS<N-1>.
#pragma once

#include <string>

namespace vx {

// The folder holding the port links.
std::string portLinkFolder();

// The link that names port `port` (1 = first).
std::string portLinkPath(int port);

// The device of port `port` when it has no link.
std::string defaultDevicePath(int port);

// The device port `port` opens: where its link points (even where nothing
// is there any more), else defaultDevicePath().
std::string portDevicePath(int port);

// Makes port `port` name `device`: the link in portLinkFolder() (made as
// needed) points at it, replacing a link that was there. Fails with
// std::filesystem::filesystem_error naming the path and the reason.
void linkPort(int port, const std::string& device);

}  // namespace vx
