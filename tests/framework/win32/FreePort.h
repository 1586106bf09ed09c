#pragma once
// A TCP port of this machine that nothing listens on: the system picks it for a socket that
// closes again at once. The program's settings take no port 0, so tests store this one.

#include "framework/win32/Sockets.h"

namespace tav::test {

inline int FreePort() {
    TServerSocket probe(nullptr);
    probe.SetActive(true);
    return probe.LocalPort();
}

} // namespace tav::test
