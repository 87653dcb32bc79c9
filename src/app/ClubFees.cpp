#include "app/ClubFees.h"

#include "app/Program.h"
#include "app/RegisterLink.h"

FeeTable clubFees(Program& program) {
    return program.clubRegister.fees();
}

void setClubFee(Program& program, MemberType type, int yen) {
    FeeTable fees = program.clubRegister.fees();
    fees.fee.at(static_cast<std::size_t>(type)) = yen;
    reportRegisterError(program, program.clubRegister.setFees(fees));
}
