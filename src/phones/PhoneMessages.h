#pragma once

#include <string>

// The message when the players' page cannot listen on the chosen port.
std::u16string portUnavailableMessage(int port);
