#pragma once

#include <QHostAddress>

// The address phones on the same network reach this computer at: the
// first IPv4 address of a running network interface that is not the
// loopback; the loopback address when there is none.
QHostAddress lanAddress();
