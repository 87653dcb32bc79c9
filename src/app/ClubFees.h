#pragma once

#include "register/RegisterTypes.h"

class Program;

// The fee of each member type, which a check-in takes as the fee due of a
// member of that type (all 0 while the register is closed).
FeeTable clubFees(Program& program);

// Sets the fee of one member type in the register; a failure is told.
void setClubFee(Program& program, MemberType type, int yen);
