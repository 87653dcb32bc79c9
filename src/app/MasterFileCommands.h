#pragma once

#include <functional>

class MemberMaster;
class Platform;

// The member master's file operations as the editors run them: each runs
// the MemberMaster operation of the same name and shows what its failure
// means. True when the operation did its work.

// Hands each record number read to `show`; the entries read before a
// failure stay.
bool readMasterFile(Platform& platform, MemberMaster& master, const std::function<void(int)>& show);
bool writeMasterFile(Platform& platform, MemberMaster& master);
