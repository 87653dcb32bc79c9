#pragma once

#include "phones/PhoneSite.h"

#include <vector>

// The page, its style and its script as the program carries them in its
// resources (":/phones/").
std::vector<PhoneAsset> loadPhoneAssets();
